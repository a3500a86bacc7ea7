// The bonus strip: the 36 resources in the order of the main window's bonus names, each on magenta
// except dye, whose purple would clash with it and which sits on green.

#include "Art.h"
#include "ArtKit.h"

#include <cmath>
#include <functional>

namespace {

constexpr int Tile = 55;
constexpr double Pi = 3.14159265358979323846;
const QColor Ink(40, 30, 24);

QPointF Polar(QPointF centre, double radius, double degrees) {
    const double a = degrees * Pi / 180.0;
    return centre + QPointF(std::cos(a) * radius, std::sin(a) * radius);
}

// A metal bar seen from above and in front: a trapezoid front face and a lighter top.
void Ingot(TCanvas& c, double x, double y, double w, double h, const QColor& metal) {
    const double inset = w * 0.14;
    QPainterPath front =
        Polygon({{x, y + h}, {x + w, y + h}, {x + w - inset, y + h * 0.35}, {x + inset, y + h * 0.35}});
    QPainterPath top = Polygon({{x + inset, y + h * 0.35},
                                {x + w - inset, y + h * 0.35},
                                {x + w - inset * 1.6, y},
                                {x + inset * 1.6, y}});
    c.FillOutlined(front, Vertical(y, y + h, metal, Shade(metal, 0.62)), Shade(metal, 0.35), 1.6);
    c.FillOutlined(top, Shade(metal, 1.35), Shade(metal, 0.35), 1.6);
    c.Line({x + inset * 1.8, y + h * 0.55}, {x + w * 0.45, y + h * 0.55}, Shade(metal, 1.5), 1.4);
}

// An irregular lump: a circle with its radius varied around the edge.
QPainterPath Lump(QPointF centre, double radius, std::uint32_t seed, double roughness = 0.25) {
    TRandom r(seed);
    QPainterPath path;
    const int corners = 9;
    for (int i = 0; i < corners; ++i) {
        const QPointF p =
            Polar(centre, radius * (1.0 - roughness + r.Unit() * roughness * 2), i * 360.0 / corners);
        if (i == 0)
            path.moveTo(p);
        else
            path.lineTo(p);
    }
    path.closeSubpath();
    return path;
}

void OreLump(TCanvas& c, QPointF at, double radius, std::uint32_t seed, const QColor& stone) {
    const QPainterPath lump = Lump(at, radius, seed);
    c.FillOutlined(lump,
                   Shine(at + QPointF(-radius * 0.4, -radius * 0.4), radius * 1.6, Shade(stone, 1.35),
                         Shade(stone, 0.7)),
                   Shade(stone, 0.4), 1.6);
}

QImage Aluminum() {
    TCanvas c(Tile, Tile);
    // Reddish bauxite under two bright ingots.
    OreLump(c, {26, 76}, 16, 3, QColor(176, 92, 60));
    OreLump(c, {74, 80}, 14, 4, QColor(160, 80, 52));
    Ingot(c, 14, 46, 54, 24, QColor(206, 214, 226));
    Ingot(c, 36, 22, 52, 24, QColor(214, 222, 234));
    return OnMask(c.Finish(), Magenta);
}

void Banana(TCanvas& c, double rotate) {
    QPainter& p = c.Painter();
    p.save();
    p.translate(50, 58);
    p.rotate(rotate);
    QPainterPath fruit(QPointF(-34, -6));
    fruit.cubicTo(QPointF(-24, 26), QPointF(22, 26), QPointF(34, -8));
    fruit.cubicTo(QPointF(20, 12), QPointF(-18, 12), QPointF(-34, -6));
    c.FillOutlined(fruit, Vertical(-6, 20, QColor(255, 230, 70), QColor(220, 170, 20)), QColor(120, 84, 10),
                   1.8);
    c.Line({-33, -6}, {-36, -9}, QColor(90, 60, 20), 3.0);
    c.Line({33, -8}, {35, -14}, QColor(60, 110, 30), 3.4);
    p.restore();
}

QImage BananaBunch() {
    TCanvas c(Tile, Tile);
    Banana(c, -28);
    Banana(c, -8);
    Banana(c, 14);
    c.FillOutlined(RoundRect(74, 14, 10, 18, 3), QColor(80, 130, 40), QColor(40, 70, 20), 1.4);
    return OnMask(c.Finish(), Magenta);
}

QImage Clam() {
    TCanvas c(Tile, Tile);
    // A scallop shell: a fan of ribs over a small hinge.
    const QPointF hinge(50, 84);
    QPainterPath shell(hinge);
    for (int i = 0; i <= 10; ++i) {
        const double angle = 200 + i * 14;
        const QPointF outer = Polar(hinge, 62, angle);
        if (i == 0)
            shell.lineTo(outer);
        else
            shell.quadTo(Polar(hinge, 70, angle - 7), outer);
    }
    shell.closeSubpath();
    c.FillOutlined(shell, Shine({50, 40}, 60, QColor(255, 236, 214), QColor(226, 150, 120)),
                   QColor(130, 70, 50), 1.8);
    for (int i = 1; i < 10; ++i)
        c.Line(Polar(hinge, 8, 200 + i * 14), Polar(hinge, 60, 200 + i * 14), QColor(196, 120, 96), 1.4);
    c.FillOutlined(Polygon({{38, 84}, {62, 84}, {58, 94}, {42, 94}}), QColor(236, 180, 150),
                   QColor(130, 70, 50), 1.6);
    c.FillOutlined(Circle(50, 62, 7), Shine({47, 59}, 8, Qt::white, QColor(200, 200, 220)),
                   QColor(120, 110, 130), 1.2);
    return OnMask(c.Finish(), Magenta);
}

QImage Coal() {
    TCanvas c(Tile, Tile);
    const QPointF lumps[] = {{28, 76}, {72, 76}, {50, 80}, {38, 54}, {64, 54}, {52, 32}};
    std::uint32_t seed = 20;
    for (const QPointF& at : lumps) {
        const QPainterPath lump = Lump(at, 17, ++seed, 0.3);
        c.FillOutlined(lump, Shine(at + QPointF(-6, -7), 24, QColor(120, 124, 140), QColor(18, 18, 22)),
                       QColor(8, 8, 10), 1.8);
        c.Line(at + QPointF(-7, -6), at + QPointF(-2, -9), QColor(190, 200, 220), 1.6);
    }
    return OnMask(c.Finish(), Magenta);
}

QImage Copper() {
    TCanvas c(Tile, Tile);
    const QPointF lumps[] = {{30, 74}, {70, 74}, {50, 50}};
    std::uint32_t seed = 40;
    for (const QPointF& at : lumps) {
        const QPainterPath lump = Lump(at, 21, ++seed, 0.22);
        c.FillOutlined(lump, Shine(at + QPointF(-7, -8), 30, QColor(250, 170, 100), QColor(150, 70, 24)),
                       QColor(90, 40, 12), 1.8);
        // Green patina.
        c.Fill(Circle(at.x() + 8, at.y() + 6, 3.4), QColor(60, 170, 140));
        c.Fill(Circle(at.x() - 6, at.y() + 9, 2.4), QColor(60, 170, 140));
        c.Line(at + QPointF(-9, -8), at + QPointF(-3, -12), QColor(255, 214, 170), 1.8);
    }
    return OnMask(c.Finish(), Magenta);
}

QImage Corn() {
    TCanvas c(Tile, Tile);
    QPainter& p = c.Painter();
    p.save();
    p.translate(50, 50);
    p.rotate(25);
    const QPainterPath cob = Ellipse(0, -8, 15, 36);
    c.FillOutlined(cob, QColor(246, 200, 40), QColor(150, 100, 10), 1.8);
    p.save();
    p.setClipPath(cob);
    for (int row = -12; row <= 12; ++row) {
        for (int col = -3; col <= 3; ++col) {
            const double x = col * 5.2 + (row % 2 == 0 ? 0 : 2.6), y = -8 + row * 4.0;
            c.FillOutlined(Ellipse(x, y, 2.3, 1.8), QColor(255, 226, 90), QColor(200, 140, 20), 0.7);
        }
    }
    p.restore();
    // Husks wrap the lower half.
    QPainterPath left(QPointF(0, 44));
    left.cubicTo(QPointF(-26, 20), QPointF(-22, -4), QPointF(-10, -20));
    left.cubicTo(QPointF(-10, 4), QPointF(-6, 24), QPointF(0, 44));
    QPainterPath right(QPointF(0, 44));
    right.cubicTo(QPointF(26, 20), QPointF(22, 0), QPointF(12, -14));
    right.cubicTo(QPointF(10, 8), QPointF(6, 26), QPointF(0, 44));
    c.FillOutlined(left, QColor(100, 170, 50), QColor(40, 80, 20), 1.6);
    c.FillOutlined(right, QColor(80, 150, 40), QColor(40, 80, 20), 1.6);
    c.Line({0, 44}, {0, 50}, QColor(90, 120, 40), 3.0);
    p.restore();
    return OnMask(c.Finish(), Magenta);
}

// A four-legged animal seen from the side, facing right; the details come from the caller.
struct TBeast {
    QColor body, belly, outline, legs, hooves;
};

void Legs(TCanvas& c, const TBeast& b, std::initializer_list<double> xs, double top, double bottom,
          double width) {
    for (double x : xs) {
        c.FillOutlined(Rect(x - width / 2, top, width, bottom - top), b.legs, b.outline, 1.4);
        c.Fill(Rect(x - width / 2, bottom - 4, width, 4), b.hooves);
    }
}

QImage Cow() {
    TCanvas c(Tile, Tile);
    const TBeast b{QColor(250, 250, 246), QColor(250, 250, 246), QColor(40, 36, 34), QColor(246, 246, 240),
                   QColor(50, 40, 36)};
    Legs(c, b, {24, 34, 62, 72}, 56, 88, 7);
    QPainterPath tail(QPointF(13, 46));
    tail.quadTo(QPointF(6, 58), QPointF(8, 72));
    c.Stroke(tail, b.outline, 1.8);
    c.Fill(Circle(8, 73, 2.6), b.outline);
    const QPainterPath body = RoundRect(12, 34, 66, 32, 14);
    c.FillOutlined(body, b.body, b.outline, 1.8);
    c.Painter().save();
    c.Painter().setClipPath(body);
    c.Fill(Lump({30, 42}, 10, 7, 0.3), QColor(30, 28, 28));
    c.Fill(Lump({58, 56}, 9, 8, 0.3), QColor(30, 28, 28));
    c.Fill(Lump({70, 36}, 6, 9, 0.3), QColor(30, 28, 28));
    c.Painter().restore();
    c.FillOutlined(Ellipse(54, 67, 7, 4), QColor(250, 180, 190), b.outline, 1.2); // udder
    // Head with horns and a pink muzzle.
    c.FillOutlined(Polygon({{86, 20}, {90, 14}, {92, 22}}), QColor(240, 230, 200), b.outline, 1.2);
    c.FillOutlined(Polygon({{74, 22}, {70, 14}, {78, 18}}), QColor(240, 230, 200), b.outline, 1.2);
    c.FillOutlined(RoundRect(70, 20, 22, 28, 9), b.body, b.outline, 1.8);
    c.Fill(Lump({80, 28}, 5, 10, 0.3), QColor(30, 28, 28));
    c.FillOutlined(RoundRect(72, 38, 22, 13, 6), QColor(244, 170, 176), b.outline, 1.6);
    c.Fill(Circle(78, 44, 1.5), b.outline);
    c.Fill(Circle(88, 44, 1.5), b.outline);
    c.Fill(Circle(76, 29, 2.0), b.outline);
    c.Fill(Circle(88, 29, 2.0), b.outline);
    return OnMask(c.Finish(), Magenta);
}

QImage Crab() {
    TCanvas c(Tile, Tile);
    const QColor shell(222, 70, 40), outline(110, 24, 12);
    for (int side : {-1, 1}) {
        for (int i = 0; i < 3; ++i) {
            QPainterPath leg(QPointF(50 + side * 18, 62 + i * 5));
            leg.quadTo(QPointF(50 + side * 34, 56 + i * 6), QPointF(50 + side * (38 + i * 2), 76 + i * 7));
            c.Stroke(leg, outline, 5.0);
            c.Stroke(leg, shell, 3.0);
        }
        // Arm and claw.
        QPainterPath arm(QPointF(50 + side * 14, 56));
        arm.quadTo(QPointF(50 + side * 30, 48), QPointF(50 + side * 30, 34));
        c.Stroke(arm, outline, 6.0);
        c.Stroke(arm, shell, 4.0);
        QPainterPath claw = Ellipse(50 + side * 30, 26, 11, 13);
        claw =
            claw.subtracted(Polygon({{50.0 + side * 30, 26}, {50.0 + side * 26, 8}, {50.0 + side * 38, 10}}));
        c.FillOutlined(claw, Shine({50.0 + side * 27, 22}, 14, QColor(255, 130, 90), shell), outline, 1.8);
    }
    c.FillOutlined(Ellipse(50, 64, 24, 16), Shine({44, 58}, 26, QColor(255, 130, 90), shell), outline, 2.0);
    for (int side : {-1, 1}) {
        c.Line({50.0 + side * 6, 50}, {50.0 + side * 8, 42}, outline, 2.0);
        c.FillOutlined(Circle(50 + side * 8, 41, 3.2), Qt::white, outline, 1.2);
        c.Fill(Circle(50 + side * 8, 41, 1.5), Qt::black);
    }
    return OnMask(c.Finish(), Magenta);
}

QImage Deer() {
    TCanvas c(Tile, Tile);
    const QColor coat(178, 112, 58), outline(70, 40, 16), dark(120, 70, 30);
    for (double x : {24.0, 32.0, 60.0, 68.0})
        c.FillOutlined(Rect(x - 2.5, 60, 5, 32), coat, outline, 1.3);
    c.FillOutlined(Ellipse(46, 58, 28, 13), Vertical(45, 71, coat, QColor(230, 200, 160)), outline, 1.8);
    c.FillOutlined(Ellipse(20, 52, 5, 4), QColor(250, 244, 236), outline, 1.2);                      // tail
    c.FillOutlined(Polygon({{60, 54}, {66, 30}, {76, 30}, {74, 56}}), coat, outline, 1.8);           // neck
    c.FillOutlined(Polygon({{66, 28}, {80, 26}, {92, 34}, {88, 40}, {72, 38}}), coat, outline, 1.8); // head
    c.FillOutlined(Ellipse(64, 28, 5, 3), coat, outline, 1.2);                                       // ear
    c.Fill(Circle(78, 31, 1.8), Qt::black);
    c.Fill(Circle(91, 36, 1.8), Qt::black);
    // Branching antlers.
    for (double base : {70.0, 76.0}) {
        const double lean = base < 73 ? -1 : 1;
        QPainterPath beam(QPointF(base, 26));
        beam.quadTo(QPointF(base + lean * 6, 12), QPointF(base + lean * 4, 2));
        c.Stroke(beam, dark, 2.6);
        c.Line({base + lean * 3.4, 16}, {base + lean * 11, 10}, dark, 2.2);
        c.Line({base + lean * 4.6, 8}, {base + lean * 10, 2}, dark, 2.0);
        c.Line({base + lean * 2, 20}, {base - lean * 4, 14}, dark, 2.0);
    }
    return OnMask(c.Finish(), Magenta);
}

QPainterPath Mask(QPointF centre, double width, double height) {
    QPainterPath face(centre + QPointF(-width / 2, -height / 2));
    face.quadTo(centre + QPointF(0, -height * 0.62), centre + QPointF(width / 2, -height / 2));
    face.quadTo(centre + QPointF(width * 0.56, height * 0.2), centre + QPointF(0, height / 2));
    face.quadTo(centre + QPointF(-width * 0.56, height * 0.2), centre + QPointF(-width / 2, -height / 2));
    return face;
}

QImage Drama() {
    TCanvas c(Tile, Tile);
    QPainter& p = c.Painter();
    // Tragedy behind, comedy in front.
    p.save();
    p.translate(64, 42);
    p.rotate(14);
    const QColor sad(90, 100, 200), sadOutline(30, 30, 90);
    c.FillOutlined(Mask({0, 0}, 40, 50), Shine({-8, -10}, 40, QColor(150, 160, 240), sad), sadOutline, 2.0);
    c.Fill(Polygon({{-13, -6}, {-3, -9}, {-5, -2}, {-13, -2}}), sadOutline);
    c.Fill(Polygon({{13, -6}, {3, -9}, {5, -2}, {13, -2}}), sadOutline);
    QPainterPath frown(QPointF(-9, 15));
    frown.quadTo(QPointF(0, 5), QPointF(9, 15));
    c.Stroke(frown, sadOutline, 3.0);
    p.restore();
    p.save();
    p.translate(38, 56);
    p.rotate(-12);
    const QColor happy(246, 200, 60), happyOutline(110, 70, 10);
    c.FillOutlined(Mask({0, 0}, 42, 52), Shine({-8, -12}, 40, QColor(255, 240, 160), happy), happyOutline,
                   2.0);
    QPainterPath eyes;
    eyes.moveTo(-14, -5);
    eyes.quadTo(-8, -13, -3, -5);
    eyes.moveTo(3, -5);
    eyes.quadTo(8, -13, 14, -5);
    c.Stroke(eyes, happyOutline, 3.0);
    QPainterPath smile(QPointF(-12, 8));
    smile.quadTo(QPointF(0, 24), QPointF(12, 8));
    smile.quadTo(QPointF(0, 14), QPointF(-12, 8));
    c.FillOutlined(smile, QColor(140, 40, 30), happyOutline, 1.6);
    p.restore();
    return OnMask(c.Finish(), Magenta);
}

QImage Dye() {
    TCanvas c(Tile, Tile);
    // Dyed cloth hung to dry over a tub of dye.
    const QColor cloths[] = {QColor(140, 30, 160), QColor(210, 30, 60), QColor(40, 70, 210)};
    for (int i = 0; i < 3; ++i) {
        const double x = 14 + i * 25;
        QPainterPath cloth(QPointF(x, 14));
        cloth.lineTo(x + 22, 14);
        cloth.lineTo(x + 22, 52 + i * 4);
        cloth.quadTo(QPointF(x + 16, 48 + i * 4), QPointF(x + 11, 54 + i * 4));
        cloth.quadTo(QPointF(x + 6, 60 + i * 4), QPointF(x, 54 + i * 4));
        cloth.closeSubpath();
        QLinearGradient folds(QPointF(x, 0), QPointF(x + 22, 0));
        folds.setColorAt(0, Shade(cloths[i], 1.25));
        folds.setColorAt(0.5, cloths[i]);
        folds.setColorAt(1, Shade(cloths[i], 0.7));
        c.FillOutlined(cloth, folds, Shade(cloths[i], 0.4), 1.6);
    }
    c.FillOutlined(RoundRect(6, 9, 88, 7, 3.5), QColor(150, 100, 50), QColor(70, 40, 14), 1.6);
    QPainterPath tub(QPointF(14, 70));
    tub.lineTo(86, 70);
    tub.lineTo(80, 96);
    tub.lineTo(20, 96);
    tub.closeSubpath();
    c.FillOutlined(tub, Vertical(70, 96, QColor(180, 120, 60), QColor(120, 76, 34)), QColor(70, 40, 14), 1.8);
    c.Line({17, 82}, {83, 82}, QColor(90, 56, 20), 1.6);
    c.FillOutlined(Ellipse(50, 70, 36, 6), QColor(140, 30, 160), QColor(70, 40, 14), 1.6);
    c.Fill(Ellipse(42, 69, 10, 2), QColor(200, 120, 220));
    return OnMask(c.Finish(), MaskGreen);
}

QImage Fish() {
    TCanvas c(Tile, Tile);
    QPainter& p = c.Painter();
    p.save();
    p.translate(48, 52);
    p.rotate(-14);
    const QColor back(50, 100, 160), belly(210, 226, 236), outline(20, 40, 70);
    QPainterPath tail = Polygon({{-30, 0}, {-46, -16}, {-42, 0}, {-46, 16}});
    c.FillOutlined(tail, back, outline, 1.8);
    c.FillOutlined(Polygon({{-6, -14}, {8, -26}, {14, -14}}), back, outline, 1.6); // dorsal fin
    QPainterPath body(QPointF(-32, 0));
    body.cubicTo(QPointF(-18, -22), QPointF(24, -22), QPointF(40, 0));
    body.cubicTo(QPointF(24, 20), QPointF(-18, 20), QPointF(-32, 0));
    c.FillOutlined(body, Vertical(-16, 16, back, belly), outline, 2.0);
    c.Line({-10, 2}, {24, 2}, QColor(150, 190, 220), 1.4);
    c.FillOutlined(Circle(28, -4, 3.8), Qt::white, outline, 1.2);
    c.Fill(Circle(29, -4, 1.8), Qt::black);
    QPainterPath gill(QPointF(18, -10));
    gill.quadTo(QPointF(14, 0), QPointF(18, 10));
    c.Stroke(gill, outline, 1.4);
    c.FillOutlined(Polygon({{4, 8}, {-6, 20}, {12, 12}}), back, outline, 1.2);
    p.restore();
    return OnMask(c.Finish(), Magenta);
}

// An outline whose edge is broken into short tufts, like fur.
QPainterPath Furry(const QPainterPath& shape, double tuft) {
    QPainterPath edge;
    const double length = shape.length();
    const int count = static_cast<int>(length / tuft);
    for (int i = 0; i < count; ++i) {
        const double t = shape.percentAtLength(i * tuft);
        const QPointF at = shape.pointAtPercent(t);
        const double angle = -shape.angleAtPercent(t) * Pi / 180.0;
        const QPointF out(std::sin(angle) * tuft * 0.9, -std::cos(angle) * tuft * 0.9);
        const QPointF along(std::cos(angle) * tuft * 0.5, std::sin(angle) * tuft * 0.5);
        edge.addPolygon(QPolygonF({at - along, at - out * (i % 2 ? 0.4 : 1.0), at + along}));
    }
    return shape.united(edge);
}

QImage Fur() {
    TCanvas c(Tile, Tile);
    // A stretched pelt: broad at the shoulders and hips, legs spread, a bushy tail, the head flat.
    QPainterPath hide(QPointF(50, 14));
    hide.cubicTo(QPointF(62, 14), QPointF(64, 24), QPointF(70, 26));
    hide.lineTo(90, 16);
    hide.lineTo(86, 34);
    hide.cubicTo(QPointF(76, 44), QPointF(70, 56), QPointF(76, 66));
    hide.lineTo(92, 82);
    hide.lineTo(74, 80);
    hide.cubicTo(QPointF(66, 80), QPointF(58, 84), QPointF(54, 88));
    hide.lineTo(46, 88);
    hide.cubicTo(QPointF(42, 84), QPointF(34, 80), QPointF(26, 80));
    hide.lineTo(8, 82);
    hide.lineTo(24, 66);
    hide.cubicTo(QPointF(30, 56), QPointF(24, 44), QPointF(14, 34));
    hide.lineTo(10, 16);
    hide.lineTo(30, 26);
    hide.cubicTo(QPointF(36, 24), QPointF(38, 14), QPointF(50, 14));
    const QPainterPath pelt = Furry(hide, 3.2);
    c.FillOutlined(pelt, Shine({50, 48}, 44, QColor(226, 170, 108), QColor(128, 72, 30)), QColor(66, 34, 10),
                   1.6);
    QPainterPath tail(QPointF(50, 86));
    tail.cubicTo(QPointF(48, 92), QPointF(56, 96), QPointF(60, 98));
    c.Stroke(tail, QColor(66, 34, 10), 9.0);
    c.Stroke(tail, QColor(150, 90, 40), 6.0);
    // A darker stripe down the back and short hair strokes.
    c.Line({50, 24}, {50, 80}, QColor(110, 60, 24), 5.0);
    TRandom r(71);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(r.Range(30, 70), r.Range(26, 78));
        c.Line(at, at + QPointF(r.Range(-1.5, 1.5), 3.5), QColor(100, 56, 20), 1.0);
    }
    c.Fill(Circle(45, 20, 1.8), QColor(30, 16, 6));
    c.Fill(Circle(55, 20, 1.8), QColor(30, 16, 6));
    return OnMask(c.Finish(), Magenta);
}

