// The about box: its pages turned by the pictures, their texts, and its opening on the first page.

#include "EditorFixture.h"

#include "support/AppResources.h"
#include "support/CSFEngine.h"
#include "ui/dialogs/AboutDialog.h"

#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

namespace {

using AboutTest = EditorFixture;

int Page() {
    return AboutForm->Pages()->currentIndex();
}

void ClickPicture() {
    QTest::mouseClick(AboutForm->Picture(Page()), Qt::LeftButton);
}

TEST_F(AboutTest, FiveClicksOnThePicturesTurnEveryPageAndBringBackTheFirst) {
    QTimer::singleShot(0, [] {
        QStringList visited;
        for (int i = 0; i < TAboutDialog::PageCount; ++i) {
            visited.append(AboutForm->Pages()->currentWidget()->objectName());
            EXPECT_FALSE(AboutForm->Picture(Page())->pixmap().isNull()) << Page();
            ClickPicture();
        }
        EXPECT_EQ(visited, (QStringList{"TabSheet1", "TabSheet2", "TabSheet3", "TabSheet4", "TabSheet5"}));
        EXPECT_EQ(Page(), 0);
        AboutForm->OKButton()->click();
    });
    MainForm->ShowAbout();
    EXPECT_FALSE(AboutForm->isVisible());
}

TEST_F(AboutTest, TheFirstPageNamesTheProgramAndItsVersionAndTheOthersTheirParagraphs) {
    EXPECT_EQ(AboutForm->windowTitle(), "About");
    EXPECT_EQ(AboutForm->ProductName()->text(), "Tessel for Civilization IV Demo ");
    EXPECT_EQ(AboutForm->Version()->text(), "Version " + MainForm->Resources().FileVersion());
    EXPECT_FALSE(MainForm->Resources().FileVersion().isEmpty());
    QStringList paragraphs;
    TCSFEngine().LoadInto("ABOUTINFO", paragraphs);
    ASSERT_EQ(paragraphs.size(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(AboutForm->Paragraph(i)->text(), paragraphs[i]);
        EXPECT_TRUE(AboutForm->Paragraph(i)->wordWrap());
        EXPECT_EQ(AboutForm->Paragraph(i)->parentWidget()->parentWidget(), AboutForm->Pages()->widget(i + 1));
    }
    EXPECT_TRUE(paragraphs[3].contains("rework"));
}

TEST_F(AboutTest, TheBoxOpensOnTheFirstPageWhereverItWasClosed) {
    QTimer::singleShot(0, [] {
        for (int i = 0; i < 3; ++i)
            ClickPicture();
        EXPECT_EQ(Page(), 3);
        AboutForm->close();
    });
    MainForm->ShowAbout();
    int opened = -1;
    QTimer::singleShot(0, [&] {
        opened = Page();
        // The pictures turn with the keyboard too.
        AboutForm->Picture(0)->setFocus();
        QTest::keyClick(AboutForm->Picture(0), Qt::Key_Space);
        EXPECT_EQ(Page(), 1);
        AboutForm->OKButton()->click();
    });
    MainForm->ShowAbout();
    EXPECT_EQ(opened, 0);
}

} // namespace
