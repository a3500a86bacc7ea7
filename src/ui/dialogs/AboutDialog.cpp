#include "ui/dialogs/AboutDialog.h"

#include "document/LineCodec.h"
#include "support/AppResources.h"
#include "support/CSFEngine.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>

TAboutPicture::TAboutPicture(QWidget* parent) : QLabel(parent) {
    setScaledContents(true);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    setToolTip("Next page");
}

void TAboutPicture::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void TAboutPicture::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

TAboutDialog::TAboutDialog(const TAppResources& utils, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint) {
    CreateParts(utils);
}

QWidget* TAboutDialog::AddPage(const char* name, const char* picture, const QString& pictureName, int width,
                               int index) {
    auto* page = new QWidget(pcMain);
    page->setObjectName(name);
    page->setAccessibleName(QString("Page %1 of %2").arg(index + 1).arg(PageCount));
    auto* panel = new QFrame(page);
    panel->setAccessibleName(pictureName);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setGeometry(0, 0, 367, 169);
    auto* image = new TAboutPicture(panel);
    image->setObjectName(picture);
    image->setAccessibleName(pictureName + ": click for the next page");
    image->setGeometry(12, 12, width, 128);
    connect(image, &TAboutPicture::clicked, this, &TAboutDialog::TurnPage);
    pictures[index] = image;
    pcMain->addWidget(page);
    return panel;
}

void TAboutDialog::CreateParts(const TAppResources& utils) {
    setObjectName("AboutDialog");
    setWindowTitle("About");
    QFont font("MS Shell Dlg 2");
    font.setPixelSize(13);
    setFont(font);
    setFixedSize(367, 214);

    pcMain = new QStackedWidget(this);
    pcMain->setObjectName("Pages");
    pcMain->setGeometry(0, 0, 367, 169);
    pcMain->setAccessibleName("Pages");

    QWidget* first = AddPage("TabSheet1", "ProgramIcon", "Program picture", 112, 0);
    auto addLabel = [first](const char* name, const QString& text, int top, int height) {
        auto* label = new QLabel(text, first);
        label->setObjectName(name);
        label->setGeometry(144, top, 201, height);
        label->setWordWrap(true);
        return label;
    };
    productName = addLabel("ProductName", "Tessel for Civilization IV Demo ", 24, 36);
    QFont bold = productName->font();
    bold.setBold(true);
    productName->setFont(bold);
    version = addLabel("Version", QString(), 64, 20);
    addLabel("Notice", "Free to use, without warranty.", 104, 20)->setWordWrap(false);
    addLabel("Contact", "Contact: the Tessel project", 128, 20)->setWordWrap(false);

    const struct {
        const char* page;
        const char* picture;
        const char* description;
        int width;
    } picturePages[] = {{"TabSheet2", "ImageGame", "The game", 128},
                        {"TabSheet3", "ImageTalk", "Terms of use", 120},
                        {"TabSheet4", "ImageWhatIsIt", "How it was built", 120},
                        {"TabSheet5", "ImageV2", "Version two", 128}};
    for (int i = 0; i < PageCount - 1; ++i) {
        QWidget* panel = AddPage(picturePages[i].page, picturePages[i].picture, picturePages[i].description,
                                 picturePages[i].width, i + 1);
        auto* label = new QLabel(panel);
        label->setObjectName(QString("Label%1").arg(i));
        label->setGeometry(160, 24, 185, 113);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        paragraphs[i] = label;
    }

    okButton = new QPushButton("OK", this);
    okButton->setObjectName("OKButton");
    okButton->setGeometry(8, 176, 353, 30);
    okButton->setDefault(true);
    connect(okButton, &QPushButton::clicked, this, &TAboutDialog::CloseBox);

    // The pictures and texts are compiled into the program; a page whose resource fails to load
    // stays blank rather than keeping the box from opening.
    for (TAboutPicture* picture : pictures) {
        try {
            picture->setPixmap(utils.JpegPicture(picture->objectName().toUpper()));
        } catch (const OperationAborted&) {
        }
    }
    QStringList lines;
    try {
        TCSFEngine().LoadInto("ABOUTINFO", lines);
    } catch (const TResourceError&) {
    }
    for (int i = 0; i < PageCount - 1 && i < lines.size(); ++i)
        paragraphs[i]->setText(lines[i]);
    version->setText("Version " + utils.FileVersion());
    pcMain->setCurrentIndex(0);
}

void TAboutDialog::PrepareToShow() {
    pcMain->setCurrentIndex(0);
    if (const QScreen* shownOn = screen())
        move(shownOn->availableGeometry().center() - QPoint(width() / 2, height() / 2));
}

void TAboutDialog::showEvent(QShowEvent* event) {
    PrepareToShow();
    QDialog::showEvent(event);
}

void TAboutDialog::TurnPage() {
    const int shown = pcMain->currentIndex();
    const bool focused = pictures[shown]->hasFocus();
    pcMain->setCurrentIndex((shown + 1) % PageCount);
    // A reader turning pages with the keyboard stays on the pictures.
    if (focused)
        pictures[pcMain->currentIndex()]->setFocus();
}

void TAboutDialog::CloseBox() {
    accept();
}
