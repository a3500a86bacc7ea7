#include "ui/sheet/SheetText.h"

#include "catalogue/CodePage.h"

#include <QList>
#include <QStringView>

namespace {

// The byte of a character, or -1. Control characters and the C1 controls that stand for the five
// unassigned bytes map back to their bytes; CodePage's table refuses them for values read from XML.
int ByteOf(char32_t ch) {
    if (ch < 0x80)
        return static_cast<int>(ch);
    if (ch <= 0xFF && Windows1252ToUnicode(static_cast<unsigned char>(ch)) == ch)
        return static_cast<int>(ch);
    return UnicodeToWindows1252(ch);
}

} // namespace

QString FromWindows1252(std::string_view bytes) {
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes)
        text.append(QChar(static_cast<char16_t>(Windows1252ToUnicode(static_cast<unsigned char>(byte)))));
    return text;
}

std::optional<std::string> ToWindows1252(const QString& text) {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (const char32_t ch : text.toUcs4()) {
        const int byte = ByteOf(ch);
        if (byte < 0)
            return std::nullopt;
        bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

QChar FirstUnencodable(const QString& text) {
    for (const QChar ch : text)
        if (ch.isSurrogate() || ByteOf(ch.unicode()) < 0)
            return ch;
    return QChar();
}
