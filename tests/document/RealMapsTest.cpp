// Round trips of the maps the game itself wrote (base game and both expansions).

#include "FileText.h"
#include "LineCodec.h"
#include "Map.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <set>

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> RealMaps() {
    std::vector<fs::path> maps;
    const fs::path folder = fs::path(TESSEL_REALDATA_DIR) / "maps";
    if (fs::is_directory(folder))
        for (const auto& entry : fs::directory_iterator(folder))
            maps.push_back(entry.path());
    std::sort(maps.begin(), maps.end());
    return maps;
}

std::string Lower(std::string_view text) {
    std::string result(text);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

// Keys whose values the editor stores upper-cased.
bool IsUpperCasedKey(const std::string& key) {
    static const std::set<std::string> keys = {"era",
                                               "speed",
                                               "calendar",
                                               "option",
                                               "mpoption",
                                               "forcecontrol",
                                               "victory",
                                               "description",
                                               "modpath",
                                               "tech",
                                               "projecttype",
                                               "statereligion",
                                               "startingera",
                                               "civic",
                                               "civicoption",
                                               "handicap",
                                               "world size",
                                               "climate",
                                               "sealevel",
                                               "landmark",
                                               "scriptdata",
                                               "bonustype",
                                               "improvementtype",
                                               "featuretype",
                                               "routetype",
                                               "terraintype",
                                               "unittype",
                                               "promotiontype",
                                               "unitaitype",
                                               "productionunit",
                                               "productionbuilding",
                                               "productionproject",
                                               "productionprocess",
                                               "buildingtype",
                                               "religiontype",
                                               "holycityreligiontype"};
    return keys.count(key) > 0;
}

using Item = std::pair<std::string, std::string>;
using ItemCounts = std::map<std::string, int>;

// The value an empty player's field has when the file does not name it: such an item is not written.
bool IsEmptyPlayerDefault(const Item& item, const std::vector<Item>& line) {
    static const std::map<std::string, std::string> defaults = {{"leadername", ""},
                                                                {"civdesc", ""},
                                                                {"civshortdesc", ""},
                                                                {"civadjective", ""},
                                                                {"flagdecal", ""},
                                                                {"whiteflag", "0"},
                                                                {"playableciv", "1"},
                                                                {"minornationstatus", "0"},
                                                                {"startinggold", "0"},
                                                                {"startingx", "-1"},
                                                                {"startingy", "-1"},
                                                                {"statereligion", ""},
                                                                {"startingera", "ERA_ANCIENT"}};
    static const std::map<std::string, std::string> defaultCivics = {
        {"CIVICOPTION_GOVERNMENT", "CIVIC_DESPOTISM"},
        {"CIVICOPTION_LEGAL", "CIVIC_BARBARISM"},
        {"CIVICOPTION_LABOR", "CIVIC_TRIBALISM"},
        {"CIVICOPTION_ECONOMY", "CIVIC_DECENTRALIZATION"},
        {"CIVICOPTION_RELIGION", "CIVIC_PAGANISM"}};
    const auto found = defaults.find(item.first);
    if (found != defaults.end())
        return found->second == item.second;
    if (item.first != "civicoption" && item.first != "civic")
        return false;
    std::string option, civic;
    for (const Item& other : line) {
        if (other.first == "civicoption")
            option = other.second;
        if (other.first == "civic")
            civic = other.second;
    }
    const auto civicDefault = defaultCivics.find(option);
    return civicDefault != defaultCivics.end() && civicDefault->second == civic;
}

// Fields written only when they hold something: an empty value in the file says the same.
bool IsEmptyOptionalItem(const Item& item) {
    static const std::set<std::string> keys = {
        "landmark",  "scriptdata",     "bonustype",          "improvementtype",   "featuretype",
        "routetype", "productionunit", "productionbuilding", "productionproject", "productionprocess"};
    return item.second.empty() && keys.count(item.first) > 0;
}

std::vector<Item> LineItems(std::string_view line) {
    std::vector<Item> items;
    line = line.substr(0, line.find('<'));
    std::size_t start = 0;
    while (start < line.size()) {
        std::size_t comma = line.find(',', start);
        if (comma == std::string_view::npos)
            comma = line.size();
        std::string_view item = line.substr(start, comma - start);
        start = comma + 1;
        while (!item.empty() && static_cast<unsigned char>(item.front()) <= 32)
            item.remove_prefix(1);
        while (!item.empty() && static_cast<unsigned char>(item.back()) <= 32)
            item.remove_suffix(1);
        const std::size_t eq = item.find('=');
        if (item.empty() || eq == std::string_view::npos)
            continue;
        const std::string key = Lower(item.substr(0, eq));
        std::string value(item.substr(eq + 1));
        items.emplace_back(key, IsUpperCasedKey(key) ? UpperCase(value) : value);
    }
    return items;
}

// The slot a single-valued item fills within its block ("" for list items): a later item for the
// same slot replaces it, in the game as in the editor.
std::string SingleValueSlot(const Item& item, const std::vector<Item>& line) {
    static const std::set<std::string> singles = {"era",
                                                  "speed",
                                                  "calendar",
                                                  "gameturn",
                                                  "maxturns",
                                                  "maxcityelimination",
                                                  "targetscore",
                                                  "startyear",
                                                  "description",
                                                  "modpath",
                                                  "revealmap",
                                                  "team",
                                                  "leadertype",
                                                  "leadername",
                                                  "civdesc",
                                                  "civshortdesc",
                                                  "civadjective",
                                                  "flagdecal",
                                                  "whiteflag",
                                                  "civtype",
                                                  "color",
                                                  "artstyle",
                                                  "playableciv",
                                                  "minornationstatus",
                                                  "startinggold",
                                                  "startingx",
                                                  "startingy",
                                                  "statereligion",
                                                  "startingera",
                                                  "handicap",
                                                  "grid width",
                                                  "grid height",
                                                  "top latitude",
                                                  "bottom latitude",
                                                  "wrap x",
                                                  "wrap y",
                                                  "world size",
                                                  "climate",
                                                  "sealevel",
                                                  "num plots written",
                                                  "x",
                                                  "y",
                                                  "landmark",
                                                  "scriptdata",
                                                  "rivernsdirection",
                                                  "riverwedirection",
                                                  "bonustype",
                                                  "improvementtype",
                                                  "featuretype",
                                                  "featurevariety",
                                                  "routetype",
                                                  "terraintype",
                                                  "plottype",
                                                  "unittype",
                                                  "unitowner",
                                                  "level",
                                                  "experience",
                                                  "unitaitype",
                                                  "cityowner",
                                                  "cityname",
                                                  "citypopulation"};
    if (item.first == "civicoption" || item.first == "civic")
        for (const Item& other : line)
            if (other.first == "civicoption")
                return item.first + "@" + other.second;
    return singles.count(item.first) ? item.first : std::string();
}

// Every "key=value" item of a file, keys in lower case, values as the editor holds them, with the
// few items the editor writes differently mapped to what it writes: items past a "<" (the reader
// never sees them), a single value given twice in one block (the last one counts), a relation
// repeated within one team block (a set), an empty value of a field written only when set, the
// defaults of an empty player, no culture (a value below 1), and "CityCulture=" (written as the
// owner's "Player#Culture=").
ItemCounts CountItems(const std::string& bytes) {
    static const std::set<std::string> relations = {"contactwithteam", "atwar", "permanentwarpeace",
                                                    "openborderswithteam", "defensivepactwithteam"};
    static const std::vector<std::string> blockNames = {"game", "team", "player", "map",
                                                        "plot", "unit", "city"};
    using LineItem = std::pair<Item, std::vector<Item>>;
    ItemCounts counts;
    std::vector<std::vector<LineItem>> blocks;
    std::set<std::string> teamRelations;
    int cityOwner = -1;

    auto flush = [&](const std::vector<LineItem>& block) {
        bool emptyPlayer = false;
        std::map<std::string, std::size_t> last;
        for (std::size_t i = 0; i < block.size(); ++i) {
            emptyPlayer =
                emptyPlayer || (block[i].first.first == "leadertype" && block[i].first.second == "NONE");
            const std::string slot = SingleValueSlot(block[i].first, block[i].second);
            if (!slot.empty())
                last[slot] = i;
        }
        for (std::size_t i = 0; i < block.size(); ++i) {
            const auto& [item, line] = block[i];
            const std::string slot = SingleValueSlot(item, line);
            if (!slot.empty() && last[slot] != i)
                continue;
            if (emptyPlayer && IsEmptyPlayerDefault(item, line))
                continue;
            ++counts[item.first + "=" + item.second];
        }
    };

    for (std::string_view line : SplitLines(bytes)) {
        const std::string marker = Lower(TrimBlanks(line));
        for (const std::string& name : blockNames)
            if (marker == "begin" + name) {
                blocks.emplace_back();
                if (name == "team")
                    teamRelations.clear();
                if (name == "city")
                    cityOwner = -1;
            }
        const std::vector<Item> items = LineItems(line);
        for (Item item : items) {
            if (IsEmptyOptionalItem(item))
                continue;
            if (relations.count(item.first) && !teamRelations.insert(item.first + "=" + item.second).second)
                continue;
            if (item.first == "cityowner")
                cityOwner = ValueToInt(item.second, 0);
            if (item.first == "cityculture" && IsValidPlayerIndex(cityOwner))
                item.first = "player" + std::to_string(cityOwner) + "culture";
            const bool isCulture =
                item.first.size() > 7 && item.first.compare(item.first.size() - 7, 7, "culture") == 0;
            if (isCulture && ValueToInt(item.second, -1) < 1)
                continue;
            if (blocks.empty())
                ++counts[item.first + "=" + item.second];
            else
                blocks.back().emplace_back(item, items);
        }
        for (const std::string& name : blockNames)
            if (marker == "end" + name && !blocks.empty()) {
                flush(blocks.back());
                blocks.pop_back();
            }
    }
    for (const auto& block : blocks)
        flush(block);
    return counts;
}

class RealMap : public testing::TestWithParam<fs::path> {};

} // namespace

