#include "ui/windows/ToolBarButton.h"

#include "support/ImageList.h"

#include <QPixmap>
#include <QToolBar>
#include <QToolButton>

QToolButton* AddToolBarButton(QToolBar& bar, const TImageList& images, int image, const QString& hint) {
    auto* button = new QToolButton(&bar);
    button->setIcon(QPixmap::fromImage(images.Image(image)));
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setAutoRaise(true);
    button->setFixedSize(24, 24);
    bar.addWidget(button);
    return button;
}
