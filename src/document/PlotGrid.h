#pragma once

#include "document/Plot.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// The rectangle of plots, Width columns of Height plots. Owned by the document.
class TPlotGrid {
public:
    TPlotGrid() { Clear(); }

    void Clear();
    // Negative sizes are refused with OperationAborted and change nothing.
    void SetWidth(int width);
    void SetHeight(int height);
    int Width() const { return width; }
    int Height() const { return height; }
    // The plot at (x, y), or null outside the grid. Valid until the grid is resized or cleared.
    TPlot* GetPlot(int x, int y);
    const TPlot* GetPlot(int x, int y) const;

    void LoadFromStrings(const StringList& lines);
    void Read(TLineSpan lines, bool fromFile);
    const StringList& SaveToStrings();
    void Write(TTextWriter& out) const;
    // The text after the last plot block (the sign section), kept as it was read.
    const StringList& TrailingLines() const { return trailing; }
    void SetTrailingLines(StringList text) { trailing = std::move(text); }
    // Makes the grid `newWidth` x `newHeight` and moves the plot at (x, y), with all it holds, to
    // (x + dx, y + dy); on an axis that wraps and keeps its size the new place is taken modulo that size.
    // Plots that land outside are freed; places no plot lands on get new default plots. Every plot's X and Y
    // follow its place. Negative sizes are refused with OperationAborted and change nothing.
    void MovePlots(int newWidth, int newHeight, int dx, int dy, bool wrapX, bool wrapY);
    // The new place of the plot at (x, y).
    using TPlaceOf = std::function<std::pair<int, int>(int x, int y)>;
    // Makes the grid `newWidth` x `newHeight`, of as many plots as now, and moves every plot, with
    // all it holds, to the place `placeOf` gives it: a place for each plot and a plot for each place.
    // A size of another plot count is refused with OperationAborted and changes nothing.
    void RearrangePlots(int newWidth, int newHeight, const TPlaceOf& placeOf);

private:
    // Moves every plot by (dx, dy) around a grid that keeps its size.
    void RotatePlots(int dx, int dy);
    // Keeps the plots of the rectangle from (left, bottom), of the new size.
    void KeepRectangle(int left, int bottom, int newWidth, int newHeight);
    // Sets every plot's X and Y to its place.
    void NumberPlots();
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(x) * static_cast<std::size_t>(height) + static_cast<std::size_t>(y);
    }

    int width = 1, height = 1;
    // The plots column by column, in the order the file lists them: (0,0), (0,1), ..., (1,0), ...
    std::vector<TPlot> plots;
    StringList trailing;
    TScratchList lines;
};
