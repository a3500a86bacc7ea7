#include "TestStrips.h"

#include "support/BmpFile.h"
#include "support/PackedData.h"

#include <QPainter>

#include <optional>
#include <utility>

QColor TileColour(int index) {
    static const QColor colours[] = {QColor(200, 30, 30),  QColor(30, 160, 40),  QColor(40, 60, 200),
                                     QColor(230, 200, 20), QColor(20, 200, 200), QColor(120, 60, 20)};
    // Through rgb(), so the colour compares equal to one read back from an image.
    return QColor(colours[index % 6].darker(100 + 20 * (index / 6)).rgb());
}

QImage MakeStrip(int width, int height, QColor background) {
    QImage strip(width, height, QImage::Format_RGB32);
    strip.fill(QColor(128, 128, 128));
    if (height <= 0)
        return strip;
    QPainter painter(&strip);
    for (int i = 0; (i + 1) * height <= width; ++i)
        painter.fillRect(i * height, 0, height, height, TileColour(i));
    painter.end();
    for (int i = 0; (i + 1) * height <= width; ++i)
        strip.setPixel(i * height, height - 1, background.rgb());
    return strip;
}

QByteArray Packed(const QByteArray& plain) {
    const ByteBuffer packed = PackBytes(reinterpret_cast<const std::uint8_t*>(plain.constData()),
                                        static_cast<std::size_t>(plain.size()));
    return QByteArray(reinterpret_cast<const char*>(packed.data()), static_cast<qsizetype>(packed.size()));
}

QByteArray BitmapBytes(const QImage& image, std::uint8_t fourthByte) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    const ByteBuffer bmp =
        EncodeBmp32(pixels.width(), pixels.height(),
                    reinterpret_cast<const std::uint32_t*>(pixels.constBits()), fourthByte);
    return QByteArray(reinterpret_cast<const char*>(bmp.data()), static_cast<qsizetype>(bmp.size()));
}

QByteArray PackedBitmap(const QImage& image, std::uint8_t fourthByte) {
    return Packed(BitmapBytes(image, fourthByte));
}

TCSFEngine EngineWith(std::map<QString, QByteArray> resources) {
    return TCSFEngine([resources = std::move(resources)](const QString& name) -> std::optional<QByteArray> {
        const auto found = resources.find(name);
        if (found == resources.end())
            return std::nullopt;
        return found->second;
    });
}
