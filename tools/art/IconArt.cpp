// The small strips: program and tab icons, the tool-bar icons, the tick boxes, the unit and city
// pictures, and the river and route pieces. Icons are drawn in pixel units of their own size.

#include "Art.h"
#include "ArtKit.h"

#include <cmath>
#include <functional>

namespace {

constexpr double Pi = 3.14159265358979323846;
const QColor Outline(48, 48, 56);
const QColor PaperLine(140, 140, 150);

using TDraw = std::function<void(TCanvas&)>;

QImage Icon(int size, const TDraw& draw, QRgb mask = Magenta) {
    TCanvas c(size, size, size);
    draw(c);
    return OnMask(c.Finish(), mask);
}

QImage Strip(int size, const std::vector<TDraw>& icons) {
    std::vector<QImage> tiles;
    for (const TDraw& draw : icons)
        tiles.push_back(Icon(size, draw));
    return JoinStrip(tiles);
}

// A sheet of paper with a folded top-right corner, inside the box.
void Page(TCanvas& c, double x, double y, double w, double h) {
    const double fold = w * 0.32;
    c.FillOutlined(Polygon({{x, y}, {x + w - fold, y}, {x + w, y + fold}, {x + w, y + h}, {x, y + h}}),
                   QColor(255, 255, 255), Outline, 1.0);
    c.FillOutlined(Polygon({{x + w - fold, y}, {x + w - fold, y + fold}, {x + w, y + fold}}),
                   QColor(214, 218, 228), Outline, 1.0);
}

void PageLines(TCanvas& c, double x, double y, double w, double h, const QColor& colour, double width) {
    for (double ly = y + h * 0.3; ly < y + h - 1.5; ly += h * 0.17)
        c.Line({x + 2.5, ly}, {x + w - 2.5, ly}, colour, width, Qt::FlatCap);
}

void Folder(TCanvas& c, double s, bool open) {
    const QColor back(214, 160, 40), front(250, 206, 80), outline(120, 80, 10);
    c.FillOutlined(Polygon({{s * 0.08, s * 0.25},
                            {s * 0.38, s * 0.25},
                            {s * 0.46, s * 0.34},
                            {s * 0.9, s * 0.34},
                            {s * 0.9, s * 0.86},
                            {s * 0.08, s * 0.86}}),
                   back, outline, 1.0);
    if (open) {
        c.FillOutlined(
            Polygon({{s * 0.24, s * 0.46}, {s * 0.98, s * 0.46}, {s * 0.84, s * 0.86}, {s * 0.08, s * 0.86}}),
            Vertical(s * 0.46, s * 0.86, QColor(255, 230, 130), front), outline, 1.0);
    } else {
        c.FillOutlined(Rect(s * 0.08, s * 0.42, s * 0.82, s * 0.44),
                       Vertical(s * 0.42, s * 0.86, QColor(255, 230, 130), front), outline, 1.0);
    }
}

void Arrow(TCanvas& c, QPointF from, QPointF to, const QColor& colour, double width) {
    const QPointF d = to - from;
    const double length = std::hypot(d.x(), d.y());
    const QPointF u = d / length, n(-u.y(), u.x());
    const double head = width * 1.9;
    const QPointF neck = to - u * head;
    QPainterPath arrow = Polygon({from + n * width / 2, neck + n * width / 2, neck + n * head, to,
                                  neck - n * head, neck - n * width / 2, from - n * width / 2});
    c.FillOutlined(arrow, colour, Shade(colour, 0.45), 1.0);
}

void Diskette(TCanvas& c, double s) {
    c.FillOutlined(RoundRect(s * 0.1, s * 0.1, s * 0.8, s * 0.8, s * 0.06), QColor(50, 90, 180),
                   QColor(20, 36, 90), 1.0);
    c.FillOutlined(Rect(s * 0.28, s * 0.1, s * 0.44, s * 0.3), QColor(200, 204, 214), QColor(20, 36, 90),
                   1.0);
    c.Fill(Rect(s * 0.56, s * 0.14, s * 0.09, s * 0.2), QColor(50, 90, 180));
    c.FillOutlined(Rect(s * 0.2, s * 0.52, s * 0.6, s * 0.38), QColor(250, 250, 250), QColor(20, 36, 90),
                   1.0);
    c.Line({s * 0.28, s * 0.64}, {s * 0.72, s * 0.64}, PaperLine, 1.0, Qt::FlatCap);
    c.Line({s * 0.28, s * 0.76}, {s * 0.72, s * 0.76}, PaperLine, 1.0, Qt::FlatCap);
}

void QuestionMark(TCanvas& c, double s) {
    c.FillOutlined(Circle(s / 2, s / 2, s * 0.44),
                   Shine({s * 0.38, s * 0.32}, s * 0.6, QColor(120, 170, 250), QColor(30, 80, 190)),
                   QColor(16, 40, 110), 1.0);
    QPainterPath hook(QPointF(s * 0.36, s * 0.38));
    hook.cubicTo(QPointF(s * 0.36, s * 0.2), QPointF(s * 0.64, s * 0.2), QPointF(s * 0.64, s * 0.36));
    hook.cubicTo(QPointF(s * 0.64, s * 0.48), QPointF(s * 0.5, s * 0.48), QPointF(s * 0.5, s * 0.6));
    c.Stroke(hook, Qt::white, s * 0.11, Qt::FlatCap);
    c.Fill(Circle(s * 0.5, s * 0.74, s * 0.07), Qt::white);
}

void Door(TCanvas& c, double s) {
    const QColor frame(110, 70, 36), wood(170, 108, 52), outline(60, 34, 12);
    c.FillOutlined(Rect(s * 0.2, s * 0.08, s * 0.6, s * 0.86), QColor(30, 26, 24), outline, 1.0);
    // The door swung open a little, towards the viewer.
    c.FillOutlined(
        Polygon({{s * 0.2, s * 0.08}, {s * 0.62, s * 0.14}, {s * 0.62, s * 0.9}, {s * 0.2, s * 0.94}}),
        Vertical(s * 0.1, s * 0.94, Shade(wood, 1.2), wood), outline, 1.0);
    c.Stroke(Rect(s * 0.28, s * 0.22, s * 0.26, s * 0.26), frame, 1.0);
    c.Stroke(Rect(s * 0.28, s * 0.56, s * 0.26, s * 0.26), frame, 1.0);
    c.Fill(Circle(s * 0.55, s * 0.54, s * 0.05), QColor(250, 210, 60));
}

void Landscape(TCanvas& c, double s) {
    c.FillOutlined(Rect(s * 0.06, s * 0.14, s * 0.88, s * 0.72),
                   Vertical(s * 0.14, s * 0.6, QColor(120, 180, 250), QColor(200, 230, 255)),
                   QColor(90, 60, 30), 1.0);
    c.Fill(Circle(s * 0.72, s * 0.32, s * 0.09), QColor(255, 210, 40));
    QPainterPath hills(QPointF(s * 0.06, s * 0.66));
    hills.quadTo(QPointF(s * 0.3, s * 0.36), QPointF(s * 0.54, s * 0.62));
    hills.quadTo(QPointF(s * 0.74, s * 0.46), QPointF(s * 0.94, s * 0.62));
    hills.lineTo(s * 0.94, s * 0.86);
    hills.lineTo(s * 0.06, s * 0.86);
    hills.closeSubpath();
    c.Fill(hills, QColor(60, 150, 50));
    c.Stroke(Rect(s * 0.06, s * 0.14, s * 0.88, s * 0.72), QColor(90, 60, 30), s >= 20 ? 1.6 : 1.0);
}

void Globe(TCanvas& c, double s, const QColor& sea, const QColor& land, double turn, bool stand) {
    const QPointF centre(s / 2, stand ? s * 0.44 : s / 2);
    const double r = stand ? s * 0.36 : s * 0.44;
    if (stand) {
        QPainterPath arc;
        arc.arcMoveTo(QRectF(centre.x() - r - 2, centre.y() - r - 2, 2 * r + 4, 2 * r + 4), 200);
        arc.arcTo(QRectF(centre.x() - r - 2, centre.y() - r - 2, 2 * r + 4, 2 * r + 4), 200, 160);
        c.Stroke(arc, QColor(150, 110, 40), 1.4);
        c.Line({centre.x(), centre.y() + r + 2}, {centre.x(), s * 0.92}, QColor(150, 110, 40), 1.6);
        c.FillOutlined(Rect(s * 0.3, s * 0.88, s * 0.4, s * 0.08), QColor(180, 130, 50), QColor(90, 60, 20),
                       0.8);
    }
    const QPainterPath ball = Circle(centre.x(), centre.y(), r);
    c.Fill(ball, Shine(centre + QPointF(-r * 0.4, -r * 0.4), r * 1.5, Shade(sea, 1.4), sea));
    QPainter& p = c.Painter();
    p.save();
    p.setClipPath(ball);
    // Continents as blobs that move sideways with the turn of the globe.
    auto blob = [&](double x, double y, double w, double h) {
        for (double dx : {-2 * r, 0.0, 2 * r}) {
            QPainterPath shape;
            shape.addEllipse(QPointF(centre.x() + (x + turn * 2) * r + dx, centre.y() + y * r), w * r, h * r);
            c.Fill(shape, land);
        }
    };
    blob(-0.45, -0.3, 0.32, 0.3);
    blob(-0.3, 0.3, 0.2, 0.36);
    blob(0.35, -0.25, 0.4, 0.22);
    blob(0.45, 0.3, 0.22, 0.22);
    for (int i = -1; i <= 1; ++i) {
        c.Stroke(Ellipse(centre.x(), centre.y(), r * (0.35 + 0.3 * std::abs(i)) * (i == 0 ? 0.3 : 1), r),
                 QColor(255, 255, 255, 110), 0.6);
        c.Line({centre.x() - r, centre.y() + i * r * 0.5}, {centre.x() + r, centre.y() + i * r * 0.5},
               QColor(255, 255, 255, 110), 0.6);
    }
    p.restore();
    c.Stroke(ball, Shade(sea, 0.4), 1.0);
}

void Helmet(TCanvas& c, double s) {
    const QColor steel(170, 176, 188), outline(40, 44, 54), crest(200, 36, 36);
    // Crest, then the dome with a cheek guard, facing right.
    QPainterPath plume(QPointF(s * 0.2, s * 0.36));
    plume.cubicTo(QPointF(s * 0.2, s * 0.06), QPointF(s * 0.7, s * 0.02), QPointF(s * 0.8, s * 0.3));
    plume.lineTo(s * 0.7, s * 0.32);
    plume.cubicTo(QPointF(s * 0.6, s * 0.16), QPointF(s * 0.36, s * 0.18), QPointF(s * 0.32, s * 0.38));
    plume.closeSubpath();
    c.FillOutlined(plume, Vertical(0, s * 0.4, QColor(240, 80, 70), crest), QColor(100, 10, 10), s * 0.025);
    QPainterPath helmet(QPointF(s * 0.16, s * 0.6));
    helmet.cubicTo(QPointF(s * 0.12, s * 0.24), QPointF(s * 0.82, s * 0.2), QPointF(s * 0.84, s * 0.56));
    helmet.lineTo(s * 0.84, s * 0.62);
    helmet.lineTo(s * 0.66, s * 0.62);
    helmet.lineTo(s * 0.62, s * 0.9);
    helmet.lineTo(s * 0.44, s * 0.9);
    helmet.lineTo(s * 0.4, s * 0.7);
    helmet.lineTo(s * 0.3, s * 0.84);
    helmet.lineTo(s * 0.14, s * 0.8);
    helmet.closeSubpath();
    c.FillOutlined(helmet, Shine({s * 0.4, s * 0.36}, s * 0.6, QColor(240, 244, 250), Shade(steel, 0.75)),
                   outline, s * 0.025);
    // Eye slit and a rim.
    c.FillOutlined(
        Polygon({{s * 0.56, s * 0.5}, {s * 0.86, s * 0.5}, {s * 0.86, s * 0.58}, {s * 0.6, s * 0.58}}),
        QColor(20, 20, 26), outline, s * 0.015);
    c.Line({s * 0.18, s * 0.46}, {s * 0.82, s * 0.44}, QColor(230, 190, 80), s * 0.035);
}

void City(TCanvas& c, double s) {
    const QColor wall(232, 210, 160), roof(196, 72, 40), outline(70, 44, 24), window(60, 50, 70);
    auto house = [&](double x, double y, double w, double h) {
        c.FillOutlined(Rect(x, y, w, h), Vertical(y, y + h, Shade(wall, 1.1), Shade(wall, 0.9)), outline,
                       s * 0.02);
        c.FillOutlined(Polygon({{x - w * 0.12, y}, {x + w / 2, y - h * 0.55}, {x + w * 1.12, y}}),
                       Vertical(y - h * 0.55, y, Shade(roof, 1.2), roof), outline, s * 0.02);
        c.Fill(Rect(x + w * 0.2, y + h * 0.25, w * 0.2, h * 0.22), window);
        c.Fill(Rect(x + w * 0.6, y + h * 0.25, w * 0.2, h * 0.22), window);
    };
    // A tower with a flag behind two houses, a wall in front.
    c.Line({s * 0.5, s * 0.06}, {s * 0.5, s * 0.22}, outline, s * 0.02);
    c.FillOutlined(Polygon({{s * 0.5, s * 0.06}, {s * 0.66, s * 0.1}, {s * 0.5, s * 0.14}}),
                   QColor(40, 90, 200), QColor(20, 40, 100), s * 0.015);
    c.FillOutlined(Rect(s * 0.4, s * 0.26, s * 0.2, s * 0.5),
                   Vertical(0, s, Shade(wall, 1.05), Shade(wall, 0.8)), outline, s * 0.02);
    c.FillOutlined(Polygon({{s * 0.36, s * 0.28}, {s * 0.5, s * 0.16}, {s * 0.64, s * 0.28}}), roof, outline,
                   s * 0.02);
    c.Fill(Rect(s * 0.47, s * 0.34, s * 0.06, s * 0.1), window);
    house(s * 0.08, s * 0.46, s * 0.3, s * 0.3);
    house(s * 0.64, s * 0.42, s * 0.28, s * 0.34);
    const double top = s * 0.72;
    QPainterPath battlement(QPointF(s * 0.04, s * 0.96));
    battlement.lineTo(s * 0.04, top);
    for (int i = 0; i < 7; ++i) {
        const double x = s * (0.04 + i * 0.132);
        battlement.lineTo(x + s * 0.066, top);
        battlement.lineTo(x + s * 0.066, top + s * 0.06);
        battlement.lineTo(x + s * 0.132, top + s * 0.06);
        battlement.lineTo(x + s * 0.132, top);
    }
    battlement.lineTo(s * 0.96, s * 0.96);
    battlement.closeSubpath();
    c.FillOutlined(battlement, Vertical(top, s, QColor(196, 186, 170), QColor(150, 140, 124)), outline,
                   s * 0.02);
    c.FillOutlined(RoundRect(s * 0.42, s * 0.82, s * 0.16, s * 0.16, s * 0.06), QColor(80, 50, 30), outline,
                   s * 0.02);
}

// River and route pieces cover their square: grass with the river or road across it.
QImage Piece(const TDraw& draw) {
    TCanvas c(32, 32, 32);
    c.Fill(Rect(0, 0, 32, 32), QColor(108, 164, 70));
    TRandom r(5);
    for (int i = 0; i < 30; ++i) {
        const QPointF at(r.Range(0, 32), r.Range(0, 32));
        c.Line(at, at + QPointF(r.Range(-1, 1), -2.2), QColor(84, 138, 52), 0.8);
    }
    draw(c);
    QImage image = c.Finish().convertToFormat(QImage::Format_RGB32);
    return image;
}

void River(TCanvas& c, bool vertical) {
    QPainter& p = c.Painter();
    p.save();
    if (!vertical) {
        p.translate(32, 0);
        p.rotate(90);
    }
    QPainterPath bed(QPointF(16, -2));
    bed.cubicTo(QPointF(8, 8), QPointF(24, 20), QPointF(16, 34));
    c.Stroke(bed, QColor(120, 100, 60), 14, Qt::FlatCap);
    c.Stroke(bed, QColor(40, 110, 200), 11, Qt::FlatCap);
    c.Stroke(bed, QColor(80, 150, 230), 6, Qt::FlatCap);
    QPainterPath glints(QPointF(14, 6));
    glints.lineTo(16, 9);
    glints.moveTo(17, 20);
    glints.lineTo(19, 23);
    c.Stroke(glints, QColor(210, 236, 255), 1.2);
    p.restore();
}

void Road(TCanvas& c) {
    QPainterPath way(QPointF(-2, 26));
    way.cubicTo(QPointF(10, 24), QPointF(20, 10), QPointF(34, 6));
    c.Stroke(way, QColor(90, 74, 50), 12, Qt::FlatCap);
    c.Stroke(way, QColor(176, 156, 118), 9, Qt::FlatCap);
    QPen dashes(QColor(236, 226, 196), 1.6, Qt::CustomDashLine, Qt::FlatCap);
    dashes.setDashPattern({2.0, 1.6});
    c.Painter().strokePath(way, dashes);
}

// The tool-bar pictures, 16 x 16.

void Magnifier(TCanvas& c, bool plus) {
    c.Line({10, 10}, {14.5, 14.5}, QColor(110, 70, 30), 3.2);
    c.FillOutlined(Circle(6.5, 6.5, 5.3), Shine({5, 5}, 7, QColor(240, 250, 255), QColor(160, 200, 235)),
                   QColor(40, 50, 70), 1.3);
    c.Line({4, 6.5}, {9, 6.5}, QColor(20, 30, 60), 1.5, Qt::FlatCap);
    if (plus)
        c.Line({6.5, 4}, {6.5, 9}, QColor(20, 30, 60), 1.5, Qt::FlatCap);
}

void Sign(TCanvas& c, bool plus, const QColor& colour) {
    QPainterPath shape = RoundRect(1.5, 6, 13, 4.2, 1.0);
    if (plus)
        shape = shape.united(RoundRect(5.9, 1.5, 4.2, 13, 1.0));
    c.FillOutlined(shape, Vertical(1.5, 14.5, Shade(colour, 1.35), colour), Shade(colour, 0.45), 1.0);
}

void Tick(TCanvas& c, const QColor& colour, double scale = 1.0) {
    const QPainterPath tick = Polygon({{1.5 * scale, 8.5 * scale},
                                       {4 * scale, 6 * scale},
                                       {6.5 * scale, 8.8 * scale},
                                       {12.5 * scale, 2 * scale},
                                       {14.8 * scale, 4.4 * scale},
                                       {6.5 * scale, 13.8 * scale}});
    c.FillOutlined(tick, colour, Shade(colour, 0.45), 1.0);
}

void Cross(TCanvas& c, const QColor& colour) {
    QPainterPath bar1 = Polygon({{2, 4.5}, {4.5, 2}, {14, 11.5}, {11.5, 14}});
    QPainterPath bar2 = Polygon({{11.5, 2}, {14, 4.5}, {4.5, 14}, {2, 11.5}});
    c.FillOutlined(bar1.united(bar2), colour, Shade(colour, 0.45), 1.0);
}

void Grid(TCanvas& c) {
    c.FillOutlined(Rect(1.5, 1.5, 13, 13), QColor(255, 255, 255), QColor(40, 40, 50), 1.0);
    for (double v : {5.8, 10.2}) {
        c.Line({1.5, v}, {14.5, v}, QColor(60, 60, 80), 1.0, Qt::FlatCap);
        c.Line({v, 1.5}, {v, 14.5}, QColor(60, 60, 80), 1.0, Qt::FlatCap);
    }
}

void ColouredMap(TCanvas& c) {
    const QColor plots[4][4] = {
        {QColor(30, 70, 170), QColor(30, 70, 170), QColor(70, 160, 50), QColor(70, 160, 50)},
        {QColor(30, 70, 170), QColor(70, 160, 50), QColor(230, 200, 100), QColor(70, 160, 50)},
        {QColor(70, 160, 50), QColor(130, 120, 110), QColor(230, 200, 100), QColor(30, 70, 170)},
        {QColor(240, 244, 250), QColor(70, 160, 50), QColor(30, 70, 170), QColor(30, 70, 170)}};
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col)
            c.Fill(Rect(1.5 + col * 3.25, 1.5 + row * 3.25, 3.25, 3.25), plots[row][col]);
    c.Stroke(Rect(1.5, 1.5, 13, 13), QColor(40, 40, 50), 1.0);
}

