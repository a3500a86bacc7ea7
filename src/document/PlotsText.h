#pragma once

// A rectangle of plots as text, for the clipboard: a header line naming the rectangle, then each
// plot's own block as a map file holds it, units and city included. Pasted, each block is read again
// into the plot at its new place, so a region of a map can be repeated elsewhere. The text may come
// from anywhere: reading it checks every line before a single plot is touched.

#include "document/Plot.h"

#include <string>
#include <string_view>
#include <vector>

class TPlotsText {
public:
    // The first item of the header line.
    static constexpr std::string_view Header = "TesselPlots";

    // The plots x1..x2, y1..y2 (inclusive, map coordinates) that lie on the map.
    static std::string Write(TPlotGrid& grids, int x1, int y1, int x2, int y2);
    // Raises OperationAborted, with the reason, for a text that Write did not make or that a plot
    // cannot be read from.
    static TPlotsText Read(std::string_view text);

    int Width() const { return width; }
    int Height() const { return height; }
    // Puts each plot at (left + its column, bottom + its row) of the rectangle; those falling off the
    // grid are skipped. Nothing can fail here: every block was read once already.
    void PasteInto(TPlotGrid& grids, int left, int bottom) const;

private:
    struct TBlock {
        int dx = 0, dy = 0;
        std::string text; // the plot's block; empty for a plot that writes none
    };
    int width = 0, height = 0;
    std::vector<TBlock> blocks;
};