QImage Gems() {
    TCanvas c(Tile, Tile);
    auto gem = [&](double x, double y, double size, const QColor& colour) {
        const QPainterPath crown = Polygon({{x - size, y},
                                            {x - size * 0.55, y - size * 0.6},
                                            {x + size * 0.55, y - size * 0.6},
                                            {x + size, y}});
        const QPainterPath pavilion = Polygon({{x - size, y}, {x + size, y}, {x, y + size * 1.1}});
        c.Fill(pavilion, Shade(colour, 0.75));
        c.Fill(Polygon({{x - size * 0.4, y}, {x + size * 0.4, y}, {x, y + size * 1.1}}), colour);
        c.Fill(crown, Shade(colour, 1.3));
        c.Fill(Polygon({{x - size * 0.55, y - size * 0.6}, {x - size * 0.15, y}, {x - size, y}}),
               Shade(colour, 1.6));
        c.Stroke(crown.united(pavilion), Shade(colour, 0.35), 1.8);
        c.Line({x - size, y}, {x + size, y}, Shade(colour, 0.45), 1.0);
        c.Line({x - size * 0.35, y - size * 0.45}, {x - size * 0.1, y - size * 0.45}, Qt::white, 1.6);
    };
    gem(30, 64, 20, QColor(30, 170, 70));
    gem(72, 66, 20, QColor(40, 90, 220));
    gem(50, 36, 22, QColor(220, 30, 50));
    return OnMask(c.Finish(), Magenta);
}

