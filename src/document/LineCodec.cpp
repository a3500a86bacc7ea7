#include "document/LineCodec.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

bool IsValidTeamIndex(int index) {
    return index >= 0 && index < MaxTeams;
}
bool IsValidPlayerIndex(int index) {
    return index >= 0 && index < MaxPlayers;
}

const char* BoolToFlagText(bool value) {
    return value ? "1" : "0";
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = UpperChar(c);
    return result;
}

void AssignUpperCase(std::string& target, std::string_view value) {
    // Files hold their values in upper case already: equal bytes are the common case.
    if (target == value)
        return;
    bool same = target.size() == value.size();
    for (std::size_t i = 0; same && i < value.size(); ++i)
        same = target[i] == UpperChar(value[i]);
    if (same)
        return;
    target.assign(value);
    for (char& c : target)
        c = UpperChar(c);
}

std::size_t FindText(std::string_view text, std::string_view part, std::size_t from) {
    if (part.empty())
        return from <= text.size() ? from : std::string_view::npos;
    if (text.size() < part.size())
        return std::string_view::npos;
    const char first = UpperChar(part[0]);
    const std::size_t last = text.size() - part.size();
    for (std::size_t i = from; i <= last; ++i) {
        if (UpperChar(text[i]) != first)
            continue;
        if (SameText(text.substr(i + 1, part.size() - 1), part.substr(1)))
            return i;
    }
    return std::string_view::npos;
}

bool ContainsText(std::string_view text, std::string_view part) {
    return FindText(text, part) != std::string_view::npos;
}

bool IsMarkerPlace(std::string_view line, std::size_t at) {
    const std::size_t itemsEnd = std::min(at, line.find('<'));
    const std::size_t comma = itemsEnd == 0 ? std::string_view::npos : line.rfind(',', itemsEnd - 1);
    const std::size_t itemStart = comma == std::string_view::npos ? 0 : comma + 1;
    return line.substr(itemStart, at - itemStart).find('=') == std::string_view::npos;
}

bool HasMarker(std::string_view line, std::string_view marker) {
    for (std::size_t at = FindText(line, marker); at != std::string_view::npos;
         at = FindText(line, marker, at + 1))
        if (IsMarkerPlace(line, at))
            return true;
    return false;
}

std::string DeleteAllText(std::string_view text, std::string_view part) {
    if (part.empty())
        return std::string(text);
    std::string result;
    result.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit; (hit = FindText(text, part, pos)) != std::string_view::npos;
         pos = hit + part.size())
        result.append(text.substr(pos, hit - pos));
    result.append(text.substr(pos));
    return result;
}

std::string ValueWithoutKey(std::string_view rest, std::string_view key) {
    // Kept as a stack: whenever its top spells the key, the key goes. One pass, however the
    // occurrences nest ("ModModPath=Path=" holds "ModPath=" twice).
    std::string value;
    value.reserve(rest.size());
    for (char c : rest) {
        value.push_back(c);
        if (!key.empty() && UpperChar(c) == UpperChar(key.back()) && value.size() >= key.size() &&
            SameText(std::string_view(value).substr(value.size() - key.size()), key))
            value.resize(value.size() - key.size());
    }
    value.resize(TrimTrailingBlanks(value).size());
    return value;
}

std::string IntToText(int value) {
    char buffer[16];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    const char u = UpperChar(c);
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

[[noreturn]] void Malformed(std::string_view s) {
    throw OperationAborted("Malformed number \"" + std::string(s.substr(0, 40)) + "\"");
}

int ParseHex(std::string_view original, std::string_view digits) {
    if (digits.empty())
        Malformed(original);
    std::uint64_t value = 0;
    for (char c : digits) {
        const int digit = HexDigit(c);
        if (digit < 0)
            Malformed(original);
        value = value * 16 + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFull)
            Malformed(original);
    }
    return static_cast<int>(static_cast<std::uint32_t>(value));
}

} // namespace

