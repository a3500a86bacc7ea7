#pragma once

// Paints one plot of the map into one square cell, in the schematic or the graphic look, filtered by
// the display options. No widget inside: the map grid, `tessel --render` and the benchmarks paint
// with the very same code.

#include "document/LineCodec.h"
#include "render/DisplayOptions.h"
#include "support/ImageList.h"

#include <QColor>
#include <QImage>
#include <QRect>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class QPainter;
class TPlot;
class TPlotGrid;

// The image names whose positions are the pictures' indices in the terrain and bonus image lists.
inline constexpr const char* TerrainNamesText =
    "FALLOUT,DESERT,PLAINS,GRASS,TUNDRA,SNOW,COAST,OCEAN,FOREST0,FOREST1,FOREST2,JUNGLE,ICE,FLOOD_PLAINS,"
    "OASIS,MOUNTAIN,HILL";
inline constexpr const char* BonusNamesText =
    "ALUMINUM,BANANA,CLAM,COAL,COPPER,CORN,COW,CRAB,DEER,DRAMA,DYE,FISH,FUR,GEMS,GOLD,HORSE,INCENSE,IRON,"
    "IVORY,MARBLE,MOVIES,MUSIC,OIL,PIG,RICE,SHEEP,SILK,SILVER,SPICES,STONE,SUGAR,URANIUM,WHALE,WHEAT,WINE,"
    "OTHER BONUS";
const StringList& TerrainNames(); // 17 names
const StringList& BonusNames();   // 36 names
// The name's position in the list, letter case ignored; -1 for a name that is not there.
int TerrainNameIndex(std::string_view name);
int BonusNameIndex(std::string_view name);

// A type's name: the value with every occurrence of the prefix deleted ("TERRAIN_GRASS" -> "GRASS").
std::string TypeName(std::string_view type, std::string_view prefix);

// The colour of a terrain type in the schematic look and on the mini-map.
QColor TerrainColor(std::string_view terrainType);

// Square `index` of a four by four division of the cell: its side is (cell side + 1) div 4.
QRect SubCellRect(int index, const QRect& rect);

// The plot grid column c, row r shows: x = c, y = H - 1 - r (the top row is the map's north), or null
// for a cell outside the plot grid.
const TPlot* GetPlotAt(const TPlotGrid& plots, int col, int row);

// The four image lists the graphic look draws from; the main window owns them.
struct TPlotImageLists {
    const TImageList& terrain;    // 55 x 55, by TerrainNames
    const TImageList& bonus;      // 55 x 55, by BonusNames
    const TImageList& unitCity;   // 55 x 55: 0 units, 1 city
    const TImageList& riverRoute; // 32 x 32, unmasked: 0 route, 1 river west, 2 river north
};

// The four lists at their sizes, empty until filled: for painting without the main window.
struct TPlotImages {
    TPlotImages() { riverRoute.SetMasked(false); }
    // Fills the lists from the program's own resources; raises TResourceError when one is missing
    // or unreadable.
    void LoadFromResources();
    TPlotImageLists Lists() const { return {terrain, bonus, unitCity, riverRoute}; }

    TImageList terrain{55, 55};
    TImageList bonus{55, 55};
    TImageList unitCity{55, 55};
    TImageList riverRoute{32, 32};
};

class TPlotPainter {
public:
    // Paints with `options` (not owned) or, while it is null, with every option of the tree on.
    explicit TPlotPainter(TPlotImageLists images, const TDisplayOptions* options = nullptr);
    ~TPlotPainter();
    TPlotPainter(const TPlotPainter&) = delete;
    TPlotPainter& operator=(const TPlotPainter&) = delete;

    void SetOptions(const TDisplayOptions* value);
    const TDisplayOptions& Options() const { return options ? *options : allOptions; }
    // Forgets the pictures made from the image lists, after the owner filled them again.
    void ImagesChanged();

    // The cell's side is the zoom value: `rect` is a square.
    void DrawPlotSchematic(QPainter& painter, const TPlot& plot, const QRect& rect);
    void DrawPlotGraphic(QPainter& painter, const TPlot& plot, const QRect& rect);
    void DrawPlot(QPainter& painter, const TPlot& plot, const QRect& rect, bool graphic) {
        graphic ? DrawPlotGraphic(painter, plot, rect) : DrawPlotSchematic(painter, plot, rect);
    }
    // Stretches image `index` of the list over the rectangle; a negative index or one the list lacks
    // draws nothing. Masked leaves the image's background colour out.
    void DrawCellImage(QPainter& painter, int index, const TImageList& list, const QRect& rect,
                       TImageList::TDrawStyle style = TImageList::TDrawStyle::Masked);

private:
    struct TTerrainLook;
    struct TFeatureLook;
    struct TBonusLook;
    template <typename TLook> class TLookCache;
    struct TScaledImages;

    void CheckOptions();
    const TTerrainLook& TerrainLook(const std::string& type);
    const TFeatureLook& FeatureLook(const std::string& type);
    bool IsGoodyHutShown(const std::string& type);
    const TBonusLook& BonusLook(const std::string& type);
    // What a cell shows, packed into one number: cells that show the same are painted alike.
    std::uint32_t SchematicKey(const TPlot& plot);
    std::uint32_t GraphicKey(const TPlot& plot);
    QImage PaintSchematic(std::uint32_t key, int side) const;
    QImage PaintGraphic(std::uint32_t key, int side);
    const QImage& ScaledImage(const TImageList& list, int index, QSize size, TImageList::TDrawStyle style);
    // Takes up a change of the options or of the cell's side; false for an empty cell.
    bool PrepareCell(const QRect& rect);

    TPlotImageLists images;
    const TDisplayOptions* options;
    TDisplayOptions allOptions;
    unsigned seenRevision = 0;
    const TDisplayOptions* seenOptions = nullptr;

    struct TSwitches {
        bool plot = false, mountain = false, hill = false, city = false, units = false, river = false,
             route = false, teamReveal = false;
    } on;
    std::unique_ptr<TLookCache<TTerrainLook>> terrainLooks;
    std::unique_ptr<TLookCache<TFeatureLook>> featureLooks;
    std::unique_ptr<TLookCache<bool>> goodyHutLooks;
    std::unique_ptr<TLookCache<TBonusLook>> bonusLooks;

    // Pictures of whole cells at the current side, by what they show; the pictures of the lists
    // stretched to the sizes they are drawn at.
    int cellSide = 0;
    std::vector<QImage> schematicCells;
    std::unordered_map<std::uint32_t, QImage> graphicCells;
    std::size_t graphicCellBytes = 0;
    std::vector<std::unique_ptr<TScaledImages>> scaledImages;
};
