// Any bytes as a packed resource: the unpacker either raises TUnpackError or returns exactly the
// declared number of bytes, which pack and unpack again to themselves.

#include "support/PackedData.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteBuffer unpacked;
    try {
        unpacked = UnpackBytes(data, size);
    } catch (const TUnpackError&) {
        return 0;
    }
    const std::uint32_t declared =
        static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
        static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    if (unpacked.size() != declared || declared > MaxUnpackedLength) {
        std::fprintf(stderr, "fuzz_unpack: %zu bytes unpacked, %u declared\n", unpacked.size(), declared);
        std::abort();
    }
    if (UnpackBytes(PackBytes(unpacked)) != unpacked) {
        std::fprintf(stderr, "fuzz_unpack: packing the unpacked bytes does not give them back\n");
        std::abort();
    }
    return 0;
}
