#pragma once

// The bitmap form of the program's strips: an uncompressed 32-bit Windows BMP, a 54-byte header
// followed by the pixels, bottom row first, as blue, green, red and a spare fourth byte.

#include "support/PackedData.h"

#include <cstdint>

constexpr int BmpHeaderSize = 54;

// pixels: width x height colours 0xAARRGGBB, top row first (the layout of a 32-bit QImage); alpha is
// not written. fourthByte fills each pixel's spare byte: many writers leave it 0, and readers must
// not take that as transparency.
ByteBuffer EncodeBmp32(int width, int height, const std::uint32_t* pixels, std::uint8_t fourthByte = 0xFF);