void MiniMap(TCanvas& c) {
    // A folded paper map with the visible part framed in red.
    const QColor panels[] = {QColor(220, 236, 200), QColor(200, 224, 180), QColor(220, 236, 200)};
    for (int i = 0; i < 3; ++i) {
        const double x = 1 + i * 4.7;
        const double lift = (i % 2 == 0) ? 0 : 1.2;
        c.FillOutlined(Polygon({{x, 2.5 + lift},
                                {x + 4.7, 2.5 + (1.2 - lift)},
                                {x + 4.7, 13.5 + (1.2 - lift)},
                                {x, 13.5 + lift}}),
                       panels[i], QColor(70, 80, 60), 0.8);
    }
    c.Fill(Ellipse(5, 8, 2.6, 3.4), QColor(60, 120, 210));
    c.Fill(Ellipse(11, 9, 2.2, 2.4), QColor(60, 150, 60));
    c.Stroke(Rect(7.5, 5, 5.5, 5.5), QColor(220, 20, 20), 1.3);
}

void Window(TCanvas& c, double x, double y, double w, double h) {
    c.FillOutlined(Rect(x, y, w, h), QColor(255, 255, 255), QColor(30, 40, 70), 1.0);
    c.Fill(Rect(x + 0.5, y + 0.5, w - 1, 2.8), QColor(50, 100, 200));
}

