#pragma once

// The values the catalogue hands out are Windows-1252 text, the code page of the map files. These
// helpers turn the XML files' character references and UTF-8 bytes into it.

#include <string>
#include <string_view>

// The Windows-1252 byte for a Unicode character, or -1 where the code page has none. Control
// characters count as having none, so that a decoded value never carries a line break.
int UnicodeToWindows1252(char32_t ch);

// The Unicode character of a Windows-1252 byte; the five unassigned bytes map to their C1 controls.
char32_t Windows1252ToUnicode(unsigned char byte);

std::string Windows1252ToUtf8(std::string_view text);

// Appends the UTF-8 bytes of a Unicode character.
void AppendUtf8(std::string& out, char32_t ch);

bool IsValidUtf8(std::string_view text);

// Whether the first line of a file is an XML declaration with encoding="UTF-8" (a byte-order mark
// before it is allowed).
bool DeclaresUtf8(std::string_view firstLine);

// Decodes the character references "&#NNN;", "&#xHH;", "&amp;", "&lt;", "&gt;", "&quot;" and
// "&apos;" into Windows-1252; a reference to a character the code page cannot hold stays as written.
// With `utf8`, the value's UTF-8 sequences are converted too, and a character the code page cannot
// hold becomes a reference "&#NNN;". The value must be valid UTF-8 when `utf8` is set.
void DecodeValueText(std::string& value, bool utf8);
