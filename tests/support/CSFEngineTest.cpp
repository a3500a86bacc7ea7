#include "support/CSFEngine.h"
#include "TestStrips.h"
#include "support/ImageList.h"
#include "support/JpegImage.h"
#include "support/PackedData.h"

#include <QPixmap>

#include <gtest/gtest.h>

#include <string>

namespace {

// Enough varied bytes that the packed stream spans several 64 KiB input chunks.
ByteBuffer VariedBytes(std::size_t size) {
    ByteBuffer bytes(size);
    std::uint32_t state = 12345;
    for (std::size_t i = 0; i < size; ++i) {
        state = state * 1103515245u + 12345u;
        bytes[i] = static_cast<std::uint8_t>(state >> 24);
    }
    return bytes;
}

void SetDeclaredLength(ByteBuffer& packed, std::uint32_t length) {
    for (int i = 0; i < 4; ++i)
        packed[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (8 * i));
}

std::string ErrorOf(const ByteBuffer& packed) {
    try {
        UnpackBytes(packed);
    } catch (const TUnpackError& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(Unpack, PackedBytesComeBackUnchangedAcrossSeveralChunks) {
    const ByteBuffer plain = VariedBytes(3 * InflateChunkSize + 1234);
    const ByteBuffer packed = PackBytes(plain);
    ASSERT_GT(packed.size(), 2 * InflateChunkSize) << "the packed stream must span several chunks";
    EXPECT_EQ(UnpackBytes(packed), plain);
}

TEST(Unpack, PackedFormIsLengthHeaderThenBestCompressionStream) {
    const ByteBuffer plain(1000, 'x');
    const ByteBuffer packed = PackBytes(plain);
    ASSERT_GE(packed.size(), 6u);
    EXPECT_EQ(packed[0], 0xE8); // 1000 = 0x03E8, little-endian
    EXPECT_EQ(packed[1], 0x03);
    EXPECT_EQ(packed[2], 0x00);
    EXPECT_EQ(packed[3], 0x00);
    EXPECT_EQ(packed[4], 0x78);
    EXPECT_EQ(packed[5], 0xDA);
}

TEST(Unpack, DeclaredLengthZeroGivesNoBytes) {
    EXPECT_TRUE(UnpackBytes(PackBytes(ByteBuffer())).empty());
    EXPECT_TRUE(UnpackBytes(ByteBuffer{0, 0, 0, 0}).empty()) << "a bare zero header needs no stream";
}

TEST(Unpack, StreamShorterThanDeclaredIsRefused) {
    ByteBuffer packed = PackBytes(ByteBuffer(500, 'a'));
    SetDeclaredLength(packed, 510);
    EXPECT_NE(ErrorOf(packed).find("declares 510"), std::string::npos) << ErrorOf(packed);
}

TEST(Unpack, StreamLongerThanDeclaredIsRefused) {
    ByteBuffer packed = PackBytes(ByteBuffer(500, 'a'));
    SetDeclaredLength(packed, 499);
    EXPECT_NE(ErrorOf(packed).find("more than the declared 499"), std::string::npos) << ErrorOf(packed);
}

TEST(Unpack, TruncatedStreamIsRefused) {
    ByteBuffer packed = PackBytes(VariedBytes(5000));
    packed.resize(packed.size() / 2);
    EXPECT_NE(ErrorOf(packed).find("cut off"), std::string::npos) << ErrorOf(packed);
    packed = PackBytes(VariedBytes(5000));
    packed.resize(packed.size() - 2); // only the checksum is missing
    EXPECT_NE(ErrorOf(packed).find("cut off"), std::string::npos) << ErrorOf(packed);
}

TEST(Unpack, CorruptStreamIsRefused) {
    ByteBuffer packed = PackBytes(VariedBytes(5000));
    for (std::size_t i = 40; i < 60; ++i)
        packed[i] ^= 0x5A;
    EXPECT_NE(ErrorOf(packed).find("corrupt zlib data"), std::string::npos) << ErrorOf(packed);

    ByteBuffer notZlib{10, 0, 0, 0, 'h', 'e', 'l', 'l', 'o', ' ', 'w', 'o', 'r', 'l', 'd'};
    EXPECT_NE(ErrorOf(notZlib).find("corrupt zlib data"), std::string::npos) << ErrorOf(notZlib);
}

TEST(Unpack, WrongChecksumIsRefused) {
    ByteBuffer packed = PackBytes(VariedBytes(5000));
    packed.back() ^= 0x01;
    EXPECT_NE(ErrorOf(packed).find("corrupt zlib data"), std::string::npos) << ErrorOf(packed);
}

TEST(Unpack, DeclaredLengthAboveTheLimitIsRefusedBeforeInflating) {
    ByteBuffer packed = PackBytes(ByteBuffer(16, 'a'));
    SetDeclaredLength(packed, 0xFFFFFFFFu);
    EXPECT_NE(ErrorOf(packed).find("exceeds the limit"), std::string::npos) << ErrorOf(packed);
    SetDeclaredLength(packed, MaxUnpackedLength + 1);
    EXPECT_NE(ErrorOf(packed).find("exceeds the limit"), std::string::npos) << ErrorOf(packed);
}

TEST(Unpack, HeaderShorterThanFourBytesIsRefused) {
    EXPECT_NE(ErrorOf(ByteBuffer()).find("too short"), std::string::npos);
    EXPECT_NE(ErrorOf(ByteBuffer{1, 0, 0}).find("too short"), std::string::npos);
}

TEST(Unpack, BytesAfterTheStreamAreRefused) {
    ByteBuffer packed = PackBytes(ByteBuffer(100, 'a'));
    packed.push_back(0);
    EXPECT_NE(ErrorOf(packed).find("follow the end"), std::string::npos) << ErrorOf(packed);
}

TEST(CSFEngine, UnpackReplacesTheTarget) {
    QByteArray target("left over");
    TCSFEngine::Unpack(Packed("fresh"), target);
    EXPECT_EQ(target, QByteArray("fresh"));
}

TEST(CSFEngine, MissingResourceRaisesAnErrorNamingIt) {
    TCSFEngine engine = EngineWith({});
    QStringList lines{"kept"};
    try {
        engine.LoadInto("NOSUCHTHING", lines);
        FAIL() << "no error raised";
    } catch (const TResourceError& error) {
        EXPECT_EQ(error.ResourceName(), QString("NOSUCHTHING"));
        EXPECT_NE(std::string(error.what()).find("NOSUCHTHING"), std::string::npos);
    }
    EXPECT_EQ(lines, QStringList{"kept"}) << "a failed load changes nothing";
}

TEST(CSFEngine, CorruptResourceRaisesAnErrorNamingIt) {
    QByteArray packed = Packed(QByteArray(300, 'z'));
    packed.chop(3);
    TCSFEngine engine = EngineWith({{"BROKEN", packed}});
    QByteArray target;
    try {
        engine.LoadInto("BROKEN", target);
        FAIL() << "no error raised";
    } catch (const TResourceError& error) {
        EXPECT_EQ(error.ResourceName(), QString("BROKEN"));
        EXPECT_NE(std::string(error.what()).find("cut off"), std::string::npos) << error.what();
    }
}

TEST(CSFEngine, BuffersAreEmptyAfterEveryLoadSuccessfulOrNot) {
    QByteArray bad = Packed("abc");
    bad[6] = static_cast<char>(bad[6] ^ 0x33);
    TCSFEngine engine = EngineWith({{"TEXT", Packed("one\r\ntwo")}, {"BAD", bad}});
    QStringList lines;
    engine.LoadInto("TEXT", lines);
    EXPECT_TRUE(engine.Packed().isEmpty());
    EXPECT_TRUE(engine.Unpacked().isEmpty());
    EXPECT_THROW(engine.LoadInto("BAD", lines), TResourceError);
    EXPECT_TRUE(engine.Packed().isEmpty());
    EXPECT_TRUE(engine.Unpacked().isEmpty());
}

TEST(CSFEngine, StringListSplitsAtCrLfCrAndLf) {
    TCSFEngine engine = EngineWith({{"TEXT", Packed("alpha\r\nbeta\rgamma\ndelta\r\n\r\nzeta\r\n")}});
    QStringList lines{"old"};
    engine.LoadInto("TEXT", lines);
    EXPECT_EQ(lines, (QStringList{"alpha", "beta", "gamma", "delta", "", "zeta"}));
}

TEST(CSFEngine, StringListWithoutFinalLineBreakKeepsItsLastLine) {
    TCSFEngine engine = EngineWith({{"TEXT", Packed("first\nlast")}});
    QStringList lines;
    engine.LoadInto("TEXT", lines);
    EXPECT_EQ(lines, (QStringList{"first", "last"}));
}

TEST(CSFEngine, StringListReadsWindows1252) {
    TCSFEngine engine = EngineWith({{"TEXT", Packed("\x80 caf\xE9 \x93quoted\x94 \x96 dash")}});
    QStringList lines;
    engine.LoadInto("TEXT", lines);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines[0], QString::fromUtf8("\u20AC caf\u00E9 \u201Cquoted\u201D \u2013 dash"));
}

TEST(CSFEngine, DeclaredLengthZeroLeavesEveryTargetEmpty) {
    TCSFEngine engine = EngineWith({{"EMPTY", Packed(QByteArray())}});
    QStringList lines{"old"};
    QByteArray bytes("old");
    QImage image(4, 4, QImage::Format_RGB32);
    QPixmap pixmap(4, 4);
    TImageList list(16, 16);
    list.Add(QImage(16, 16, QImage::Format_RGB32), 0);
    engine.LoadInto("EMPTY", lines);
    engine.LoadInto("EMPTY", bytes);
    engine.LoadInto("EMPTY", image);
    engine.LoadInto("EMPTY", pixmap);
    engine.LoadInto("EMPTY", list);
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_TRUE(image.isNull());
    EXPECT_TRUE(pixmap.isNull());
    EXPECT_EQ(list.Count(), 0);
}

TEST(CSFEngine, ByteArrayTargetTakesTheUnpackedBytes) {
    const QByteArray plain("\x00\x01\x02 binary \xFF", 12);
    TCSFEngine engine = EngineWith({{"DATA", Packed(plain)}});
    QByteArray target;
    engine.LoadInto("DATA", target);
    EXPECT_EQ(target, plain);
}

TEST(CSFEngine, BitmapTargetsLoadTheWholeStrip) {
    const QImage strip = MakeStrip(64, 16);
    TCSFEngine engine = EngineWith({{"STRIP", PackedBitmap(strip)}});
    QImage image;
    engine.LoadInto("STRIP", image);
    ASSERT_EQ(image.size(), QSize(64, 16));
    EXPECT_EQ(image.pixelColor(20, 3), TileColour(1));
    QPixmap pixmap;
    engine.LoadInto("STRIP", pixmap);
    EXPECT_EQ(pixmap.size(), QSize(64, 16));
}

TEST(CSFEngine, DataThatIsNoBitmapRaisesAnErrorForBitmapTargets) {
    TCSFEngine engine = EngineWith({{"TEXT", Packed("plain words, not a picture")}});
    QImage image;
    EXPECT_THROW(engine.LoadInto("TEXT", image), TResourceError);
    TImageList list(16, 16);
    EXPECT_THROW(engine.LoadInto("TEXT", list), TResourceError);
}

// The resources compiled into the program.

namespace {

struct TShippedStrip {
    const char* name;
    int width;
    int height;
    int tiles;
};

constexpr TShippedStrip ShippedStrips[] = {
    {"IMAGELISTPROGRAM", 144, 24, 6},  {"IMAGELISTTABS", 168, 24, 7},      {"IMAGELISTTOOLBAR", 320, 16, 20},
    {"IMAGELISTYESNO", 64, 16, 4},     {"IMAGELISTTERRAIN", 935, 55, 17},  {"IMAGELISTBONUS", 1980, 55, 36},
    {"IMAGELISTUNITCITY", 110, 55, 2}, {"IMAGELISTRIVERROUTE", 96, 32, 3},
};

std::uint32_t LittleEndian(const QByteArray& bytes, int offset, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<std::uint8_t>(bytes[offset + i]);
    return value;
}

} // namespace

TEST(ShippedResources, EveryStripIsAPackedBmpOfItsSizeAndTileCount) {
    for (const TShippedStrip& strip : ShippedStrips) {
        SCOPED_TRACE(strip.name);
        const std::optional<QByteArray> packed = FindProgramResource(strip.name);
        ASSERT_TRUE(packed.has_value());
        ASSERT_GE(packed->size(), 6);
        EXPECT_EQ(static_cast<std::uint8_t>((*packed)[4]), 0x78);
        EXPECT_EQ(static_cast<std::uint8_t>((*packed)[5]), 0xDA);

        TCSFEngine engine;
        QByteArray bmp;
        engine.LoadInto(strip.name, bmp);
        ASSERT_GE(bmp.size(), 54);
        EXPECT_EQ(bmp.left(2), QByteArray("BM"));
        EXPECT_EQ(LittleEndian(bmp, 10, 4), 54u) << "pixels right after the 54-byte header";
        EXPECT_EQ(LittleEndian(bmp, 18, 4), static_cast<std::uint32_t>(strip.width));
        EXPECT_EQ(LittleEndian(bmp, 22, 4), static_cast<std::uint32_t>(strip.height));
        EXPECT_EQ(LittleEndian(bmp, 28, 2), 32u);
        EXPECT_EQ(LittleEndian(bmp, 30, 4), 0u) << "uncompressed";
        EXPECT_EQ(bmp.size(), 54 + strip.width * strip.height * 4);

        TImageList list(strip.height, strip.height);
        engine.LoadImageList(strip.name, list);
        EXPECT_EQ(list.Count(), strip.tiles);
    }
}

TEST(ShippedResources, MaskedStripsKeepTheirBackgroundInEachTilesBottomLeftPixel) {
    const QColor magenta(255, 0, 255), green(0, 255, 0);
    for (const TShippedStrip& strip : ShippedStrips) {
        if (QString(strip.name) == "IMAGELISTRIVERROUTE")
            continue; // drawn opaque: no mask colour
        SCOPED_TRACE(strip.name);
        TCSFEngine engine;
        QImage image;
        engine.LoadInto(strip.name, image);
        const bool isTerrain = QString(strip.name) == "IMAGELISTTERRAIN";
        for (int i = 0; i < strip.tiles; ++i) {
            if (isTerrain && i < 8)
                continue; // ground textures cover their whole tile
            const QColor corner = image.pixelColor(i * strip.height, strip.height - 1);
            const bool dyeOnGreen = QString(strip.name) == "IMAGELISTBONUS" && i == 10;
            EXPECT_EQ(corner, dyeOnGreen ? green : magenta) << "tile " << i;
        }
    }
}

TEST(ShippedResources, NamesAreFoundWithoutRegardToCase) {
    const std::optional<QByteArray> upper = FindProgramResource("IMAGELISTTERRAIN");
    const std::optional<QByteArray> mixed = FindProgramResource("ImageListTerrain");
    ASSERT_TRUE(upper.has_value());
    ASSERT_TRUE(mixed.has_value());
    EXPECT_EQ(*upper, *mixed);
    EXPECT_FALSE(FindProgramResource("ImageListNothing").has_value());
    EXPECT_FALSE(FindProgramResource("").has_value());
}

TEST(ShippedResources, AboutInfoGivesExactlyFourLinesEndedByCrLf) {
    TCSFEngine engine;
    QByteArray text;
    engine.LoadInto("ABOUTINFO", text);
    EXPECT_TRUE(text.endsWith("\r\n"));
    EXPECT_EQ(text.count("\r\n"), 4);
    EXPECT_EQ(text.count('\r'), 4) << "no bare CR";
    EXPECT_EQ(text.count('\n'), 4) << "no bare LF";

    QStringList lines;
    engine.LoadInto("AboutInfo", lines);
    ASSERT_EQ(lines.size(), 4);
    for (const QString& line : lines)
        EXPECT_GT(line.size(), 40) << "a paragraph, not a stub: " << line.toStdString();
    EXPECT_TRUE(lines[0].contains("Civilization IV"));
    EXPECT_TRUE(lines[3].contains("second version"));
}

TEST(ShippedResources, AboutPicturesArePlainJpegsOfTheirSizes) {
    const struct {
        const char* name;
        QSize size;
    } pictures[] = {{"PROGRAMICON", {112, 128}},
                    {"IMAGEGAME", {128, 128}},
                    {"IMAGETALK", {120, 128}},
                    {"IMAGEWHATISIT", {120, 128}},
                    {"IMAGEV2", {128, 128}}};
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.name);
        const std::optional<QByteArray> stored = FindProgramResource(picture.name);
        ASSERT_TRUE(stored.has_value());
        EXPECT_TRUE(stored->startsWith("\xFF\xD8\xFF")) << "stored as a JPEG file, not packed";
        EXPECT_EQ(DecodeJpeg(*stored).size(), picture.size);
    }
}