int ValueToInt(std::string_view s, int defaultValue) {
    if (s.empty())
        return defaultValue;
    // The common case first: up to nine plain digits cannot overflow.
    if (s.size() <= 9) {
        int value = 0;
        std::size_t i = 0;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9')
            value = value * 10 + (s[i++] - '0');
        if (i == s.size())
            return value;
    }
    std::string_view rest = s;
    while (!rest.empty() && rest.front() == ' ')
        rest.remove_prefix(1);
    if (rest.empty())
        Malformed(s);
    if (rest.front() == '$')
        return ParseHex(s, rest.substr(1));
    if (rest.front() == 'x' || rest.front() == 'X')
        return ParseHex(s, rest.substr(1));
    if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X'))
        return ParseHex(s, rest.substr(2));

    bool negative = false;
    if (rest.front() == '+' || rest.front() == '-') {
        negative = rest.front() == '-';
        rest.remove_prefix(1);
    }
    if (rest.empty())
        Malformed(s);
    std::int64_t value = 0;
    for (char c : rest) {
        if (c < '0' || c > '9')
            Malformed(s);
        value = value * 10 + (c - '0');
        if (value > 2147483648LL)
            Malformed(s);
    }
    if (negative)
        value = -value;
    if (value > 2147483647LL || value < -2147483648LL)
        Malformed(s);
    return static_cast<int>(value);
}

namespace {

// What the line scanner must stop at: item ends, the cut, and the N that every marker holds.
enum CharClass : unsigned char { PlainChar, CommaChar, CutChar, LetterN };

constexpr std::array<unsigned char, 256> CharClasses = [] {
    std::array<unsigned char, 256> classes{};
    classes[static_cast<unsigned char>(',')] = CommaChar;
    classes[static_cast<unsigned char>('<')] = CutChar;
    classes[static_cast<unsigned char>('n')] = LetterN;
    classes[static_cast<unsigned char>('N')] = LetterN;
    return classes;
}();

unsigned MarkerAfter(std::string_view rest, bool begin) {
    static constexpr std::string_view names[] = {"PLOT", "UNIT", "CITY"};
    for (unsigned i = 0; i < 3; ++i)
        if (StartsWithText(rest, names[i]))
            return 1u << (2 * i + (begin ? 0 : 1));
    return 0;
}

// The marker, if any, whose "BEGIN" or "END" has its N at position i.
unsigned MarkerAt(std::string_view line, std::size_t i) {
    // Most letters N of a map are in words like TERRAIN: the letters around the N tell at once.
    if (i == 0)
        return 0;
    const char before = static_cast<char>(line[i - 1] | 0x20);
    if (before != 'i' && before != 'e')
        return 0;
    if (i >= 4 && StartsWithText(line.substr(i - 4), "BEGIN"))
        return MarkerAfter(line.substr(i + 1), true);
    if (i >= 1 && StartsWithText(line.substr(i - 1), "END"))
        return MarkerAfter(line.substr(i + 2), false);
    return 0;
}

} // namespace

namespace {

constexpr std::size_t PageSize = 4096;

// The positions of commas, "<" and the letter N among the first `size` of 16 characters. It may
// read past the line's end, but never into another page, so the read is always allowed; the
// characters past the end are masked off.
#if defined(__SSE2__)
__attribute__((no_sanitize("address"))) unsigned SpecialChars(const char* chunk, std::size_t size) {
    const __m128i commas = _mm_set1_epi8(','), cuts = _mm_set1_epi8('<'), letterN = _mm_set1_epi8('n');
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(chunk));
    const __m128i hits =
        _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, commas), _mm_cmpeq_epi8(bytes, cuts)),
                     _mm_cmpeq_epi8(_mm_or_si128(bytes, _mm_set1_epi8(0x20)), letterN));
    const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(hits));
    return size >= 16 ? mask : mask & ((1u << size) - 1);
}

bool SixteenBytesReadable(const char* chunk) {
    return (reinterpret_cast<std::uintptr_t>(chunk) % PageSize) <= PageSize - 16;
}
#endif

} // namespace

void TLineItems::Cut(std::string_view text) {
    line = text;
    count = 0;
    markers = 0;
    moreItems.clear();
    const char* const first = text.data();
    const std::size_t size = text.size();
    const char* itemStart = first;
    const char* cut = nullptr;
    auto visit = [&](std::size_t i) {
        switch (CharClasses[static_cast<unsigned char>(first[i])]) {
        case PlainChar:
            break;
        case CommaChar:
            if (!cut) {
                Add(itemStart, first + i);
                itemStart = first + i + 1;
            }
            break;
        case CutChar:
            if (!cut)
                cut = first + i;
            break;
        case LetterN:
            // A marker inside an item's value does not count; the marker itself holds no "=".
            if (const unsigned marker = MarkerAt(text, i))
                if (!std::memchr(itemStart, '=', static_cast<std::size_t>(first + i - itemStart)))
                    markers |= marker;
            break;
        }
    };
    std::size_t i = 0;
#if defined(__SSE2__)
    // Sixteen characters at a time: only commas, "<" and the letter N need a look.
    for (; i < size && (size - i >= 16 || SixteenBytesReadable(first + i)); i += 16)
        for (unsigned mask = SpecialChars(first + i, size - i); mask; mask &= mask - 1)
            visit(i + static_cast<std::size_t>(__builtin_ctz(mask)));
#endif
    for (; i < size; ++i)
        if (CharClasses[static_cast<unsigned char>(first[i])] != PlainChar)
            visit(i);
    const char* itemsEnd = cut ? cut : first + size;
    if (itemStart < itemsEnd)
        Add(itemStart, itemsEnd);
}

