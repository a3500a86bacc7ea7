#include "ui/tools/RiverTool.h"

#include "document/MapContents.h"
#include "edit/EditSession.h"
#include "ui/EditorHost.h"

#include <QApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <algorithm>
#include <cmath>

const QColor TRiverTool::RiverColor(30, 144, 255);
const QColor TRiverTool::ArrowColor(0, 32, 128);

namespace {

// Half the width of a river's line on each side of the grid line, and the length of its arrow.
int HalfWidth(int zoom) {
    return std::max(1, zoom / 14);
}

double ArrowSize(int zoom) {
    return std::max(3.0, zoom / 5.0);
}

// How near the pointer must come to a corner for a drag to reach it, in cells: less than half a
// cell, so that a pointer wandering about the middle of a cell draws nothing.
constexpr double CornerReach = 0.4;

// How near an edge a click must be, in cells: a quarter of a cell, and at least 4 pixels.
double ClickReach(int stride) {
    return std::clamp(4.0 / std::max(stride, 1), 0.25, 0.45);
}

// The way a flow points on the screen, north up.
QPointF FlowVector(int flow) {
    switch (flow) {
    case RiverNorth:
        return {0, -1};
    case RiverEast:
        return {1, 0};
    case RiverSouth:
        return {0, 1};
    default:
        return {-1, 0};
    }
}

} // namespace

TRiverTool::TRiverTool(TEditorHost& host, TMapGridView& grid) : host(host), grid(grid) {}

