#pragma once

#include "document/City.h"
#include "document/FieldRecord.h"
#include "document/Unit.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The river a plot keeps on its east or its south edge, as it is written: the flag, the direction
// (-1 for none; a file's value off the edge's pair of flows is kept) and whether the direction is
// written at all. A file may hold either without the other.
struct TEdgeRiver {
    bool flag = false;
    int direction = -1;
    bool directionWritten = false;
    bool Empty() const { return !flag && !directionWritten; }
};

// One plot of the map: terrain, relief, feature, bonus, improvement, route, rivers, start mark,
// reveal state, its units and its city. The grid owns every plot; a plot owns its units and city.
// Its coordinates are always written. Read from a file, a plot writes its other fields only when the
// file set them (see TFieldPresence), empty values included ("BonusType="); a plot not read from a
// file writes as it always has (texts only when not empty, rivers only when flowing). Editor rows: a
// row sets its field, even to the default; a row with an empty value makes a field absent again (it
// then holds its default, shows as empty and is not written); "0" or an empty value clears one of the
// three flags, which are written as bare words when set. A setter marks its field set. The landmark
// and script data are free text and keep their case; the type names are upper-cased.
class TPlot : public TFieldRecord<TPlot> {
public:
    // The places of the coordinates in the plot's table, which the grid reads.
    static constexpr std::size_t XKey = 0, YKey = 1;

    // Made out of line, with its default texts made in place: a map makes tens of thousands of
    // plots on every load.
    TPlot();

    void Clear();
    void Read(TLineSpan lines, bool fromFile);
    // A line of a plot block, cut into items and matched against the plot's keys once.
    struct TParsedLine {
        explicit TParsedLine(std::string_view line);
        // Parses another line here. Most lines of a map's plots repeat those of the plot before but
        // for their numbers: a line of the same shape as the one parsed here keeps that parse.
        void Assign(std::string_view line);
        TLineItems items;
        TKeyTable::TMatch match;
    };
    // A block the grid has parsed (or, for null, to be parsed here line by line) and placed at
    // (x, y): the coordinates the block holds are the grid's to read.
    void ReadPlaced(TLineSpan lines, const TParsedLine* parsed, bool fromFile, int x, int y);
    // The plot's block, or nothing for a plot without terrain or with a negative plot type.
    void Write(TTextWriter& out) const;
    bool IsWritten() const { return !terrainType.empty() && plotType >= 0; }
    const StringList& GetEditorLines();
    void ApplyEditorLines(const StringList& rows);

    bool HasCity() const { return city != nullptr; }
    TCity& GetOrCreateCity();
    TCity* City() const { return city.get(); }
    void DeleteCity() { city.reset(); }
    bool HasTeamReveal() const;
    TUnitList& Units() { return units; }
    const TUnitList& Units() const { return units; }

    int X() const { return x; }
    int Y() const { return y; }
    const std::string& Landmark() const;
    const std::string& ScriptData() const;
    int RiverNSDirection() const { return riverNSDirection; }
    bool IsNOfRiver() const { return isNOfRiver; }
    int RiverWEDirection() const { return riverWEDirection; }
    bool IsWOfRiver() const { return isWOfRiver; }
    bool StartingPlot() const { return startingPlot; }
    const std::string& BonusType() const { return bonusType; }
    const std::string& ImprovementType() const { return improvementType; }
    const std::string& FeatureType() const { return featureType; }
    int FeatureVariety() const { return featureVariety; }
    const std::string& RouteType() const { return routeType; }
    const std::string& TerrainType() const { return terrainType; }
    int PlotType() const { return plotType; }
    const FlagSet& TeamReveal() const { return teamReveal; }

    void SetX(int value) { x = value; }
    void SetY(int value) { y = value; }
    void SetLandmark(std::string_view value);
    void SetScriptData(std::string_view value);
    // 0 or 2; any other value is stored as -1 (no river edge).
    void SetRiverNSDirection(int value) { Set(&TPlot::riverNSDirection, value); }
    void SetIsNOfRiver(bool value) { isNOfRiver = value; }
    // 1 or 3; any other value is stored as -1 (no river edge).
    void SetRiverWEDirection(int value) { Set(&TPlot::riverWEDirection, value); }
    void SetIsWOfRiver(bool value) { isWOfRiver = value; }
    // Take the river off the plot's east (south) edge: the flag and its direction go, and neither
    // is written.
    void RemoveEastRiver();
    void RemoveSouthRiver();
    // The river of the east (or south) edge whole, to move it to another plot's edge as it is.
    TEdgeRiver EdgeRiver(bool eastEdge) const;
    void SetEdgeRiver(bool eastEdge, const TEdgeRiver& river);
    void SetStartingPlot(bool value) { startingPlot = value; }
    void SetBonusType(std::string_view value) { Set(&TPlot::bonusType, value); }
    void SetImprovementType(std::string_view value) { Set(&TPlot::improvementType, value); }
    void SetFeatureType(std::string_view value) { Set(&TPlot::featureType, value); }
    // 0 to 2; any other value is stored as 0.
    void SetFeatureVariety(int value) { Set(&TPlot::featureVariety, value); }
    void SetRouteType(std::string_view value) { Set(&TPlot::routeType, value); }
    void SetTerrainType(std::string_view value) { Set(&TPlot::terrainType, value); }
    // 0 to 3; any other value is stored as -1, and the plot is then not written.
    void SetPlotType(int value) { Set(&TPlot::plotType, value); }
    void SetTeamReveal(int team, bool value);

private:
    friend class TFieldRecord<TPlot>;
    struct TFields;
    // Reads the keys in `keyMask`; a line with any plot key is the plot's own and is not kept.
    void ReadLines(TLineSpan lines, const TParsedLine* parsed, bool fromFile, std::uint32_t keyMask);
    StringList& SectionLines() { return RareParts().sectionLines; }
    StringList& EditorLines() { return RareParts().editorLines; }

    // What few plots have, made on first use: a large map holds tens of thousands of plots, and
    // loading one touches each plot's memory three times (made, read, and freed by the next load).
    struct TRareParts {
        std::string landmark, scriptData;
        StringList sectionLines, editorLines;
    };
    TRareParts& RareParts();

    int x = -1, y = -1;
    // Each of these holds a handful of values (see their setters).
    std::int8_t riverNSDirection = -1, riverWEDirection = -1, featureVariety = 0, plotType = 3;
    bool isNOfRiver = false, isWOfRiver = false, startingPlot = false;
    FlagSet teamReveal{};
    std::string bonusType, improvementType, featureType, routeType;
    std::string terrainType = "TERRAIN_OCEAN";
    TUnitList units;
    std::unique_ptr<TCity> city;
    std::unique_ptr<TRareParts> rare;
};

// Made in Plot.cpp, where the table is.
extern template class TFieldRecord<TPlot>;

// The grid, for the code that includes this header to reach it.
#include "document/PlotGrid.h"
