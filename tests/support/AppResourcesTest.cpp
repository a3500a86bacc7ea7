#include "support/AppResources.h"
#include "document/LineCodec.h"
#include "support/CSFEngine.h"
#include "support/ImageList.h"
#include "support/JpegImage.h"

#include <QLabel>
#include <QListWidget>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QWidget>

#include <gtest/gtest.h>

TEST(AppResources, FileVersionIsTheVersionTheProgramWasBuiltAs) {
    EXPECT_EQ(TAppResources().FileVersion(), QString(TESSEL_EXPECTED_VERSION));
}

TEST(AppResources, FileVersionDropsBlanksAtBothEnds) {
    EXPECT_EQ(TAppResources(" 1.2.3.4 ").FileVersion(), QString("1.2.3.4"));
    EXPECT_EQ(TAppResources("\t2.0 beta\r\n").FileVersion(), QString("2.0 beta"));
    EXPECT_EQ(TAppResources("   ").FileVersion(), QString());
}

TEST(AppResources, LoadImageListsFillsEveryEmptyListFromTheResourceNamedLikeIt) {
    QWidget window;
    auto* terrain = new TImageList(55, 55, &window);
    terrain->setObjectName("ImageListTerrain");
    auto* yesNo = new TImageList(16, 16, &window);
    yesNo->setObjectName("imagelistyesno");
    auto* riverRoute = new TImageList(32, 32, &window);
    riverRoute->setObjectName("ImageListRiverRoute");
    riverRoute->SetMasked(false);
    TAppResources().LoadImageLists(&window);
    EXPECT_EQ(terrain->Count(), 17);
    EXPECT_EQ(yesNo->Count(), 4);
    EXPECT_EQ(riverRoute->Count(), 3);
    EXPECT_EQ(qAlpha(riverRoute->Image(0).pixel(0, 31)), 255);
}

TEST(AppResources, LoadImageListsKeepsListsThatHoldImages) {
    QWidget window;
    auto* bonus = new TImageList(55, 55, &window);
    bonus->setObjectName("ImageListBonus");
    QImage own(55, 55, QImage::Format_RGB32);
    own.fill(Qt::blue);
    bonus->Add(own, 0);
    TAppResources().LoadImageLists(&window);
    ASSERT_EQ(bonus->Count(), 1);
    EXPECT_EQ(bonus->Image(0).pixelColor(10, 10), QColor(Qt::blue));
}

TEST(AppResources, LoadImageListsFillsListsInCreationOrderAndStopsAtAMissingResource) {
    QWidget window;
    auto* first = new TImageList(24, 24, &window);
    first->setObjectName("ImageListProgram");
    auto* unknown = new TImageList(24, 24, &window);
    unknown->setObjectName("ImageListNowhere");
    auto* last = new TImageList(24, 24, &window);
    last->setObjectName("ImageListTabs");
    try {
        TAppResources().LoadImageLists(&window);
        FAIL() << "no error raised";
    } catch (const TResourceError& error) {
        EXPECT_EQ(error.ResourceName(), QString("ImageListNowhere"));
    }
    EXPECT_EQ(first->Count(), 6);
    EXPECT_EQ(last->Count(), 0);
}

TEST(AppResources, LoadImageListsLooksOnlyAtTheWindowsOwnLists) {
    QWidget window;
    auto* panel = new QWidget(&window);
    auto* nested = new TImageList(16, 16, panel);
    nested->setObjectName("ImageListToolBar");
    TAppResources().LoadImageLists(&window);
    EXPECT_EQ(nested->Count(), 0) << "a list owned by a child widget belongs to that widget";
    TAppResources().LoadImageLists(panel);
    EXPECT_EQ(nested->Count(), 20);
}

TEST(AppResources, JpegPictureDecodesEachPictureOfTheAboutBox) {
    TAppResources utils;
    const struct {
        const char* name;
        QSize size;
    } pictures[] = {{"ProgramIcon", {112, 128}},
                    {"ImageGame", {128, 128}},
                    {"ImageTalk", {120, 128}},
                    {"ImageWhatIsIt", {120, 128}},
                    {"ImageV2", {128, 128}}};
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.name);
        EXPECT_EQ(utils.JpegPicture(picture.name).size(), picture.size);
    }
}

TEST(AppResources, JpegPictureTurnsAMissingResourceIntoTheSilentAbort) {
    EXPECT_THROW(TAppResources().JpegPicture("ImageNowhere"), OperationAborted);
}

TEST(AppResources, JpegPictureTurnsABadJpegIntoTheSilentAbort) {
    // A packed resource is no JPEG file.
    EXPECT_THROW(TAppResources().JpegPicture("ABOUTINFO"), OperationAborted);
}

TEST(JpegImage, DamagedDataIsRefusedWithAReason) {
    const std::optional<QByteArray> stored = FindProgramResource("IMAGEGAME");
    ASSERT_TRUE(stored.has_value());
    const QByteArray cut = stored->left(stored->size() / 2);
    try {
        DecodeJpeg(cut);
        FAIL() << "a cut JPEG decoded";
    } catch (const TJpegError& error) {
        EXPECT_NE(std::string(error.what()).find("bad JPEG data"), std::string::npos) << error.what();
    }
    EXPECT_THROW(DecodeJpeg(QByteArray("not a picture at all")), TJpegError);
    EXPECT_THROW(DecodeJpeg(QByteArray()), TJpegError);
    EXPECT_THROW(DecodeJpeg(stored->left(2)), TJpegError);
}

TEST(JpegImage, DecodedPictureKeepsItsColours) {
    const std::optional<QByteArray> stored = FindProgramResource("IMAGEV2");
    ASSERT_TRUE(stored.has_value());
    const QImage picture = DecodeJpeg(*stored);
    ASSERT_EQ(picture.size(), QSize(128, 128));
    // The picture is purple at its top-left corner and has a white figure in its middle.
    const QColor corner = picture.pixelColor(2, 2);
    EXPECT_GT(corner.blue(), corner.green() + 40);
    EXPECT_GT(corner.red(), corner.green() + 20);
}

TEST(AppResources, WindowIconHoldsTheProgramsIconAtBothSizes) {
    const QIcon icon = TAppResources().WindowIcon();
    EXPECT_EQ(icon.availableSizes(), (QList<QSize>{{32, 32}, {256, 256}}));
    // Drawn on a transparent square: the corners are clear, the middle is not.
    const QImage small = icon.pixmap(32, 32).toImage();
    EXPECT_EQ(qAlpha(small.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(small.pixel(16, 18)), 255);
}
