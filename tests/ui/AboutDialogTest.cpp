// The about box: its pages turned by the pictures, their texts, and its opening on the first page.

#include "EditorFixture.h"

#include "support/AppResources.h"
#include "support/CSFEngine.h"
#include "ui/dialogs/AboutDialog.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

namespace {

class AboutTest : public EditorFixture {
protected:
    static int Page() { return mainWindow->AboutDialog()->Pages()->currentIndex(); }
    static void ClickPicture() {
        QTest::mouseClick(mainWindow->AboutDialog()->Picture(Page()), Qt::LeftButton);
    }
};

TEST_F(AboutTest, FiveClicksOnThePicturesTurnEveryPageAndBringBackTheFirst) {
    QTimer::singleShot(0, [] {
        QStringList visited;
        for (int i = 0; i < TAboutDialog::PageCount; ++i) {
            visited.append(mainWindow->AboutDialog()->Pages()->currentWidget()->objectName());
            EXPECT_FALSE(mainWindow->AboutDialog()->Picture(Page())->pixmap().isNull()) << Page();
            ClickPicture();
        }
        EXPECT_EQ(visited, (QStringList{"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet5"}));
        EXPECT_EQ(Page(), 0);
        mainWindow->AboutDialog()->OKButton()->click();
    });
    mainWindow->ShowAbout();
    EXPECT_FALSE(mainWindow->AboutDialog()->isVisible());
}

TEST_F(AboutTest, TheFirstPageNamesTheProgramAndItsVersionAndTheOthersTheirParagraphs) {
    EXPECT_EQ(mainWindow->AboutDialog()->windowTitle(), "About");
    EXPECT_EQ(mainWindow->AboutDialog()->ProductName()->text(), "Tessel for Civilization IV Demo ");
    EXPECT_EQ(mainWindow->AboutDialog()->Version()->text(),
              "Version " + mainWindow->Resources().FileVersion());
    EXPECT_FALSE(mainWindow->Resources().FileVersion().isEmpty());
    QStringList paragraphs;
    TCSFEngine().LoadInto("ABOUTINFO", paragraphs);
    ASSERT_EQ(paragraphs.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(mainWindow->AboutDialog()->Paragraph(i)->text(), paragraphs[i]);
        EXPECT_TRUE(mainWindow->AboutDialog()->Paragraph(i)->wordWrap());
        EXPECT_EQ(mainWindow->AboutDialog()->Paragraph(i)->parentWidget()->parentWidget(),
                  mainWindow->AboutDialog()->Pages()->widget(i + 1));
    }
    EXPECT_TRUE(paragraphs[3].contains("rework"));
}

TEST_F(AboutTest, TheBoxOpensOnTheFirstPageWhereverItWasClosed) {
    QTimer::singleShot(0, [] {
        for (int i = 0; i < 3; ++i)
            ClickPicture();
        EXPECT_EQ(Page(), 3);
        mainWindow->AboutDialog()->close();
    });
    mainWindow->ShowAbout();
    int opened = -1;
    QTimer::singleShot(0, [&] {
        opened = Page();
        // The pictures turn with the keyboard too.
        mainWindow->AboutDialog()->Picture(0)->setFocus();
        QTest::keyClick(mainWindow->AboutDialog()->Picture(0), Qt::Key_Space);
        EXPECT_EQ(Page(), 1);
        mainWindow->AboutDialog()->OKButton()->click();
    });
    mainWindow->ShowAbout();
    EXPECT_EQ(opened, 0);
}

} // namespace