QImage Gold() {
    TCanvas c(Tile, Tile);
    const QColor gold(242, 190, 30);
    Ingot(c, 6, 62, 44, 26, gold);
    Ingot(c, 50, 62, 44, 26, gold);
    Ingot(c, 28, 36, 44, 26, gold);
    // Sparkles.
    for (QPointF at : {QPointF(78, 30), QPointF(20, 44)}) {
        c.Line(at + QPointF(-7, 0), at + QPointF(7, 0), QColor(255, 250, 200), 1.8);
        c.Line(at + QPointF(0, -7), at + QPointF(0, 7), QColor(255, 250, 200), 1.8);
    }
    return OnMask(c.Finish(), Magenta);
}

QImage Horse() {
    TCanvas c(Tile, Tile);
    const QColor coat(140, 78, 36), outline(52, 26, 8), mane(44, 26, 14);
    for (double x : {22.0, 30.0, 62.0, 70.0})
        c.FillOutlined(Rect(x - 3, 58, 6, 32), coat, outline, 1.3);
    for (double x : {22.0, 30.0, 62.0, 70.0})
        c.Fill(Rect(x - 3, 86, 6, 4), mane);
    QPainterPath tail(QPointF(16, 48));
    tail.cubicTo(QPointF(6, 54), QPointF(6, 70), QPointF(10, 80));
    c.Stroke(tail, mane, 5.0);
    c.FillOutlined(Ellipse(46, 54, 31, 13), Shine({40, 48}, 36, QColor(190, 118, 66), coat), outline, 1.8);
    QPainterPath neck = Polygon({{62, 50}, {68, 22}, {80, 20}, {78, 50}});
    c.FillOutlined(neck, coat, outline, 1.8);
    QPainterPath head = Polygon({{68, 18}, {78, 12}, {96, 30}, {92, 38}, {82, 34}});
    c.FillOutlined(head, coat, outline, 1.8);
    c.FillOutlined(Polygon({{70, 16}, {72, 6}, {77, 13}}), coat, outline, 1.2); // ear
    QPainterPath maneLine(QPointF(72, 14));
    maneLine.quadTo(QPointF(62, 30), QPointF(64, 48));
    c.Stroke(maneLine, mane, 5.0);
    c.Fill(Circle(80, 20, 1.8), Qt::black);
    c.Fill(Circle(92, 33, 1.4), Qt::black);
    return OnMask(c.Finish(), Magenta);
}

