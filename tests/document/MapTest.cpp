#include "document/Map.h"
#include "TestText.h"
#include "document/FileText.h"
#include "document/MapSummary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

const char* const SmallMap = "Version=11\nBeginGame\n\tEra=ERA_CLASSICAL\nEndGame\nBeginTeam\nEndTeam\n"
                             "BeginPlayer\n\tTeam=0\n\tLeaderType=NONE\nEndPlayer\nBeginMap\n\tgrid width=2\n"
                             "\tgrid height=1\nEndMap\n\n### Plot Info ###\nBeginPlot\n\tx=1,y=0\n"
                             "\tTerrainType=TERRAIN_GRASS\n\tPlotType=2\nEndPlot\n";

// A folder of its own for each test, removed afterwards.
class TempFolder {
public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "tessel-test-XXXXXX").string();
        path = ::mkdtemp(pattern.data());
    }
    ~TempFolder() {
        std::error_code ignored;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path, ignored);
    }
    std::string File(const std::string& name) const { return (path / name).string(); }
    fs::path path;
};

void WriteText(const std::string& path, std::string_view text) {
    std::ofstream(path, std::ios::binary) << text;
}

std::string ReadText(const std::string& path) {
    return ReadFileBytes(path);
}

std::size_t FilesIn(const fs::path& folder) {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), fs::directory_iterator()));
}

} // namespace

TEST(Map, ASmallMapLoadsAndSavesInTheEditorsLayout) {
    TMap map;
    EXPECT_EQ(MapLoadMessage([&] { map.LoadFromStrings(Lines(SmallMap)); }), "");
    EXPECT_EQ(map.Game().Era(), "ERA_CLASSICAL");
    EXPECT_EQ(map.Teams().InUseCount(), 1);
    EXPECT_EQ(map.Players().InUseCount(), 1);
    EXPECT_EQ(map.Grids().Width(), 2);
    EXPECT_EQ(map.Grids().GetPlot(1, 0)->TerrainType(), "TERRAIN_GRASS");
    const std::string bytes = map.SaveToBytes();
    EXPECT_EQ(bytes.rfind("Version=11\r\nBeginGame\r\n\tEra=ERA_CLASSICAL\r\n", 0), 0u);
    EXPECT_EQ(bytes.substr(bytes.size() - 9), "EndPlot\r\n");
    EXPECT_EQ(bytes.find("\n\n"), std::string::npos);
    EXPECT_NE(bytes.find("EndMap\r\n\r\n### Plot Info ###\r\n"), std::string::npos);

    std::string joined;
    for (const std::string& line : map.SaveToStrings())
        joined += line + "\r\n";
    EXPECT_EQ(joined, bytes);
}

// A map as the game writes it: no era or speed (the player chooses them), a player without a start
// era or civics, a map without latitudes, a unit without an AI of its own, and free text in mixed case.
const char* const GameWrittenMap =
    "Version=11\nBeginGame\n\tDescription=The Next War\n\tModPath=Mods\\Next War\\\nEndGame\n"
    "BeginPlayer\n\tLeaderType=LEADER_X\n\tCivType=CIVILIZATION_X\n\tTeam=0\nEndPlayer\n"
    "BeginMap\n\tgrid width=1\n\tgrid height=1\n\twrap X=1\n\tnum plots written=1\nEndMap\n\n"
    "### Plot Info ###\nBeginPlot\n\tx=0,y=0\n\tScriptData=Scenario\n\tLandmark=Old Invictus\n"
    "\tTerrainType=TERRAIN_GRASS\n\tPlotType=2\n\tBeginUnit\n\t\tUnitType=UNIT_ARCHER, UnitOwner=0\n"
    "\t\tLevel=1, Experience=0\n\tEndUnit\n\tBeginCity\n\t\tCityOwner=0\n\t\tCityName=Roma\n"
    "\t\tScriptData=Capital\n\tEndCity\nEndPlot\n";

