#pragma once

// The key/value line codec shared by every record of the map document: items, keys, values,
// flag sets and comma lists. Stateless free functions over 8-bit text.

#include <array>
#include <cstdint>
#include <exception>
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

void SetFlagSafe(FlagSet& flags, int index, bool value);
void ClearFlags(FlagSet& flags);
std::string FlagsToCommaText(const FlagSet& flags);
std::string ListToCommaText(const StringList& list);
void CommaTextToList(std::string_view text, StringList& list);

// Replaces the set by the indices of a comma list; empty pieces and indices outside the set are ignored.
void FlagsFromCommaText(std::string_view text, FlagSet& flags);

void ExtractListValue(StringList& lines, std::string_view key, StringList& list);
void ExtractStringValue(StringList& lines, std::string_view key, std::string& value);
void ExtractFlagsValue(StringList& lines, std::string_view key, FlagSet& flags);

// Text helpers used throughout the document. Only ASCII letters change case.
char UpperChar(char c);
std::string UpperCase(std::string_view text);
// Stores the upper-cased value in place; a value already held changes nothing.
void AssignUpperCase(std::string& target, std::string_view value);
bool SameText(std::string_view a, std::string_view b);
bool StartsWithText(std::string_view text, std::string_view prefix);
bool ContainsText(std::string_view text, std::string_view part);
std::size_t FindText(std::string_view text, std::string_view part, std::size_t from = 0);
bool IsBlank(char c);
std::string_view TrimBlanks(std::string_view text);
std::string DeleteAllText(std::string_view text, std::string_view part);
std::string IntToText(int value);

// A line cut once into its trimmed items, so that a record can test all of its keys against it
// without copying: the hot path of every section reader.
class TLineItems {
public:
    explicit TLineItems(std::string_view line);

    std::string_view Find(std::string_view key) const;
    bool Has(std::string_view key) const { return !key.empty() && !Find(key).empty(); }
    // ReadKeyValue for this line; the result views either the line or `scratch`.
    std::string_view Value(std::string_view key, std::string& scratch) const;
    std::string_view FirstItem() const { return count > 0 ? Item(0) : std::string_view(); }
    std::string_view Line() const { return line; }

private:
    static constexpr std::size_t InlineItems = 8;
    std::string_view Item(std::size_t i) const {
        return i < InlineItems ? inlineItems[i] : moreItems[i - InlineItems];
    }

    std::string_view line;
    std::size_t count = 0;
    std::array<std::string_view, InlineItems> inlineItems{};
    std::vector<std::string_view> moreItems;
};

// The value of a key item: the item with every occurrence of the key deleted, ignoring case.
std::string_view KeyItemValue(std::string_view item, std::string_view key, std::string& scratch);
