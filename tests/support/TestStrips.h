#pragma once

// Strips and packed resources made in memory, so the tests feed the engine exactly the bytes they mean.

#include "support/CSFEngine.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

#include <cstdint>
#include <map>
#include <vector>

// Distinct tile colours for strips; none is the mask colour of the test strips.
QColor TileColour(int index);

// A strip of the given size whose square tiles (side = height) are each filled with TileColour(i);
// each tile's bottom-left pixel is `background`, and columns after the last whole tile are grey.
QImage MakeStrip(int width, int height, QColor background = QColor(255, 0, 255));

QByteArray Packed(const QByteArray& plain);
QByteArray PackedBitmap(const QImage& image, std::uint8_t fourthByte = 0xFF);
QByteArray BitmapBytes(const QImage& image, std::uint8_t fourthByte = 0xFF);

// An engine that finds exactly the given resources, by exact name.
TCSFEngine EngineWith(std::map<QString, QByteArray> resources);
