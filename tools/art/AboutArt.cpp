// The about box's five pictures and its four lines of text.

#include "Art.h"
#include "ArtKit.h"

#include <cmath>

namespace {

constexpr double Pi = 3.14159265358979323846;

// Pictures are drawn in pixels of their own size on an opaque background.
class TPicture {
public:
    TPicture(int width, int height, const QBrush& background) : canvas(width, height, 0) {
        canvas.Fill(Rect(0, 0, width, height), background);
    }
    TCanvas& Canvas() { return canvas; }
    QImage Finish() { return canvas.Finish().convertToFormat(QImage::Format_RGB32); }

private:
    TCanvas canvas;
};

QPointF IsoPoint(double col, double row, QPointF origin, double size) {
    return origin + QPointF((col - row) * size, (col + row) * size * 0.5);
}

QImage ProgramIcon() {
    TPicture picture(112, 128, Vertical(0, 128, QColor(24, 40, 90), QColor(10, 16, 40)));
    TCanvas& c = picture.Canvas();
    // A diamond of map tiles, the editor's subject, seen at an angle.
    const QColor terrain[] = {QColor(30, 80, 180),  QColor(60, 160, 60),   QColor(220, 196, 110),
                              QColor(110, 150, 60), QColor(240, 244, 250), QColor(140, 130, 120)};
    const int layout[5][5] = {
        {0, 0, 1, 1, 0}, {0, 1, 3, 2, 1}, {1, 3, 5, 2, 0}, {0, 1, 3, 4, 0}, {0, 0, 1, 0, 0}};
    const QPointF origin(56, 26);
    const double size = 10;
    for (int row = 0; row < 5; ++row) {
        for (int col = 0; col < 5; ++col) {
            const QColor colour = terrain[layout[row][col]];
            const QPainterPath top =
                Polygon({IsoPoint(col, row, origin, size), IsoPoint(col + 1, row, origin, size),
                         IsoPoint(col + 1, row + 1, origin, size), IsoPoint(col, row + 1, origin, size)});
            c.FillOutlined(top, colour, Shade(colour, 0.55), 1.0);
        }
    }
    // The slab's two visible sides.
    const QPointF left = IsoPoint(0, 5, origin, size), bottom = IsoPoint(5, 5, origin, size),
                  right = IsoPoint(5, 0, origin, size);
    c.FillOutlined(Polygon({left, bottom, bottom + QPointF(0, 10), left + QPointF(0, 10)}),
                   QColor(120, 84, 50), QColor(60, 40, 20), 1.0);
    c.FillOutlined(Polygon({bottom, right, right + QPointF(0, 10), bottom + QPointF(0, 10)}),
                   QColor(90, 60, 34), QColor(60, 40, 20), 1.0);
    // A pencil about to draw on it.
    QPainter& p = c.Painter();
    p.save();
    p.translate(80, 40);
    p.rotate(40);
    c.FillOutlined(Rect(-4, -34, 8, 34), QColor(250, 200, 40), QColor(110, 80, 10), 1.0);
    c.FillOutlined(Polygon({{-4, 0}, {4, 0}, {0, 9}}), QColor(240, 210, 170), QColor(110, 80, 10), 1.0);
    c.Fill(Polygon({{-1.3, 6}, {1.3, 6}, {0, 9}}), QColor(40, 40, 40));
    c.FillOutlined(Rect(-4, -40, 8, 6), QColor(240, 130, 150), QColor(110, 60, 60), 1.0);
    p.restore();
    // A row of tiles as a signature below.
    for (int i = 0; i < 5; ++i)
        c.FillOutlined(Rect(21 + i * 14, 104, 12, 12), terrain[i], Shade(terrain[i], 0.5), 1.0);
    return picture.Finish();
}

QImage Game() {
    TPicture picture(128, 128, Vertical(0, 90, QColor(250, 150, 60), QColor(255, 230, 160)));
    TCanvas& c = picture.Canvas();
    // A sunrise over a pyramid by a river: the game's long story of building.
    c.Fill(Circle(92, 54, 18), QColor(255, 244, 190));
    c.Fill(Polygon({{0, 84}, {40, 74}, {80, 80}, {128, 72}, {128, 128}, {0, 128}}), QColor(214, 178, 100));
    c.FillOutlined(Polygon({{18, 86}, {52, 34}, {86, 86}}), QColor(232, 196, 120), QColor(120, 90, 40), 1.2);
    c.Fill(Polygon({{52, 34}, {86, 86}, {60, 86}}), QColor(186, 146, 80));
    for (int i = 1; i < 5; ++i) {
        const double y = 34 + i * 10.4;
        const double half = (y - 34) * 34 / 52;
        c.Line({52 - half, y}, {52 + half, y}, QColor(160, 124, 70), 0.8);
    }
    QPainterPath river(QPointF(0, 112));
    river.cubicTo(QPointF(40, 96), QPointF(80, 126), QPointF(128, 100));
    c.Stroke(river, QColor(40, 110, 190), 10);
    c.Stroke(river, QColor(110, 170, 230), 3);
    // A palm on the bank.
    QPainterPath trunk(QPointF(104, 96));
    trunk.quadTo(QPointF(108, 80), QPointF(102, 66));
    c.Stroke(trunk, QColor(110, 70, 30), 3.4);
    for (double angle : {180.0, 220.0, 260.0, 300.0, 340.0, 20.0}) {
        const double a = angle * Pi / 180;
        QPainterPath frond(QPointF(102, 66));
        frond.quadTo(QPointF(102 + std::cos(a) * 8, 66 + std::sin(a) * 8 - 4),
                     QPointF(102 + std::cos(a) * 15, 66 + std::sin(a) * 15 + 3));
        c.Stroke(frond, QColor(40, 130, 50), 3.0);
    }
    return picture.Finish();
}

void Bubble(TCanvas& c, QRectF box, QPointF tail, const QColor& fill, const QColor& outline) {
    QPainterPath shape;
    shape.addRoundedRect(box, 12, 12);
    const QPointF base = box.center() + QPointF(0, box.height() / 2 - 2);
    shape = shape.united(Polygon({base + QPointF(-8, 0), base + QPointF(8, 0), tail}));
    c.FillOutlined(shape, fill, outline, 2.0);
    for (int i = 0; i < 3; ++i) {
        const double y = box.top() + box.height() * (0.3 + i * 0.2);
        const double shorten = i == 2 ? box.width() * 0.3 : 0;
        c.Line({box.left() + 10, y}, {box.right() - 10 - shorten, y}, Shade(outline, 1.3), 3.0);
    }
}

QImage Talk() {
    TPicture picture(120, 128, Vertical(0, 128, QColor(40, 150, 150), QColor(16, 70, 80)));
    TCanvas& c = picture.Canvas();
    Bubble(c, QRectF(8, 14, 76, 46), QPointF(22, 76), QColor(255, 255, 255), QColor(40, 60, 70));
    Bubble(c, QRectF(36, 62, 76, 42), QPointF(96, 120), QColor(255, 230, 120), QColor(110, 80, 10));
    return picture.Finish();
}

QPainterPath Gear(QPointF centre, double outer, double inner, int teeth) {
    QPainterPath gear;
    for (int i = 0; i < teeth * 4; ++i) {
        const double a = i * 2 * Pi / (teeth * 4);
        const double r = (i % 4 == 0 || i % 4 == 1) ? outer : inner;
        const QPointF p = centre + QPointF(std::cos(a) * r, std::sin(a) * r);
        if (i == 0)
            gear.moveTo(p);
        else
            gear.lineTo(p);
    }
    gear.closeSubpath();
    return gear.subtracted(Circle(centre.x(), centre.y(), inner * 0.4));
}

QImage WhatIsIt() {
    TPicture picture(120, 128, Vertical(0, 128, QColor(120, 110, 100), QColor(60, 54, 50)));
    TCanvas& c = picture.Canvas();
    // Workshop tools over a gear: the program was built by hand.
    c.FillOutlined(Gear({60, 64}, 42, 34, 10),
                   Vertical(20, 108, QColor(200, 204, 214), QColor(120, 124, 136)), QColor(50, 50, 60), 2.0);
    QPainter& p = c.Painter();
    p.save();
    p.translate(60, 64);
    p.rotate(45);
    c.FillOutlined(RoundRect(-5, -8, 10, 56, 4), QColor(150, 90, 40), QColor(70, 40, 10),
                   1.6); // hammer handle
    c.FillOutlined(RoundRect(-20, -22, 40, 16, 3), QColor(90, 94, 104), QColor(30, 30, 40), 1.6);
    p.rotate(-90);
    QPainterPath wrench = RoundRect(-4.5, -44, 9, 80, 4);
    wrench = wrench.united(Circle(0, -44, 12));
    wrench = wrench.subtracted(Rect(-5, -60, 10, 18));
    c.FillOutlined(wrench, Vertical(-56, 36, QColor(230, 232, 238), QColor(150, 154, 166)),
                   QColor(40, 40, 50), 1.6);
    p.restore();
    return picture.Finish();
}

QImage VersionTwo() {
    TPicture picture(128, 128, Vertical(0, 128, QColor(110, 60, 160), QColor(40, 20, 70)));
    TCanvas& c = picture.Canvas();
    // A circling arrow of renewal around a large two.
    QPainterPath ring;
    ring.arcMoveTo(QRectF(14, 14, 100, 100), 100);
    ring.arcTo(QRectF(14, 14, 100, 100), 100, 300);
    c.Stroke(ring, QColor(250, 200, 60), 8, Qt::FlatCap);
    const double end = (100 + 300) * Pi / 180;
    const QPointF tip(64 + std::cos(end) * 50, 64 - std::sin(end) * 50);
    c.Fill(Polygon({tip + QPointF(-12, -8), tip + QPointF(12, -8), tip + QPointF(2, 12)}),
           QColor(250, 200, 60));
    QPainterPath two(QPointF(44, 50));
    two.cubicTo(QPointF(44, 26), QPointF(86, 26), QPointF(84, 50));
    two.cubicTo(QPointF(82, 66), QPointF(58, 76), QPointF(44, 90));
    two.lineTo(86, 90);
    c.Stroke(two, QColor(30, 10, 50), 16, Qt::SquareCap);
    c.Stroke(two, QColor(255, 255, 255), 11, Qt::SquareCap);
    return picture.Finish();
}

} // namespace

QImage DrawAboutPicture(const QString& name) {
    if (name == QLatin1String("PROGRAMICON"))
        return ProgramIcon();
    if (name == QLatin1String("IMAGEGAME"))
        return Game();
    if (name == QLatin1String("IMAGETALK"))
        return Talk();
    if (name == QLatin1String("IMAGEWHATISIT"))
        return WhatIsIt();
    if (name == QLatin1String("IMAGEV2"))
        return VersionTwo();
    return {};
}

QByteArray AboutText() {
    const char* const lines[] = {
        "Civilization IV is a game that never quite lets go: one more turn, one more map. Our warm thanks "
        "go to the people who made it and to the players who keep building worlds for it.",
        "Tessel is free to use, to copy and to pass on, but not to sell. It comes without any warranty: "
        "keep a copy of a map before you change it.",
        "Tessel grew piece by piece in spare hours, each part added when a map needed it. Some functions "
        "are still awkward to use, and we are sorry for that.",
        "This second version is almost a complete rework of the first: nearly every part was rewritten, "
        "from reading the map files to drawing the map.",
    };
    QByteArray text;
    for (const char* line : lines) {
        text.append(line);
        text.append("\r\n");
    }
    return text;
}
