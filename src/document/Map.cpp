#include "document/Map.h"

#include "document/FileText.h"

#include <array>
#include <new>

namespace {

constexpr std::array<std::string_view, 5> SectionMarkers = {"BeginGame", "BeginTeam", "BeginPlayer",
                                                            "BeginMap", "BeginPlot"};
enum Section { GameSection, TeamSection, PlayerSection, MapSection, PlotSection };
constexpr std::string_view PlotInfoMarker = "### Plot Info ###";

const std::string FailOpen = "Fail to open file!";
const std::string FailSave = "Fail to save file!";
const std::string StructureError = "Map file structure error!";
constexpr std::size_t SaveChunkSize = 256 * 1024;

// The first line of each section marker; a line counts for the first marker it holds. -1 where absent.
// The plot part begins at the "### Plot Info ###" line the editor writes after the map section, or
// at the first "BeginPlot" without one. A map without any plot block (a grid of no area, or of plots
// that are not written) has no "BeginPlot" of its own, and the text kept after the last plot may
// hold one, or any other section marker: starting at the info line, the editor opens every file it
// saves.
std::array<long, 5> FindSectionMarkers(const std::vector<std::string_view>& lines) {
    std::array<long, 5> found;
    found.fill(-1);
    long plotInfo = -1;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bool marker = false;
        // Past the info line only plots and the text kept after them follow, whatever they hold.
        const std::size_t first = plotInfo >= 0 ? PlotSection : GameSection;
        for (std::size_t s = first; s < SectionMarkers.size() && !marker; ++s) {
            if (!HasMarker(lines[i], SectionMarkers[s]))
                continue;
            if (found[s] < 0)
                found[s] = static_cast<long>(i);
            if (s == PlotSection) {
                if (plotInfo >= 0)
                    found[s] = plotInfo;
                return found;
            }
            marker = true;
        }
        if (!marker && plotInfo < 0 && found[MapSection] >= 0 && HasMarker(lines[i], PlotInfoMarker))
            plotInfo = static_cast<long>(i);
    }
    found[PlotSection] = plotInfo;
    return found;
}

// A mod's scenario file holds its game section alone, and the game builds the map.
bool HoldsGameSectionOnly(const std::array<long, 5>& markers) {
    return markers[GameSection] >= 0 && markers[MapSection] < 0 && markers[PlotSection] < 0;
}

// Game, map and plot sections are required, but for a game section alone; team and player blocks
// may be missing altogether (the game writes maps without teams). Those present must come in order.
bool StructureIsSound(const std::array<long, 5>& markers) {
    if (markers[GameSection] < 0 ||
        (!HoldsGameSectionOnly(markers) && (markers[MapSection] < 0 || markers[PlotSection] < 0)))
        return false;
    long previous = -1;
    for (long index : markers) {
        if (index < 0)
            continue;
        if (index < previous)
            return false;
        previous = index;
    }
    return true;
}

} // namespace

void TMap::Clear() {
    game.Clear();
    teams.Clear();
    players.Clear();
    mapData.Clear();
    grids.Clear();
    gameSectionOnly = false;
}

void TMap::LoadFromBytes(std::string_view bytes) {
    try {
        LoadFromLines(SplitLines(bytes));
    } catch (const TMapFileError&) {
        throw;
    } catch (const OperationAborted& abort) {
        throw TMapFileError(TMapFailure::Open, FailOpen, abort.what());
    } catch (const std::bad_alloc&) {
        FailOutOfMemory();
    }
}

void TMap::LoadFromFile(const std::string& fileName) {
    std::string bytes;
    try {
        bytes = ReadFileBytes(fileName);
    } catch (const OperationAborted& abort) {
        throw TMapFileError(TMapFailure::Open, FailOpen, abort.what());
    } catch (const std::bad_alloc&) {
        FailOutOfMemory();
    }
    LoadFromBytes(bytes);
}

void TMap::LoadFromStrings(const StringList& source) {
    try {
        lines = source;
        const auto views = ViewLines(lines);
        try {
            LoadFromLines(views);
        } catch (const TMapFileError&) {
            lines.clear();
            throw;
        } catch (const OperationAborted& abort) {
            lines.clear();
            throw TMapFileError(TMapFailure::Open, FailOpen, abort.what());
        }
        lines.clear();
    } catch (const std::bad_alloc&) {
        FailOutOfMemory();
    }
}