void OptionsDialog(TCanvas& c) {
    Window(c, 1, 1, 14, 14);
    for (double y : {5.5, 10.0}) {
        c.FillOutlined(Rect(2.8, y, 3.6, 3.6), Qt::white, QColor(40, 40, 50), 0.8);
        c.Line({3.4, y + 1.8}, {4.5, y + 3.0}, QColor(20, 130, 30), 1.1);
        c.Line({4.5, y + 3.0}, {6.4, y + 0.4}, QColor(20, 130, 30), 1.1);
        c.Line({8, y + 1.8}, {13.5, y + 1.8}, PaperLine, 1.0, Qt::FlatCap);
    }
}

void Tree(TCanvas& c, bool expand) {
    const QColor line(90, 90, 100);
    c.Line({3, 2}, {3, 13}, line, 1.0, Qt::FlatCap);
    for (double y : {4.0, 8.5, 13.0}) {
        c.Line({3, y}, {6, y}, line, 1.0, Qt::FlatCap);
        c.FillOutlined(Rect(6, y - 1.5, 3, 3), QColor(250, 220, 120), QColor(120, 90, 20), 0.8);
    }
    c.FillOutlined(Circle(12, 11.5, 3.8), expand ? QColor(40, 160, 50) : QColor(210, 40, 40),
                   expand ? QColor(10, 70, 20) : QColor(100, 10, 10), 0.9);
    c.Line({10, 11.5}, {14, 11.5}, Qt::white, 1.4, Qt::FlatCap);
    if (expand)
        c.Line({12, 9.5}, {12, 13.5}, Qt::white, 1.4, Qt::FlatCap);
}

