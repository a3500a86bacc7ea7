// Round trips of the maps the game itself wrote (base game and both expansions).

#include "TestText.h"
#include "document/FileText.h"
#include "document/GameSection.h"
#include "document/LineCodec.h"
#include "document/Map.h"
#include "document/MapSection.h"
#include "document/Player.h"
#include "document/Plot.h"
#include "document/Unit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
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

// The keys of a record's table that hold one value, all but `lists`.
std::vector<std::string_view> SingleKeys(const std::vector<std::string_view>& keys,
                                         const std::set<std::string_view>& lists = {}) {
    std::vector<std::string_view> singles;
    for (std::string_view key : keys)
        if (!lists.count(key))
            singles.push_back(key);
    return singles;
}

// The keys of each block that hold one value: given twice in a block, the last one counts (in the
// game as in the editor), so only the last line carrying the key is kept.
const std::map<std::string, std::vector<std::string_view>>& SingleValueKeys() {
    static const std::map<std::string, std::vector<std::string_view>> keys = [] {
        std::map<std::string, std::vector<std::string_view>> table;
        table["game"] =
            SingleKeys(TGameSection::Keys(), {"Option=", "MPOption=", "ForceControl=", "Victory="});
        table["team"] = {"RevealMap="};
        table["player"] =
            SingleKeys(TPlayer::Keys(), {"Civic=", "AttitudePlayer=", "AttitudeExtra=", "CityList="});
        table["map"] = SingleKeys(TMapSection::Keys());
        table["plot"] = SingleKeys(TPlot::Keys());
        table["unit"] = SingleKeys(TUnit::Keys(), {"PromotionType="});
        table["city"] = {"CityOwner=", "CityName=", "CityPopulation=", "ScriptData="};
        return table;
    }();
    return keys;
}

bool IsRelationLine(std::string_view line) {
    for (std::string_view key : {"ContactWithTeam=", "AtWar=", "PermanentWarPeace=", "OpenBordersWithTeam=",
                                 "DefensivePactWithTeam="})
        if (LineHasKey(line, key))
            return true;
    return false;
}

// The lines of a block as a save keeps them: a value given twice for one field (the last one
// counts) and a relation listed twice in one team (a set) are not kept.
std::vector<std::string> KeptOfBlock(const std::string& kind, const std::vector<std::string>& lines) {
    const auto found = SingleValueKeys().find(kind);
    std::vector<std::string> kept;
    std::set<std::string> relations;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        bool overridden = false;
        if (found != SingleValueKeys().end()) {
            bool carriesSingle = false, allLater = true;
            for (std::string_view key : found->second) {
                if (!LineHasKey(lines[i], key))
                    continue;
                carriesSingle = true;
                bool later = false;
                for (std::size_t j = i + 1; j < lines.size() && !later; ++j)
                    later = LineHasKey(lines[j], key);
                allLater = allLater && later;
            }
            overridden = carriesSingle && allLater;
        }
        if (kind == "team" && IsRelationLine(lines[i]) && !relations.insert(lines[i]).second)
            continue;
        if (!overridden)
            kept.push_back(lines[i]);
    }
    std::sort(kept.begin(), kept.end());
    return kept;
}

// A map's text cut into its blocks, each named by its place ("game", "team 3", "player 0", "map",
// "plot 4,7", "plot 4,7 unit 1", "plot 4,7 city"), with the text around them: "head" before the
// game, "plot info" for the "### Plot Info ###" line and "after plots" for the text after the last
// plot. Lines are trimmed, blank lines dropped, markers stand for their blocks. Each block's lines
// are the ones a save keeps, sorted: a record writes its lines in its own order. Lines between
// other blocks are not kept and are left out.
using TBlocks = std::map<std::string, std::vector<std::string>>;