QImage Incense() {
    TCanvas c(Tile, Tile);
    // Smoke curling up from a brass burner.
    for (int i = 0; i < 3; ++i) {
        const double x = 38 + i * 12;
        QPainterPath smoke(QPointF(x, 52));
        smoke.cubicTo(QPointF(x - 10, 40), QPointF(x + 10, 28), QPointF(x - 2, 16));
        smoke.cubicTo(QPointF(x - 8, 10), QPointF(x + 4, 4), QPointF(x + 2, 2));
        c.Stroke(smoke, QColor(120, 120, 130), 5.0);
        c.Stroke(smoke, QColor(226, 226, 232), 3.0);
    }
    const QColor brass(214, 160, 50), outline(110, 70, 10);
    c.FillOutlined(Polygon({{30, 86}, {24, 96}, {34, 96}}), brass, outline, 1.4);
    c.FillOutlined(Polygon({{70, 86}, {66, 96}, {76, 96}}), brass, outline, 1.4);
    QPainterPath bowl(QPointF(20, 56));
    bowl.lineTo(80, 56);
    bowl.cubicTo(QPointF(80, 80), QPointF(66, 90), QPointF(50, 90));
    bowl.cubicTo(QPointF(34, 90), QPointF(20, 80), QPointF(20, 56));
    c.FillOutlined(bowl, Shine({38, 64}, 40, QColor(255, 220, 130), brass), outline, 1.8);
    c.FillOutlined(Ellipse(50, 56, 30, 6), QColor(120, 70, 30), outline, 1.6);
    c.Fill(Ellipse(50, 56, 16, 3), QColor(240, 110, 40)); // embers
    return OnMask(c.Finish(), Magenta);
}

