#pragma once

// The document's text is 8-bit Windows-1252, the code page of the map files; the windows show it as
// Unicode and turn edits back into the same bytes.

#include <QString>

#include <optional>
#include <string>
#include <string_view>

// Every byte becomes one character, the five bytes the code page leaves unassigned and the control
// bytes included, so that ToWindows1252 gives the same bytes back.
QString FromWindows1252(std::string_view bytes);

// The bytes of the text, or nothing when a character has no byte in Windows-1252.
std::optional<std::string> ToWindows1252(const QString& text);

// The first character of the text that Windows-1252 cannot hold; a null character when there is none.
QChar FirstUnencodable(const QString& text);