TEST(Map, AResaveWritesWhatTheFileSetAndNothingElse) {
    TMap map;
    ASSERT_EQ(MapLoadMessage([&] { map.LoadFromStrings(Lines(GameWrittenMap)); }), "");
    EXPECT_EQ(
        map.SaveToStrings(),
        Lines(
            "Version=11\nBeginGame\n\tDescription=The Next War\n\tModPath=Mods\\Next War\\\nEndGame\n"
            "BeginPlayer\n\tTeam=0\n\tLeaderType=LEADER_X\n\tCivType=CIVILIZATION_X\nEndPlayer\n"
            "BeginMap\n\tgrid width=1\n\tgrid height=1\n\twrap X=1\n\tnum plots written=1\nEndMap\n\n"
            "### Plot Info ###\nBeginPlot\n\tx=0,y=0\n\tLandmark=Old Invictus\n\tScriptData=Scenario\n"
            "\tTerrainType=TERRAIN_GRASS\n\tPlotType=2\n\tBeginUnit\n\t\tUnitType=UNIT_ARCHER, UnitOwner=0\n"
            "\t\tLevel=1, Experience=0\n\tEndUnit\n\tBeginCity\n\t\tCityOwner=0\n\t\tCityName=Roma\n"
            "\t\tScriptData=Capital\n\tEndCity\nEndPlot"));

    const std::string first = map.SaveToBytes();
    TMap again;
    again.LoadFromStrings(Lines(first));
    EXPECT_EQ(again.SaveToBytes(), first);

    const TMapSummary summary = TMapSummary::Of(map);
    EXPECT_EQ(summary.unsetGame, 8);
    EXPECT_EQ(summary.unsetPlayers, 21);
    EXPECT_EQ(summary.unsetMap, 6);
    EXPECT_EQ(summary.unsetPlots, 0);
    EXPECT_EQ(summary.unsetUnits, 1);
    EXPECT_EQ(summary.unsetCities, 1);
    EXPECT_NE(
        summary.ToText().find("; fields left unset: game 8, teams 0, players 21, map 6, plots 0, units 1, "
                              "cities 1"),
        std::string::npos);
}

TEST(Map, ANewDocumentWritesItsDefaultsAndEditsSetOrUnsetFields) {
    TMap map;
    map.LoadFromStrings(Lines(GameWrittenMap));
    map.Game().ApplyEditorLines({"Era=ERA_ANCIENT"});
    map.Game().ApplyEditorLines({"Description="});
    map.MapData().SetTopLatitude(60);
    const StringList& saved = map.SaveToStrings();
    EXPECT_EQ(std::vector<std::string>(saved.begin() + 1, saved.begin() + 5),
              Lines("BeginGame\n\tEra=ERA_ANCIENT\n\tModPath=Mods\\Next War\\\nEndGame"));
    EXPECT_NE(std::find(saved.begin(), saved.end(), "\ttop latitude=60"), saved.end());
    EXPECT_EQ(TMapSummary::Of(map).unsetGame, 8);

    map.Clear();
    const StringList& fresh = map.SaveToStrings();
    EXPECT_EQ(fresh[2], "\tEra=ERA_ANCIENT");
    EXPECT_EQ(fresh[3], "\tSpeed=GAMESPEED_EPIC");
    EXPECT_NE(std::find(fresh.begin(), fresh.end(), "\ttop latitude=90"), fresh.end());
    EXPECT_EQ(TMapSummary::Of(map).unsetGame, 0);
}

TEST(Map, AnyVersionAndAnyLineEndsAreAccepted) {
    std::string text = SmallMap;
    text.replace(0, 10, "Version=12");
    std::string crOnly = text;
    for (char& c : crOnly)
        if (c == '\n')
            c = '\r';
    TMap map;
    for (const std::string& variant : {text, crOnly, std::string(SmallMap).substr(11)}) {
        map.Clear();
        std::vector<std::string_view> views = SplitLines(variant);
        EXPECT_EQ(MapLoadMessage([&] { map.LoadFromStrings(StringList(views.begin(), views.end())); }), "");
        EXPECT_EQ(map.Grids().GetPlot(1, 0)->PlotType(), 2);
    }
}

// The plain reading of the line break rules, to compare the fast splitter with.
std::vector<std::string> SplitSlowly(std::string_view text) {
    std::vector<std::string> lines;
    std::string current;
    bool open = false;
    for (std::size_t i = 0; i < text.size() && text[i] != '\0'; ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(current);
            current.clear();
            open = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            current += c;
            open = true;
        }
    }
    if (open)
        lines.push_back(current);
    return lines;
}