TKeyTable::TKeyTable(const std::string_view* source, std::size_t keyCount) : count(keyCount) {
    for (std::size_t k = 0; k < keyCount && k < MaxKeys; ++k) {
        keys[k] = source[k];
        for (char c : source[k])
            keysHoldDigits |= IsDigit(c);
        TFoldedKey& folded = foldedKeys[k];
        folded.size = source[k].size() <= sizeof folded.text ? source[k].size() : 0;
        for (std::size_t i = 0; i < folded.size; ++i) {
            const char c = source[k][i];
            const bool letter =
                UpperChar(c) != static_cast<char>(c | 0x20) && (c | 0x20) >= 'a' && (c | 0x20) <= 'z';
            folded.text[i] = letter ? static_cast<char>(c | 0x20) : c;
            folded.mask[i] = letter ? 0x20 : 0;
        }
        if (source[k].empty())
            continue;
        const unsigned char first = static_cast<unsigned char>(source[k][0]);
        byFirstChar[static_cast<unsigned char>(UpperChar(static_cast<char>(first)))] |= 1u << k;
        byFirstChar[first] |= 1u << k;
        if (first >= 'A' && first <= 'Z')
            byFirstChar[first - 'A' + 'a'] |= 1u << k;
    }
}

constexpr bool LittleEndian = __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__;

bool TKeyTable::Begins(std::string_view item, std::size_t k) const {
    const std::string_view key = keys[k];
    if (item.size() < key.size())
        return false;
    const TFoldedKey& folded = foldedKeys[k];
    if (folded.size != key.size())
        return StartsWithText(item, key);
    // Eight characters at a time: a letter matches in either case, anything else exactly. The folded
    // key is padded, so its words can always be read whole; the item's last word is read whole only
    // when the item is long enough, and compared only over the key's length.
    for (std::size_t at = 0; at < folded.size; at += 8) {
        std::uint64_t wanted, mask;
        std::memcpy(&wanted, folded.text + at, 8);
        std::memcpy(&mask, folded.mask + at, 8);
        const std::size_t length = folded.size - at < 8 ? folded.size - at : 8;
        if (LittleEndian && item.size() - at >= 8) {
            std::uint64_t text;
            std::memcpy(&text, item.data() + at, 8);
            const std::uint64_t compared = length == 8 ? ~0ull : (1ull << (8 * length)) - 1;
            if (((text | mask) ^ wanted) & compared)
                return false;
        } else {
            for (std::size_t i = 0; i < length; ++i)
                if (static_cast<char>(item[at + i] | folded.mask[at + i]) != folded.text[at + i])
                    return false;
        }
    }
    return true;
}

namespace {

// Whether the rest of an item after its key holds the key again. Every key ends with "=" or is a
// bare word, so a rest without "=" (nearly every one) cannot hold a key ending in "=".
bool KeyRecurs(std::string_view rest, std::string_view key) {
    if (key.back() == '=') {
        bool hasEquals = false;
        for (char c : rest)
            hasEquals |= c == '=';
        if (!hasEquals)
            return false;
    }
    return FindText(rest, key) != std::string_view::npos;
}

} // namespace

void TKeyTable::Match(const TLineItems& items, TMatch& match) const {
    match.line = items.Line();
    match.found = 0;
    match.keyInValue = 0;
    for (std::size_t i = 0; i < items.Count(); ++i) {
        const std::string_view item = items.Item(i);
        if (item.empty())
            continue;
        std::uint32_t candidates = byFirstChar[static_cast<unsigned char>(item[0])] & ~match.found;
        while (candidates) {
            const unsigned k = static_cast<unsigned>(__builtin_ctz(candidates));
            candidates &= candidates - 1;
            if (Begins(item, k)) {
                const std::string_view rest = item.substr(keys[k].size());
                match.found |= 1u << k;
                match.rests[k] = {static_cast<std::size_t>(rest.data() - match.line.data()), rest.size()};
                if (KeyRecurs(rest, keys[k]))
                    match.keyInValue |= 1u << k;
            }
        }
    }
}

