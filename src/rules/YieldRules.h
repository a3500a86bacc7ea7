#pragma once

// The game's rules for what a plot yields by nature, before any improvement: the yields of each
// terrain, feature and bonus and the changes hills and rivers bring, read from the game's XML
// information files.

#include <array>
#include <string>
#include <string_view>
#include <unordered_map>

class TGameLayers;
class TPlot;

// The three yields of a plot, in this order.
enum TYieldType { YieldFood, YieldProduction, YieldCommerce };
constexpr int YieldCount = 3;
using TYieldChanges = std::array<int, YieldCount>;
// Sums of changes: wide enough that no file's values overflow them.
using TYields = std::array<long long, YieldCount>;

// What one terrain, feature or bonus adds to a plot: its yields (a terrain's <Yields>, a feature's
// or bonus's <YieldChanges>), and what it adds on a river and on hills (<RiverYieldChange>,
// <HillsYieldChange>; a bonus has neither).
struct TTypeYields {
    TYieldChanges yields{};
    TYieldChanges river{};
    TYieldChanges hills{};
};

// The yield rules of one game folder. Whoever measures plots owns one; it holds no reference to the
// files once read.
class TYieldRules {
public:
    // The four files below the game folder, in the game's own letter case.
    static constexpr std::string_view TerrainFile = "Assets/XML/Terrain/CIV4TerrainInfos.xml";
    static constexpr std::string_view FeatureFile = "Assets/XML/Terrain/CIV4FeatureInfos.xml";
    static constexpr std::string_view BonusFile = "Assets/XML/Terrain/CIV4BonusInfos.xml";
    static constexpr std::string_view YieldFile = "Assets/XML/Terrain/CIV4YieldInfos.xml";

    // Reads the four files below the game folder, whatever the letter case of their copied names.
    // A file that is missing, unreadable or not the XML the game writes raises OperationAborted
    // with a message naming it; the rules held before stay as they were.
    void LoadFromGameDir(const std::string& gameDir);
    // The same, each file from the highest of the layers that has it.
    void LoadFromLayers(const TGameLayers& layers);
    // The same from the files' texts; the names say which file a message is about.
    struct TSource {
        std::string_view name;
        std::string_view text;
    };
    void LoadFromTexts(const TSource& terrains, const TSource& features, const TSource& bonuses,
                       const TSource& yields);

    // The rules of a type name (as the map writes it, upper case); null for a type the game does
    // not know.
    const TTypeYields* Terrain(const std::string& type) const { return Find(terrains, type); }
    const TTypeYields* Feature(const std::string& type) const { return Find(features, type); }
    const TTypeYields* Bonus(const std::string& type) const { return Find(bonuses, type); }
    // Each yield's change on hills and on peaks (<iHillsChange>, <iPeakChange>).
    const TYieldChanges& HillsChange() const { return hillsChange; }
    const TYieldChanges& PeakChange() const { return peakChange; }

    // What the plot yields by nature, `river` telling whether a river runs along any of its edges:
    // nothing on a peak, which is impassable; otherwise the terrain's yields, plus on hills the
    // hills change of each yield and the hills change of the feature (of the terrain when there is
    // no feature), plus on a river the river change of the feature (of the terrain when there is
    // no feature), plus the feature's and the bonus's yield changes; each yield at least 0. A plot
    // whose plot type is not one of the four yields nothing; an unknown type name adds nothing.
    TYields NaturalYield(const TPlot& plot, bool river) const;

private:
    using TTypeTable = std::unordered_map<std::string, TTypeYields>;
    static const TTypeYields* Find(const TTypeTable& table, const std::string& type) {
        const auto found = table.find(type);
        return found == table.end() ? nullptr : &found->second;
    }

    TTypeTable terrains, features, bonuses;
    TYieldChanges hillsChange{}, peakChange{};
};
