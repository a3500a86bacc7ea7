#pragma once

// The flat 24 x 24 buttons of the small windows' tool bars, each showing one image of the main
// window's tool bar image list and named by its hint.

#include <QString>

class QToolBar;
class QToolButton;
class TImageList;

QToolButton* AddToolBarButton(QToolBar& bar, const TImageList& images, int image, const QString& hint);
