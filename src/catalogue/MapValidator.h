#pragma once

// Checks a map against the rules of a game: every type name that the catalogue lists legal values
// for (terrains, units, techs, civics, ...) must be one the game's XML files define, and every team
// and player number in relations and owners must name a slot. The command line and the editor each
// own a validator; it holds the game's values, read once, and no reference to the catalogue or map.

#include "catalogue/ValueCatalogue.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class TMap;

// Where a finding is: the section, and the slot, plot and unit it names.
enum class TFindingPlace { Game, Team, Player, Map, Plot, Unit, City };

enum class TFindingKind {
    UnknownValue,     // a type name the game does not define
    NumberOutOfRange, // a team or player number that names no slot
    BlocksBeyondSlots // team or player blocks after the game's 18 (key "team blocks", value their count)
};

// One thing the check found, with its place in the map.
struct TMapFinding {
    TFindingKind kind = TFindingKind::UnknownValue;
    TFindingPlace place = TFindingPlace::Game;
    int index = -1;     // the team or player slot, or the unit's place in its plot's list (from 0)
    int x = -1, y = -1; // the plot of a plot, unit or city finding
    std::string key;    // as the property sheet names the row: "FeatureType", "CIVICOPTION_LABOR"
    std::string value;  // as the map holds it

    // "plot (12, 40)", "team 3", "unit 2 on plot (5, 7)", "city on plot (5, 7)", "game", "map".
    std::string PlaceText() const;
    // "plot (12, 40): FeatureType=FEATURE_FORESTT"; "map: 22 team blocks beyond the game's 18".
    std::string ToText() const;
};

// What a check looked at and what it found, counted for its summary line.
struct TValidationCounts {
    int teams = 0, players = 0, plots = 0, units = 0, cities = 0;
    int unknownValues = 0, numbersOutOfRange = 0, blocksBeyondSlots = 0;

    int Findings() const { return unknownValues + numbersOutOfRange + blocksBeyondSlots; }
    // "Checked 160 plots, 4 units, 2 cities, 3 teams and 3 players: 2 unknown values, 1 number out
    // of range", and the blocks beyond the slots when there are any.
    std::string SummaryText() const;
};

class TMapValidator {
public:
    // The checked keys, in the catalogue's order. The text rows (leader, civilization and city
    // names) and the flag's art path are free texts, and the fixed lists (flags, river directions,
    // team names) are the document's own: they are not checked here.
    static constexpr std::array<std::string_view, 39> CheckedKeys = {"Era",
                                                                     "Speed",
                                                                     "Calendar",
                                                                     "Option",
                                                                     "MPOption",
                                                                     "ForceControl",
                                                                     "Victory",
                                                                     "Tech",
                                                                     "ProjectType",
                                                                     "LeaderType",
                                                                     "CivType",
                                                                     "Color",
                                                                     "ArtStyle",
                                                                     "StateReligion",
                                                                     "StartingEra",
                                                                     "CIVICOPTION_GOVERNMENT",
                                                                     "CIVICOPTION_LEGAL",
                                                                     "CIVICOPTION_LABOR",
                                                                     "CIVICOPTION_ECONOMY",
                                                                     "CIVICOPTION_RELIGION",
                                                                     "Handicap",
                                                                     "world size",
                                                                     "climate",
                                                                     "sealevel",
                                                                     "BonusType",
                                                                     "ImprovementType",
                                                                     "FeatureType",
                                                                     "RouteType",
                                                                     "TerrainType",
                                                                     "UnitType",
                                                                     "PromotionType",
                                                                     "UnitAIType",
                                                                     "ProductionUnit",
                                                                     "ProductionBuilding",
                                                                     "ProductionProject",
                                                                     "ProductionProcess",
                                                                     "BuildingType",
                                                                     "ReligionType",
                                                                     "HolyCityReligionType"};

    // Reads the legal values of every checked key through the catalogue, whose game folder must be
    // set; keys whose values come from the same list of the same file share one reading. Raises
    // OperationAborted naming the file when a file cannot be read; the rules loaded before stay.
    void LoadRules(TValueCatalogue& catalogue);
    bool HasRules() const { return hasRules; }

    // Every finding in the map's order: game, teams, players, map, then plot by plot (x, then y),
    // each plot followed by its units and its city. An absent value ("" or "NONE") is no finding.
    // Without rules (see HasRules) every value present counts as unknown.
    std::vector<TMapFinding> Check(const TMap& map, TValidationCounts* counts = nullptr) const;

    // Whether the game defines the value for the key (ignoring letter case); false for an
    // unchecked key.
    bool IsKnown(std::string_view key, std::string_view value) const;

private:
    // The legal values of one key, upper-cased and sorted.
    std::array<StringList, CheckedKeys.size()> values;
    bool hasRules = false;
};
