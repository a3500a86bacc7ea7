#pragma once

#include "document/GameSection.h"
#include "document/MapFileError.h"
#include "document/MapSection.h"
#include "document/Player.h"
#include "document/Plot.h"
#include "document/RecordText.h"
#include "document/Team.h"

#include <functional>
#include <string>

class TMap;

// Called for every line the load hands to a section: the 1-based line number and the line count.
using TMapProgressEvent = std::function<void(TMap& sender, int position, int total)>;

// The document: one WorldBuilder save, its sections and its plots. The main window owns one for the
// whole run; the document owns every section record.
class TMap {
public:
    // The largest map the editor opens: a side of 4,096 plots and 4,194,304 plots in all.
    static constexpr int MaxGridSide = 4096;
    static constexpr long long MaxGridPlots = 4194304;

    TMap() = default;
    // A document that refuses grids of more than `maxPlots` plots: fuzzing wants small maps.
    explicit TMap(long long maxPlots) : maxPlots(maxPlots) {}

    void Clear();
    // Raises TMapFileError on failure: a structure or size refused leaves the document empty.
    void LoadFromFile(const std::string& fileName);
    void LoadFromStrings(const StringList& source);
    // Loads the bytes of a map file as LoadFromFile does once the file is read.
    void LoadFromBytes(std::string_view bytes);
    const StringList& SaveToStrings();
    // Writes a temporary file beside the target and renames it over the target, so a failed save
    // never leaves a half-written map. Raises TMapFileError on failure.
    void SaveToFile(const std::string& fileName);
    // The file's bytes as SaveToFile writes them.
    std::string SaveToBytes();

    // Whether the document is a file's game section alone, which is saved as it came: no map
    // section and no plots. A grid built on it makes it a map.
    bool GameSectionOnly() const;
    // The most plots this document opens (MaxGridPlots unless made smaller).
    long long MaxPlots() const { return maxPlots; }
    TGameSection& Game() { return game; }
    TTeamSlots& Teams() { return teams; }
    TPlayerSlots& Players() { return players; }
    TMapSection& MapData() { return mapData; }
    TPlotGrid& Grids() { return grids; }
    const TGameSection& Game() const { return game; }
    const TTeamSlots& Teams() const { return teams; }
    const TPlayerSlots& Players() const { return players; }
    const TMapSection& MapData() const { return mapData; }
    const TPlotGrid& Grids() const { return grids; }

    void SetOnProgress(TMapProgressEvent handler) { onProgress = std::move(handler); }

private:
    void LoadFromLines(const std::vector<std::string_view>& lines);
    void Write(TTextWriter& out);
    void CheckGridSize();
    // A load that runs out of memory (a hostile file of millions of items) fails like any other,
    // with the document cleared.
    [[noreturn]] void FailOutOfMemory();

    TGameSection game;
    TMapSection mapData;
    TPlotGrid grids;
    TPlayerSlots players;
    StringList lines;
    TTeamSlots teams;
    TMapProgressEvent onProgress;
    long long maxPlots = MaxGridPlots;
    bool gameSectionOnly = false;
};
