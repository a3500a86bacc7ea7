#include "support/ImageList.h"
#include "TestStrips.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace {

const QColor Magenta(255, 0, 255);

// Loads a strip of the given size, packed as the program packs its strips, into a fresh list.
int TilesFrom(int width, int height, TImageList& list) {
    TCSFEngine engine = EngineWith({{"STRIP", PackedBitmap(MakeStrip(width, height))}});
    engine.LoadImageList("STRIP", list);
    return list.Count();
}

bool IsTransparent(const QImage& image, int x, int y) {
    return qAlpha(image.pixel(x, y)) == 0;
}

} // namespace

TEST(ImageList, StripOf935By55GivesSeventeenImages) {
    TImageList list(55, 55);
    EXPECT_EQ(TilesFrom(935, 55, list), 17);
    EXPECT_EQ(list.Image(16).pixelColor(30, 30), TileColour(16));
}

TEST(ImageList, ColumnsAfterTheLastWholeTileAreIgnored) {
    TImageList list(55, 55);
    ASSERT_EQ(TilesFrom(100, 55, list), 1);
    const QImage image = list.Image(0);
    EXPECT_EQ(image.size(), QSize(55, 55));
    EXPECT_EQ(image.pixelColor(54, 0), TileColour(0)) << "the grey remainder must not leak in";
}

TEST(ImageList, StripNarrowerThanHighGivesNoImageAndEmptiesTheList) {
    TImageList list(55, 55);
    list.Add(QImage(55, 55, QImage::Format_RGB32), 0);
    EXPECT_EQ(TilesFrom(54, 55, list), 0);
}

TEST(ImageList, SmallTilesAreStretchedToTheListSize) {
    TImageList list(32, 32);
    ASSERT_EQ(TilesFrom(64, 16, list), 4);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        const QImage image = list.Image(i);
        ASSERT_EQ(image.size(), QSize(32, 32));
        EXPECT_EQ(image.pixelColor(31, 0), TileColour(i));
        EXPECT_EQ(image.pixelColor(2, 29), TileColour(i)) << "the corner pixel covers 2 x 2 pixels, no more";
        EXPECT_TRUE(IsTransparent(image, 0, 31));
        EXPECT_TRUE(IsTransparent(image, 1, 30));
    }
}

TEST(ImageList, MaskedListMakesEachTilesBottomLeftColourTransparent) {
    QImage strip = MakeStrip(110, 55);
    strip.setPixelColor(20, 10, Magenta); // the mask colour inside the picture goes too
    strip.setPixelColor(55, 54, QColor(0, 255, 0));
    strip.setPixelColor(60, 10, Magenta); // tile 1's own mask is green, so magenta stays there
    TCSFEngine engine = EngineWith({{"STRIP", PackedBitmap(strip)}});
    TImageList list(55, 55);
    engine.LoadImageList("STRIP", list);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.MaskColour(0), Magenta.rgb());
    EXPECT_EQ(list.MaskColour(1), QColor(0, 255, 0).rgb());
    EXPECT_TRUE(IsTransparent(list.Image(0), 0, 54));
    EXPECT_TRUE(IsTransparent(list.Image(0), 20, 10));
    EXPECT_FALSE(IsTransparent(list.Image(0), 21, 10));
    EXPECT_TRUE(IsTransparent(list.Image(1), 0, 54));
    EXPECT_EQ(list.Image(1).pixelColor(5, 10), Magenta);
}

TEST(ImageList, UnmaskedListKeepsTheBottomLeftColourVisible) {
    TImageList list(32, 32);
    list.SetMasked(false);
    ASSERT_EQ(TilesFrom(96, 32, list), 3);
    EXPECT_EQ(list.Image(0).pixelColor(0, 31), Magenta);
    EXPECT_FALSE(IsTransparent(list.Image(0), 0, 31));
}

