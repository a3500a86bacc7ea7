#pragma once

// The about box: a picture book of five pages, the program's name and version first, then four
// pictures with a paragraph each. Clicking a picture turns to the next page; the box always opens
// on the first. Created once at start and shown modally.

#include <QDialog>
#include <QLabel>

class QPushButton;
class QStackedWidget;
class TAppResources;

// A picture of the about box that turns the page when clicked, or with Space or Enter when it has
// the keyboard focus.
class TAboutPicture : public QLabel {
    Q_OBJECT
public:
    explicit TAboutPicture(QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class TAboutDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int PageCount = 5;

    // utils: the main window's, for the version text and the pictures.
    TAboutDialog(const TAppResources& utils, QWidget* parent = nullptr);

    void TurnPage();
    void CloseBox();

    QStackedWidget* Pages() const { return pcMain; }
    QPushButton* OKButton() const { return okButton; }
    // The picture of a page (0 to 4), the one to click.
    TAboutPicture* Picture(int page) const { return pictures[page]; }
    QLabel* ProductName() const { return productName; }
    QLabel* Version() const { return version; }
    // The paragraph of pages 1 to 4 (Label0 to Label3).
    QLabel* Paragraph(int index) const { return paragraphs[index]; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void CreateParts(const TAppResources& utils);
    void PrepareToShow();
    QWidget* AddPage(const char* name, const char* picture, const QString& pictureName, int width, int index);

    QStackedWidget* pcMain;
    QPushButton* okButton;
    TAboutPicture* pictures[PageCount] = {};
    QLabel* productName = nullptr;
    QLabel* version = nullptr;
    QLabel* paragraphs[PageCount - 1] = {};
};