std::string_view TLineItems::Find(std::string_view key) const {
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view item = Item(i);
        if (StartsWithText(item, key))
            return item;
    }
    return {};
}

std::string_view KeyItemValue(std::string_view item, std::string_view key, std::string& scratch) {
    // The item begins with the key; only a further occurrence forces a copy.
    const std::string_view rest = item.substr(key.size());
    if (!KeyRecurs(rest, key))
        return rest;
    scratch = ValueWithoutKey(rest, key);
    return scratch;
}

std::string_view TLineItems::Value(std::string_view key, std::string& scratch) const {
    if (key.empty())
        return ValueAfterEquals(FirstItem());
    const std::string_view item = Find(key);
    if (item.empty())
        return {};
    return KeyItemValue(item, key, scratch);
}

std::string_view FindKeyItem(std::string_view line, std::string_view key) {
    const TLineItems items(line);
    return key.empty() ? items.FirstItem() : items.Find(key);
}

bool LineHasKey(std::string_view line, std::string_view key) {
    return TLineItems(line).Has(key);
}

std::string_view ValueAfterEquals(std::string_view text) {
    const std::size_t eq = text.find('=');
    if (eq == std::string_view::npos)
        return {};
    return TrimBlanks(text.substr(eq + 1));
}

std::string ReadKeyValue(std::string_view line, std::string_view key) {
    std::string scratch;
    return std::string(TLineItems(line).Value(key, scratch));
}

void SetFlagSafe(FlagSet& flags, int index, bool value) {
    if (index >= 0 && static_cast<std::size_t>(index) < flags.size())
        flags[static_cast<std::size_t>(index)] = value;
}

void ClearFlags(FlagSet& flags) {
    flags.fill(false);
}

std::string FlagsToCommaText(const FlagSet& flags) {
    std::string text;
    for (std::size_t i = 0; i < flags.size(); ++i)
        if (flags[i]) {
            text += IntToText(static_cast<int>(i));
            text += ',';
        }
    return text;
}

std::string ListToCommaText(const StringList& list) {
    std::string text;
    for (const std::string& entry : list) {
        text += entry;
        text += ',';
    }
    return text;
}

void CommaTextToList(std::string_view text, StringList& list) {
    list.clear();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos)
            comma = text.size();
        list.emplace_back(text.substr(start, comma - start));
        start = comma + 1;
    }
}

namespace {

// Handles every line that carries the key, in order, then removes them all: linear in the list.
template <typename Handle> bool ExtractLines(StringList& lines, std::string_view key, Handle handle) {
    bool any = false;
    for (const std::string& line : lines)
        if (LineHasKey(line, key)) {
            handle(line);
            any = true;
        }
    if (any)
        lines.erase(std::remove_if(lines.begin(), lines.end(),
                                   [&](const std::string& line) { return LineHasKey(line, key); }),
                    lines.end());
    return any;
}

} // namespace

bool ExtractListValue(StringList& lines, std::string_view key, StringList& list) {
    return ExtractLines(lines, key,
                        [&](const std::string& line) { CommaTextToList(ValueAfterEquals(line), list); });
}

bool ExtractStringValue(StringList& lines, std::string_view key, std::string& value) {
    return ExtractLines(lines, key, [&](const std::string& line) { value = ReadKeyValue(line, ""); });
}

void FlagsFromCommaText(std::string_view text, FlagSet& flags) {
    ClearFlags(flags);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos)
            comma = text.size();
        SetFlagSafe(flags, ValueToInt(text.substr(start, comma - start), -1), true);
        start = comma + 1;
    }
}

bool ExtractFlagsValue(StringList& lines, std::string_view key, FlagSet& flags) {
    return ExtractLines(lines, key,
                        [&](const std::string& line) { FlagsFromCommaText(ValueAfterEquals(line), flags); });
}

std::optional<int> ReadIntItem(std::string_view line, std::string_view key) {
    if (!LineHasKey(line, key))
        return std::nullopt;
    const std::string text = ReadKeyValue(line, key);
    const std::string_view value = TrimBlanks(text);
    int number = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (error != std::errc() || end != value.data() + value.size() || value.empty())
        return std::nullopt;
    return number;
}
