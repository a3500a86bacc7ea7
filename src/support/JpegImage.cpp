#include "support/JpegImage.h"

#include <csetjmp>
#include <cstdio> // jpeglib.h needs FILE and size_t declared first
#include <cstring>
#include <jpeglib.h>

#include <vector>

namespace {

// libjpeg reports errors through this: the handler jumps back to the decoder instead of exiting.
struct TJpegErrorManager {
    jpeg_error_mgr manager;
    std::jmp_buf jumpBack;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void ExitToDecoder(j_common_ptr info) {
    auto* errors = reinterpret_cast<TJpegErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jumpBack, 1);
}

// Warnings (level -1) mean damaged data, which would decode into a grey-filled picture.
void WarningIsError(j_common_ptr info, int level) {
    if (level < 0)
        ExitToDecoder(info);
}

struct TDecodedPixels {
    int width = 0;
    int height = 0;
    int components = 0;
    bool adobeInverted = false;
    std::vector<unsigned char> rows;
};

// Keeps every C++ object with a destructor outside the stretch between setjmp and longjmp: the
// jump skips destructors, so only plain data lives here.
bool DecodeRows(const unsigned char* data, unsigned long size, TDecodedPixels& pixels, char* message) {
    jpeg_decompress_struct info;
    TJpegErrorManager errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = ExitToDecoder;
    errors.manager.emit_message = WarningIsError;
    errors.message[0] = '\0';
    if (setjmp(errors.jumpBack) != 0) {
        std::strncpy(message, errors.message, JMSG_LENGTH_MAX);
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > MaxJpegSide ||
        info.image_height > MaxJpegSide) {
        std::snprintf(message, JMSG_LENGTH_MAX, "picture size %ux%u is outside 1 to %d pixels",
                      static_cast<unsigned>(info.image_width), static_cast<unsigned>(info.image_height),
                      MaxJpegSide);
        jpeg_destroy_decompress(&info);
        return false;
    }
    if (info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK) {
        info.out_color_space = JCS_CMYK;
        pixels.adobeInverted = info.saw_Adobe_marker;
    } else {
        info.out_color_space = JCS_RGB;
    }
    jpeg_start_decompress(&info);
    pixels.width = static_cast<int>(info.output_width);
    pixels.height = static_cast<int>(info.output_height);
    pixels.components = info.output_components;
    const std::size_t stride =
        static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.components);
    pixels.rows.resize(stride * static_cast<std::size_t>(pixels.height));
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = pixels.rows.data() + stride * info.output_scanline;
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

QImage DecodeJpeg(const QByteArray& data) {
    if (data.isEmpty())
        throw TJpegError("no JPEG data");
    TDecodedPixels pixels;
    char message[JMSG_LENGTH_MAX] = {};
    if (!DecodeRows(reinterpret_cast<const unsigned char*>(data.constData()),
                    static_cast<unsigned long>(data.size()), pixels, message))
        throw TJpegError(std::string("bad JPEG data: ") + message);

    QImage image(pixels.width, pixels.height, QImage::Format_RGB32);
    const std::size_t stride =
        static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.components);
    for (int y = 0; y < pixels.height; ++y) {
        const unsigned char* source = pixels.rows.data() + stride * static_cast<std::size_t>(y);
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < pixels.width; ++x, source += pixels.components) {
            if (pixels.components == 4) {
                // Adobe stores CMYK inverted: the byte already is the light left, not the ink.
                const int c = pixels.adobeInverted ? source[0] : 255 - source[0];
                const int m = pixels.adobeInverted ? source[1] : 255 - source[1];
                const int yellow = pixels.adobeInverted ? source[2] : 255 - source[2];
                const int k = pixels.adobeInverted ? source[3] : 255 - source[3];
                target[x] = qRgb(c * k / 255, m * k / 255, yellow * k / 255);
            } else {
                target[x] = qRgb(source[0], source[1], source[2]);
            }
        }
    }
    return image;
}
