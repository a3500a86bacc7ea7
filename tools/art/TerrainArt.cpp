// The terrain strip: eight ground textures that tile seamlessly, then the features and the two
// reliefs on magenta, in the order of the main window's terrain names.

#include "Art.h"
#include "ArtKit.h"

#include <cmath>
#include <functional>

namespace {

constexpr int Tile = 55;
constexpr double Pi = 3.14159265358979323846;

// A ground texture: every pixel from noise between two colours, then marks drawn so that they wrap
// around the tile edges.
QImage NoiseGround(const QColor& dark, const QColor& light, int period, std::uint32_t seed, double contrast) {
    QImage image(Tile, Tile, QImage::Format_RGB32);
    for (int y = 0; y < Tile; ++y) {
        for (int x = 0; x < Tile; ++x) {
            const double n =
                TileFractal(x * period / double(Tile), y * period / double(Tile), period, seed, 3);
            image.setPixel(x, y, Mix(dark, light, 0.5 + (n - 0.5) * contrast).rgb());
        }
    }
    return image;
}

// Draws the marks nine times, shifted by a tile in each direction, so marks crossing an edge come
// back in on the other side.
void Wrapped(QImage& image, const std::function<void(QPainter&)>& marks) {
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int dy = -Tile; dy <= Tile; dy += Tile) {
        for (int dx = -Tile; dx <= Tile; dx += Tile) {
            painter.save();
            painter.translate(dx, dy);
            marks(painter);
            painter.restore();
        }
    }
}

