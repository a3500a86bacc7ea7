// Prints a picture's width and height and, given a point, the red, green and blue of its pixel:
// the render command's tests read the pictures they make through it.
// Usage: tessel_png_probe FILE [X Y]

#include <QImage>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 2 && argc != 4) {
        std::fprintf(stderr, "usage: tessel_png_probe FILE [X Y]\n");
        return 2;
    }
    const QImage picture(QString::fromLocal8Bit(argv[1]));
    if (picture.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", argv[1]);
        return 1;
    }
    std::printf("%d %d\n", picture.width(), picture.height());
    if (argc == 4) {
        const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
        if (!picture.valid(x, y)) {
            std::fprintf(stderr, "(%d, %d) lies outside the picture\n", x, y);
            return 1;
        }
        const QRgb pixel = picture.pixel(x, y);
        std::printf("%d %d %d\n", qRed(pixel), qGreen(pixel), qBlue(pixel));
    }
    return 0;
}