QImage Iron() {
    TCanvas c(Tile, Tile);
    // Grey metallic ore, patched with rust.
    const QPointF lumps[] = {{28, 74}, {72, 74}, {50, 48}};
    std::uint32_t seed = 60;
    for (const QPointF& at : lumps) {
        const QPainterPath lump = Lump(at, 21, ++seed, 0.25);
        c.FillOutlined(lump, Shine(at + QPointF(-7, -8), 30, QColor(196, 198, 208), QColor(78, 80, 90)),
                       QColor(30, 30, 36), 1.8);
        c.Painter().save();
        c.Painter().setClipPath(lump);
        c.Fill(Ellipse(at.x() + 8, at.y() + 6, 9, 6), QColor(176, 82, 36));
        c.Fill(Ellipse(at.x() - 10, at.y() + 10, 6, 4), QColor(150, 66, 30));
        c.Painter().restore();
        c.Line(at + QPointF(-9, -8), at + QPointF(-3, -12), QColor(240, 242, 250), 1.8);
    }
    return OnMask(c.Finish(), Magenta);
}

QImage Ivory() {
    TCanvas c(Tile, Tile);
    const QColor ivory(250, 244, 222), outline(120, 106, 80);
    auto tusk = [&](bool mirrored) {
        QPainter& p = c.Painter();
        p.save();
        if (mirrored) {
            p.translate(100, 0);
            p.scale(-1, 1);
        }
        QPainterPath shape(QPointF(18, 92));
        shape.cubicTo(QPointF(14, 50), QPointF(40, 14), QPointF(80, 10));
        shape.cubicTo(QPointF(52, 24), QPointF(32, 56), QPointF(32, 94));
        shape.closeSubpath();
        c.FillOutlined(shape, Vertical(10, 94, ivory, QColor(220, 206, 170)), outline, 1.8);
        c.Fill(Polygon({{18, 92}, {32, 94}, {31, 84}, {18, 82}}), QColor(170, 140, 100));
        p.restore();
    };
    tusk(false);
    tusk(true);
    return OnMask(c.Finish(), Magenta);
}

QImage Marble() {
    TCanvas c(Tile, Tile);
    const QColor white(244, 244, 240), outline(110, 110, 116), vein(150, 150, 162);
    // A cut block with a column beside it.
    QPainterPath front = Polygon({{8, 58}, {56, 58}, {56, 92}, {8, 92}});
    QPainterPath top = Polygon({{8, 58}, {22, 46}, {70, 46}, {56, 58}});
    QPainterPath side = Polygon({{56, 58}, {70, 46}, {70, 80}, {56, 92}});
    c.FillOutlined(front, white, outline, 1.6);
    c.FillOutlined(top, QColor(255, 255, 255), outline, 1.6);
    c.FillOutlined(side, QColor(206, 206, 212), outline, 1.6);
    QPainterPath veins(QPointF(12, 66));
    veins.cubicTo(QPointF(24, 62), QPointF(30, 78), QPointF(52, 74));
    veins.moveTo(20, 88);
    veins.quadTo(QPointF(30, 80), QPointF(44, 86));
    c.Stroke(veins, vein, 1.4);
    c.FillOutlined(Rect(74, 18, 18, 74), Vertical(18, 92, white, QColor(220, 220, 224)), outline, 1.6);
    for (double x : {78.0, 83.0, 88.0})
        c.Line({x, 22}, {x, 88}, QColor(190, 190, 198), 1.2);
    c.FillOutlined(Rect(70, 12, 26, 7), white, outline, 1.4);
    c.FillOutlined(Rect(70, 90, 26, 7), white, outline, 1.4);
    return OnMask(c.Finish(), Magenta);
}

QImage Movies() {
    TCanvas c(Tile, Tile);
    const QColor board(34, 34, 38), outline(10, 10, 12);
    c.FillOutlined(RoundRect(14, 40, 74, 52, 3), board, outline, 1.8);
    c.Line({22, 60}, {80, 60}, QColor(220, 220, 220), 1.6);
    c.Line({22, 72}, {80, 72}, QColor(220, 220, 220), 1.6);
    c.Line({50, 60}, {50, 84}, QColor(220, 220, 220), 1.6);
    // The hinged clapper, raised, with slanted stripes.
    QPainter& p = c.Painter();
    p.save();
    p.translate(14, 38);
    p.rotate(-22);
    const QPainterPath clapper = Rect(0, -12, 76, 12);
    c.Fill(clapper, Qt::white);
    p.save();
    p.setClipPath(clapper);
    for (int i = -1; i < 7; ++i)
        c.Fill(Polygon({{i * 13.0, 0}, {i * 13.0 + 7, 0}, {i * 13.0 + 13, -12}, {i * 13.0 + 6, -12}}), board);
    p.restore();
    c.Stroke(clapper, outline, 1.8);
    p.restore();
    c.Fill(Rect(14, 28, 74, 12), Qt::white);
    c.Painter().save();
    c.Painter().setClipRect(QRectF(14, 28, 74, 12));
    for (int i = -1; i < 7; ++i)
        c.Fill(Polygon({{14 + i * 13.0, 40},
                        {14 + i * 13.0 + 7, 40},
                        {14 + i * 13.0 + 13, 28},
                        {14 + i * 13.0 + 6, 28}}),
               board);
    c.Painter().restore();
    c.Stroke(Rect(14, 28, 74, 12), outline, 1.8);
    c.FillOutlined(Circle(16, 39, 3), QColor(160, 160, 170), outline, 1.0);
    return OnMask(c.Finish(), Magenta);
}