TEST(Map, LinesBreakAtCrLfCrAndLfAlike) {
    const char pieces[] = {'a', '\r', '\n'};
    for (int mask = 0; mask < 3 * 3 * 3 * 3 * 3 * 3; ++mask) {
        std::string text;
        for (int rest = mask, n = 0; n < 6; ++n, rest /= 3)
            text += pieces[rest % 3];
        const std::vector<std::string_view> fast = SplitLines(text);
        EXPECT_EQ(std::vector<std::string>(fast.begin(), fast.end()), SplitSlowly(text))
            << testing::PrintToString(text);
    }
}

TEST(Map, SplittingStopsAtANulByte) {
    const std::string text("a\r\nb\rc\n\nd\0e\nf", 14);
    EXPECT_EQ(SplitLines(text), (std::vector<std::string_view>{"a", "b", "c", "", "d"}));
    EXPECT_EQ(SplitLines("x\n"), std::vector<std::string_view>{"x"});
}

TEST(Map, SectionsOutOfOrderOrMissingAreAStructureError) {
    TMap map;
    EXPECT_EQ(MapLoadMessage([&] { map.LoadFromStrings(Lines("BeginGame\nBeginMap\nEndMap")); }),
              "Map file structure error!");
    EXPECT_EQ(MapLoadMessage(
                  [&] { map.LoadFromStrings(Lines("BeginTeam\nEndTeam\nBeginGame\nBeginMap\nBeginPlot")); }),
              "Map file structure error!");
    EXPECT_EQ(MapLoadMessage([&] {
                  map.LoadFromStrings(Lines("BeginGame\nBeginPlayer\nBeginTeam\nBeginMap\nBeginPlot"));
              }),
              "Map file structure error!");
    EXPECT_EQ(map.Grids().Width(), 1);
}

TEST(Map, AMapWithoutPlotBlocksSavesAFileThatOpens) {
    for (const char* grid : {"grid width=0\ngrid height=3", "grid width=1\ngrid height=1"}) {
        TMap map;
        map.LoadFromStrings(Lines(std::string("BeginGame\nBeginMap\n") + grid +
                                  "\nEndMap\nBeginPlot\n\tx=0,y=0\n"
                                  "\tPlotType=9\nEndPlot"));
        const StringList saved = map.SaveToStrings();
        EXPECT_EQ(std::count_if(
                      saved.begin(), saved.end(),
                      [](const std::string& line) { return line.find("BeginPlot") != std::string::npos; }),
                  0);
        // The unwritten plot comes back as a default one; from then on the text is stable.
        TMap again;
        EXPECT_EQ(MapLoadMessage([&] { again.LoadFromStrings(saved); }), "") << grid;
        const StringList savedAgain = again.SaveToStrings();
        TMap third;
        third.LoadFromStrings(savedAgain);
        EXPECT_EQ(third.SaveToStrings(), savedAgain);
    }
    // A file with neither marker is still no map.
    TMap map;
    EXPECT_EQ(MapLoadMessage([&] { map.LoadFromStrings(Lines("BeginGame\nBeginMap\nEndMap\n")); }),
              "Map file structure error!");
    EXPECT_EQ(MapLoadMessage(
                  [&] { map.LoadFromStrings(Lines("BeginGame\n### Plot Info ###\nBeginMap\nEndMap\n")); }),
              "Map file structure error!");
}

