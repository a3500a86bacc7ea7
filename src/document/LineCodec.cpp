#include "LineCodec.h"

#include <algorithm>
#include <charconv>
#include <cstring>

bool IsValidTeamIndex(int index) {
    return index >= 0 && index < MaxTeams;
}
bool IsValidPlayerIndex(int index) {
    return index >= 0 && index < MaxPlayers;
}

const char* BoolToFlagText(bool value) {
    return value ? "1" : "0";
}

char UpperChar(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string UpperCase(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = UpperChar(c);
    return result;
}

void AssignUpperCase(std::string& target, std::string_view value) {
    bool same = target.size() == value.size();
    for (std::size_t i = 0; same && i < value.size(); ++i)
        same = target[i] == UpperChar(value[i]);
    if (same)
        return;
    target.assign(value);
    for (char& c : target)
        c = UpperChar(c);
}

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (UpperChar(a[i]) != UpperChar(b[i]))
            return false;
    return true;
}

bool StartsWithText(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && SameText(text.substr(0, prefix.size()), prefix);
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

bool IsBlank(char c) {
    return static_cast<unsigned char>(c) <= 32;
}

std::string_view TrimBlanks(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.substr(begin, end - begin);
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

TLineItems::TLineItems(std::string_view text) : line(text) {
    const std::size_t cut = text.find('<');
    if (cut != std::string_view::npos)
        text = text.substr(0, cut);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string_view::npos)
            comma = text.size();
        const std::string_view item = TrimBlanks(text.substr(start, comma - start));
        if (count < InlineItems)
            inlineItems[count] = item;
        else
            moreItems.push_back(item);
        ++count;
        start = comma + 1;
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
    if (FindText(rest, key) == std::string_view::npos)
        return rest;
    scratch = DeleteAllText(rest, key);
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
template <typename Handle> void ExtractLines(StringList& lines, std::string_view key, Handle handle) {
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
}

} // namespace

void ExtractListValue(StringList& lines, std::string_view key, StringList& list) {
    ExtractLines(lines, key, [&](const std::string& line) { CommaTextToList(ValueAfterEquals(line), list); });
}

void ExtractStringValue(StringList& lines, std::string_view key, std::string& value) {
    ExtractLines(lines, key, [&](const std::string& line) { value = ReadKeyValue(line, ""); });
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

void ExtractFlagsValue(StringList& lines, std::string_view key, FlagSet& flags) {
    ExtractLines(lines, key,
                 [&](const std::string& line) { FlagsFromCommaText(ValueAfterEquals(line), flags); });
}