TEST_P(RealMap, LoadsAndSavesToAStableText) {
    TMap map;
    map.LoadFromFile(GetParam().string());
    ASSERT_EQ(map.ErrorText(), "");
    const std::string first = map.SaveToBytes();

    TMap again;
    std::vector<std::string_view> views = SplitLines(first);
    again.LoadFromStrings(StringList(views.begin(), views.end()));
    ASSERT_EQ(again.ErrorText(), "");
    EXPECT_EQ(again.SaveToBytes(), first);
}

TEST_P(RealMap, EveryItemTheGameWroteSurvivesASave) {
    const std::string original = ReadFileBytes(GetParam().string());
    TMap map;
    map.LoadFromFile(GetParam().string());
    ASSERT_EQ(map.ErrorText(), "");
    const ItemCounts before = CountItems(original);
    const ItemCounts after = CountItems(map.SaveToBytes());
    int missing = 0;
    for (const auto& [item, count] : before) {
        const auto found = after.find(item);
        const int written = found == after.end() ? 0 : found->second;
        if (written < count && ++missing <= 10)
            ADD_FAILURE() << item << " occurs " << count << " times before and " << written << " after";
    }
    EXPECT_EQ(missing, 0);
}

INSTANTIATE_TEST_SUITE_P(GameMaps, RealMap, testing::ValuesIn(RealMaps()),
                         [](const testing::TestParamInfo<fs::path>& info) {
                             std::string name = info.param.stem().string();
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(RealMap);

TEST(SampleMap, IsWrittenInTheEditorsOwnLayout) {
    const std::string path = std::string(TESSEL_SAMPLES_DIR) + "/maps/Archipelago.Civ4WorldBuilderSave";
    const std::string original = ReadFileBytes(path);
    TMap map;
    map.LoadFromFile(path);
    ASSERT_EQ(map.ErrorText(), "");
    EXPECT_EQ(map.Teams().InUseCount(), 3);
    EXPECT_EQ(map.Players().InUseCount(), 3);
    EXPECT_TRUE(map.Players().GetPlayer(2)->IsEmptyPlayer());
    EXPECT_EQ(map.Grids().GetPlot(4, 5)->City()->CityName(), "Tessera");
    EXPECT_EQ(map.SaveToBytes(), original);
}