TEST(Map, AGameSectionAloneOpensAsAMapOfNoPlotsAndSavesUnchanged) {
    const std::string scenario = "Version=11\r\nBeginGame\r\n\tDescription=The Next War\r\n"
                                 "\tModPath=Mods\\Next War\\\r\n\tRandom=1\r\nEndGame\r\n";
    TMap map;
    ASSERT_EQ(MapLoadMessage([&] { map.LoadFromBytes(scenario); }), "");
    EXPECT_TRUE(map.GameSectionOnly());
    EXPECT_EQ(map.Game().ModPath(), "Mods\\Next War\\");
    EXPECT_EQ(map.Grids().Width() * map.Grids().Height(), 0);
    EXPECT_EQ(map.SaveToBytes(), scenario);

    // A grid built on it makes it a map, saved with its map section and plots.
    map.Grids().SetWidth(2);
    map.Grids().SetHeight(1);
    map.MapData().SetGridWidth(2);
    map.MapData().SetGridHeight(1);
    TMap built;
    EXPECT_EQ(MapLoadMessage([&] { built.LoadFromBytes(map.SaveToBytes()); }), "");
    EXPECT_FALSE(built.GameSectionOnly());
    EXPECT_EQ(built.Grids().Width(), 2);
}

TEST(Map, MapsWithoutTeamOrPlayerBlocksOpen) {
    TMap map;
    map.LoadFromStrings(
        Lines("BeginGame\nEndGame\nBeginMap\n\tgrid width=3\nEndMap\nBeginPlot\n\tx=0,y=0\nEndPlot"));
    EXPECT_EQ(map.Grids().Width(), 3);

    TMap empty;
    TMap reloaded;
    EXPECT_EQ(MapLoadMessage([&] { reloaded.LoadFromStrings(empty.SaveToStrings()); }), "");
}

TEST(Map, UnknownLinesAreKeptInsideBlocksAndDroppedBetweenThem) {
    TMap map;
    map.LoadFromStrings(
        Lines("Version=11\nBeginGame\n\tTutorial=0\nEndGame\n\tBetweenGameAndTeams=1\nBeginTeam\n"
              "\tTeamID=0\nEndTeam\n\tBetweenTeams=1\nBeginPlayer\n\tTeam=0\n\tLeaderType=NONE\n"
              "\tRandomStartLocation=false\nEndPlayer\nBeginMap\n\tnum signs written=0\nEndMap\n"
              "\tBetweenMapAndPlots=1\nBeginPlot\n\tx=0,y=0\n\tTeam1PlotRevealed=1\nEndPlot"));
    const std::string bytes = map.SaveToBytes();
    for (const char* kept :
         {"\tTutorial=0\r\nEndGame", "\tTeamID=0\r\nEndTeam", "\tRandomStartLocation=false\r\nEndPlayer",
          "\tnum signs written=0\r\nEndMap", "\tTeam1PlotRevealed=1\r\nEndPlot"})
        EXPECT_NE(bytes.find(kept), std::string::npos) << kept;
    EXPECT_EQ(bytes.find("Between"), std::string::npos);
}

TEST(Map, AKeyLineBeforeTheTeamsBelongsToTheGame) {
    TMap map;
    map.LoadFromStrings(Lines("junk=1\nBeginGame\nEndGame\n\tEra=ERA_FUTURE\nBeginGame\nBeginTeam\nEndTeam\n"
                              "BeginMap\nEndMap\nBeginPlot\nEndPlot"));
    EXPECT_EQ(map.Game().Era(), "ERA_FUTURE");
}

TEST(Map, ProgressIsReportedForEveryLineFromTheGameOn) {
    const StringList lines = Lines(std::string("header\nmore\n") + SmallMap);
    TMap map;
    std::vector<int> positions;
    map.SetOnProgress([&](TMap& sender, int position, int total) {
        EXPECT_EQ(&sender, &map);
        EXPECT_EQ(total, static_cast<int>(lines.size()));
        positions.push_back(position);
    });
    map.LoadFromStrings(lines);
    ASSERT_EQ(positions.size(), lines.size() - 3);
    EXPECT_EQ(positions.front(), 4);
    EXPECT_EQ(positions.back(), static_cast<int>(lines.size()));
    positions.clear();
    EXPECT_THROW(map.LoadFromStrings(Lines("BeginPlot")), TMapFileError) << "no game section";
    EXPECT_TRUE(positions.empty());
}

TEST(Map, AMalformedNumberFailsTheLoadAndLeavesTheEarlierSections) {
    std::string text = SmallMap;
    text.replace(text.find("x=1"), 3, "x=?");
    TMap map;
    EXPECT_EQ(MapLoadMessage([&] { map.LoadFromStrings(Lines(text)); }), "Fail to open file!");
    EXPECT_EQ(map.Game().Era(), "ERA_CLASSICAL");
}

