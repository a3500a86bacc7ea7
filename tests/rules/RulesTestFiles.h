#pragma once

// Small yield rule files written by hand, in the layout of the game's own.

#include "rules/YieldRules.h"

#include <initializer_list>
#include <string>

namespace rulestest {

// "<tag><item>a</item><item>b</item>...</tag>", or "<tag/>" for no values.
inline std::string List(const std::string& tag, std::initializer_list<int> values,
                        const std::string& item = "iYield") {
    if (values.size() == 0)
        return "<" + tag + "/>";
    std::string text = "<" + tag + ">";
    for (const int value : values)
        text += "<" + item + ">" + std::to_string(value) + "</" + item + ">";
    return text + "</" + tag + ">";
}

inline std::string InfoFile(const std::string& root, const std::string& list, const std::string& records) {
    return "<?xml version=\"1.0\"?>\n<!-- hand-made -->\n<" + root +
           " xmlns=\"x-schema:TestSchema.xml\">\n\t<" + list + ">\n" + records + "\t</" + list + ">\n</" +
           root + ">\n";
}

inline std::string Record(const std::string& name, const std::string& type, const std::string& body) {
    return "\t\t<" + name + ">\n\t\t\t<Type>" + type + "</Type>\n\t\t\t" + body + "\n\t\t</" + name + ">\n";
}

inline std::string YieldRecord(const std::string& type, int hills, int peak) {
    return Record("YieldInfo", type,
                  "<Description>TXT_KEY_" + type + "</Description><iHillsChange>" + std::to_string(hills) +
                      "</iHillsChange><iPeakChange>" + std::to_string(peak) +
                      "</iPeakChange><iLakeChange>1</iLakeChange>");
}

// The four files of a small game: grass, plains and ocean; forest, flood plains and fallout; cow,
// gold and horse. Grass gains commerce on hills (a terrain hills change) and forest food (a feature
// hills change), so that a test sees which of the two counts.
struct TRuleTexts {
    std::string terrains = InfoFile(
        "Civ4TerrainInfos", "TerrainInfos",
        Record("TerrainInfo", "TERRAIN_GRASS",
               List("Yields", {2, 0, 0}) + List("RiverYieldChange", {0, 0, 1}) +
                   List("HillsYieldChange", {0, 0, 3})) +
            Record("TerrainInfo", "TERRAIN_PLAINS",
                   List("Yields", {1, 1, 0}) + List("RiverYieldChange", {0, 0, 1}) +
                       List("HillsYieldChange", {})) +
            Record("TerrainInfo", "TERRAIN_OCEAN",
                   List("Yields", {1, 0, 1}) + List("RiverYieldChange", {}) + List("HillsYieldChange", {})));
    std::string features =
        InfoFile("Civ4FeatureInfos", "FeatureInfos",
                 Record("FeatureInfo", "FEATURE_FOREST",
                        List("YieldChanges", {0, 1, 0}, "iYieldChange") + List("RiverYieldChange", {}) +
                            List("HillsYieldChange", {1, 0, 0})) +
                     Record("FeatureInfo", "FEATURE_FLOOD_PLAINS",
                            List("YieldChanges", {3, 0, 0}, "iYieldChange") +
                                List("RiverYieldChange", {0, 0, 2}) + List("HillsYieldChange", {})) +
                     Record("FeatureInfo", "FEATURE_FALLOUT",
                            List("YieldChanges", {-3, -3, -3}, "iYieldChange") +
                                List("RiverYieldChange", {}) + List("HillsYieldChange", {})));
    std::string bonuses =
        InfoFile("Civ4BonusInfos", "BonusInfos",
                 Record("BonusInfo", "BONUS_COW", List("YieldChanges", {1, 0, 0}, "iYieldChange")) +
                     Record("BonusInfo", "BONUS_GOLD", List("YieldChanges", {0, 0, 2}, "iYieldChange")) +
                     Record("BonusInfo", "BONUS_HORSE", List("YieldChanges", {0, 1, 0}, "iYieldChange")));
    std::string yields = InfoFile("Civ4YieldInfos", "YieldInfos",
                                  YieldRecord("YIELD_FOOD", -1, 0) + YieldRecord("YIELD_PRODUCTION", 1, 2) +
                                      YieldRecord("YIELD_COMMERCE", 0, 0));

    void LoadInto(TYieldRules& rules) const {
        rules.LoadFromTexts({"terrains.xml", terrains}, {"features.xml", features}, {"bonuses.xml", bonuses},
                            {"yields.xml", yields});
    }
};

} // namespace rulestest
