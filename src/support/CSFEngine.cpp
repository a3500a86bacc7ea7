#include "support/CSFEngine.h"

#include "support/ImageList.h"
#include "support/PackedData.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QPixmap>

#include <array>
#include <utility>
#include <vector>

namespace {

// Folder of the resource system that holds the program's resources, one file per name.
constexpr const char* ResourceFolder = ":/rcdata";

// Empties the engine's buffers when a load ends, by return or by exception.
class TClearOnExit {
public:
    explicit TClearOnExit(TCSFEngine& engine) : engine(engine) {}
    ~TClearOnExit() { engine.Clear(); }
    TClearOnExit(const TClearOnExit&) = delete;
    TClearOnExit& operator=(const TClearOnExit&) = delete;

private:
    TCSFEngine& engine;
};

std::string Quoted(const QString& name) {
    return "\"" + name.toStdString() + "\"";
}

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F; the five unassigned codes stay as they are.
QChar Windows1252Char(unsigned char byte) {
    static constexpr std::array<char16_t, 32> high = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    if (byte >= 0x80 && byte <= 0x9F)
        return QChar(high[byte - 0x80]);
    return QChar(static_cast<char16_t>(byte));
}

QString FromWindows1252(const char* begin, const char* end) {
    QString text;
    text.reserve(static_cast<int>(end - begin));
    for (const char* c = begin; c != end; ++c)
        text.append(Windows1252Char(static_cast<unsigned char>(*c)));
    return text;
}

} // namespace

TResourceError::TResourceError(const QString& resourceName, const std::string& reason)
    : std::runtime_error("Resource " + Quoted(resourceName) + ": " + reason), resourceName(resourceName) {}

std::optional<QByteArray> FindProgramResource(const QString& name) {
    if (name.isEmpty())
        return std::nullopt;
    QDirIterator entries(QString::fromLatin1(ResourceFolder), QDir::Files);
    while (entries.hasNext()) {
        entries.next();
        if (entries.fileName().compare(name, Qt::CaseInsensitive) != 0)
            continue;
        QFile file(entries.filePath());
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        return file.readAll();
    }
    return std::nullopt;
}

QStringList LinesFromText(const QByteArray& text) {
    QStringList lines;
    const char* begin = text.constData();
    const char* const end = begin + text.size();
    const char* lineStart = begin;
    for (const char* c = begin; c != end; ++c) {
        if (*c != '\r' && *c != '\n')
            continue;
        lines.append(FromWindows1252(lineStart, c));
        if (*c == '\r' && c + 1 != end && c[1] == '\n')
            ++c;
        lineStart = c + 1;
    }
    if (lineStart != end)
        lines.append(FromWindows1252(lineStart, end));
    return lines;
}

TCSFEngine::TCSFEngine() : lookup(FindProgramResource) {}

TCSFEngine::TCSFEngine(TResourceLookup lookup) : lookup(std::move(lookup)) {}

void TCSFEngine::Clear() {
    packed.clear();
    unpacked.clear();
}

void TCSFEngine::Unpack(const QByteArray& source, QByteArray& target) {
    const ByteBuffer bytes = UnpackBytes(reinterpret_cast<const std::uint8_t*>(source.constData()),
                                         static_cast<std::size_t>(source.size()));
    target = QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
}

void TCSFEngine::LoadResource(const QString& name, QByteArray& target) {
    Clear();
    std::optional<QByteArray> found = lookup ? lookup(name) : std::nullopt;
    if (!found)
        throw TResourceError(name, "no such resource");
    packed = std::move(*found);
    try {
        Unpack(packed, target);
    } catch (const TUnpackError& error) {
        throw TResourceError(name, error.what());
    }
}

QImage TCSFEngine::LoadBitmap(const QString& name) {
    LoadResource(name, unpacked);
    if (unpacked.isEmpty())
        return {};
    QImage bitmap;
    if (!bitmap.loadFromData(unpacked, "BMP"))
        throw TResourceError(name, "the unpacked data is not a readable bitmap");
    // 32-bit bitmaps carry no meaningful alpha: every pixel counts, whatever its fourth byte says.
    return bitmap.convertToFormat(QImage::Format_RGB32);
}

void TCSFEngine::LoadImageList(const QString& name, TImageList& list) {
    TClearOnExit clearOnExit(*this);
    const QImage strip = LoadBitmap(name);

    std::vector<std::pair<QImage, QRgb>> tiles;
    const int tileSize = strip.height();
    const int tileCount = tileSize > 0 ? strip.width() / tileSize : 0;
    tiles.reserve(static_cast<std::size_t>(tileCount));
    for (int i = 0; i < tileCount; ++i) {
        const QImage tile = strip.copy(i * tileSize, 0, tileSize, tileSize);
        const QRgb maskColour = tile.pixel(0, tileSize - 1);
        // A plain stretch: a smoothed one would blend the mask colour into its neighbours.
        tiles.emplace_back(tile.scaled(list.ImageSize(), Qt::IgnoreAspectRatio, Qt::FastTransformation),
                           maskColour);
    }
    list.Clear();
    for (const auto& [tile, maskColour] : tiles)
        list.Add(tile, maskColour);
}

void TCSFEngine::LoadInto(const QString& name, TImageList& target) {
    LoadImageList(name, target);
}

void TCSFEngine::LoadInto(const QString& name, QImage& target) {
    TClearOnExit clearOnExit(*this);
    target = LoadBitmap(name);
}

void TCSFEngine::LoadInto(const QString& name, QPixmap& target) {
    TClearOnExit clearOnExit(*this);
    const QImage bitmap = LoadBitmap(name);
    target = bitmap.isNull() ? QPixmap() : QPixmap::fromImage(bitmap);
}

void TCSFEngine::LoadInto(const QString& name, QStringList& target) {
    TClearOnExit clearOnExit(*this);
    LoadResource(name, unpacked);
    target = LinesFromText(unpacked);
}

void TCSFEngine::LoadInto(const QString& name, QByteArray& target) {
    TClearOnExit clearOnExit(*this);
    LoadResource(name, unpacked);
    target = unpacked;
}