void Blade(QPainter& painter, QPointF base, double height, double lean, const QColor& colour, double width) {
    QPainterPath path(base);
    path.quadTo(base + QPointF(lean * 0.3, -height * 0.6), base + QPointF(lean, -height));
    painter.strokePath(path, QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
}

QImage Grass() {
    QImage image = NoiseGround(QColor(52, 118, 38), QColor(112, 176, 62), 5, 11, 1.6);
    TRandom random(31);
    Wrapped(image, [seed = random](QPainter& painter) mutable {
        TRandom r = seed;
        for (int i = 0; i < 70; ++i) {
            const QPointF base(r.Range(0, Tile), r.Range(0, Tile));
            const bool light = r.Unit() < 0.5;
            Blade(painter, base, r.Range(3, 6), r.Range(-2, 2),
                  light ? QColor(140, 200, 80) : QColor(36, 92, 28), 0.9);
        }
    });
    return image;
}

QImage Plains() {
    QImage image = NoiseGround(QColor(168, 142, 62), QColor(212, 190, 104), 5, 12, 1.5);
    TRandom random(32);
    Wrapped(image, [seed = random](QPainter& painter) mutable {
        TRandom r = seed;
        for (int i = 0; i < 55; ++i) {
            const QPointF base(r.Range(0, Tile), r.Range(0, Tile));
            const double pick = r.Unit();
            const QColor colour = pick < 0.4   ? QColor(232, 214, 130)
                                  : pick < 0.8 ? QColor(140, 112, 44)
                                               : QColor(110, 140, 52);
            Blade(painter, base, r.Range(3, 5), r.Range(-2.5, 2.5), colour, 0.9);
        }
    });
    return image;
}

QImage Desert() {
    QImage image = NoiseGround(QColor(214, 178, 104), QColor(240, 216, 150), 4, 13, 1.2);
    Wrapped(image, [](QPainter& painter) {
        // Dune ripples: waves whose period divides the tile, so they join at the edges.
        for (int row = 0; row < 6; ++row) {
            QPainterPath ripple;
            const double y0 = 5 + row * Tile / 6.0;
            for (int x = 0; x <= Tile; ++x) {
                const double y = y0 + 2.6 * std::sin(2 * Pi * x / Tile * 2 + row * 1.3);
                if (x == 0)
                    ripple.moveTo(x, y);
                else
                    ripple.lineTo(x, y);
            }
            painter.strokePath(ripple, QPen(QColor(184, 140, 72), 1.4));
            painter.strokePath(ripple.translated(0, 1.5), QPen(QColor(250, 232, 178), 1.0));
        }
    });
    return image;
}

QImage Tundra() {
    QImage image = NoiseGround(QColor(112, 108, 84), QColor(160, 156, 126), 6, 14, 1.6);
    // Moss patches from a second noise.
    for (int y = 0; y < Tile; ++y) {
        for (int x = 0; x < Tile; ++x) {
            const double moss = TileFractal(x * 4 / double(Tile), y * 4 / double(Tile), 4, 77, 2);
            if (moss > 0.6)
                image.setPixel(x, y,
                               Mix(QColor(image.pixel(x, y)), QColor(96, 120, 70), (moss - 0.6) * 3).rgb());
        }
    }
    TRandom random(34);
    Wrapped(image, [seed = random](QPainter& painter) mutable {
        TRandom r = seed;
        for (int i = 0; i < 14; ++i) {
            const QPointF at(r.Range(0, Tile), r.Range(0, Tile));
            painter.setPen(Qt::NoPen);
            painter.setBrush(QColor(226, 230, 228));
            painter.drawEllipse(at, r.Range(0.8, 1.6), r.Range(0.6, 1.0));
        }
        for (int i = 0; i < 8; ++i) {
            const QPointF at(r.Range(0, Tile), r.Range(0, Tile));
            painter.setBrush(QColor(88, 82, 76));
            painter.drawEllipse(at, r.Range(1.0, 1.8), r.Range(0.8, 1.3));
        }
    });
    return image;
}

QImage Snow() {
    QImage image = NoiseGround(QColor(196, 212, 234), QColor(250, 252, 255), 4, 15, 1.4);
    TRandom random(35);
    Wrapped(image, [seed = random](QPainter& painter) mutable {
        TRandom r = seed;
        for (int i = 0; i < 5; ++i) {
            // Soft drift shadows.
            const QPointF at(r.Range(0, Tile), r.Range(0, Tile));
            QPainterPath drift;
            drift.moveTo(at);
            drift.cubicTo(at + QPointF(6, -3), at + QPointF(12, -3), at + QPointF(18, 0));
            painter.strokePath(drift, QPen(QColor(172, 192, 222), 1.3, Qt::SolidLine, Qt::RoundCap));
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::white);
        for (int i = 0; i < 12; ++i)
            painter.drawEllipse(QPointF(r.Range(0, Tile), r.Range(0, Tile)), 0.7, 0.7);
    });
    return image;
}

QImage Water(const QColor& dark, const QColor& light, const QColor& crest, std::uint32_t seed, int waves) {
    QImage image = NoiseGround(dark, light, 4, seed, 1.5);
    TRandom random(seed + 100);
    Wrapped(image, [seed = random, crest, waves](QPainter& painter) mutable {
        TRandom r = seed;
        for (int i = 0; i < waves; ++i) {
            const QPointF at(r.Range(0, Tile), r.Range(0, Tile));
            const double w = r.Range(4, 7);
            QPainterPath wave(at);
            wave.quadTo(at + QPointF(w / 2, -2.2), at + QPointF(w, 0));
            wave.quadTo(at + QPointF(w * 1.5, -2.2), at + QPointF(w * 2, 0));
            painter.strokePath(wave, QPen(crest, 1.1, Qt::SolidLine, Qt::RoundCap));
        }
    });
    return image;
}

QImage Fallout() {
    QImage image = NoiseGround(QColor(62, 66, 40), QColor(118, 118, 70), 5, 16, 1.8);
    TRandom random(36);
    Wrapped(image, [seed = random](QPainter& painter) mutable {
        TRandom r = seed;
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 9; ++i) {
            const QPointF at(r.Range(0, Tile), r.Range(0, Tile));
            painter.setBrush(QColor(44, 46, 30));
            painter.drawEllipse(at, r.Range(2, 4), r.Range(1.5, 3));
        }
        for (int i = 0; i < 16; ++i) {
            const QPointF at(r.Range(0, Tile), r.Range(0, Tile));
            painter.setBrush(QColor(196, 226, 60));
            painter.drawEllipse(at, 0.9, 0.9);
        }
    });
    // A faded radiation sign in the middle.
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    const QPointF centre(Tile / 2.0, Tile / 2.0);
    painter.setBrush(QColor(200, 190, 60));
    painter.drawEllipse(centre, 13, 13);
    painter.setBrush(QColor(48, 46, 30));
    for (int i = 0; i < 3; ++i) {
        QPainterPath blade;
        const double start = 90 + 120 * i - 30;
        blade.moveTo(centre);
        blade.arcTo(QRectF(centre.x() - 11, centre.y() - 11, 22, 22), start, 60);
        blade.closeSubpath();
        painter.drawPath(blade);
    }
    painter.setBrush(QColor(200, 190, 60));
    painter.drawEllipse(centre, 3.6, 3.6);
    painter.setBrush(QColor(48, 46, 30));
    painter.drawEllipse(centre, 2.2, 2.2);
    painter.end();
    return image;
}

