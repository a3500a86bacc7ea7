#pragma once

// Decodes JPEG files with libjpeg itself, so the pictures do not depend on which image plugins the
// Qt installation carries.

#include <QByteArray>
#include <QImage>

#include <stdexcept>
#include <string>

class TJpegError : public std::runtime_error {
public:
    explicit TJpegError(const std::string& reason) : std::runtime_error(reason) {}
};

// No picture of the program comes near this; larger dimensions are refused before any allocation.
constexpr int MaxJpegSide = 8192;

// The decoded picture as an RGB32 image. Raises TJpegError for data that is not a whole, valid
// JPEG file (libjpeg's warnings about damaged data count as errors).
QImage DecodeJpeg(const QByteArray& data);
