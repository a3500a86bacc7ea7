#include "support/PackedData.h"

#include <zlib.h>

#include <algorithm>

namespace {

constexpr std::size_t LengthHeaderSize = 4;

std::uint32_t ReadLittleEndian32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// Ends the zlib stream on every path, exceptions included.
class TInflater {
public:
    TInflater() {
        if (inflateInit(&stream) != Z_OK)
            throw TUnpackError("the decompressor could not start");
    }
    ~TInflater() { inflateEnd(&stream); }
    TInflater(const TInflater&) = delete;
    TInflater& operator=(const TInflater&) = delete;

    z_stream stream{};
};

std::string ZlibReason(const z_stream& stream, int code) {
    std::string reason = "corrupt zlib data";
    if (stream.msg != nullptr)
        reason += std::string(" (") + stream.msg + ")";
    else
        reason += " (zlib code " + std::to_string(code) + ")";
    return reason;
}

} // namespace

ByteBuffer UnpackBytes(const std::uint8_t* data, std::size_t size) {
    if (size < LengthHeaderSize)
        throw TUnpackError("the packed data is " + std::to_string(size) +
                           " bytes long, too short for its 4-byte length header");
    const std::uint32_t declared = ReadLittleEndian32(data);
    if (declared > MaxUnpackedLength)
        throw TUnpackError("the declared length of " + std::to_string(declared) +
                           " bytes exceeds the limit of " + std::to_string(MaxUnpackedLength) + " bytes");

    const std::uint8_t* next = data + LengthHeaderSize;
    std::size_t remaining = size - LengthHeaderSize;
    ByteBuffer unpacked(declared);
    if (declared == 0 && remaining == 0)
        return unpacked; // nothing to read, so no stream is needed

    TInflater inflater;
    z_stream& stream = inflater.stream;
    stream.next_out = unpacked.data();
    stream.avail_out = static_cast<uInt>(declared);
    // One spare byte beyond the declared length catches a stream that holds more than it says.
    std::uint8_t overflow = 0;
    bool usingOverflow = false;
    int code = Z_OK;
    while (code != Z_STREAM_END) {
        if (stream.avail_in == 0) {
            if (remaining == 0)
                throw TUnpackError("the zlib stream is cut off after " + std::to_string(stream.total_out) +
                                   " of " + std::to_string(declared) + " declared bytes");
            const std::size_t chunk = std::min(remaining, InflateChunkSize);
            stream.next_in = const_cast<Bytef*>(next);
            stream.avail_in = static_cast<uInt>(chunk);
            next += chunk;
            remaining -= chunk;
        }
        if (stream.avail_out == 0) {
            if (usingOverflow)
                throw TUnpackError("the zlib stream holds more than the declared " +
                                   std::to_string(declared) + " bytes");
            stream.next_out = &overflow;
            stream.avail_out = 1;
            usingOverflow = true;
        }
        code = inflate(&stream, Z_NO_FLUSH);
        if (code == Z_NEED_DICT || code == Z_DATA_ERROR || code == Z_MEM_ERROR || code == Z_STREAM_ERROR)
            throw TUnpackError(ZlibReason(stream, code));
        if (code == Z_BUF_ERROR && stream.avail_in != 0 && stream.avail_out != 0)
            throw TUnpackError(ZlibReason(stream, code));
    }
    if (stream.total_out > declared)
        throw TUnpackError("the zlib stream holds more than the declared " + std::to_string(declared) +
                           " bytes");
    if (stream.total_out < declared)
        throw TUnpackError("the zlib stream inflates to " + std::to_string(stream.total_out) +
                           " bytes, but its header declares " + std::to_string(declared));
    if (stream.avail_in != 0 || remaining != 0)
        throw TUnpackError("unexpected bytes follow the end of the zlib stream");
    return unpacked;
}

ByteBuffer UnpackBytes(const ByteBuffer& packed) {
    return UnpackBytes(packed.data(), packed.size());
}

ByteBuffer PackBytes(const std::uint8_t* data, std::size_t size) {
    if (size > MaxUnpackedLength)
        throw TUnpackError("data of " + std::to_string(size) + " bytes is too large to pack");
    uLongf bound = compressBound(static_cast<uLong>(size));
    ByteBuffer packed(LengthHeaderSize + bound);
    const auto length = static_cast<std::uint32_t>(size);
    for (std::size_t i = 0; i < LengthHeaderSize; ++i)
        packed[i] = static_cast<std::uint8_t>(length >> (8 * i));
    // An empty source may come with a null pointer; zlib wants a valid one.
    static const std::uint8_t emptySource = 0;
    const int code = compress2(packed.data() + LengthHeaderSize, &bound, size == 0 ? &emptySource : data,
                               static_cast<uLong>(size), Z_BEST_COMPRESSION);
    if (code != Z_OK)
        throw TUnpackError("the compressor failed (zlib code " + std::to_string(code) + ")");
    packed.resize(LengthHeaderSize + bound);
    return packed;
}

ByteBuffer PackBytes(const ByteBuffer& plain) {
    return PackBytes(plain.data(), plain.size());
}