QIcon TRiverTool::Icon() {
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath river(QPointF(1.5, 13.5));
    river.cubicTo(6, 15, 4, 8, 8, 8);
    river.cubicTo(12, 8, 10, 1, 14.5, 2.5);
    painter.setPen(QPen(RiverColor, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(river);
    return QIcon(picture);
}

TRiverTool::TCorners TRiverTool::Corners() const {
    TCorners corners;
    corners.stride = std::max(grid.CellRect(1, 1).left() - grid.CellRect(0, 0).left(), 1);
    corners.line = corners.stride - grid.Zoom();
    corners.origin = QPointF(grid.CellRect(0, 0).topLeft()) - QPointF(corners.line / 2.0, corners.line / 2.0);
    return corners;
}

QPointF TRiverTool::LatticePoint(QPoint position) const {
    const TCorners corners = Corners();
    return (QPointF(position) + QPointF(0.5, 0.5) - corners.origin) / corners.stride;
}

TPlotCorner TRiverTool::NearestCorner(QPointF lattice) const {
    const TPlotGrid& plots = host.Session().Map().Grids();
    const int col = std::clamp(static_cast<int>(std::lround(lattice.x())), 0, plots.Width());
    const int row = std::clamp(static_cast<int>(std::lround(lattice.y())), 0, plots.Height());
    return {col, plots.Height() - row};
}

std::optional<TPlotEdge> TRiverTool::EdgeNear(QPointF lattice) const {
    const TPlotGrid& plots = host.Session().Map().Grids();
    const int col = static_cast<int>(std::floor(lattice.x())),
              row = static_cast<int>(std::floor(lattice.y()));
    if (col < 0 || row < 0 || col >= plots.Width() || row >= plots.Height())
        return std::nullopt;
    const double inX = lattice.x() - col, inY = lattice.y() - row;
    const int x = col, y = plots.Height() - 1 - row;
    const std::pair<double, TPlotEdge> sides[] = {
        {inX, {x, y, true}}, {1 - inX, {x + 1, y, true}}, {inY, {x, y + 1, false}}, {1 - inY, {x, y, false}}};
    const auto nearest = std::min_element(std::begin(sides), std::end(sides),
                                          [](const auto& a, const auto& b) { return a.first < b.first; });
    if (nearest->first > ClickReach(Corners().stride))
        return std::nullopt;
    return nearest->second;
}

void TRiverTool::EdgeLine(const TPlotEdge& edge, QPointF& from, QPointF& to) const {
    const TPlotGrid& plots = host.Session().Map().Grids();
    const int width = plots.Width(), height = plots.Height();
    const TCorners corners = Corners();
    // An edge on the map's border is drawn inside its cells, so that all of it shows.
    const double inwards = HalfWidth(grid.Zoom()) + corners.line;
    const int row = height - edge.y;
    if (edge.northSouth) {
        from = corners.Point(edge.x, row - 1);
        to = corners.Point(edge.x, row);
        const double shift = edge.x == 0 ? inwards : edge.x == width ? -inwards : 0.0;
        from.rx() += shift;
        to.rx() += shift;
    } else {
        from = corners.Point(edge.x, row);
        to = corners.Point(edge.x + 1, row);
        const double shift = row == 0 ? inwards : row == height ? -inwards : 0.0;
        from.ry() += shift;
        to.ry() += shift;
    }
}

QRect TRiverTool::EdgeArea(const TPlotEdge& edge) const {
    QPointF from, to;
    EdgeLine(edge, from, to);
    const double margin = std::max<double>(HalfWidth(grid.Zoom()) + 1, ArrowSize(grid.Zoom())) + 2;
    return QRectF(from, to).normalized().adjusted(-margin, -margin, margin, margin).toAlignedRect();
}

void TRiverTool::AddRiver(const TPlotEdge& edge, int flow, TRiverDrawing& drawing) const {
    QPointF from, to;
    EdgeLine(edge, from, to);
    const int zoom = grid.Zoom();
    const double half = HalfWidth(zoom) + Corners().line / 2.0;
    // The line reaches past its corners by its own half width, so that edges in a row or at a bend
    // join.
    drawing.lines.append(QRectF(from, to).normalized().adjusted(-half, -half, half, half));
    if (flow < 0)
        return;
    drawing.arrows.push_back({(from + to) / 2, flow});
}

const QImage& TRiverTool::ArrowImage(int flow) const {
    const int zoom = grid.Zoom();
    if (arrowZoom != zoom) {
        arrowZoom = zoom;
        const double size = ArrowSize(zoom);
        const int side = 2 * static_cast<int>(std::ceil(size)) + 3;
        const QPointF middle(side / 2.0, side / 2.0);
        for (int way = RiverNorth; way <= RiverWest; ++way) {
            QImage& arrow = arrows[static_cast<std::size_t>(way)];
            arrow = QImage(side, side, QImage::Format_ARGB32_Premultiplied);
            arrow.fill(Qt::transparent);
            const QPointF along = FlowVector(way), across(-along.y(), along.x());
            const QPointF back = middle - along * (size * 0.6);
            const QPointF corners[] = {middle + along * size, back + across * (size * 0.8),
                                       back - across * (size * 0.8)};
            QPainter painter(&arrow);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.setPen(QPen(Qt::white, 1));
            painter.setBrush(ArrowColor);
            painter.drawPolygon(corners, 3);
        }
    }
    return arrows[static_cast<std::size_t>(flow)];
}

void TRiverTool::PaintOverlay(QPainter& painter, const TCellRange& cells) const {
    const TMap& map = host.Session().Map();
    const TPlotGrid& plots = map.Grids();
    const int width = plots.Width(), height = plots.Height();
    const TRiverLattice lattice = TRiverLattice::Of(map);
    TRiverDrawing drawing;
    // Each plot keeps the rivers of its east and south edges: the plots of the cells and of the cells
    // around them, whose lines reach into the cells a little, and those across a seam.
    auto addPlot = [&](int col, int row) {
        const int x = col, y = height - 1 - row;
        const TPlot& plot = *plots.GetPlot(x, y);
        for (const bool eastEdge : {true, false}) {
            const TRiverHolder holder{x, y, eastEdge};
            TRiverState state = TRiverLattice::RiverKept(plot, eastEdge);
            if (!stroke.empty())
                if (const auto drawn = stroke.find(holder); drawn != stroke.end())
                    state = {true, drawn->second};
            if (state.river)
                for (const TPlotEdge& place : lattice.Places(holder))
                    AddRiver(place, state.flow, drawing);
        }
    };
    const int firstCol = std::max(cells.firstCol - 1, 0), lastCol = std::min(cells.lastCol + 1, width - 1);
    const int firstRow = std::max(cells.firstRow - 1, 0), lastRow = std::min(cells.lastRow + 1, height - 1);
    // Column by column, the order the plots lie in.
    for (int col = firstCol; col <= lastCol; ++col)
        for (int row = firstRow; row <= lastRow; ++row)
            addPlot(col, row);
    if (lattice.WrapsX() && firstCol == 0 && lastCol < width - 1)
        for (int row = firstRow; row <= lastRow; ++row)
            addPlot(width - 1, row);
    if (lattice.WrapsY() && firstRow == 0 && lastRow < height - 1)
        for (int col = firstCol; col <= lastCol; ++col)
            addPlot(col, height - 1);

    painter.setClipRect(grid.CellRect(0, 0).united(grid.CellRect(width - 1, height - 1)), Qt::IntersectClip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(Qt::NoPen);
    painter.setBrush(RiverColor);
    painter.drawRects(drawing.lines);
    for (const auto& [middle, flow] : drawing.arrows) {
        const QImage& arrow = ArrowImage(flow);
        painter.drawImage(QPoint(static_cast<int>(std::lround(middle.x())) - arrow.width() / 2,
                                 static_cast<int>(std::lround(middle.y())) - arrow.height() / 2),
                          arrow);
    }
}

void TRiverTool::UpdateHolders(const std::vector<TRiverHolder>& holders) const {
    const TRiverLattice lattice = TRiverLattice::Of(host.Session().Map());
    for (const TRiverHolder& holder : holders)
        for (const TPlotEdge& place : lattice.Places(holder))
            grid.viewport()->update(EdgeArea(place));
}

QRect TRiverTool::ShownPlots(const std::vector<TRiverHolder>& holders) const {
    const TPlotGrid& plots = host.Session().Map().Grids();
    const TRiverLattice lattice = TRiverLattice::Of(host.Session().Map());
    QRect shown;
    // The plots on both sides of each place and the plots around them, which its line reaches into.
    for (const TRiverHolder& holder : holders)
        for (const TPlotEdge& place : lattice.Places(holder))
            shown |= place.northSouth
                         ? QRect(QPoint(place.x - 2, place.y - 1), QPoint(place.x + 1, place.y + 1))
                         : QRect(QPoint(place.x - 1, place.y - 2), QPoint(place.x + 1, place.y + 1));
    return shown & QRect(0, 0, plots.Width(), plots.Height());
}

bool TRiverTool::MousePress(const TMapGridMouse& mouse) {
    if (mouse.button != Qt::LeftButton)
        return false;
    pressed = true;
    dragged = false;
    pressPosition = mouse.position;
    corner = NearestCorner(LatticePoint(mouse.position));
    stroke.clear();
    return true;
}

bool TRiverTool::MouseMove(const TMapGridMouse& mouse) {
    if (!pressed)
        return false;
    if ((mouse.position - pressPosition).manhattanLength() >= QApplication::startDragDistance())
        dragged = true;
    const QPointF lattice = LatticePoint(mouse.position);
    const TPlotCorner nearest = NearestCorner(lattice);
    const int height = host.Session().Map().Grids().Height();
    const QPointF offset = lattice - QPointF(nearest.x, height - nearest.y);
    if (nearest != corner && std::hypot(offset.x(), offset.y()) <= CornerReach)
        AddPath(nearest);
    return true;
}

bool TRiverTool::MouseRelease(const TMapGridMouse& mouse) {
    if (!pressed)
        return false;
    if (mouse.button != Qt::LeftButton)
        return true;
    MouseMove(mouse);
    if (!stroke.empty())
        FinishStroke();
    else if (!dragged)
        Click(LatticePoint(pressPosition));
    pressed = false;
    return true;
}

void TRiverTool::AddPath(TPlotCorner to) {
    const TRiverLattice lattice = TRiverLattice::Of(host.Session().Map());
    std::vector<TRiverHolder> drawn;
    for (const TRiverStep& step : TRiverLattice::Path(corner, to))
        if (const std::optional<TRiverHolder> holder = lattice.Holder(step.edge)) {
            stroke[*holder] = step.flow;
            drawn.push_back(*holder);
        }
    corner = to;
    UpdateHolders(drawn);
}

void TRiverTool::FinishStroke() {
    const TRiverLattice lattice = TRiverLattice::Of(host.Session().Map());
    std::vector<TRiverHolder> holders;
    std::vector<TRiverStep> steps;
    for (const auto& [holder, flow] : stroke) {
        holders.push_back(holder);
        steps.push_back({lattice.Places(holder).front(), flow});
    }
    stroke.clear();
    const QString text =
        steps.size() == 1 ? QString("River of 1 edge") : QString("River of %1 edges").arg(steps.size());
    Change(text, holders, [steps](TMap& map) {
        const TRiverLattice onMap = TRiverLattice::Of(map);
        for (const TRiverStep& step : steps)
            onMap.SetRiver(map.Grids(), step);
    });
    // What was drawn goes, in case the document refused it.
    UpdateHolders(holders);
}

void TRiverTool::Click(QPointF lattice) {
    const std::optional<TPlotEdge> edge = EdgeNear(lattice);
    if (!edge) {
        // Away from the edges a click selects the cell as it does without the tool.
        const TMapGridMouse pressedAt = grid.MouseAt(pressPosition);
        if (pressedAt.onCell)
            grid.SelectCell(pressedAt.col, pressedAt.row);
        return;
    }
    const TRiverLattice rivers = TRiverLattice::Of(host.Session().Map());
    const std::optional<TRiverHolder> holder = rivers.Holder(*edge);
    if (!holder)
        return;
    const QString text =
        QString("%1 %2 of (%3, %4)")
            .arg(rivers.RiverAt(host.Session().Map().Grids(), *edge).river ? "Remove river" : "River",
                 holder->eastEdge ? "east" : "south")
            .arg(holder->x)
            .arg(holder->y);
    const TPlotEdge toggled = *edge;
    Change(text, {*holder},
           [toggled](TMap& map) { TRiverLattice::Of(map).ToggleRiver(map.Grids(), toggled); });
}

void TRiverTool::Change(const QString& text, const std::vector<TRiverHolder>& holders,
                        std::function<void(TMap&)> apply) {
    // The row being typed is written first, so that the sheet can show the plot again.
    if (!host.CommitCurrentRow())
        return;
    const QRect plots = ShownPlots(holders);
    host.Session().Change({text, {TChangeScope::TKind::Plots, -1, plots}, std::move(apply)});
    const int height = host.Session().Map().Grids().Height();
    if (plots.contains(grid.Col(), height - 1 - grid.Row()))
        host.RefreshSheet();
}
