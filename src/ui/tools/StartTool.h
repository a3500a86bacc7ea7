#pragma once

// The "Start" tool of the map: while its button is down, a click on a plot makes that plot the start
// of the player chosen on the "Player" tab, as one step of the history. The main window owns it and
// hands it to the grid while its button is down.

#include "ui/mapview/MapGridView.h"

#include <QString>

class TEditorHost;

class TStartTool : public TMapGridTool {
public:
    explicit TStartTool(TEditorHost& host) : host(host) {}

    bool MousePress(const TMapGridMouse& mouse) override;

    // Makes the plot (x, y) the chosen player's start and selects its cell; false when nothing
    // changed: a player not in use (the window says so), a row the sheet refuses, or a plot that is
    // that player's start already.
    bool PlaceStart(int x, int y);

    // The chosen player as the tool's hint and the status bar name it.
    int Player() const;
    QString Hint() const;
    QString StatusText() const;

private:
    QString PlayerName() const;

    TEditorHost& host;
};
