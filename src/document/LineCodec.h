#pragma once

// The key/value line codec shared by every record of the map document: items, keys, values,
// flag sets and comma lists. Stateless free functions over 8-bit text.

#include <array>
#include <cstdint>
#include <cstring>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

using StringList = std::vector<std::string>;

constexpr int MaxTeams = 18;
constexpr int MaxPlayers = 18;

// One entry per team slot: entry t is true when the set holds team t.
using FlagSet = std::array<bool, MaxTeams>;

// The silent abort: unwinds the user action or command that started the failing operation.
class OperationAborted : public std::exception {
public:
    OperationAborted() = default;
    explicit OperationAborted(std::string reason) : reason(std::move(reason)) {}
    const char* what() const noexcept override {
        return reason.empty() ? "Operation aborted" : reason.c_str();
    }

private:
    std::string reason;
};

bool IsValidTeamIndex(int index);
bool IsValidPlayerIndex(int index);

const char* BoolToFlagText(bool value);

// The integer that S denotes, or Default for an empty S. Raises OperationAborted on malformed text.
int ValueToInt(std::string_view s, int defaultValue);

// The first item of the line that, trimmed, begins with the key (ignoring case); "" if none.
std::string_view FindKeyItem(std::string_view line, std::string_view key);
bool LineHasKey(std::string_view line, std::string_view key);
std::string_view ValueAfterEquals(std::string_view text);
// The key's item with every occurrence of the key removed; the first item's value for an empty key.
std::string ReadKeyValue(std::string_view line, std::string_view key);
// The whole number the key's item of the line holds, or none when the line lacks the key or its
// value is no whole number.
std::optional<int> ReadIntItem(std::string_view line, std::string_view key);

void SetFlagSafe(FlagSet& flags, int index, bool value);
void ClearFlags(FlagSet& flags);
std::string FlagsToCommaText(const FlagSet& flags);
std::string ListToCommaText(const StringList& list);
void CommaTextToList(std::string_view text, StringList& list);

// Replaces the set by the indices of a comma list; empty pieces and indices outside the set are ignored.
void FlagsFromCommaText(std::string_view text, FlagSet& flags);

// Each returns whether a line carried the key.
bool ExtractListValue(StringList& lines, std::string_view key, StringList& list);
bool ExtractStringValue(StringList& lines, std::string_view key, std::string& value);
bool ExtractFlagsValue(StringList& lines, std::string_view key, FlagSet& flags);

// Text helpers used throughout the document. Only ASCII letters change case.
// Upper case by table: the readers compare every key of a record this way, line after line.
inline constexpr std::array<char, 256> UpperChars = [] {
    std::array<char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] = static_cast<char>((c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c);
    return table;
}();
inline char UpperChar(char c) {
    return UpperChars[static_cast<unsigned char>(c)];
}
std::string UpperCase(std::string_view text);
// Stores the upper-cased value in place; a value already held changes nothing.
void AssignUpperCase(std::string& target, std::string_view value);
inline bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperChar(a[i]) != UpperChar(b[i]))
            return false;
    return true;
}
inline bool StartsWithText(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
}
// Whether the text ends with the suffix, ignoring letter case.
inline bool EndsWithText(std::string_view text, std::string_view suffix) {
    return text.size() >= suffix.size() && SameText(text.substr(text.size() - suffix.size()), suffix);
}
inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
// Equal but for digits: the same length, and where the bytes differ both are digits. Such lines cut
// into the same items, with the same markers, and carry the same keys when no key holds a digit:
// "\tx=12,y=34" and "\tx=12,y=35" differ in their values only.
inline bool SameShape(std::string_view a, std::string_view b) {
    const std::size_t size = a.size();
    if (size != b.size())
        return false;
    auto digitsApart = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i)
            if (a[i] != b[i] && !(IsDigit(a[i]) && IsDigit(b[i])))
                return false;
        return true;
    };
    std::size_t i = 0;
    for (; i + 8 <= size; i += 8) {
        std::uint64_t wordA, wordB;
        std::memcpy(&wordA, a.data() + i, 8);
        std::memcpy(&wordB, b.data() + i, 8);
        if (wordA != wordB && !digitsApart(i, i + 8))
            return false;
    }
    return digitsApart(i, size);
}
bool ContainsText(std::string_view text, std::string_view part);
std::size_t FindText(std::string_view text, std::string_view part, std::size_t from = 0);
inline bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}
// What a reader sees of a value at a line's end: the line's last item loses its trailing blanks.
inline std::string_view TrimTrailingBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}
inline std::string_view TrimBlanks(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
}
std::string DeleteAllText(std::string_view text, std::string_view part);
// The value of an item that holds its key again after the key: every occurrence of the key deleted,
// those the deleting brings together as well, and the blanks left at its end, so that the value
// reads back as itself when written after its key (a line's last item loses its trailing blanks).
std::string ValueWithoutKey(std::string_view rest, std::string_view key);
std::string IntToText(int value);

// Block markers count anywhere in a line but inside the value of an item: "CityName=Legendcity"
// names a city and does not end it. The item is cut at commas before the first "<", as values are.
bool IsMarkerPlace(std::string_view line, std::size_t at);
// The line holds `marker`, in any letter case, at a place where markers count.
bool HasMarker(std::string_view line, std::string_view marker);

// The plot, unit and city markers a line holds where markers count (see IsMarkerPlace).
enum TBlockMarker : unsigned {
    BeginPlotMarker = 1,
    EndPlotMarker = 2,
    BeginUnitMarker = 4,
    EndUnitMarker = 8,
    BeginCityMarker = 16,
    EndCityMarker = 32
};