void Emblem(TCanvas& c) {
    // A gold medallion in a laurel wreath.
    for (int side : {-1, 1}) {
        for (int i = 0; i < 5; ++i) {
            const double a = (120 + i * 28) * Pi / 180;
            const QPointF at(12 + side * std::cos(a) * -9.5, 12.5 + std::sin(a) * -9.5 + 1);
            QPainter& p = c.Painter();
            p.save();
            p.translate(at);
            p.rotate(side * (i * 28 - 30));
            c.FillOutlined(Ellipse(0, 0, 1.5, 3), QColor(60, 150, 50), QColor(20, 70, 20), 0.6);
            p.restore();
        }
    }
    c.FillOutlined(Circle(12, 12, 6.6), Shine({10, 9.5}, 8, QColor(255, 240, 150), QColor(210, 150, 20)),
                   QColor(110, 70, 0), 1.0);
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
        const double r = i % 2 == 0 ? 4.4 : 1.9;
        const double a = (-90 + i * 36) * Pi / 180;
        const QPointF p(12 + std::cos(a) * r, 12 + std::sin(a) * r);
        if (i == 0)
            star.moveTo(p);
        else
            star.lineTo(p);
    }
    star.closeSubpath();
    c.FillOutlined(star, QColor(200, 40, 30), QColor(110, 10, 10), 0.6);
}