// Features and reliefs are drawn in a 0..100 square and put on magenta.

void LeafyTree(TCanvas& c, double x, double base, double size) {
    const QColor trunk(104, 66, 32), outline(26, 60, 20);
    c.FillOutlined(Rect(x - size * 0.09, base - size * 0.45, size * 0.18, size * 0.45), trunk,
                   QColor(60, 36, 16), 1.5);
    const double cy = base - size * 0.7;
    QPainterPath crown = Circle(x, cy, size * 0.38);
    crown = crown.united(Circle(x - size * 0.27, cy + size * 0.12, size * 0.26));
    crown = crown.united(Circle(x + size * 0.27, cy + size * 0.12, size * 0.26));
    crown = crown.united(Circle(x, cy - size * 0.22, size * 0.28));
    QRadialGradient shade(QPointF(x - size * 0.15, cy - size * 0.2), size * 0.6);
    shade.setColorAt(0, QColor(120, 196, 70));
    shade.setColorAt(1, QColor(44, 118, 36));
    c.FillOutlined(crown, shade, outline, 1.8);
}

void Fir(TCanvas& c, double x, double base, double size, bool snowy) {
    const QColor needles = snowy ? QColor(36, 92, 70) : QColor(30, 104, 48);
    const QColor outline = snowy ? QColor(16, 46, 36) : QColor(12, 52, 24);
    c.FillOutlined(Rect(x - size * 0.06, base - size * 0.22, size * 0.12, size * 0.22), QColor(96, 60, 30),
                   QColor(56, 34, 14), 1.2);
    for (int tier = 0; tier < 3; ++tier) {
        const double bottom = base - size * (0.18 + 0.22 * tier);
        const double half = size * (0.34 - 0.08 * tier);
        const double top = bottom - size * 0.42;
        QPainterPath layer = Polygon({{x - half, bottom}, {x, top}, {x + half, bottom}});
        c.FillOutlined(layer, needles, outline, 1.4);
        if (snowy) {
            QPainterPath cap = Polygon({{x - half * 0.55, top + (bottom - top) * 0.55},
                                        {x, top},
                                        {x + half * 0.55, top + (bottom - top) * 0.55},
                                        {x + half * 0.2, top + (bottom - top) * 0.45},
                                        {x - half * 0.1, top + (bottom - top) * 0.6}});
            c.Fill(cap, QColor(246, 250, 255));
            c.Line({x - half + 2, bottom - 1}, {x + half - 2, bottom - 1}, QColor(240, 246, 255), 2.2);
        }
    }
}

QImage Forest0() {
    TCanvas c(Tile, Tile);
    LeafyTree(c, 28, 62, 40);
    LeafyTree(c, 72, 58, 40);
    LeafyTree(c, 50, 92, 46);
    return OnMask(c.Finish(), Magenta);
}

