#pragma once

// The pictures of the program, each drawn from scratch: the eight strips of the image lists, the
// five about pictures, the four lines of the about text and the program's icon.

#include <QByteArray>
#include <QImage>
#include <QString>

QImage DrawTerrainStrip();    // 17 tiles of 55 x 55
QImage DrawBonusStrip();      // 36 tiles of 55 x 55
QImage DrawUnitCityStrip();   // 2 tiles of 55 x 55
QImage DrawRiverRouteStrip(); // 3 tiles of 32 x 32, opaque
QImage DrawProgramStrip();    // 6 tiles of 24 x 24
QImage DrawTabsStrip();       // 7 tiles of 24 x 24
QImage DrawToolBarStrip();    // 20 tiles of 16 x 16
QImage DrawYesNoStrip();      // 4 tiles of 16 x 16

// PROGRAMICON 112 x 128, IMAGEGAME 128 x 128, IMAGETALK 120 x 128, IMAGEWHATISIT 120 x 128,
// IMAGEV2 128 x 128; a null image for any other name.
QImage DrawAboutPicture(const QString& name);

// The program's icon, `size` pixels a side, on a transparent background.
QImage DrawAppIcon(int size);

// Four lines of Windows-1252 text with CR LF line ends.
QByteArray AboutText();
