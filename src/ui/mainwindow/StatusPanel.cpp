#include "ui/mainwindow/StatusPanel.h"

TStatusPanel::TStatusPanel(const QString& caption, QWidget* parent) : QLabel(parent), caption(caption) {
    setAccessibleName(caption);
}

void TStatusPanel::Show(const QString& text, const QString& spoken) {
    setText(text);
    const QString heard = spoken.isEmpty() ? text : spoken;
    setAccessibleName(heard.isEmpty() ? caption : caption + ": " + heard);
}
