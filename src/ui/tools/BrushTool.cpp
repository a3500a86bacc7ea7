#include "ui/tools/BrushTool.h"

#include "document/MapContents.h"
#include "edit/EditSession.h"
#include "ui/EditorHost.h"
#include "ui/mainwindow/StatusPanel.h"

#include <QLabel>

#include <algorithm>
#include <cstdlib>

void TBrushTool::SetSize(int value) {
    size = 1;
    for (const int allowed : Sizes)
        if (allowed <= value)
            size = allowed;
}

QRect TBrushTool::PlotsUnder(int col, int row) const {
    const TPlotGrid& grids = host.Session().Map().Grids();
    const int x = col, y = grids.Height() - 1 - row, reach = size / 2;
    const QRect square(QPoint(x - reach, y - reach), QPoint(x + reach, y + reach));
    return square & QRect(0, 0, grids.Width(), grids.Height());
}

bool TBrushTool::MousePress(const TMapGridMouse& mouse) {
    // Shift and a click select; the other buttons are not the brush's.
    if (mouse.button != Qt::LeftButton || (mouse.modifiers & Qt::ShiftModifier) || !mouse.onCell)
        return false;
    Finish();
    const std::optional<std::pair<QString, std::string>> row = host.PaintRow();
    if (!row)
        return true;
    key = row->first.left(row->first.indexOf('='));
    paint = row->second;
    painting = true;
    host.Session().BeginStroke("Paint " + row->first);
    lastCol = mouse.col;
    lastRow = mouse.row;
    if (!Dab(mouse.col, mouse.row))
        Finish();
    return true;
}

bool TBrushTool::MouseMove(const TMapGridMouse& mouse) {
    if (!painting)
        return false;
    if (mouse.onCell && (mouse.col != lastCol || mouse.row != lastRow)) {
        DabAlong(lastCol, lastRow, mouse.col, mouse.row);
        lastCol = mouse.col;
        lastRow = mouse.row;
    }
    return true;
}

bool TBrushTool::MouseRelease(const TMapGridMouse& mouse) {
    if (!painting || mouse.button != Qt::LeftButton)
        return false;
    Finish();
    return true;
}

void TBrushTool::Finish() {
    if (!painting)
        return;
    painting = false;
    host.Session().EndStroke();
}

bool TBrushTool::Dab(int col, int row) {
    const QRect plots = PlotsUnder(col, row);
    if (plots.isEmpty())
        return true;
    TDocumentChange change;
    change.text = "Paint";
    change.scope = TChangeScope::Plots(plots);
    change.apply = [rows = StringList{paint}, plots](TMap& document) {
        for (int x = plots.left(); x <= plots.right(); ++x)
            for (int y = plots.top(); y <= plots.bottom(); ++y)
                document.Grids().GetPlot(x, y)->ApplyEditorLines(rows);
    };
    if (host.Session().Change(change))
        return true;
    host.ShowStatus(key + " cannot be painted with this value");
    return false;
}

void TBrushTool::DabAlong(int fromCol, int fromRow, int toCol, int toRow) {
    // Bresenham's line, without its first cell, which is painted already.
    const int dx = std::abs(toCol - fromCol), dy = -std::abs(toRow - fromRow);
    const int stepCol = fromCol < toCol ? 1 : -1, stepRow = fromRow < toRow ? 1 : -1;
    int error = dx + dy, col = fromCol, row = fromRow;
    while (col != toCol || row != toRow) {
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            col += stepCol;
        }
        if (twice <= dx) {
            error += dx;
            row += stepRow;
        }
        if (!Dab(col, row)) {
            Finish();
            return;
        }
    }
}
