#pragma once

// The magic wand on the map: while its button is down, a click on a plot selects the plots joined to
// it that share its terrain and plot type, across the seams of a map that wraps. Shift or Ctrl and a
// click still work as the selection tool has them: the wand takes plain clicks only.

#include "ui/mapview/MapGridView.h"

#include <functional>

class TMagicWandTool : public TMapGridTool {
public:
    using TPick = std::function<void(int col, int row)>;

    explicit TMagicWandTool(TPick pick) : pick(std::move(pick)) {}

    bool MousePress(const TMapGridMouse& mouse) override {
        if (mouse.button != Qt::LeftButton || mouse.modifiers != Qt::NoModifier || !mouse.onCell)
            return false;
        pick(mouse.col, mouse.row);
        return true;
    }

private:
    TPick pick;
};