void ScrollWithHelmet(TCanvas& c) {
    const QColor parchment(244, 228, 180), outline(120, 90, 40);
    c.FillOutlined(Rect(3, 3, 15, 16), Vertical(3, 19, parchment, QColor(226, 200, 140)), outline, 1.0);
    c.FillOutlined(RoundRect(1.5, 1.5, 18, 3.4, 1.7), QColor(226, 200, 140), outline, 1.0);
    c.FillOutlined(RoundRect(1.5, 17.5, 18, 3.4, 1.7), QColor(226, 200, 140), outline, 1.0);
    for (double y : {7.5, 10.5})
        c.Line({5.5, y}, {15, y}, QColor(160, 130, 80), 1.0, Qt::FlatCap);
    QPainter& p = c.Painter();
    p.save();
    p.translate(9.5, 9.5);
    p.scale(14.5 / 100.0, 14.5 / 100.0);
    Helmet(c, 100);
    p.restore();
}

void Warrior(TCanvas& c) {
    const QColor skin(232, 184, 140), tunic(180, 40, 40), outline(50, 30, 20);
    c.Line({19, 2}, {13, 22}, QColor(120, 80, 40), 1.4); // spear
    c.FillOutlined(Polygon({{19, 1}, {20.5, 4.5}, {17.8, 4}}), QColor(190, 196, 206), outline, 0.6);
    c.FillOutlined(Polygon({{8, 10}, {16, 10}, {17, 19}, {7, 19}}), tunic, outline, 1.0);
    c.Line({10, 19}, {9.5, 23}, skin, 2.0, Qt::FlatCap);
    c.Line({14, 19}, {14.5, 23}, skin, 2.0, Qt::FlatCap);
    c.FillOutlined(Circle(12, 6.5, 3.4), skin, outline, 0.9);
    QPainterPath cap(QPointF(8.4, 6.2));
    cap.cubicTo(QPointF(8.4, 1.6), QPointF(15.6, 1.6), QPointF(15.6, 6.2));
    cap.closeSubpath();
    c.FillOutlined(cap, QColor(180, 186, 198), outline, 0.8);
    c.Line({9, 2.4}, {15, 2.4}, QColor(200, 30, 30), 1.4); // crest
    c.Line({16, 12}, {18.5, 15}, skin, 2.0);
    c.FillOutlined(Circle(7, 15, 5), Shine({6, 13}, 6, QColor(250, 210, 90), QColor(170, 110, 20)),
                   QColor(90, 60, 10), 1.0);
    c.Fill(Circle(7, 15, 1.2), QColor(110, 70, 10));
}

} // namespace

