#pragma once

// The packed form of the program's resources: a 4-byte little-endian length of the unpacked data
// followed by a zlib stream that inflates to exactly that many bytes. Plain C++ over zlib, so the
// fuzz target and the art generator use it without Qt.

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

using ByteBuffer = std::vector<std::uint8_t>;

// Packed data that cannot be unpacked: too short, corrupt, or not the length it declares.
class TUnpackError : public std::runtime_error {
public:
    explicit TUnpackError(const std::string& reason) : std::runtime_error(reason) {}
};

// No resource of the program comes near this; a larger declared length is hostile or broken data.
constexpr std::uint32_t MaxUnpackedLength = 64u * 1024u * 1024u;
// The decompressor is fed the packed stream in pieces of this size.
constexpr std::size_t InflateChunkSize = 64u * 1024u;

// Inflates packed bytes into exactly the declared number of bytes. Raises TUnpackError when the
// header is missing, the declared length exceeds MaxUnpackedLength, the zlib data is corrupt, or
// the stream ends before or after the declared length.
ByteBuffer UnpackBytes(const std::uint8_t* data, std::size_t size);
ByteBuffer UnpackBytes(const ByteBuffer& packed);

// The packed form of the bytes, compressed at the best level (the stream begins 78 DA).
ByteBuffer PackBytes(const std::uint8_t* data, std::size_t size);
ByteBuffer PackBytes(const ByteBuffer& plain);
