#include "support/BmpFile.h"

#include <stdexcept>

namespace {

void PutLittleEndian(ByteBuffer& bytes, std::size_t offset, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i)
        bytes[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>((value >> (8 * i)) & 0xFFu);
}

} // namespace

ByteBuffer EncodeBmp32(int width, int height, const std::uint32_t* pixels, std::uint8_t fourthByte) {
    if (width < 0 || height < 0 || (width > 0 && height > 0 && pixels == nullptr))
        throw std::invalid_argument("EncodeBmp32: no pixels for the given size");
    const auto w = static_cast<std::uint32_t>(width);
    const auto h = static_cast<std::uint32_t>(height);
    const std::uint32_t pixelBytes = w * h * 4u;
    ByteBuffer bytes(BmpHeaderSize + static_cast<std::size_t>(pixelBytes), 0);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutLittleEndian(bytes, 2, BmpHeaderSize + pixelBytes, 4); // file size
    PutLittleEndian(bytes, 10, BmpHeaderSize, 4);             // offset of the pixels
    PutLittleEndian(bytes, 14, 40, 4);                        // size of the info header
    PutLittleEndian(bytes, 18, w, 4);
    PutLittleEndian(bytes, 22, h, 4); // positive: bottom row first
    PutLittleEndian(bytes, 26, 1, 2); // planes
    PutLittleEndian(bytes, 28, 32, 2);
    PutLittleEndian(bytes, 34, pixelBytes, 4);
    PutLittleEndian(bytes, 38, 2835, 4); // 72 dots per inch
    PutLittleEndian(bytes, 42, 2835, 4);
    std::size_t offset = BmpHeaderSize;
    for (int y = height - 1; y >= 0; --y) {
        const std::uint32_t* line = pixels + static_cast<std::size_t>(y) * w;
        for (std::uint32_t x = 0; x < w; ++x) {
            bytes[offset++] = static_cast<std::uint8_t>(line[x] & 0xFFu);
            bytes[offset++] = static_cast<std::uint8_t>((line[x] >> 8) & 0xFFu);
            bytes[offset++] = static_cast<std::uint8_t>((line[x] >> 16) & 0xFFu);
            bytes[offset++] = fourthByte;
        }
    }
    return bytes;
}
