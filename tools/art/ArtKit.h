#pragma once

// Drawing helpers shared by the art generator: a seeded random source, tileable noise, shapes with
// outlines, and the step that turns a drawing on a transparent canvas into a tile on its mask colour.

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPointF>

#include <cstdint>
#include <initializer_list>
#include <vector>

constexpr QRgb Magenta = 0xFFFF00FF;
constexpr QRgb MaskGreen = 0xFF00FF00;

// Deterministic on every platform, unlike the standard distributions.
class TRandom {
public:
    explicit TRandom(std::uint32_t seed) : state(seed == 0 ? 0x9E3779B9u : seed) {}
    std::uint32_t Next();
    double Unit(); // 0 <= value < 1
    double Range(double low, double high);
    int Below(int limit); // 0 <= value < limit

private:
    std::uint32_t state;
};

// Smooth value noise in 0..1 that repeats every `period` units in x and y.
double TileNoise(double x, double y, int period, std::uint32_t seed);
// Several octaves of TileNoise; the tile repeats every `period` units of the first octave.
double TileFractal(double x, double y, int period, std::uint32_t seed, int octaves);

// A top-to-bottom gradient, and a round one lit from one point.
QBrush Vertical(double top, double bottom, const QColor& upper, const QColor& lower);
QBrush Shine(QPointF light, double radius, const QColor& bright, const QColor& dark);

QColor Mix(const QColor& a, const QColor& b, double t);
QColor Shade(const QColor& colour, double factor); // below 1 darker, above 1 lighter

// A transparent canvas to draw on, with antialiasing; `units` across each side (0: plain pixels).
class TCanvas {
public:
    TCanvas(int width, int height, double units = 100.0);
    QPainter& Painter() { return painter; }
    QImage& Image() { return image; }
    QImage Finish(); // ends painting and hands back the drawing

    void Fill(const QPainterPath& path, const QBrush& brush);
    void FillOutlined(const QPainterPath& path, const QBrush& brush, const QColor& outline, double width);
    void Stroke(const QPainterPath& path, const QColor& colour, double width,
                Qt::PenCapStyle cap = Qt::RoundCap);
    void Line(QPointF from, QPointF to, const QColor& colour, double width,
              Qt::PenCapStyle cap = Qt::RoundCap);

private:
    QImage image;
    QPainter painter;
};

QPainterPath Ellipse(double cx, double cy, double rx, double ry);
QPainterPath Circle(double cx, double cy, double r);
QPainterPath Polygon(std::initializer_list<QPointF> points);
QPainterPath Rect(double x, double y, double w, double h);
QPainterPath RoundRect(double x, double y, double w, double h, double r);

// Puts a transparent drawing on the mask colour with hard edges: pixels at least half covered keep
// their own colour, the rest become the mask colour. No drawn pixel keeps the mask colour by chance,
// and the bottom-left pixel always is the mask colour.
QImage OnMask(const QImage& drawing, QRgb maskColour);
// A full tile picture whose bottom-left colour appears nowhere else, so a masked list loses only
// that one pixel of it.
QImage WithUniqueCorner(const QImage& picture);

QImage JoinStrip(const std::vector<QImage>& tiles);
