#pragma once

// How fair a map's starts are: for each start, what the 21 plots of its city radius hold and
// yield by nature.

#include "document/MapStarts.h"
#include "rules/MapTopology.h"
#include "rules/YieldRules.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class TMap;

// The measured columns of the report, in the order it prints them.
enum class TBalanceColumn { Land, Water, Hills, Peaks, River, Food, Production, Commerce, Bonuses };
constexpr std::array<std::string_view, 9> BalanceColumnNames = {
    "land", "water", "hills", "peaks", "river", "food", "production", "commerce", "bonuses"};

// One start and what its city radius holds.
struct TBalanceStart {
    static constexpr int NoPlayer = TMapStart::NoPlayer;
    int player = NoPlayer; // the player slot that starts here; NoPlayer for a start plot of no player
    int x = 0, y = 0;
    int land = 0, water = 0, hills = 0, peaks = 0, river = 0;
    long long food = 0, production = 0, commerce = 0;
    // Each bonus type of the radius and how many plots hold it, in name order.
    std::vector<std::pair<std::string, int>> bonuses;

    // The column's number; for Bonuses the plots that hold a bonus.
    long long Measure(TBalanceColumn column) const;
};

// The report of every start of a map: first every player slot in use whose "StartingX" and
// "StartingY" name a plot, in slot order; then every plot marked "StartingPlot" on which no
// player starts, column by column as the file lists plots. It is a value computed from the map and
// the rules; whoever shows it computes it again after an edit.
class TBalanceReport {
public:
    static TBalanceReport Of(const TMap& map, const TYieldRules& rules);

    // What the city radius of (x, y) holds; the unknown type names met are added to `unknown`
    // when it is given.
    static TBalanceStart MeasureStart(const TMap& map, const TMapTopology& topology, const TYieldRules& rules,
                                      int x, int y, std::vector<std::string>* unknown = nullptr);

    const std::vector<TBalanceStart>& Starts() const { return starts; }

    // The lowest and highest value of a column over the starts; both 0 when there is no start.
    struct TRange {
        long long lowest = 0, highest = 0;
        long long Spread() const { return highest - lowest; }
    };
    TRange Range(TBalanceColumn column) const;

    // Terrain, feature and bonus types of the measured plots that the rules do not know (their
    // yields count as nothing), sorted, each once.
    const std::vector<std::string>& UnknownTypes() const { return unknownTypes; }

    // The report as `tessel --balance` prints it: a header line, one tab-separated line per start,
    // and, when there is a start, one line per measured column with its lowest and highest value
    // and their spread. Lines end in "\n".
    std::string ToText() const;

private:
    std::vector<TBalanceStart> starts;
    std::vector<std::string> unknownTypes;
};
