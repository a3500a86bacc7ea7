// Maps from strangers: every input ends in a clear error or a sound load, never a crash or a hang.

#include "TestText.h"
#include "document/FileText.h"
#include "document/Map.h"
#include "document/MapSummary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

const std::string HostileFolder = std::string(TESSEL_SOURCE_DIR) + "/tests/data/hostile";

struct THostileCase {
    std::string file;
    int status;
    std::string text;
};

std::vector<THostileCase> HostileCases() {
    std::vector<THostileCase> cases;
    std::ifstream manifest(HostileFolder + "/expected.tsv");
    for (std::string row; std::getline(manifest, row);) {
        std::istringstream fields(row);
        THostileCase entry;
        std::string status;
        std::getline(fields, entry.file, '\t');
        std::getline(fields, status, '\t');
        std::getline(fields, entry.text);
        entry.status = std::stoi(status);
        cases.push_back(entry);
    }
    return cases;
}

std::string Head(int width, int height) {
    return "Version=11\nBeginGame\nEndGame\nBeginMap\n\tgrid width=" + std::to_string(width) +
           "\n\tgrid height=" + std::to_string(height) + "\nEndMap\n### Plot Info ###\n";
}

StringList LinesOf(const std::string& text) {
    const auto views = SplitLines(text);
    return StringList(views.begin(), views.end());
}

class HostileFile : public testing::TestWithParam<THostileCase> {};

} // namespace

TEST_P(HostileFile, EndsInItsDocumentedErrorOrASoundLoad) {
    const THostileCase& entry = GetParam();
    TMap map;
    const std::string message = MapLoadMessage([&] { map.LoadFromFile(HostileFolder + "/" + entry.file); });
    if (entry.status == 0) {
        EXPECT_EQ(message, "");
        EXPECT_NE(TMapSummary::Of(map).ToText().find(entry.text), std::string::npos)
            << TMapSummary::Of(map).ToText();
        TMap again;
        again.LoadFromStrings(map.SaveToStrings());
        EXPECT_EQ(again.SaveToBytes(), map.SaveToBytes());
    } else {
        EXPECT_NE(message.find(entry.text), std::string::npos) << message;
        // A refused map leaves nothing of itself behind.
        if (entry.text.rfind("Map size", 0) == 0 || entry.text == "Map file structure error!") {
            EXPECT_EQ(TMapSummary::Of(map).ToText(), TMapSummary::Of(TMap()).ToText());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Files, HostileFile, testing::ValuesIn(HostileCases()),
                         [](const testing::TestParamInfo<THostileCase>& info) {
                             std::string name = info.param.file.substr(0, info.param.file.find('.'));
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c)))
                                     c = '_';
                             return name;
                         });

TEST(HostileInput, AFiftyMegabyteLineWithoutABreakIsRefusedOrKept) {
    const std::string longValue(50 << 20, 'a');
    TMap map;
    EXPECT_EQ(MapLoadMessage([&] { map.LoadFromStrings({longValue}); }), "Map file structure error!");

    StringList lines = LinesOf(Head(1, 1) + "BeginPlot\n\tx=0,y=0\nEndPlot\n");
    lines.insert(lines.begin() + 2, "\tDescription=" + longValue);
    EXPECT_EQ(MapLoadMessage([&] { map.LoadFromStrings(lines); }), "");
    EXPECT_EQ(map.Game().Description().size(), longValue.size());
    EXPECT_EQ(map.Game().Description()[0], 'a');
}

TEST(HostileInput, AMillionOptionLinesAreReadInFull) {
    std::string text = "Version=11\nBeginGame\n";
    for (int i = 0; i < 1000000; ++i)
        text += "\tOption=GAMEOPTION_" + std::to_string(i % 7) + "\n";
    text += "EndGame\nBeginMap\nEndMap\nBeginPlot\nEndPlot\n";
    TMap map;
    EXPECT_EQ(MapLoadMessage([&] { map.LoadFromStrings(LinesOf(text)); }), "");
    ASSERT_EQ(map.Game().Options().size(), 1000000u);
    EXPECT_EQ(map.Game().Options()[999998], "GAMEOPTION_6");

    map.Game().ApplyEditorLines({"Option=A,B,"});
    EXPECT_EQ(map.Game().Options().size(), 2u);
}

TEST(HostileInput, AHundredThousandUnitsOnOnePlot) {
    std::string text = Head(1, 1) + "BeginPlot\n\tx=0,y=0\n";
    for (int i = 0; i < 100000; ++i)
        text +=
            "\tBeginUnit\n\t\tUnitType=UNIT_WARRIOR, UnitOwner=" + std::to_string(i % 18) + "\n\tEndUnit\n";
    text += "EndPlot\n";
    TMap map;
    ASSERT_EQ(MapLoadMessage([&] { map.LoadFromStrings(LinesOf(text)); }), "");
    EXPECT_EQ(map.Grids().GetPlot(0, 0)->Units().Count(), 100000);

    TMap again;
    again.LoadFromStrings(map.SaveToStrings());
    EXPECT_EQ(again.Grids().GetPlot(0, 0)->Units().Count(), 100000);
}

TEST(HostileInput, RepeatedMarkersAndCommasStayLinear) {
    std::string text = Head(2, 1) + "BeginPlot\n\tx=1,y=0\n";
    for (int i = 0; i < 200000; ++i)
        text += "\tBeginUnit BeginCity BeginPlot\n";
    text += "\tx=0,y=0\n" + std::string(2000000, ',') + "\nEndPlot\n";
    TMap map;
    EXPECT_EQ(MapLoadMessage([&] { map.LoadFromStrings(LinesOf(text)); }), "");
    EXPECT_EQ(map.Grids().GetPlot(0, 0)->Units().Count(), 0);
    EXPECT_FALSE(map.Grids().GetPlot(0, 0)->HasCity());
}

TEST(HostileInput, FilesThatCannotBeReadFailToOpen) {
    const fs::path folder = fs::temp_directory_path() / ("tessel-hostile-" + std::to_string(::getpid()));
    fs::create_directories(folder / "a folder.Civ4WorldBuilderSave");
    TMap map;
    EXPECT_EQ(MapLoadMessage([&] { map.LoadFromFile((folder / "a folder.Civ4WorldBuilderSave").string()); }),
              "Fail to open file!");

    const fs::path locked = folder / "locked.Civ4WorldBuilderSave";
    std::ofstream(locked) << Head(1, 1) << "BeginPlot\nEndPlot\n";
    fs::permissions(locked, fs::perms::none);
    if (::geteuid() != 0) {
        EXPECT_EQ(MapLoadMessage([&] { map.LoadFromFile(locked.string()); }), "Fail to open file!");
    } else {
        // Permissions do not bind the super-user: the file simply loads.
        EXPECT_EQ(MapLoadMessage([&] { map.LoadFromFile(locked.string()); }), "");
    }
    fs::remove_all(folder);
}