QImage DrawProgramStrip() {
    return Strip(24, {
                         [](TCanvas& c) { Page(c, 4, 2, 16, 20); },
                         [](TCanvas& c) {
                             Folder(c, 24, false);
                             Arrow(c, {8, 15}, {23, 8}, QColor(40, 170, 60), 3.4);
                         },
                         [](TCanvas& c) { Diskette(c, 24); },
                         [](TCanvas& c) { Folder(c, 24, true); },
                         [](TCanvas& c) { QuestionMark(c, 24); },
                         [](TCanvas& c) { Door(c, 24); },
                     });
}

QImage DrawTabsStrip() {
    return Strip(24,
                 {
                     Emblem,
                     ScrollWithHelmet,
                     Warrior,
                     [](TCanvas& c) { Globe(c, 24, QColor(40, 110, 210), QColor(70, 170, 60), 0.0, false); },
                     [](TCanvas& c) { Landscape(c, 24); },
                     [](TCanvas& c) { Globe(c, 24, QColor(40, 110, 210), QColor(200, 170, 80), 0.45, true); },
                     [](TCanvas& c) { Globe(c, 24, QColor(24, 50, 120), QColor(90, 170, 120), -0.3, false); },
                 });
}

QImage DrawToolBarStrip() {
    const QColor green(40, 170, 50), red(210, 40, 40), orange(240, 140, 20);
    return Strip(16, {
                         [](TCanvas& c) { Magnifier(c, false); },
                         [](TCanvas& c) { Magnifier(c, true); },
                         [](TCanvas& c) { Page(c, 2.5, 1, 11, 14); },
                         Grid,
                         ColouredMap,
                         [](TCanvas& c) { Landscape(c, 16); },
                         [](TCanvas& c) {
                             Page(c, 2.5, 1, 11, 14);
                             PageLines(c, 2.5, 1, 11, 14, QColor(30, 160, 40), 1.3);
                         },
                         [](TCanvas& c) {
                             Page(c, 2.5, 1, 11, 14);
                             PageLines(c, 2.5, 1, 11, 14, QColor(150, 150, 156), 1.3);
                         },
                         [green](TCanvas& c) { Sign(c, true, green); },
                         [green](TCanvas& c) { Sign(c, false, green); },
                         [red](TCanvas& c) { Sign(c, true, red); },
                         [red](TCanvas& c) { Sign(c, false, red); },
                         [orange](TCanvas& c) { Tick(c, orange); },
                         [orange](TCanvas& c) { Cross(c, orange); },
                         [](TCanvas& c) { Door(c, 16); },
                         MiniMap,
                         [](TCanvas& c) {
                             Window(c, 1, 1, 10, 9);
                             Window(c, 5, 6, 10, 9);
                         },
                         OptionsDialog,
                         [](TCanvas& c) { Tree(c, true); },
                         [](TCanvas& c) { Tree(c, false); },
                     });
}

