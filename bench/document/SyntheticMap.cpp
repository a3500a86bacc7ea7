#include "SyntheticMap.h"

#include <cmath>
#include <random>

namespace {

const char* const LandTerrains[] = {"TERRAIN_GRASS", "TERRAIN_PLAINS", "TERRAIN_DESERT", "TERRAIN_TUNDRA"};
const char* const Bonuses[] = {"BONUS_WHEAT", "BONUS_COW",   "BONUS_IRON",   "BONUS_GOLD",  "BONUS_HORSE",
                               "BONUS_RICE",  "BONUS_STONE", "BONUS_MARBLE", "BONUS_SHEEP", "BONUS_PIG"};
const char* const SeaBonuses[] = {"BONUS_FISH", "BONUS_CLAM", "BONUS_CRAB", "BONUS_WHALE"};
const char* const UnitTypes[] = {"UNIT_WARRIOR", "UNIT_ARCHER", "UNIT_SETTLER", "UNIT_WORKER", "UNIT_AXEMAN"};

// Land where a few overlapping waves rise above the sea level: continents rather than noise.
bool IsLand(int x, int y, int width, int height, double phase) {
    const double u = 6.2831853 * x / width, v = 3.14159265 * y / height;
    const double level = std::sin(2 * u + phase) * std::sin(3 * v) +
                         0.6 * std::sin(5 * u + 1.3 * phase) * std::cos(4 * v + phase) +
                         0.35 * std::sin(11 * u) * std::sin(9 * v + 2 * phase);
    return level > 0.42;
}

} // namespace

void BuildSyntheticMap(TMap& map, int width, int height) {
    std::mt19937 random(20261207);
    auto chance = [&](double p) { return std::uniform_real_distribution<double>(0, 1)(random) < p; };
    auto pick = [&](int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); };

    map.Clear();
    map.Game().ApplyEditorLines(
        {"Option=GAMEOPTION_NO_GOODY_HUTS,", "Victory=VICTORY_TIME,VICTORY_CONQUEST,"});
    for (int team = 0; team < MaxTeams; ++team)
        map.Teams().GetTeam(team)->ApplyEditorLines(
            {"Tech=TECH_AGRICULTURE,TECH_HUNTING,", "ContactWithTeam=" + std::to_string(team) + ","});
    for (int player = 0; player < MaxPlayers; ++player)
        map.Players().GetPlayer(player)->ApplyEditorLines(
            {"Team=" + std::to_string(player), "LeaderType=LEADER_" + std::to_string(player),
             "CivType=CIVILIZATION_" + std::to_string(player), "CityList=Alpha,Beta,"});
    map.MapData().SetGridWidth(width);
    map.MapData().SetGridHeight(height);
    TPlotGrid& grids = map.Grids();
    grids.SetWidth(width);
    grids.SetHeight(height);

    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            TPlot& plot = *grids.GetPlot(x, y);
            if (chance(0.3))
                for (int team = pick(MaxTeams); team < MaxTeams; team += 5)
                    plot.SetTeamReveal(team, true);
            if (!IsLand(x, y, width, height, 0.7)) {
                const bool coast = IsLand((x + 1) % width, y, width, height, 0.7) ||
                                   IsLand((x + width - 1) % width, y, width, height, 0.7);
                plot.SetTerrainType(coast ? "TERRAIN_COAST" : "TERRAIN_OCEAN");
                plot.SetPlotType(3);
                if (coast && chance(0.08))
                    plot.SetBonusType(SeaBonuses[pick(4)]);
                continue;
            }
            const double latitude = std::abs(2.0 * y / height - 1.0);
            plot.SetTerrainType(latitude > 0.8 ? "TERRAIN_TUNDRA"
                                               : LandTerrains[pick(latitude > 0.5 ? 2 : 4)]);
            plot.SetPlotType(chance(0.08) ? 0 : chance(0.2) ? 1 : 2);
            if (chance(0.25)) {
                plot.SetFeatureType(latitude < 0.2 && chance(0.5) ? "FEATURE_JUNGLE" : "FEATURE_FOREST");
                plot.SetFeatureVariety(pick(3));
            }
            if (chance(0.1)) {
                plot.SetIsNOfRiver(true);
                plot.SetRiverWEDirection(chance(0.5) ? 1 : 3);
            }
            if (chance(0.1)) {
                plot.SetIsWOfRiver(true);
                plot.SetRiverNSDirection(chance(0.5) ? 0 : 2);
            }
            if (chance(0.1))
                plot.SetBonusType(Bonuses[pick(10)]);
            if (chance(0.01)) {
                TUnit& unit = plot.Units().Add();
                unit.SetUnitType(UnitTypes[pick(5)]);
                unit.SetUnitOwner(pick(MaxPlayers));
                unit.SetPromotionTypes({"PROMOTION_COMBAT1"});
            }
            if (chance(0.005)) {
                plot.SetRouteType("ROUTE_ROAD");
                TCity& city = plot.GetOrCreateCity();
                city.SetCityOwner(pick(MaxPlayers));
                city.SetCityName("City " + std::to_string(x) + "-" + std::to_string(y));
                city.SetCityPopulation(1 + pick(8));
                city.SetBuildingTypes({"BUILDING_PALACE", "BUILDING_GRANARY"});
                city.SetReligionTypes({"RELIGION_BUDDHISM"});
                city.SetCulture(city.CityOwner(), 10 + pick(200));
            }
        }
}