QImage Music() {
    TCanvas c(Tile, Tile);
    const QColor note(30, 24, 60), outline(10, 8, 20);
    QPainter& p = c.Painter();
    for (QPointF head : {QPointF(28, 80), QPointF(70, 70)}) {
        p.save();
        p.translate(head);
        p.rotate(-24);
        c.FillOutlined(Ellipse(0, 0, 12, 8.5), note, outline, 1.2);
        p.restore();
    }
    c.FillOutlined(Rect(36, 22, 5, 58), note, outline, 1.0);
    c.FillOutlined(Rect(78, 12, 5, 58), note, outline, 1.0);
    c.FillOutlined(Polygon({{36, 20}, {83, 8}, {83, 20}, {36, 32}}), note, outline, 1.0);
    c.FillOutlined(Polygon({{36, 36}, {83, 24}, {83, 30}, {36, 42}}), note, outline, 1.0);
    c.Line({24, 76}, {30, 73}, QColor(160, 150, 220), 2.0);
    c.Line({66, 66}, {72, 63}, QColor(160, 150, 220), 2.0);
    return OnMask(c.Finish(), Magenta);
}

QImage Oil() {
    TCanvas c(Tile, Tile);
    // A derrick behind a big drop of oil.
    const QColor steel(90, 90, 100);
    c.Line({64, 6}, {52, 60}, steel, 2.6);
    c.Line({64, 6}, {90, 60}, steel, 2.6);
    for (int i = 0; i < 4; ++i) {
        const double y = 16 + i * 12;
        const double left = 64 - (y - 6) * 12 / 54, right = 64 + (y - 6) * 26 / 54;
        c.Line({left, y}, {right, y}, steel, 1.6);
        c.Line({left, y}, {right + 3, y + 12}, steel, 1.2);
    }
    QPainterPath drop(QPointF(38, 18));
    drop.cubicTo(QPointF(44, 36), QPointF(64, 52), QPointF(64, 70));
    drop.cubicTo(QPointF(64, 86), QPointF(52, 94), QPointF(38, 94));
    drop.cubicTo(QPointF(24, 94), QPointF(12, 86), QPointF(12, 70));
    drop.cubicTo(QPointF(12, 52), QPointF(32, 36), QPointF(38, 18));
    c.FillOutlined(drop, Shine({30, 64}, 40, QColor(90, 90, 110), QColor(10, 10, 14)), QColor(0, 0, 0), 2.0);
    QPainterPath gleam(QPointF(22, 70));
    gleam.quadTo(QPointF(22, 58), QPointF(30, 50));
    c.Stroke(gleam, QColor(230, 230, 250), 3.0);
    return OnMask(c.Finish(), Magenta);
}

QImage Pig() {
    TCanvas c(Tile, Tile);
    const QColor skin(246, 166, 178), outline(130, 60, 70), dark(214, 120, 136);
    for (double x : {26.0, 36.0, 62.0, 72.0})
        c.FillOutlined(Rect(x - 4, 64, 8, 24), skin, outline, 1.4);
    QPainterPath tail(QPointF(14, 50));
    tail.cubicTo(QPointF(4, 44), QPointF(4, 58), QPointF(10, 54));
    tail.cubicTo(QPointF(14, 50), QPointF(8, 40), QPointF(4, 44));
    c.Stroke(tail, outline, 2.0);
    c.FillOutlined(Ellipse(46, 56, 34, 22), Shine({38, 46}, 40, QColor(255, 206, 214), skin), outline, 1.8);
    c.FillOutlined(Polygon({{66, 38}, {68, 22}, {80, 34}}), dark, outline, 1.4); // ear
    c.FillOutlined(RoundRect(82, 44, 14, 18, 6), dark, outline, 1.6);            // snout
    c.Fill(Circle(87, 51, 1.8), outline);
    c.Fill(Circle(91, 55, 1.8), outline);
    c.Fill(Circle(74, 44, 2.2), Qt::black);
    return OnMask(c.Finish(), Magenta);
}

QImage Rice() {
    TCanvas c(Tile, Tile);
    // A bowl heaped with rice, chopsticks across.
    c.Line({56, 40}, {96, 10}, QColor(120, 70, 30), 3.6);
    c.Line({62, 44}, {98, 20}, QColor(150, 90, 40), 3.6);
    QPainterPath heap(QPointF(14, 58));
    heap.cubicTo(QPointF(18, 28), QPointF(82, 28), QPointF(86, 58));
    heap.closeSubpath();
    c.FillOutlined(heap, QColor(252, 252, 246), QColor(150, 150, 140), 1.6);
    TRandom r(81);
    for (int i = 0; i < 26; ++i) {
        const QPointF at(r.Range(24, 76), r.Range(40, 56));
        c.Painter().save();
        c.Painter().translate(at);
        c.Painter().rotate(r.Range(0, 180));
        c.Stroke(Ellipse(0, 0, 2.4, 1.2), QColor(200, 200, 190), 0.8);
        c.Painter().restore();
    }
    QPainterPath bowl(QPointF(8, 56));
    bowl.lineTo(92, 56);
    bowl.cubicTo(QPointF(90, 78), QPointF(72, 90), QPointF(50, 90));
    bowl.cubicTo(QPointF(28, 90), QPointF(10, 78), QPointF(8, 56));
    c.FillOutlined(bowl, Vertical(56, 90, QColor(70, 120, 200), QColor(30, 60, 130)), QColor(16, 30, 70),
                   1.8);
    QPainterPath band(QPointF(14, 66));
    band.quadTo(QPointF(50, 74), QPointF(86, 66));
    c.Stroke(band, QColor(220, 230, 250), 2.0);
    c.FillOutlined(Rect(38, 90, 24, 5), QColor(30, 60, 130), QColor(16, 30, 70), 1.4);
    return OnMask(c.Finish(), Magenta);
}

QImage Sheep() {
    TCanvas c(Tile, Tile);
    const QColor wool(248, 248, 240), woolOutline(120, 116, 100), face(40, 36, 36);
    for (double x : {28.0, 38.0, 60.0, 70.0})
        c.Fill(Rect(x - 3, 62, 6, 28), face);
    QPainterPath fleece;
    const QPointF puffs[] = {{26, 48}, {40, 40}, {56, 40}, {70, 48}, {72, 62},
                             {58, 68}, {42, 68}, {24, 62}, {48, 54}};
    for (const QPointF& at : puffs)
        fleece = fleece.united(Circle(at.x(), at.y(), 13));
    c.FillOutlined(fleece, wool, woolOutline, 1.8);
    for (const QPointF& at : puffs)
        c.Stroke(Circle(at.x() - 2, at.y() - 2, 5), QColor(220, 218, 206), 1.2);
    c.FillOutlined(Ellipse(84, 46, 10, 13), face, QColor(0, 0, 0), 1.4);
    c.FillOutlined(Ellipse(76, 38, 7, 3.4), face, QColor(0, 0, 0), 1.0);
    c.Fill(Circle(86, 42, 2.0), Qt::white);
    return OnMask(c.Finish(), Magenta);
}