QImage ConiferForest(bool snowy) {
    TCanvas c(Tile, Tile);
    Fir(c, 26, 58, 48, snowy);
    Fir(c, 74, 54, 48, snowy);
    Fir(c, 50, 76, 52, snowy);
    Fir(c, 20, 95, 44, snowy);
    Fir(c, 80, 95, 44, snowy);
    return OnMask(c.Finish(), Magenta);
}

void PalmFrond(TCanvas& c, QPointF from, double angle, double length, const QColor& colour) {
    const double radians = angle * Pi / 180.0;
    const QPointF tip = from + QPointF(std::cos(radians) * length, std::sin(radians) * length);
    const QPointF normal(-std::sin(radians), std::cos(radians));
    const QPointF middle = (from + tip) / 2.0;
    QPainterPath leaf(from);
    leaf.quadTo(middle + normal * length * 0.28, tip);
    leaf.quadTo(middle - normal * length * 0.08 + QPointF(0, length * 0.1), from);
    c.FillOutlined(leaf, colour, QColor(10, 60, 20), 1.2);
    c.Line(from, tip, Shade(colour, 0.7), 0.8);
}

// A broad pointed leaf from its stalk end, with a midrib.
void BroadLeaf(TCanvas& c, QPointF from, double angle, double length, const QColor& colour) {
    const double radians = angle * Pi / 180.0;
    const QPointF axis(std::cos(radians), std::sin(radians));
    const QPointF normal(-axis.y(), axis.x());
    const QPointF tip = from + axis * length;
    QPainterPath leaf(from);
    leaf.cubicTo(from + axis * length * 0.2 + normal * length * 0.45,
                 tip - axis * length * 0.3 + normal * length * 0.3, tip);
    leaf.cubicTo(tip - axis * length * 0.3 - normal * length * 0.3,
                 from + axis * length * 0.2 - normal * length * 0.45, from);
    c.FillOutlined(leaf, colour, Shade(colour, 0.45), 1.2);
    c.Line(from, tip - axis * length * 0.15, Shade(colour, 0.7), 1.0);
}

QImage Jungle() {
    TCanvas c(Tile, Tile);
    // A dense mass of broad leaves, darker at the back, with palms and vines above it.
    for (double x : {30.0, 70.0}) {
        QPainterPath trunk(QPointF(x, 90));
        trunk.quadTo(QPointF(x + 6, 50), QPointF(x - 2, 20));
        c.Stroke(trunk, QColor(60, 40, 18), 5.0);
        c.Stroke(trunk, QColor(110, 78, 40), 3.0);
        for (double angle : {190.0, 230.0, 270.0, 310.0, 350.0, 150.0})
            PalmFrond(c, QPointF(x - 2, 20), angle, 24, QColor(38, 132, 46));
    }
    QPainterPath mass;
    for (QPointF at : {QPointF(20, 70), QPointF(40, 60), QPointF(60, 62), QPointF(80, 70), QPointF(50, 80),
                       QPointF(26, 86), QPointF(74, 86)})
        mass = mass.united(Circle(at.x(), at.y(), 16));
    c.FillOutlined(mass, QColor(16, 70, 30), QColor(8, 40, 16), 1.6);
    TRandom r(61);
    const QColor layers[] = {QColor(24, 100, 40), QColor(40, 140, 50), QColor(84, 182, 60)};
    for (int layer = 0; layer < 3; ++layer) {
        for (int i = 0; i < 8; ++i) {
            const QPointF from(r.Range(16, 84), r.Range(62 + layer * 6, 92));
            BroadLeaf(c, from, r.Range(200, 340), r.Range(16, 24) - layer * 2, layers[layer]);
        }
    }
    QPainterPath vine(QPointF(28, 22));
    vine.cubicTo(QPointF(40, 40), QPointF(56, 30), QPointF(68, 22));
    c.Stroke(vine, QColor(40, 110, 40), 1.6);
    c.Fill(Circle(58, 74, 3.5), QColor(220, 40, 70)); // flowers
    c.Fill(Circle(28, 80, 3.0), QColor(250, 180, 30));
    return OnMask(c.Finish(), Magenta);
}

