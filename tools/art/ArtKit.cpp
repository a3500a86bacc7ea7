#include "ArtKit.h"

#include <algorithm>
#include <cmath>

std::uint32_t TRandom::Next() {
    // xorshift32
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state;
}

double TRandom::Unit() {
    return static_cast<double>(Next() >> 8) / static_cast<double>(1u << 24);
}

double TRandom::Range(double low, double high) {
    return low + (high - low) * Unit();
}

int TRandom::Below(int limit) {
    return limit <= 0 ? 0 : static_cast<int>(Unit() * limit);
}

namespace {

double LatticeValue(int x, int y, int period, std::uint32_t seed) {
    const auto wx = static_cast<std::uint32_t>(((x % period) + period) % period);
    const auto wy = static_cast<std::uint32_t>(((y % period) + period) % period);
    std::uint32_t h = seed ^ (wx * 0x8DA6B343u) ^ (wy * 0xD8163841u);
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return static_cast<double>(h & 0xFFFFu) / 65535.0;
}

double SmoothStep(double t) {
    return t * t * (3.0 - 2.0 * t);
}

} // namespace

double TileNoise(double x, double y, int period, std::uint32_t seed) {
    const double fx = std::floor(x), fy = std::floor(y);
    const int ix = static_cast<int>(fx), iy = static_cast<int>(fy);
    const double tx = SmoothStep(x - fx), ty = SmoothStep(y - fy);
    const double a = LatticeValue(ix, iy, period, seed), b = LatticeValue(ix + 1, iy, period, seed);
    const double c = LatticeValue(ix, iy + 1, period, seed), d = LatticeValue(ix + 1, iy + 1, period, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

double TileFractal(double x, double y, int period, std::uint32_t seed, int octaves) {
    double sum = 0.0, weight = 1.0, total = 0.0, scale = 1.0;
    for (int i = 0; i < octaves; ++i) {
        sum += weight * TileNoise(x * scale, y * scale, period * static_cast<int>(scale), seed + 977u * i);
        total += weight;
        weight *= 0.5;
        scale *= 2.0;
    }
    return sum / total;
}

QBrush Vertical(double top, double bottom, const QColor& upper, const QColor& lower) {
    QLinearGradient gradient(QPointF(0, top), QPointF(0, bottom));
    gradient.setColorAt(0, upper);
    gradient.setColorAt(1, lower);
    return gradient;
}

QBrush Shine(QPointF light, double radius, const QColor& bright, const QColor& dark) {
    QRadialGradient gradient(light, radius);
    gradient.setColorAt(0, bright);
    gradient.setColorAt(1, dark);
    return gradient;
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                            static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                            static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                            static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

QColor Shade(const QColor& colour, double factor) {
    if (factor < 1.0)
        return Mix(QColor(0, 0, 0, colour.alpha()), colour, factor);
    return Mix(colour, QColor(255, 255, 255, colour.alpha()), factor - 1.0);
}

TCanvas::TCanvas(int width, int height, double units)
    : image(width, height, QImage::Format_ARGB32_Premultiplied) {
    image.fill(Qt::transparent);
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    if (units > 0)
        painter.scale(width / units, height / units);
}

QImage TCanvas::Finish() {
    if (painter.isActive())
        painter.end();
    return image;
}

void TCanvas::Fill(const QPainterPath& path, const QBrush& brush) {
    painter.fillPath(path, brush);
}

void TCanvas::FillOutlined(const QPainterPath& path, const QBrush& brush, const QColor& outline,
                           double width) {
    painter.fillPath(path, brush);
    Stroke(path, outline, width);
}

void TCanvas::Stroke(const QPainterPath& path, const QColor& colour, double width, Qt::PenCapStyle cap) {
    QPen pen(colour, width, Qt::SolidLine, cap, Qt::RoundJoin);
    painter.strokePath(path, pen);
}

void TCanvas::Line(QPointF from, QPointF to, const QColor& colour, double width, Qt::PenCapStyle cap) {
    QPainterPath path(from);
    path.lineTo(to);
    Stroke(path, colour, width, cap);
}

QPainterPath Ellipse(double cx, double cy, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(QPointF(cx, cy), rx, ry);
    return path;
}

QPainterPath Circle(double cx, double cy, double r) {
    return Ellipse(cx, cy, r, r);
}

QPainterPath Polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& point : points) {
        if (first)
            path.moveTo(point);
        else
            path.lineTo(point);
        first = false;
    }
    path.closeSubpath();
    return path;
}

QPainterPath Rect(double x, double y, double w, double h) {
    QPainterPath path;
    path.addRect(QRectF(x, y, w, h));
    return path;
}

QPainterPath RoundRect(double x, double y, double w, double h, double r) {
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), r, r);
    return path;
}

QImage OnMask(const QImage& drawing, QRgb maskColour) {
    const QImage source = drawing.convertToFormat(QImage::Format_ARGB32);
    QImage tile(source.size(), QImage::Format_RGB32);
    const QRgb key = maskColour & RGB_MASK;
    for (int y = 0; y < source.height(); ++y) {
        const auto* in = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* out = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(in[x]) < 128) {
                out[x] = maskColour | 0xFF000000u;
                continue;
            }
            QRgb colour = in[x] | 0xFF000000u;
            if ((colour & RGB_MASK) == key)
                colour ^= 0x00000001u; // one step off in blue: looks the same, is not transparent
            out[x] = colour;
        }
    }
    tile.setPixel(0, tile.height() - 1, maskColour | 0xFF000000u);
    return tile;
}

QImage WithUniqueCorner(const QImage& picture) {
    QImage tile = picture.convertToFormat(QImage::Format_RGB32);
    const int bottom = tile.height() - 1;
    const QRgb corner = tile.pixel(0, bottom) & RGB_MASK;
    for (int y = 0; y < tile.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(tile.scanLine(y));
        for (int x = 0; x < tile.width(); ++x) {
            if ((x != 0 || y != bottom) && (line[x] & RGB_MASK) == corner)
                line[x] ^= 0x00000001u;
        }
    }
    return tile;
}

QImage JoinStrip(const std::vector<QImage>& tiles) {
    if (tiles.empty())
        return {};
    const int size = tiles.front().height();
    QImage strip(size * static_cast<int>(tiles.size()), size, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (std::size_t i = 0; i < tiles.size(); ++i)
        painter.drawImage(static_cast<int>(i) * size, 0, tiles[i]);
    painter.end();
    return strip;
}
