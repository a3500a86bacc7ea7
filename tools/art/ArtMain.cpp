// tessel_art: draws every picture of the program and writes the files that resources/ holds.
//
//   cmake --build build-support -j2 --target tessel_art && build-support/tools/tessel_art resources
//
// Run from the repository root. The output is the same byte for byte on every run, so after a
// change of a drawing `git diff --stat resources` shows exactly the files it touched.

#include "Art.h"

#include "support/BmpFile.h"
#include "support/PackedData.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>

#include <iostream>
#include <stdexcept>
#include <vector>

namespace {

ByteBuffer BmpOf(const QImage& image) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    return EncodeBmp32(pixels.width(), pixels.height(),
                       reinterpret_cast<const std::uint32_t*>(pixels.constBits()));
}

// The generator's own pictures never make libjpeg fail, so its default error exit is acceptable here.
QByteArray JpegOf(const QImage& image, int quality) {
    const QImage pixels = image.convertToFormat(QImage::Format_RGB888);
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(pixels.width());
    info.image_height = static_cast<JDIMENSION>(pixels.height());
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        JSAMPROW row = const_cast<JSAMPROW>(pixels.constScanLine(static_cast<int>(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray bytes(reinterpret_cast<const char*>(buffer), static_cast<qsizetype>(size));
    std::free(buffer);
    return bytes;
}

void Write(const QDir& folder, const QString& fileName, const QByteArray& bytes) {
    QFile file(folder.filePath(fileName));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + file.fileName().toStdString());
    std::cout << fileName.toStdString() << ": " << bytes.size() << " bytes\n";
}

QByteArray Packed(const ByteBuffer& plain) {
    const ByteBuffer packed = PackBytes(plain);
    return QByteArray(reinterpret_cast<const char*>(packed.data()), static_cast<qsizetype>(packed.size()));
}

void WriteStrip(const QDir& folder, const char* name, const QImage& strip, int width, int height) {
    if (strip.width() != width || strip.height() != height)
        throw std::runtime_error(std::string(name) + " came out " + std::to_string(strip.width()) + " x " +
                                 std::to_string(strip.height()));
    Write(folder, QString::fromLatin1(name) + ".pack", Packed(BmpOf(strip)));
}

void WritePicture(const QDir& folder, const char* name, int width, int height) {
    const QImage picture = DrawAboutPicture(QString::fromLatin1(name));
    if (picture.width() != width || picture.height() != height)
        throw std::runtime_error(std::string(name) + " came out " + std::to_string(picture.width()) + " x " +
                                 std::to_string(picture.height()));
    Write(folder, QString::fromLatin1(name) + ".jpg", JpegOf(picture, 90));
}

// The desktop's icon sizes; the installed icon theme and the windows take them from here.
void WriteAppIcons(const QDir& folder) {
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        const QImage icon = DrawAppIcon(size);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (icon.width() != size || icon.height() != size || !icon.save(&buffer, "PNG"))
            throw std::runtime_error("the icon of " + std::to_string(size) + " pixels came out wrong");
        Write(folder, QString("TESSELICON%1.png").arg(size), bytes);
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: tessel_art <resources folder>\n";
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.exists()) {
        std::cerr << "tessel_art: no folder " << argv[1] << "\n";
        return 1;
    }
    try {
        WriteStrip(folder, "IMAGELISTPROGRAM", DrawProgramStrip(), 144, 24);
        WriteStrip(folder, "IMAGELISTTABS", DrawTabsStrip(), 168, 24);
        WriteStrip(folder, "IMAGELISTTOOLBAR", DrawToolBarStrip(), 320, 16);
        WriteStrip(folder, "IMAGELISTYESNO", DrawYesNoStrip(), 64, 16);
        WriteStrip(folder, "IMAGELISTTERRAIN", DrawTerrainStrip(), 935, 55);
        WriteStrip(folder, "IMAGELISTBONUS", DrawBonusStrip(), 1980, 55);
        WriteStrip(folder, "IMAGELISTUNITCITY", DrawUnitCityStrip(), 110, 55);
        WriteStrip(folder, "IMAGELISTRIVERROUTE", DrawRiverRouteStrip(), 96, 32);
        const QByteArray text = AboutText();
        Write(folder, "ABOUTINFO.pack",
              Packed(ByteBuffer(reinterpret_cast<const std::uint8_t*>(text.constData()),
                                reinterpret_cast<const std::uint8_t*>(text.constData()) + text.size())));
        WritePicture(folder, "PROGRAMICON", 112, 128);
        WritePicture(folder, "IMAGEGAME", 128, 128);
        WritePicture(folder, "IMAGETALK", 120, 128);
        WritePicture(folder, "IMAGEWHATISIT", 120, 128);
        WritePicture(folder, "IMAGEV2", 128, 128);
        WriteAppIcons(folder);
    } catch (const std::exception& error) {
        std::cerr << "tessel_art: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