QImage Ice() {
    TCanvas c(Tile, Tile);
    const QColor top(226, 244, 252), side(150, 200, 230), edge(70, 130, 180);
    // Slabs: a bright top face over a darker side face.
    auto floe = [&](QPainterPath topFace, double thickness) {
        c.FillOutlined(topFace.translated(0, thickness), side, edge, 1.6);
        c.FillOutlined(topFace, top, edge, 1.6);
    };
    floe(Polygon({{10, 30}, {38, 20}, {56, 30}, {48, 46}, {18, 48}}), 7);
    floe(Polygon({{58, 22}, {88, 16}, {94, 38}, {70, 46}}), 7);
    floe(Polygon({{8, 62}, {40, 54}, {62, 64}, {52, 86}, {16, 84}}), 8);
    floe(Polygon({{66, 56}, {92, 54}, {94, 80}, {70, 84}}), 8);
    c.Line({24, 30}, {34, 40}, QColor(170, 214, 238), 1.2);
    c.Line({26, 66}, {40, 76}, QColor(170, 214, 238), 1.2);
    c.Line({76, 24}, {84, 34}, QColor(170, 214, 238), 1.2);
    return OnMask(c.Finish(), Magenta);
}

void Cattail(TCanvas& c, double x, double base, double height) {
    c.Line({x, base}, {x, base - height}, QColor(70, 120, 40), 1.6);
    c.FillOutlined(RoundRect(x - 2.2, base - height - 2, 4.4, 11, 2.2), QColor(120, 70, 30),
                   QColor(70, 40, 14), 0.8);
    c.Line({x, base - height - 2}, {x, base - height - 6}, QColor(70, 120, 40), 1.0);
}

QImage FloodPlains() {
    TCanvas c(Tile, Tile);
    // A patch of lush wet ground, shaped like a bend of a river bank, crossed by water and reeds.
    QPainterPath ground;
    for (QPointF at : {QPointF(20, 70), QPointF(40, 64), QPointF(62, 66), QPointF(80, 72), QPointF(30, 82),
                       QPointF(58, 82), QPointF(78, 84)})
        ground = ground.united(Ellipse(at.x(), at.y(), 18, 12));
    c.FillOutlined(ground, Vertical(52, 96, QColor(120, 180, 64), QColor(76, 134, 40)), QColor(44, 84, 24),
                   1.6);
    QPainter& p = c.Painter();
    p.save();
    p.setClipPath(ground);
    for (int i = 0; i < 2; ++i) {
        QPainterPath channel;
        const double y = 66 + i * 14;
        channel.moveTo(0, y);
        channel.cubicTo(30, y - 6, 56, y + 6, 100, y - 2);
        c.Stroke(channel, QColor(56, 130, 206), 5.0);
        c.Stroke(channel.translated(0, -1), QColor(150, 204, 240), 1.2);
    }
    p.restore();
    Cattail(c, 16, 68, 30);
    Cattail(c, 26, 62, 36);
    Cattail(c, 70, 62, 36);
    Cattail(c, 82, 68, 30);
    for (double x : {12.0, 22.0, 36.0, 48.0, 60.0, 76.0, 88.0})
        c.Line({x, 80}, {x - 3, 62}, QColor(150, 200, 80), 1.4);
    return OnMask(c.Finish(), Magenta);
}

void Palm(TCanvas& c, double x, double base, double lean, double height) {
    QPainterPath trunk(QPointF(x, base));
    trunk.quadTo(QPointF(x + lean * 0.2, base - height * 0.6), QPointF(x + lean, base - height));
    c.Stroke(trunk, QColor(66, 40, 18), 5.4);
    c.Stroke(trunk, QColor(132, 88, 44), 3.6);
    const QPointF crown(x + lean, base - height);
    for (double angle : {180.0, 215.0, 255.0, 290.0, 325.0, 0.0, 150.0})
        PalmFrond(c, crown, angle, 20, QColor(46, 150, 54));
    c.Fill(Circle(crown.x(), crown.y() + 2, 2.6), QColor(110, 70, 30));
}

