#pragma once

// One panel of the main window's status bar. What it shows is also its accessible name, after a
// caption that says what the panel is ("Map size: 124 x 68"), so that a screen reader hears both.

#include <QLabel>

class TStatusPanel : public QLabel {
public:
    TStatusPanel(const QString& caption, QWidget* parent);

    const QString& Caption() const { return caption; }
    // Shows the text; `spoken`, when given, is what a screen reader hears after the caption instead
    // of the text as shown.
    void Show(const QString& text, const QString& spoken = QString());

private:
    // The accessible name follows the text only through Show.
    using QLabel::setText;

    QString caption;
};