void TMap::FailOutOfMemory() {
    // What a half-made load holds goes first, so that the document's own clearing finds memory.
    lines = StringList();
    Clear();
    throw TMapFileError(TMapFailure::Memory, FailOpen, "Not enough memory to open the map");
}

void TMap::CheckGridSize() {
    const long long width = mapData.GridWidth(), height = mapData.GridHeight();
    if (width >= 0 && height >= 0 && width <= MaxGridSide && height <= MaxGridSide &&
        width * height <= maxPlots)
        return;
    Clear();
    throw TMapFileError(TMapFailure::Size,
                        "Map size " + std::to_string(width) + " x " + std::to_string(height) +
                            " is not supported: at most " + std::to_string(MaxGridSide) +
                            " plots a side and " + std::to_string(maxPlots) + " plots in all.",
                        "");
}

void TMap::LoadFromLines(const std::vector<std::string_view>& source) {
    Clear();
    const std::array<long, 5> markers = FindSectionMarkers(source);
    const long total = static_cast<long>(source.size());
    if (!StructureIsSound(markers))
        throw TMapFileError(TMapFailure::Structure, StructureError, "");
    if (HoldsGameSectionOnly(markers)) {
        // A map of no plots, until one is built on it.
        gameSectionOnly = true;
        mapData.SetGridWidth(0);
        mapData.SetGridHeight(0);
        grids.SetWidth(0);
        grids.SetHeight(0);
    }

    const TLineSpan all(source);
    for (std::size_t s = GameSection; s <= PlotSection; ++s) {
        if (markers[s] < 0)
            continue;
        long end = total;
        for (std::size_t next = s + 1; next <= PlotSection; ++next)
            if (markers[next] >= 0) {
                end = markers[next];
                break;
            }
        if (onProgress)
            for (long i = markers[s]; i < end; ++i)
                onProgress(*this, static_cast<int>(i + 1), static_cast<int>(total));
        const TLineSpan span =
            all.Sub(static_cast<std::size_t>(markers[s]), static_cast<std::size_t>(end - markers[s]));
        switch (s) {
        case GameSection:
            game.Read(span, true);
            break;
        case TeamSection:
            teams.Read(span, true);
            break;
        case PlayerSection:
            players.Read(span, true);
            break;
        case MapSection:
            mapData.Read(span, true);
            break;
        case PlotSection:
            CheckGridSize();
            // The cleared grid is one plot: growing its height first makes one column, which the
            // width then repeats; the plots are the same either way.
            grids.SetHeight(mapData.GridHeight());
            grids.SetWidth(mapData.GridWidth());
            grids.Read(span, true);
            break;
        }
    }
}

void TMap::Write(TTextWriter& out) {
    out.Line("Version=11");
    game.Write(out);
    teams.Write(out);
    players.Write(out);
    if (GameSectionOnly())
        return;
    mapData.Write(out);
    grids.Write(out);
}

bool TMap::GameSectionOnly() const {
    return gameSectionOnly && grids.Width() * grids.Height() == 0;
}

const StringList& TMap::SaveToStrings() {
    lines.clear();
    TTextWriter out(lines);
    Write(out);
    return lines;
}

std::string TMap::SaveToBytes() {
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(grids.Width()) * static_cast<std::size_t>(grids.Height()) * 96 +
                  4096);
    TTextWriter out(bytes);
    Write(out);
    return bytes;
}

void TMap::SaveToFile(const std::string& fileName) {
    try {
        // Written as it is made, a chunk at a time: the disk works while the rest is made, and a
        // large map needs no second copy of its file in memory.
        TAtomicFile file(fileName);
        TTextWriter out([&file](std::string_view bytes) { file.Append(bytes); }, SaveChunkSize);
        Write(out);
        out.Drain();
        file.Commit();
    } catch (const OperationAborted& abort) {
        throw TMapFileError(TMapFailure::Save, FailSave, abort.what());
    } catch (const std::bad_alloc&) {
        throw TMapFileError(TMapFailure::Save, FailSave, "");
    }
}
