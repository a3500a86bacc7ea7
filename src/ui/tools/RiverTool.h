#pragma once

// The "River" tool of the map grid: while it is on, every river shows as a blue line along the edge
// it runs on, with an arrow for its flow. A click near a cell's edge puts a river on that edge or
// takes it off; a drag draws a river along the edges between the corners the pointer passes, with
// the flow of the drag, shown as it is drawn and made one step of the history on release. The main
// window owns the tool and hands it to the grid while its button is down.

#include "document/RiverEdges.h"
#include "ui/mapview/MapGridView.h"

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QVector>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <utility>
#include <vector>

class TEditorHost;
class TMap;

class TRiverTool : public TMapGridTool {
public:
    // The line of a river, and the arrow in its middle that shows its flow.
    static const QColor RiverColor;
    static const QColor ArrowColor;

    TRiverTool(TEditorHost& host, TMapGridView& grid);

    bool MousePress(const TMapGridMouse& mouse) override;
    bool MouseMove(const TMapGridMouse& mouse) override;
    bool MouseRelease(const TMapGridMouse& mouse) override;

    // Paints the rivers along the edges of the cells of a paint, and those of the drag under way;
    // the grid's overlay painter while the tool is on.
    void PaintOverlay(QPainter& painter, const TCellRange& cells) const;
    // The tool's button picture: a river.
    static QIcon Icon();

private:
    // Where the grid's corners lie in the viewport: corner column c and row r, on the grid lines
    // before column c and row r, at origin + (c, r) * stride. The map's corner (x, y) is the grid's
    // corner column x, row H - y.
    struct TCorners {
        QPointF origin;
        int stride = 1;
        int line = 0; // the grid lines' width
        QPointF Point(int col, int row) const { return origin + QPointF(col * stride, row * stride); }
    };
    TCorners Corners() const;
    // A point of the viewport in corners of the grid: column and row of the corners, continuous.
    QPointF LatticePoint(QPoint position) const;
    // The map's corner nearest to the point, within the map.
    TPlotCorner NearestCorner(QPointF lattice) const;
    // The edge of the cell under the point that the point lies near, if any.
    std::optional<TPlotEdge> EdgeNear(QPointF lattice) const;
    // Where an edge is drawn: the centre line between its corners, in viewport pixels.
    void EdgeLine(const TPlotEdge& edge, QPointF& from, QPointF& to) const;
    // The viewport's pixels an edge's drawing may cover.
    QRect EdgeArea(const TPlotEdge& edge) const;
    // The lines and arrows of the rivers of a paint, drawn together.
    struct TRiverDrawing {
        QVector<QRectF> lines;
        std::vector<std::pair<QPointF, int>> arrows; // the middle of the line, the flow
    };
    void AddRiver(const TPlotEdge& edge, int flow, TRiverDrawing& drawing) const;
    // The arrow of a flow at the grid's zoom, made once per zoom.
    const QImage& ArrowImage(int flow) const;
    // Repaints the places of the rivers that the holders keep.
    void UpdateHolders(const std::vector<TRiverHolder>& holders) const;
    // The plots whose cells show the rivers of the holders: the change's scope.
    QRect ShownPlots(const std::vector<TRiverHolder>& holders) const;

    void AddPath(TPlotCorner to);
    // A press and release at one place: the river of the edge near it goes or comes.
    void Click(QPointF lattice);
    void FinishStroke();
    // Makes the change of the holders as one step; the sheet shows its plot again when touched.
    void Change(const QString& text, const std::vector<TRiverHolder>& holders,
                std::function<void(TMap&)> apply);

    TEditorHost& host;
    TMapGridView& grid;
    bool pressed = false;
    bool dragged = false; // the pointer left the place it was pressed at
    QPoint pressPosition;
    TPlotCorner corner; // where the drag stands
    // The edges drawn since the press, by the plot that keeps each, with their flows.
    std::map<TRiverHolder, int> stroke;
    mutable int arrowZoom = 0;
    mutable std::array<QImage, 4> arrows;
};