QImage Silk() {
    TCanvas c(Tile, Tile);
    const QColor silk(220, 40, 90), outline(100, 10, 40);
    // A bolt of cloth with a length of it flowing out in folds.
    QPainterPath flow(QPointF(40, 52));
    flow.cubicTo(QPointF(60, 62), QPointF(54, 78), QPointF(74, 82));
    flow.lineTo(96, 78);
    flow.lineTo(92, 96);
    flow.cubicTo(QPointF(66, 98), QPointF(58, 92), QPointF(44, 80));
    flow.closeSubpath();
    QLinearGradient folds(QPointF(40, 60), QPointF(96, 90));
    folds.setColorAt(0.0, silk);
    folds.setColorAt(0.3, QColor(255, 150, 190));
    folds.setColorAt(0.55, QColor(180, 20, 70));
    folds.setColorAt(0.8, QColor(255, 130, 170));
    folds.setColorAt(1.0, silk);
    c.FillOutlined(flow, folds, outline, 1.8);
    QPainter& p = c.Painter();
    p.save();
    p.translate(38, 48);
    p.rotate(-30);
    const QPainterPath roll = RoundRect(-30, -16, 60, 32, 8);
    QLinearGradient sheen(QPointF(0, -16), QPointF(0, 16));
    sheen.setColorAt(0, QColor(255, 120, 160));
    sheen.setColorAt(0.35, QColor(255, 220, 234));
    sheen.setColorAt(1, QColor(160, 16, 60));
    c.FillOutlined(roll, sheen, outline, 1.8);
    c.FillOutlined(Ellipse(30, 0, 6, 16), QColor(240, 90, 130), outline, 1.6);
    c.Stroke(Ellipse(30, 0, 3, 9), outline, 1.0);
    p.restore();
    return OnMask(c.Finish(), Magenta);
}

QImage Silver() {
    TCanvas c(Tile, Tile);
    const QColor silver(200, 204, 214), outline(80, 84, 96);
    auto stack = [&](double x, double bottom, int coins) {
        for (int i = 0; i < coins; ++i) {
            const double y = bottom - i * 8;
            c.FillOutlined(Rect(x - 18, y - 6, 36, 6), Vertical(y - 6, y, silver, Shade(silver, 0.7)),
                           outline, 1.4);
            c.FillOutlined(Ellipse(x, y, 18, 5), Shade(silver, 0.8), outline, 1.4);
            c.FillOutlined(Ellipse(x, y - 6, 18, 5), Shine({x - 6, y - 8}, 16, Qt::white, silver), outline,
                           1.4);
        }
    };
    stack(28, 92, 5);
    stack(72, 92, 3);
    stack(52, 60, 3);
    c.Stroke(Ellipse(52, 38, 10, 2.5), QColor(140, 144, 156), 1.0);
    return OnMask(c.Finish(), Magenta);
}

QImage Spices() {
    TCanvas c(Tile, Tile);
    // An open sack heaped with red spice, a chili and cinnamon beside it.
    const QColor burlap(196, 160, 100), outline(96, 70, 30);
    QPainterPath sack(QPointF(18, 40));
    sack.cubicTo(QPointF(10, 70), QPointF(16, 94), QPointF(50, 94));
    sack.cubicTo(QPointF(84, 94), QPointF(90, 70), QPointF(82, 40));
    sack.closeSubpath();
    c.FillOutlined(sack, Shine({40, 60}, 50, QColor(226, 196, 140), burlap), outline, 1.8);
    QPainterPath heap(QPointF(16, 42));
    heap.cubicTo(QPointF(24, 14), QPointF(76, 14), QPointF(84, 42));
    heap.closeSubpath();
    c.FillOutlined(heap, Shine({44, 28}, 30, QColor(250, 120, 50), QColor(190, 40, 20)), QColor(110, 20, 10),
                   1.6);
    c.FillOutlined(Ellipse(50, 42, 34, 7), burlap, outline, 1.8);
    QPainterPath chili(QPointF(70, 84));
    chili.cubicTo(QPointF(84, 86), QPointF(94, 76), QPointF(96, 62));
    chili.cubicTo(QPointF(90, 72), QPointF(80, 76), QPointF(68, 76));
    chili.closeSubpath();
    c.FillOutlined(chili, QColor(220, 30, 30), QColor(110, 10, 10), 1.4);
    c.Line({68, 80}, {62, 78}, QColor(60, 130, 40), 3.0);
    c.FillOutlined(RoundRect(8, 80, 30, 8, 4), QColor(150, 80, 40), QColor(80, 40, 16), 1.4);
    return OnMask(c.Finish(), Magenta);
}

QImage Stone() {
    TCanvas c(Tile, Tile);
    const QColor stone(150, 146, 140);
    const QPointF blocks[] = {{28, 74}, {70, 74}, {48, 44}};
    std::uint32_t seed = 90;
    for (const QPointF& at : blocks) {
        QPainterPath boulder = Lump(at, 23, ++seed, 0.14);
        c.FillOutlined(boulder, Shine(at + QPointF(-8, -10), 34, QColor(206, 202, 196), Shade(stone, 0.7)),
                       QColor(60, 58, 56), 2.0);
        c.Line(at + QPointF(-6, -2), at + QPointF(4, 8), QColor(90, 88, 84), 1.6);
        c.Line(at + QPointF(4, 8), at + QPointF(12, 4), QColor(90, 88, 84), 1.6);
    }
    return OnMask(c.Finish(), Magenta);
}

QImage Sugar() {
    TCanvas c(Tile, Tile);
    // Pale cane stalks with dark joints, and a heap of white sugar cubes in front.
    for (double x : {24.0, 42.0, 60.0}) {
        c.FillOutlined(Rect(x - 4.5, 8, 9, 70), Vertical(8, 78, QColor(236, 226, 140), QColor(190, 170, 80)),
                       QColor(90, 70, 20), 1.6);
        for (double y = 20; y < 76; y += 13)
            c.Line({x - 4.5, y}, {x + 4.5, y}, QColor(120, 90, 30), 2.2);
    }
    QPainterPath leaves(QPointF(42, 26));
    leaves.quadTo(QPointF(64, 6), QPointF(90, 12));
    leaves.moveTo(24, 34);
    leaves.quadTo(QPointF(10, 18), QPointF(2, 24));
    leaves.moveTo(60, 44);
    leaves.quadTo(QPointF(80, 32), QPointF(96, 40));
    c.Stroke(leaves, QColor(30, 90, 30), 5.0);
    c.Stroke(leaves, QColor(90, 170, 60), 3.0);
    auto cube = [&](double x, double y, double size) {
        const double d = size * 0.38;
        const QColor edge(110, 110, 124);
        c.FillOutlined(Rect(x, y, size, size), QColor(250, 250, 252), edge, 1.6);
        c.FillOutlined(Polygon({{x, y}, {x + d, y - d}, {x + size + d, y - d}, {x + size, y}}),
                       QColor(255, 255, 255), edge, 1.6);
        c.FillOutlined(
            Polygon(
                {{x + size, y}, {x + size + d, y - d}, {x + size + d, y + size - d}, {x + size, y + size}}),
            QColor(200, 204, 216), edge, 1.6);
    };
    cube(40, 74, 20);
    cube(64, 74, 20);
    cube(52, 56, 20);
    return OnMask(c.Finish(), Magenta);
}

