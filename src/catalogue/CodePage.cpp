#include "catalogue/CodePage.h"

#include <array>
#include <cstdint>

namespace {

// Unicode of the bytes 0x80 to 0x9F; zero marks the five bytes the code page leaves unassigned.
constexpr std::array<char32_t, 32> HighControls = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Length of the valid UTF-8 sequence at `pos` and its character, or 0 when none starts there.
std::size_t ReadUtf8(std::string_view text, std::size_t pos, char32_t& ch) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    std::size_t length;
    char32_t min;
    if (lead < 0x80) {
        ch = lead;
        return 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2, min = 0x80, ch = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3, min = 0x800, ch = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4, min = 0x10000, ch = lead & 0x07;
    } else {
        return 0;
    }
    if (text.size() - pos < length)
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char next = byte(pos + i);
        if ((next & 0xC0) != 0x80)
            return 0;
        ch = (ch << 6) | (next & 0x3F);
    }
    if (ch < min || ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF))
        return 0;
    return length;
}

// The character that the reference at `pos` (an "&") denotes, and the reference's length; 0 when
// no well-formed reference starts there.
std::size_t ReadReference(std::string_view text, std::size_t pos, char32_t& ch) {
    const std::size_t semicolon = text.find(';', pos + 1);
    // The longest reference we decode is "&#x10FFFF;" or "&#1114111;".
    if (semicolon == std::string_view::npos || semicolon - pos > 10)
        return 0;
    const std::string_view body = text.substr(pos + 1, semicolon - pos - 1);
    const std::size_t length = semicolon - pos + 1;
    if (body == "amp")
        ch = '&';
    else if (body == "lt")
        ch = '<';
    else if (body == "gt")
        ch = '>';
    else if (body == "quot")
        ch = '"';
    else if (body == "apos")
        ch = '\'';
    else if (body.size() >= 2 && body[0] == '#') {
        const bool hex = body[1] == 'x' || body[1] == 'X';
        const std::string_view digits = body.substr(hex ? 2 : 1);
        if (digits.empty())
            return 0;
        std::uint32_t value = 0;
        for (const char c : digits) {
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (hex && c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (hex && c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                return 0;
            value = value * (hex ? 16 : 10) + static_cast<std::uint32_t>(digit);
            if (value > 0x10FFFF)
                return 0;
        }
        ch = value;
    } else {
        return 0;
    }
    return length;
}

} // namespace

int UnicodeToWindows1252(char32_t ch) {
    if ((ch >= 0x20 && ch < 0x7F) || (ch >= 0xA0 && ch <= 0xFF))
        return static_cast<int>(ch);
    if (ch == '\t')
        return '\t';
    if (ch < 0x100)
        return -1;
    for (std::size_t i = 0; i < HighControls.size(); ++i)
        if (HighControls[i] == ch)
            return static_cast<int>(0x80 + i);
    return -1;
}

char32_t Windows1252ToUnicode(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F && HighControls[byte - 0x80] != 0)
        return HighControls[byte - 0x80];
    return byte;
}

void AppendUtf8(std::string& out, char32_t ch) {
    if (ch < 0x80) {
        out.push_back(static_cast<char>(ch));
    } else if (ch < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (ch >> 6)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else if (ch < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (ch >> 12)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (ch >> 18)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((ch >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (ch & 0x3F)));
    }
}

std::string Windows1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text)
        AppendUtf8(out, Windows1252ToUnicode(static_cast<unsigned char>(c)));
    return out;
}

bool IsValidUtf8(std::string_view text) {
    char32_t ch;
    for (std::size_t pos = 0; pos < text.size();) {
        if (static_cast<unsigned char>(text[pos]) < 0x80) {
            ++pos;
            continue;
        }
        const std::size_t length = ReadUtf8(text, pos, ch);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

bool DeclaresUtf8(std::string_view firstLine) {
    if (firstLine.substr(0, 3) == "\xEF\xBB\xBF")
        firstLine.remove_prefix(3);
    while (!firstLine.empty() && static_cast<unsigned char>(firstLine.front()) <= 32)
        firstLine.remove_prefix(1);
    if (firstLine.substr(0, 5) != "<?xml")
        return false;
    const std::size_t end = firstLine.find("?>");
    const std::string_view declaration = firstLine.substr(0, end);
    const std::size_t key = declaration.find("encoding");
    if (key == std::string_view::npos)
        return false;
    std::size_t pos = key + 8;
    const auto skipBlanks = [&] {
        while (pos < declaration.size() && static_cast<unsigned char>(declaration[pos]) <= 32)
            ++pos;
    };
    skipBlanks();
    if (pos >= declaration.size() || declaration[pos] != '=')
        return false;
    ++pos;
    skipBlanks();
    if (pos >= declaration.size() || (declaration[pos] != '"' && declaration[pos] != '\''))
        return false;
    const char quote = declaration[pos];
    const std::size_t close = declaration.find(quote, pos + 1);
    if (close == std::string_view::npos)
        return false;
    const std::string_view name = declaration.substr(pos + 1, close - pos - 1);
    if (name.size() != 5)
        return false;
    const char* expected = "UTF-8";
    for (std::size_t i = 0; i < 5; ++i) {
        char c = name[i];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (c != expected[i])
            return false;
    }
    return true;
}

void DecodeValueText(std::string& value, bool utf8) {
    bool needed = false;
    for (const char c : value) {
        if (c == '&' || (utf8 && static_cast<unsigned char>(c) >= 0x80)) {
            needed = true;
            break;
        }
    }
    if (!needed)
        return;

    std::string out;
    out.reserve(value.size());
    const std::string_view text = value;
    for (std::size_t pos = 0; pos < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[pos]);
        char32_t ch;
        if (c == '&') {
            const std::size_t length = ReadReference(text, pos, ch);
            const int byte = length ? UnicodeToWindows1252(ch) : -1;
            if (byte < 0) {
                out.push_back('&');
                ++pos;
                continue;
            }
            out.push_back(static_cast<char>(byte));
            pos += length;
        } else if (utf8 && c >= 0x80) {
            std::size_t length = ReadUtf8(text, pos, ch);
            if (length == 0) {
                // Not reached for a valid file; keep the byte rather than lose it.
                out.push_back(static_cast<char>(c));
                ++pos;
                continue;
            }
            const int byte = UnicodeToWindows1252(ch);
            if (byte >= 0)
                out.push_back(static_cast<char>(byte));
            else
                out.append("&#").append(std::to_string(static_cast<std::uint32_t>(ch))).push_back(';');
            pos += length;
        } else {
            out.push_back(static_cast<char>(c));
            ++pos;
        }
    }
    value = std::move(out);
}
