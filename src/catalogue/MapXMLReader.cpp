#include "catalogue/MapXMLReader.h"

#include "catalogue/CodePage.h"
#include "catalogue/GamePath.h"
#include "document/FileText.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <unordered_map>

namespace {

constexpr std::array<const char*, 6> ModeTags = {"",       "<Type>",         "<Tag>",
                                                 "<Path>", "<ArtStyleType>", "<CivicOptionType>"};
constexpr std::array<const char*, 6> LanguageTags = {"",         "<English>", "<French>",
                                                     "<German>", "<Italian>", "<Spanish>"};

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

// A text looked for in many lines, ignoring the case of ASCII letters.
class TNeedle {
public:
    explicit TNeedle(std::string_view text) : folded(text) {
        for (char& c : folded)
            c = LowerAscii(c);
    }

    bool Empty() const { return folded.empty(); }
    std::size_t Size() const { return folded.size(); }
    bool In(std::string_view line) const { return Find(line, 0) != std::string_view::npos; }

    std::size_t Find(std::string_view line, std::size_t from) const {
        const std::size_t size = folded.size();
        if (size == 0)
            return from <= line.size() ? from : std::string_view::npos;
        if (line.size() < size || from > line.size() - size)
            return std::string_view::npos;
        const char* data = line.data();
        const char first = folded[0];
        const std::size_t last = line.size() - size;
        const bool letter = first >= 'a' && first <= 'z';
        for (std::size_t i = from; i <= last; ++i) {
            if (letter) {
                if ((data[i] | 0x20) != first)
                    continue;
            } else {
                const void* hit = std::memchr(data + i, first, last - i + 1);
                if (!hit)
                    return std::string_view::npos;
                i = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
            }
            std::size_t k = 1;
            while (k < size && LowerAscii(data[i + k]) == folded[k])
                ++k;
            if (k == size)
                return i;
        }
        return std::string_view::npos;
    }

private:
    std::string folded;
};

// An opening tag and the closing tag made from it by turning every "<" into "</".
struct TTagPair {
    explicit TTagPair(std::string_view tag) : open(tag), close(ClosingTag(tag)) {}
    static std::string ClosingTag(std::string_view tag) {
        std::string result;
        for (const char c : tag) {
            result.push_back(c);
            if (c == '<')
                result.push_back('/');
        }
        return result;
    }
    TNeedle open;
    TNeedle close;
};

std::string RemoveAll(std::string_view text, const TNeedle& needle) {
    std::string result;
    result.reserve(text.size());
    std::size_t pos = 0;
    for (std::size_t hit; (hit = needle.Find(text, pos)) != std::string_view::npos; pos = hit + needle.Size())
        result.append(text.substr(pos, hit - pos));
    result.append(text.substr(pos));
    return result;
}

// The line without any of the tag's opening or closing tags, trimmed; "" when the line lacks the tag.
std::string CutValue(std::string_view line, const TTagPair& tag) {
    if (tag.open.Empty() || !tag.open.In(line))
        return {};
    const std::string withoutOpen = RemoveAll(line, tag.open);
    const std::string withoutBoth = RemoveAll(withoutOpen, tag.close);
    return std::string(TrimBlanks(withoutBoth));
}

// The fold for sorting: Windows-1252 letters to their capitals, every other byte unchanged.
constexpr std::array<unsigned char, 256> MakeSortFold() {
    std::array<unsigned char, 256> fold{};
    for (int i = 0; i < 256; ++i)
        fold[i] = static_cast<unsigned char>(i);
    for (int c = 'a'; c <= 'z'; ++c)
        fold[c] = static_cast<unsigned char>(c - 32);
    for (int c = 0xE0; c <= 0xFE; ++c)
        if (c != 0xF7)
            fold[c] = static_cast<unsigned char>(c - 32);
    fold[0x9A] = 0x8A;
    fold[0x9C] = 0x8C;
    fold[0x9E] = 0x8E;
    fold[0xFF] = 0x9F;
    return fold;
}

constexpr std::array<unsigned char, 256> SortFold = MakeSortFold();

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = SortFold[static_cast<unsigned char>(a[i])];
        const unsigned char y = SortFold[static_cast<unsigned char>(b[i])];
        if (x != y)
            return x < y;
    }
    return a.size() < b.size();
}

} // namespace