QImage Uranium() {
    TCanvas c(Tile, Tile);
    // The radiation sign behind glowing green ore.
    const QPointF centre(54, 40);
    c.FillOutlined(Circle(centre.x(), centre.y(), 34), QColor(250, 214, 30), QColor(90, 70, 0), 2.0);
    for (int i = 0; i < 3; ++i) {
        QPainterPath blade(centre);
        blade.arcTo(QRectF(centre.x() - 28, centre.y() - 28, 56, 56), 60 + 120 * i, 60);
        blade.closeSubpath();
        c.Fill(blade.subtracted(Circle(centre.x(), centre.y(), 8)), QColor(24, 20, 10));
    }
    c.Fill(Circle(centre.x(), centre.y(), 5), QColor(24, 20, 10));
    for (QPointF at : {QPointF(26, 78), QPointF(58, 84)}) {
        const QPainterPath lump = Lump(at, 16, static_cast<std::uint32_t>(at.x()), 0.24);
        c.FillOutlined(lump, Shine(at + QPointF(-4, -5), 22, QColor(200, 255, 120), QColor(40, 140, 30)),
                       QColor(20, 70, 10), 1.8);
    }
    return OnMask(c.Finish(), Magenta);
}

QImage Whale() {
    TCanvas c(Tile, Tile);
    const QColor back(54, 74, 110), belly(200, 210, 224), outline(16, 24, 44);
    // Spout.
    for (int i = -2; i <= 2; ++i) {
        QPainterPath jet(QPointF(64, 40));
        jet.quadTo(QPointF(64 + i * 4, 18), QPointF(64 + i * 10, 14));
        c.Stroke(jet, QColor(100, 170, 230), 4.0);
        c.Stroke(jet, QColor(210, 236, 255), 2.0);
    }
    QPainterPath body(QPointF(92, 62));
    body.cubicTo(QPointF(90, 38), QPointF(50, 36), QPointF(30, 56));
    body.cubicTo(QPointF(22, 62), QPointF(16, 58), QPointF(12, 50));
    body.lineTo(4, 40);
    body.lineTo(8, 56);
    body.lineTo(2, 68);
    body.lineTo(14, 62);
    body.cubicTo(QPointF(30, 78), QPointF(70, 86), QPointF(92, 62));
    c.FillOutlined(body, Vertical(40, 82, QColor(90, 114, 150), back), outline, 2.0);
    QPainterPath underside(QPointF(90, 66));
    underside.cubicTo(QPointF(74, 80), QPointF(46, 80), QPointF(34, 70));
    underside.cubicTo(QPointF(50, 74), QPointF(74, 72), QPointF(90, 66));
    c.Fill(underside, belly);
    c.FillOutlined(Polygon({{62, 72}, {54, 88}, {70, 76}}), back, outline, 1.4);
    c.Fill(Circle(80, 56, 2.2), Qt::white);
    c.Fill(Circle(80, 56, 1.1), Qt::black);
    return OnMask(c.Finish(), Magenta);
}

QImage Wheat() {
    TCanvas c(Tile, Tile);
    const QColor grain(232, 188, 70), outline(130, 90, 20), stalk(200, 160, 60);
    for (int i = -2; i <= 2; ++i) {
        const double angle = i * 12.0;
        QPainter& p = c.Painter();
        p.save();
        p.translate(50, 70);
        p.rotate(angle);
        c.Line({0, 26}, {0, -30}, stalk, 2.4);
        for (int k = 0; k < 5; ++k) {
            const double y = -34 - k * 6.0 + 12;
            for (int side : {-1, 1}) {
                p.save();
                p.translate(side * 3.2, y);
                p.rotate(side * 28);
                c.FillOutlined(Ellipse(0, 0, 2.8, 4.8), grain, outline, 1.0);
                p.restore();
            }
        }
        c.FillOutlined(Ellipse(0, -42, 2.6, 4.4), grain, outline, 1.0);
        p.restore();
    }
    c.FillOutlined(RoundRect(40, 74, 20, 7, 2), QColor(170, 60, 40), QColor(90, 20, 10), 1.4);
    return OnMask(c.Finish(), Magenta);
}

QImage Wine() {
    TCanvas c(Tile, Tile);
    // A bunch of grapes with a leaf and a tendril.
    QPainterPath leaf(QPointF(50, 18));
    leaf.cubicTo(QPointF(70, 0), QPointF(90, 10), QPointF(86, 24));
    leaf.cubicTo(QPointF(78, 30), QPointF(62, 30), QPointF(50, 18));
    c.FillOutlined(leaf, QColor(70, 150, 50), QColor(30, 70, 20), 1.6);
    c.Line({50, 18}, {72, 16}, QColor(40, 100, 30), 1.2);
    c.Line({48, 8}, {50, 24}, QColor(100, 70, 30), 3.0);
    QPainterPath tendril(QPointF(46, 14));
    tendril.cubicTo(QPointF(30, 6), QPointF(24, 20), QPointF(32, 20));
    c.Stroke(tendril, QColor(70, 130, 40), 1.6);
    const int rows[] = {5, 4, 3, 2, 1};
    double y = 32;
    for (int count : rows) {
        for (int i = 0; i < count; ++i) {
            const double x = 50 + (i - (count - 1) / 2.0) * 13;
            c.FillOutlined(Circle(x, y, 7.2),
                           Shine({x - 2.5, y - 2.5}, 9, QColor(170, 110, 210), QColor(80, 20, 110)),
                           QColor(40, 10, 50), 1.3);
            c.Fill(Circle(x - 2.4, y - 2.4, 1.6), QColor(230, 210, 250));
        }
        y += 12;
    }
    return OnMask(c.Finish(), Magenta);
}

QImage OtherBonus() {
    TCanvas c(Tile, Tile);
    c.FillOutlined(Circle(50, 50, 40), Shine({38, 36}, 54, QColor(255, 255, 255), QColor(170, 176, 190)),
                   QColor(70, 74, 90), 2.4);
    // A question mark made of a hook and a dot.
    QPainterPath hook(QPointF(36, 38));
    hook.cubicTo(QPointF(36, 20), QPointF(64, 20), QPointF(64, 36));
    hook.cubicTo(QPointF(64, 48), QPointF(50, 48), QPointF(50, 62));
    c.Stroke(hook, QColor(40, 60, 140), 9.0, Qt::FlatCap);
    c.Fill(Circle(50, 75, 5.5), QColor(40, 60, 140));
    return OnMask(c.Finish(), Magenta);
}

} // namespace

QImage DrawBonusStrip() {
    const std::vector<std::function<QImage()>> pictures = {
        Aluminum, BananaBunch, Clam, Coal,   Copper,  Corn,  Cow,   Crab,    Deer,   Drama, Dye,  Fish,
        Fur,      Gems,        Gold, Horse,  Incense, Iron,  Ivory, Marble,  Movies, Music, Oil,  Pig,
        Rice,     Sheep,       Silk, Silver, Spices,  Stone, Sugar, Uranium, Whale,  Wheat, Wine, OtherBonus,
    };
    std::vector<QImage> tiles;
    for (const auto& draw : pictures)
        tiles.push_back(draw());
    return JoinStrip(tiles);
}