// A line cut once into its trimmed items, so that a record can test all of its keys against it
// without copying: the hot path of every section reader.
class TLineItems {
public:
    std::size_t Count() const { return count; }
    std::string_view Item(std::size_t i) const {
        const TSpan& span = i < InlineItems ? inlineItems[i] : moreItems[i - InlineItems];
        return std::string_view(line.data() + span.offset, span.size);
    }

    explicit TLineItems(std::string_view line) { Cut(line); }
    // Cuts another line in place, reusing this one's storage.
    void Cut(std::string_view line);
    // Views a line of the same shape as the one cut here (see SameShape): the items keep their places.
    void MoveTo(std::string_view sameShape) { line = sameShape; }

    std::string_view Find(std::string_view key) const;
    bool Has(std::string_view key) const { return !key.empty() && !Find(key).empty(); }
    // ReadKeyValue for this line; the result views either the line or `scratch`.
    std::string_view Value(std::string_view key, std::string& scratch) const;
    std::string_view FirstItem() const { return count > 0 ? Item(0) : std::string_view(); }
    std::string_view Line() const { return line; }
    // The TBlockMarker values of the line, found in the same pass as the items: the plot reader
    // needs both for every line of a map.
    unsigned Markers() const { return markers; }

private:
    static constexpr std::size_t InlineItems = 8;
    // A plain pair, so that the inline array costs nothing to set up for lines of one or two items.
    // Places count from the line's start, so that another line of the same shape takes them over.
    struct TSpan {
        std::size_t offset;
        std::size_t size;
    };
    void Add(const char* begin, const char* end) {
        while (begin < end && IsBlank(*begin))
            ++begin;
        while (end > begin && IsBlank(end[-1]))
            --end;
        // Field by field: a whole-struct copy through the stack stalls on store forwarding here.
        TSpan& item = count < InlineItems ? inlineItems[count] : moreItems.emplace_back();
        item.offset = static_cast<std::size_t>(begin - line.data());
        item.size = static_cast<std::size_t>(end - begin);
        ++count;
    }

    std::string_view line;
    std::size_t count = 0;
    unsigned markers = 0;
    TSpan inlineItems[InlineItems];
    std::vector<TSpan> moreItems;
};

// The keys of a record, indexed by their first letter: a line's items are tested only against the keys
// they could begin with. The outcome is the same as testing every key against every item, in the
// table's order, which the records rely on.
class TKeyTable {
public:
    static constexpr std::size_t MaxKeys = 32;

    template <std::size_t N>
    explicit TKeyTable(const std::array<std::string_view, N>& keys) : TKeyTable(keys.data(), N) {}
    TKeyTable(const std::string_view* keys, std::size_t count);

    std::size_t Count() const { return count; }
    std::string_view Key(std::size_t index) const { return keys[index]; }
    bool KeysHoldDigits() const { return keysHoldDigits; }

    // The keys of the table that the line carries, with the value of the item that carries each.
    struct TMatch {
        std::string_view line;
        std::uint32_t found = 0;
        // Keys whose item holds the key again after it: their value is the rest of the item with
        // every occurrence deleted, which needs a copy (see KeyItemValue).
        std::uint32_t keyInValue = 0;
        // The place in the line of the rest of each found key's item after the key; entries of keys
        // not found are left unset.
        struct TRest {
            std::size_t offset;
            std::size_t size;
        } rests[MaxKeys];
        bool Has(std::size_t key) const { return (found >> key) & 1u; }
        // The value of a key found; it views the line or, rarely, `scratch`.
        std::string_view Value(const TKeyTable& table, std::size_t key, std::string& scratch) const;
        // Views a line of the same shape as the one matched here (see SameShape), whose values
        // stand at the same places.
        void MoveTo(std::string_view sameShape) { line = sameShape; }
        // Calls handle(key index, value) for every key found (and in the mask), in the table's order.
        template <typename Handle>
        void ForEach(const TKeyTable& table, std::string& scratch, Handle handle,
                     std::uint32_t mask = ~0u) const;
    };
    void Match(const TLineItems& items, TMatch& match) const;

private:
    // A key with its letters in lower case and a mask of 0x20 over them, for comparing eight
    // characters at a time; size 0 for a key too long for it.
    struct TFoldedKey {
        char text[40] = {};
        char mask[40] = {};
        std::size_t size = 0;
    };
    bool Begins(std::string_view item, std::size_t key) const;

    std::array<std::string_view, MaxKeys> keys{};
    std::array<TFoldedKey, MaxKeys> foldedKeys{};
    std::size_t count = 0;
    bool keysHoldDigits = false;
    std::array<std::uint32_t, 256> byFirstChar{};
};

// The value of a key item: the item with every occurrence of the key deleted, ignoring case.
std::string_view KeyItemValue(std::string_view item, std::string_view key, std::string& scratch);

inline std::string_view TKeyTable::TMatch::Value(const TKeyTable& table, std::size_t key,
                                                 std::string& scratch) const {
    const std::string_view rest(line.data() + rests[key].offset, rests[key].size);
    if (!((keyInValue >> key) & 1u))
        return rest;
    scratch = ValueWithoutKey(rest, table.Key(key));
    return scratch;
}

template <typename Handle>
void TKeyTable::TMatch::ForEach(const TKeyTable& table, std::string& scratch, Handle handle,
                                std::uint32_t mask) const {
    for (std::uint32_t rest = found & mask; rest; rest &= rest - 1) {
        const auto key = static_cast<std::size_t>(__builtin_ctz(rest));
        handle(key, Value(table, key, scratch));
    }
}