QImage DrawYesNoStrip() {
    const auto box = [](TCanvas& c) {
        c.FillOutlined(Rect(2.5, 2.5, 11, 11), Qt::white, QColor(60, 60, 70), 1.0);
    };
    return Strip(16, {
                         box,
                         [box](TCanvas& c) {
                             box(c);
                             c.Line({4.8, 8.2}, {7, 10.6}, QColor(20, 20, 24), 1.8);
                             c.Line({7, 10.6}, {11.4, 5}, QColor(20, 20, 24), 1.8);
                         },
                         [](TCanvas& c) { Cross(c, QColor(220, 30, 30)); },
                         [](TCanvas& c) { Tick(c, QColor(30, 170, 40)); },
                     });
}

QImage DrawUnitCityStrip() {
    return JoinStrip({Icon(55,
                           [](TCanvas& c) {
                               c.Painter().scale(55 / 100.0, 55 / 100.0);
                               Helmet(c, 100);
                           }),
                      Icon(55, [](TCanvas& c) {
                          c.Painter().scale(55 / 100.0, 55 / 100.0);
                          City(c, 100);
                      })});
}

QImage DrawRiverRouteStrip() {
    return JoinStrip(
        {Piece(Road), Piece([](TCanvas& c) { River(c, true); }), Piece([](TCanvas& c) { River(c, false); })});
}