void SortIgnoringCase(StringList& list) {
    std::stable_sort(list.begin(), list.end(), LessIgnoringCase);
}

void TMapXMLReader::SetMode(int index) {
    if (index < 0 || index >= static_cast<int>(ModeTags.size()) || index == mode)
        return;
    mode = index;
    modeTag = ModeTags[static_cast<std::size_t>(index)];
}

void TMapXMLReader::SetLanguage(int index) {
    if (index < 0 || index >= static_cast<int>(LanguageTags.size()) || index == language)
        return;
    language = index;
    languageTag = LanguageTags[static_cast<std::size_t>(index)];
}

void TMapXMLReader::SetFileName(std::string_view value) {
    if (value == fileName)
        return;
    fileName.assign(value);
    localPath.clear();
    localPathFound = false;
}

const std::string& TMapXMLReader::LocalPath() {
    if (!localPathFound)
        localPathFound = ResolvePathIgnoringCase(ToLocalSeparators(fileName), localPath);
    return localPath;
}

void TMapXMLReader::SetTextFiles(std::vector<std::string> files) {
    textFiles = std::move(files);
    values.clear();
}

const StringList& TMapXMLReader::GetValues() {
    if (!values.empty())
        return values;
    if (!textFiles.empty()) {
        values = ReadLayeredTexts();
        return values;
    }
    if (fileName.empty())
        return values;
    const std::string bytes = ReadFileBytes(LocalPath());
    values = ScanText(bytes);
    return values;
}

StringList TMapXMLReader::ReadLayeredTexts() const {
    std::unordered_map<std::string, std::size_t> placeOfTag;
    StringList texts;
    for (const std::string& file : textFiles)
        for (auto& [tag, text] : ScanRecords(ReadFileBytes(file))) {
            const auto [place, added] = placeOfTag.emplace(UpperCase(tag), texts.size());
            if (added)
                texts.push_back(std::move(text));
            else
                texts[place->second] = std::move(text);
        }
    SortIgnoringCase(texts);
    return texts;
}

StringList TMapXMLReader::ScanText(std::string_view text) const {
    StringList found;
    for (auto& record : ScanRecords(text))
        found.push_back(std::move(record.second));
    SortIgnoringCase(found);
    return found;
}

std::vector<std::pair<std::string, std::string>> TMapXMLReader::ScanRecords(std::string_view text) const {
    const std::vector<std::string_view> lines = SplitLines(text);
    std::vector<std::pair<std::string, std::string>> found;
    if (lines.empty())
        return found;
    const bool utf8 = DeclaresUtf8(lines.front()) && IsValidUtf8(text.substr(0, text.find('\0')));

    const TTagPair modePair(modeTag);
    const TNeedle filterNeedle(filter);
    const TNeedle excludeNeedle(exclude);
    const TTagPair languagePair(languageTag);
    const TTagPair textPair("<Text>");
    const TTagPair typePair("<Type>");

    std::string tag;
    const auto add = [&](std::string value) {
        DecodeValueText(value, utf8);
        std::string key = mode == 2 ? tag : value;
        found.emplace_back(std::move(key), std::move(value));
    };
    const auto wanted = [&](std::string_view line) {
        return (modePair.open.Empty() || modePair.open.In(line)) &&
               (filterNeedle.Empty() || filterNeedle.In(line)) &&
               (excludeNeedle.Empty() || !excludeNeedle.In(line));
    };
    const std::size_t last = lines.size() - 1;
    // Looks below the wanted line at `p` for one value, up to the line before the next record.
    const auto scanFollowing = [&](std::size_t& p, const TTagPair& first, const TTagPair* second) {
        while (p < last) {
            ++p;
            std::string value = CutValue(lines[p], first);
            if (value.empty() && second)
                value = CutValue(lines[p], *second);
            if (!value.empty()) {
                add(std::move(value));
                return;
            }
            if (p < last && modePair.open.In(lines[p + 1]))
                return;
        }
    };

    for (std::size_t p = 0; p < lines.size(); ++p) {
        if (!wanted(lines[p]))
            continue;
        if (mode == 2) {
            tag = CutValue(lines[p], modePair);
            scanFollowing(p, languagePair, &textPair);
        } else if (mode == 5) {
            scanFollowing(p, typePair, nullptr);
        } else {
            std::string value = CutValue(lines[p], modePair);
            if (!value.empty())
                add(std::move(value));
        }
    }
    return found;
}
