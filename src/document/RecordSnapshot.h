#pragma once

// What a change of the editor touched, as the records' own text: taken before and after the change,
// it puts back exactly what was there, units, city and kept lines included, when the change is
// undone or redone. A snapshot holds one section record, a rectangle of plots, the whole map, or
// several of these for a change that touches several records at once.

#include "document/Map.h"

#include <string>
#include <utility>
#include <vector>

class TRecordSnapshot {
public:
    enum class TKind { Game, Team, Player, MapData, Plots, Document, Parts };

    static TRecordSnapshot OfGame(TMap& map);
    static TRecordSnapshot OfTeam(TMap& map, int slot);
    static TRecordSnapshot OfPlayer(TMap& map, int slot);
    static TRecordSnapshot OfMapData(TMap& map);
    // The plots x1..x2, y1..y2 (inclusive, map coordinates) that lie on the map.
    static TRecordSnapshot OfPlots(TMap& map, int x1, int y1, int x2, int y2);
    static TRecordSnapshot OfDocument(TMap& map);
    // Snapshots of several records, restored in their order.
    static TRecordSnapshot OfParts(std::vector<TRecordSnapshot> parts);
    // The plots at the places given (map coordinates), in that order; places off the map are left out.
    static TRecordSnapshot OfPlotList(TMap& map, const std::vector<std::pair<int, int>>& places);

    // Puts the records back as they were taken. Raises OperationAborted only for a whole map that no
    // longer loads, which a snapshot of a loaded map never is.
    void Restore(TMap& map) const;

    TKind Kind() const { return kind; }
    int Slot() const { return slot; }
    // The plots a snapshot of plots holds, in the order taken: column by column.
    struct TPlotText {
        int x = 0, y = 0;
        std::string text; // the plot's block; empty for a plot that writes none
        StringList rows;  // for such a plot, its editor rows
        bool operator==(const TPlotText& other) const {
            return x == other.x && y == other.y && text == other.text && rows == other.rows;
        }
    };
    const std::vector<TPlotText>& Plots() const { return plots; }
    const std::vector<TRecordSnapshot>& Parts() const { return parts; }
    // A snapshot of plots put together from the plots of others, as a change made piece by piece
    // takes each plot before its first piece.
    static TRecordSnapshot OfPlotTexts(std::vector<TPlotText> plots);
    std::size_t ByteSize() const;

    bool operator==(const TRecordSnapshot& other) const {
        return kind == other.kind && slot == other.slot && text == other.text && rows == other.rows &&
               plots == other.plots && parts == other.parts;
    }
    bool operator!=(const TRecordSnapshot& other) const { return !(*this == other); }

private:
    TKind kind = TKind::Document;
    int slot = -1;
    std::string text; // the section's block, or the whole map's bytes
    StringList rows;  // a player slot not in use: the rows it holds all the same
    std::vector<TPlotText> plots;
    std::vector<TRecordSnapshot> parts;
};