TBlocks CutIntoBlocks(const std::string& bytes) {
    static const std::vector<std::string> kinds = {"game", "team", "player", "map", "plot", "unit", "city"};
    struct TOpen {
        std::string kind;
        std::vector<std::string> lines;
    };
    TBlocks blocks;
    std::vector<TOpen> open;
    std::map<std::string, int> counts;
    std::vector<std::pair<std::string, std::vector<std::string>>> plotParts;
    bool anyBlock = false, anyPlot = false;
    std::vector<std::string> afterPlot;
    for (std::string_view raw : SplitLines(bytes)) {
        const std::string line(TrimBlanks(raw));
        const std::string lower = Lower(line);
        std::string begins, ends;
        for (const std::string& kind : kinds) {
            if (lower == "begin" + kind)
                begins = kind;
            if (lower == "end" + kind)
                ends = kind;
        }
        if (!begins.empty()) {
            open.push_back({begins, {}});
            anyBlock = true;
            continue;
        }
        if (!ends.empty() && !open.empty()) {
            TOpen block = std::move(open.back());
            open.pop_back();
            if (block.kind == "plot") {
                int x = -1, y = -1;
                for (const std::string& plotLine : block.lines) {
                    if (LineHasKey(plotLine, "x="))
                        x = ValueToInt(ReadKeyValue(plotLine, "x="), -1);
                    if (LineHasKey(plotLine, "y="))
                        y = ValueToInt(ReadKeyValue(plotLine, "y="), -1);
                }
                const std::string name = "plot " + std::to_string(x) + "," + std::to_string(y);
                blocks[name] = KeptOfBlock("plot", block.lines);
                int unit = 0;
                for (auto& [kind, lines] : plotParts)
                    blocks[name + (kind == "unit" ? " unit " + std::to_string(unit++) : " city")] =
                        KeptOfBlock(kind, lines);
                plotParts.clear();
                anyPlot = true;
                afterPlot.clear();
            } else if (block.kind == "unit" || block.kind == "city") {
                plotParts.emplace_back(block.kind, std::move(block.lines));
            } else {
                const std::string name = block.kind + (block.kind == "game" || block.kind == "map"
                                                           ? std::string()
                                                           : " " + std::to_string(counts[block.kind]++));
                blocks[name] = KeptOfBlock(block.kind, block.lines);
            }
            continue;
        }
        if (line.empty())
            continue;
        if (!open.empty())
            open.back().lines.push_back(line);
        else if (!anyBlock)
            blocks["head"].push_back(line);
        else if (line == "### Plot Info ###" && !anyPlot)
            blocks["plot info"].push_back(line);
        else if (anyPlot)
            afterPlot.push_back(line);
    }
    if (!afterPlot.empty())
        blocks["after plots"] = afterPlot;
    return blocks;
}

class RealMap : public testing::TestWithParam<fs::path> {};

} // namespace

TEST_P(RealMap, LoadsAndSavesToAStableText) {
    TMap map;
    ASSERT_EQ(MapLoadMessage([&] { map.LoadFromFile(GetParam().string()); }), "");
    const std::string first = map.SaveToBytes();

    TMap again;
    std::vector<std::string_view> views = SplitLines(first);
    ASSERT_EQ(MapLoadMessage([&] { again.LoadFromStrings(StringList(views.begin(), views.end())); }), "");
    EXPECT_EQ(again.SaveToBytes(), first);
}

// What a resave means to the game is what the file meant: every line the game wrote comes back as
// it was, trimmed, but for those a save does not keep (docs/file-format.md), and nothing is added.
TEST_P(RealMap, AResaveAddsAndChangesNothing) {
    const std::string original = ReadFileBytes(GetParam().string());
    TMap map;
    ASSERT_EQ(MapLoadMessage([&] { map.LoadFromFile(GetParam().string()); }), "");
    const TBlocks before = CutIntoBlocks(original);
    const TBlocks after = CutIntoBlocks(map.SaveToBytes());
    int differences = 0;
    auto report = [&](const std::string& block, const char* what, const std::vector<std::string>& lines) {
        for (const std::string& line : lines)
            if (++differences <= 10)
                ADD_FAILURE() << block << ": " << what << " \"" << line << "\"";
    };
    std::set<std::string> names;
    for (const auto& entry : before)
        names.insert(entry.first);
    for (const auto& entry : after)
        names.insert(entry.first);
    for (const std::string& name : names) {
        static const std::vector<std::string> none;
        const auto was = before.find(name);
        const auto is = after.find(name);
        const std::vector<std::string>& old = was == before.end() ? none : was->second;
        const std::vector<std::string>& now = is == after.end() ? none : is->second;
        std::vector<std::string> added, lost;
        std::set_difference(now.begin(), now.end(), old.begin(), old.end(), std::back_inserter(added));
        std::set_difference(old.begin(), old.end(), now.begin(), now.end(), std::back_inserter(lost));
        report(name, "added", added);
        report(name, "lost or changed", lost);
    }
    EXPECT_EQ(differences, 0);
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
    ASSERT_EQ(MapLoadMessage([&] { map.LoadFromFile(path); }), "");
    EXPECT_EQ(map.Teams().InUseCount(), 3);
    EXPECT_EQ(map.Players().InUseCount(), 3);
    EXPECT_TRUE(map.Players().GetPlayer(2)->IsEmptyPlayer());
    EXPECT_EQ(map.Grids().GetPlot(4, 5)->City()->CityName(), "Tessera");
    EXPECT_EQ(map.SaveToBytes(), original);
}