TEST(Map, OversizedOrNegativeGridsFailWithTheirSize) {
    for (const char* size :
         {"grid width=2000000000", "grid width=4097", "grid width=-3", "grid width=4096, grid height=1025"}) {
        TMap map;
        const std::string text =
            std::string("BeginGame\nEra=ERA_X\nEndGame\nBeginMap\n") + size + "\nEndMap\nBeginPlot";
        const std::string message = MapLoadMessage([&] { map.LoadFromStrings(Lines(text)); });
        EXPECT_EQ(message.rfind("Map size", 0), 0u) << message;
        EXPECT_EQ(map.Game().Era(), "ERA_ANCIENT");
        EXPECT_EQ(map.Grids().Width(), 1);
    }
    TMap zero;
    EXPECT_EQ(
        MapLoadMessage([&] { zero.LoadFromStrings(Lines("BeginGame\nBeginMap\ngrid width=0\nBeginPlot")); }),
        "");
    EXPECT_EQ(zero.Grids().GetPlot(0, 0), nullptr);
}

TEST(Map, FilesLoadAndAMissingFileFails) {
    TempFolder folder;
    const std::string path = folder.File("small.Civ4WorldBuilderSave");
    WriteText(path, SmallMap);
    TMap map;
    EXPECT_EQ(MapLoadMessage([&] { map.LoadFromFile(path); }), "");
    EXPECT_EQ(map.Grids().Width(), 2);
    EXPECT_EQ(MapLoadMessage([&] { map.LoadFromFile(folder.File("missing")); }), "Fail to open file!");
    EXPECT_EQ(map.Grids().Width(), 2);
    EXPECT_THROW(map.LoadFromFile(folder.path.string()), OperationAborted);
}

TEST(Map, SavingReplacesTheFileWhole) {
    TempFolder folder;
    const std::string path = folder.File("map.Civ4WorldBuilderSave");
    WriteText(path, "old content that is much longer than nothing at all");
    TMap map;
    map.LoadFromStrings(Lines(SmallMap));
    map.SaveToFile(path);
    EXPECT_EQ(ReadText(path), map.SaveToBytes());
    EXPECT_EQ(FilesIn(folder.path), 1u);

    const std::string link = folder.File("link.Civ4WorldBuilderSave");
    fs::create_symlink(path, link);
    map.Game().ApplyEditorLines({"Era=ERA_MODERN"});
    map.SaveToFile(link);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_NE(ReadText(path).find("ERA_MODERN"), std::string::npos);
}

TEST(Map, AFailedSaveLeavesTheOldFileAndNoTemporary) {
    TempFolder folder;
    TMap map;
    map.LoadFromStrings(Lines(SmallMap));

    try {
        map.SaveToFile(folder.path.string());
        ADD_FAILURE() << "a folder was written over";
    } catch (const TMapFileError& error) {
        EXPECT_EQ(error.Kind(), TMapFailure::Save);
        EXPECT_EQ(error.Message(), "Fail to save file!");
    }
    EXPECT_THROW(map.SaveToFile(folder.File("no/such/folder/map")), OperationAborted);

    if (::geteuid() != 0) {
        const std::string path = folder.File("locked/map.Civ4WorldBuilderSave");
        fs::create_directory(folder.File("locked"));
        WriteText(path, "old");
        fs::permissions(folder.File("locked"), fs::perms::owner_read | fs::perms::owner_exec);
        EXPECT_THROW(map.SaveToFile(path), OperationAborted);
        EXPECT_EQ(ReadText(path), "old");
    }
}