TEST(ImageList, TurningMaskingOnOrOffChangesTheImagesHeld) {
    TImageList list(16, 16);
    ASSERT_EQ(TilesFrom(16, 16, list), 1);
    EXPECT_TRUE(IsTransparent(list.Image(0), 0, 15));
    list.SetMasked(false);
    EXPECT_FALSE(IsTransparent(list.Image(0), 0, 15));
    list.SetMasked(true);
    EXPECT_TRUE(IsTransparent(list.Image(0), 0, 15));
}

TEST(ImageList, BitmapsWithZeroSpareBytesAreOpaque) {
    // Many writers leave the fourth byte of a 32-bit pixel 0; it is no alpha channel.
    TCSFEngine engine = EngineWith({{"STRIP", PackedBitmap(MakeStrip(32, 16), 0)}});
    TImageList list(16, 16);
    engine.LoadImageList("STRIP", list);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Image(1).pixelColor(8, 8), TileColour(1));
}

TEST(ImageList, LoadingReplacesTheImagesAlreadyHeld) {
    TImageList list(16, 16);
    for (int i = 0; i < 5; ++i)
        list.Add(QImage(16, 16, QImage::Format_RGB32), 0);
    TCSFEngine engine = EngineWith({{"STRIP", PackedBitmap(MakeStrip(48, 16))}});
    engine.LoadInto("STRIP", list);
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.Image(0).pixelColor(8, 8), TileColour(0));
}

TEST(ImageList, FailedLoadKeepsTheImagesAlreadyHeld) {
    TImageList list(16, 16);
    list.Add(MakeStrip(16, 16), Magenta.rgb());
    TCSFEngine engine = EngineWith({{"NOTABITMAP", Packed("words")}});
    EXPECT_THROW(engine.LoadImageList("NOTABITMAP", list), TResourceError);
    EXPECT_THROW(engine.LoadImageList("MISSING", list), TResourceError);
    ASSERT_EQ(list.Count(), 1);
    EXPECT_EQ(list.Image(0).pixelColor(8, 8), TileColour(0));
}

TEST(ImageList, AddedImagesTakeTheListSize) {
    TImageList list(24, 24);
    list.Add(MakeStrip(12, 12), Magenta.rgb());
    EXPECT_EQ(list.Image(0).size(), QSize(24, 24));
    EXPECT_TRUE(list.Image(5).isNull());
}

TEST(ImageList, DrawStretchesTheImageOverTheRectangle) {
    TImageList list(16, 16);
    ASSERT_EQ(TilesFrom(32, 16, list), 2);
    QImage canvas(200, 200, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    list.Draw(painter, QRect(10, 10, 128, 128), 1);
    list.Draw(painter, QRect(150, 150, 8, 8), 0);
    list.Draw(painter, QRect(170, 170, 16, 16), 2); // no such image: nothing drawn
    list.Draw(painter, QRect(170, 170, 16, 16), -1);
    painter.end();
    EXPECT_EQ(canvas.pixelColor(10 + 127, 10), TileColour(1));
    EXPECT_EQ(canvas.pixelColor(10 + 120, 10 + 120), TileColour(1));
    EXPECT_EQ(canvas.pixelColor(12, 10 + 125), QColor(Qt::white)) << "the stretched mask pixel stays clear";
    EXPECT_EQ(canvas.pixelColor(9, 9), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(139, 139), QColor(Qt::white));
    EXPECT_EQ(canvas.pixelColor(157, 150), TileColour(0));
    EXPECT_EQ(canvas.pixelColor(175, 175), QColor(Qt::white));
}

TEST(ImageList, OpaqueDrawingShowsTheMaskColourToo) {
    TImageList list(16, 16);
    ASSERT_EQ(TilesFrom(16, 16, list), 1);
    QImage canvas(32, 32, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    list.Draw(painter, QRect(0, 0, 32, 32), 0, TImageList::TDrawStyle::Opaque);
    painter.end();
    EXPECT_EQ(canvas.pixelColor(0, 31), Magenta);
    EXPECT_EQ(canvas.pixelColor(16, 16), TileColour(0));
}