QImage Oasis() {
    TCanvas c(Tile, Tile);
    c.FillOutlined(Ellipse(50, 76, 44, 18), QColor(226, 198, 128), QColor(168, 134, 70), 1.6);
    c.FillOutlined(Ellipse(50, 78, 32, 11), QColor(52, 140, 210), QColor(28, 84, 150), 1.4);
    c.Line({36, 76}, {48, 76}, QColor(170, 220, 250), 1.3);
    c.Line({56, 82}, {64, 82}, QColor(170, 220, 250), 1.3);
    Palm(c, 26, 76, -6, 50);
    Palm(c, 72, 74, 8, 56);
    return OnMask(c.Finish(), Magenta);
}

void Peak(TCanvas& c, double left, double right, double topX, double topY, double base) {
    const QColor lit(176, 170, 164), dark(98, 92, 90), outline(54, 50, 50);
    QPainterPath whole = Polygon({{left, base}, {topX, topY}, {right, base}});
    c.Fill(whole, lit);
    c.Fill(Polygon({{topX, topY}, {right, base}, {topX + (right - topX) * 0.1, base}}), dark);
    // Snow cap with a ragged lower edge.
    const double h = base - topY;
    const double lx = topX - (topX - left) * 0.3, rx = topX + (right - topX) * 0.3, capY = topY + h * 0.3;
    c.Fill(Polygon({{topX, topY},
                    {rx, capY},
                    {topX + (rx - topX) * 0.5, capY - h * 0.06},
                    {topX, capY + h * 0.04},
                    {topX - (topX - lx) * 0.5, capY - h * 0.08},
                    {lx, capY}}),
           QColor(248, 250, 255));
    c.Stroke(whole, outline, 1.8);
}

QImage Mountain() {
    TCanvas c(Tile, Tile);
    Peak(c, 40, 98, 72, 16, 94);
    Peak(c, 2, 80, 38, 6, 96);
    return OnMask(c.Finish(), Magenta);
}

void Hill(TCanvas& c, double cx, double base, double rx, double ry) {
    QPainterPath hump(QPointF(cx - rx, base));
    hump.cubicTo(QPointF(cx - rx * 0.6, base - ry * 1.3), QPointF(cx + rx * 0.6, base - ry * 1.3),
                 QPointF(cx + rx, base));
    hump.closeSubpath();
    QLinearGradient shade(QPointF(cx - rx * 0.5, base - ry), QPointF(cx + rx * 0.6, base));
    shade.setColorAt(0, QColor(172, 186, 92));
    shade.setColorAt(1, QColor(92, 112, 46));
    c.FillOutlined(hump, shade, QColor(56, 70, 26), 1.8);
    c.Line({cx - rx * 0.4, base - ry * 0.55}, {cx - rx * 0.15, base - ry * 0.75}, QColor(200, 210, 120), 1.6);
}

QImage Hills() {
    TCanvas c(Tile, Tile);
    Hill(c, 64, 80, 34, 40);
    Hill(c, 32, 90, 32, 44);
    Hill(c, 72, 96, 26, 24);
    return OnMask(c.Finish(), Magenta);
}

} // namespace

QImage DrawTerrainStrip() {
    std::vector<QImage> tiles = {
        WithUniqueCorner(Fallout()),
        WithUniqueCorner(Desert()),
        WithUniqueCorner(Plains()),
        WithUniqueCorner(Grass()),
        WithUniqueCorner(Tundra()),
        WithUniqueCorner(Snow()),
        WithUniqueCorner(Water(QColor(46, 148, 176), QColor(96, 196, 210), QColor(178, 232, 236), 17, 10)),
        WithUniqueCorner(Water(QColor(14, 42, 110), QColor(38, 84, 160), QColor(90, 136, 204), 18, 12)),
        Forest0(),
        ConiferForest(false),
        ConiferForest(true),
        Jungle(),
        Ice(),
        FloodPlains(),
        Oasis(),
        Mountain(),
        Hills(),
    };
    return JoinStrip(tiles);
}