TEST(Map, EveryStageOfAnAtomicWriteCanFailSafely) {
    TempFolder folder;
    const std::string path = folder.File("map.Civ4WorldBuilderSave");
    const std::string old = "the previous map";
    const std::string bytes(100000, 'x');

    enum Stage { Create, ShortWrite, Sync, Close, Rename };
    for (Stage stage : {Create, ShortWrite, Sync, Close, Rename}) {
        WriteText(path, old);
        TFileOps ops = TFileOps::System();
        const TFileOps real = TFileOps::System();
        switch (stage) {
        case Create:
            ops.createTemp = [](std::string&) {
                errno = EACCES;
                return -1;
            };
            break;
        case ShortWrite:
            ops.write = [real, calls = 0](int fd, const char* data, std::size_t size) mutable -> long {
                if (++calls == 1)
                    return real.write(fd, data, size / 2);
                errno = ENOSPC;
                return -1;
            };
            break;
        case Sync:
            ops.sync = [](int) {
                errno = EIO;
                return -1;
            };
            break;
        case Close:
            ops.close = [real](int fd) {
                real.close(fd);
                errno = EIO;
                return -1;
            };
            break;
        case Rename:
            ops.rename = [](const std::string&, const std::string&) {
                errno = EXDEV;
                return -1;
            };
            break;
        }
        EXPECT_THROW(WriteFileAtomically(path, bytes, ops), OperationAborted) << stage;
        EXPECT_EQ(ReadText(path), old) << stage;
        EXPECT_EQ(FilesIn(folder.path), 1u) << stage;
    }
    WriteFileAtomically(path, bytes);
    EXPECT_EQ(ReadText(path), bytes);
}

TEST(Map, ALargeMapIsSavedChunkByChunkAsItsBytes) {
    TempFolder folder;
    const std::string path = folder.File("large.Civ4WorldBuilderSave");
    TMap map;
    map.LoadFromStrings(Lines(SmallMap));
    map.MapData().SetGridWidth(120);
    map.MapData().SetGridHeight(80);
    map.Grids().SetWidth(120);
    map.Grids().SetHeight(80);
    for (int x = 0; x < 120; ++x)
        map.Grids().GetPlot(x, x % 80)->SetTeamReveal(x % 18, true);
    // A piece longer than a chunk passes whole.
    map.Grids().GetPlot(3, 3)->SetLandmark(std::string(300000, 'L'));
    const std::string bytes = map.SaveToBytes();
    ASSERT_GT(bytes.size(), 900000u); // more than three chunks of the writer
    map.SaveToFile(path);
    EXPECT_EQ(ReadText(path), bytes);
    EXPECT_EQ(FilesIn(folder.path), 1u);
}

TEST(Map, AnAtomicFileWrittenInPiecesFailsOrCommitsWhole) {
    TempFolder folder;
    const std::string path = folder.File("map.Civ4WorldBuilderSave");
    const std::string old = "the previous map";
    const TFileOps real = TFileOps::System();

    // A write that fails after the first piece: the old file stays, the temporary goes.
    WriteText(path, old);
    TFileOps failing = TFileOps::System();
    failing.write = [real, calls = 0](int fd, const char* data, std::size_t size) mutable -> long {
        if (++calls == 1)
            return real.write(fd, data, size);
        errno = ENOSPC;
        return -1;
    };
    {
        TAtomicFile file(path, failing);
        file.Append("first piece, ");
        EXPECT_THROW(file.Append("second piece"), OperationAborted);
        EXPECT_THROW(file.Commit(), OperationAborted);
    }
    EXPECT_EQ(ReadText(path), old);
    EXPECT_EQ(FilesIn(folder.path), 1u);

    // A file given up before its commit (the save raised on the way) removes its temporary.
    {
        TAtomicFile file(path);
        file.Append("half a map");
        EXPECT_EQ(FilesIn(folder.path), 2u);
    }
    EXPECT_EQ(ReadText(path), old);
    EXPECT_EQ(FilesIn(folder.path), 1u);

    // Each piece is started on its way to the disk where it lies in the file.
    std::vector<std::pair<std::size_t, std::size_t>> ranges;
    TFileOps watched = TFileOps::System();
    watched.startWriteback = [&ranges](int, std::size_t offset, std::size_t size) {
        ranges.emplace_back(offset, size);
    };
    {
        TAtomicFile file(path, watched);
        file.Append("abc");
        file.Append("");
        file.Append("defgh");
        file.Commit();
    }
    EXPECT_EQ(ReadText(path), "abcdefgh");
    EXPECT_EQ(ranges, (std::vector<std::pair<std::size_t, std::size_t>>{{0, 3}, {3, 5}}));
}
