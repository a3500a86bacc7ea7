#include "catalogue/ValueCatalogue.h"

#include <algorithm>
#include <array>

namespace {

enum class TFixed {
    None,
    Booleans,
    FeatureVarieties,
    PlotTypes,
    RiverNS,
    RiverWE,
    Owners,
    TeamNumbers,
    TeamNames
};

// One row of the key table: the key, its row style, and a fixed list or a file with the reader's
// mode, filter and exclusion.
struct TKeyRow {
    const char* key;
    int kind;
    TFixed fixed;
    const char* folder;
    const char* file;
    int mode;
    const char* filter;
    const char* exclude;
};

constexpr TKeyRow File(const char* key, int kind, const char* folder, const char* file, int mode = 1,
                       const char* filter = "", const char* exclude = "") {
    return {key, kind, TFixed::None, folder, file, mode, filter, exclude};
}

constexpr TKeyRow Fixed(const char* key, int kind, TFixed fixed) {
    return {key, kind, fixed, "", "", 0, "", ""};
}

constexpr TKeyRow NoValues(const char* key, int kind) {
    return {key, kind, TFixed::None, "", "", 0, "", ""};
}

constexpr const char* GameInfo = "\\Assets\\XML\\GameInfo\\";
constexpr const char* BasicInfos = "\\Assets\\XML\\BasicInfos\\";
constexpr const char* Text = "\\Assets\\XML\\Text\\";
constexpr const char* Civilizations = "\\Assets\\XML\\Civilizations\\";
constexpr const char* Terrain = "\\Assets\\XML\\Terrain\\";
constexpr const char* Units = "\\Assets\\XML\\Units\\";
constexpr const char* Buildings = "\\Assets\\XML\\Buildings\\";
constexpr const char* ObjectTexts = "CIV4GameTextInfos_Objects.xml";

// The order is the order in which keys are looked up.
constexpr std::array<TKeyRow, 67> KeyTable = {{
    File("Era", 2, GameInfo, "CIV4EraInfos.xml"),
    File("Speed", 2, GameInfo, "CIV4GameSpeedInfo.xml"),
    File("Calendar", 2, BasicInfos, "CIV4BasicInfos.xml", 1, "CALENDAR_"),
    File("Option", 1, GameInfo, "CIV4GameOptionInfos.xml"),
    File("MPOption", 1, GameInfo, "CIV4MPOptionInfos.xml"),
    File("ForceControl", 1, GameInfo, "CIV4ForceControlInfos.xml"),
    File("Victory", 1, GameInfo, "CIV4VictoryInfo.xml"),
    File("Tech", 1, "\\Assets\\XML\\Technologies\\", "CIV4TechInfos.xml"),
    Fixed("ContactWithTeam", 1, TFixed::TeamNames),
    Fixed("AtWar", 1, TFixed::TeamNames),
    Fixed("PermanentWarPeace", 1, TFixed::TeamNames),
    Fixed("OpenBordersWithTeam", 1, TFixed::TeamNames),
    Fixed("DefensivePactWithTeam", 1, TFixed::TeamNames),
    File("ProjectType", 1, GameInfo, "CIV4ProjectInfo.xml"),
    Fixed("RevealMap", 2, TFixed::Booleans),
    Fixed("Team", 2, TFixed::TeamNumbers),
    File("LeaderType", 2, Civilizations, "CIV4LeaderHeadInfos.xml"),
    // Every text file of every layer is read: the leaders' Civilopedia articles share the prefix.
    File("LeaderName", 2, Text, ObjectTexts, 2, "TXT_KEY_LEADER_", "_PEDIA"),
    File("CivDesc", 2, Text, ObjectTexts, 2, "_DESC", "_SHORT_DESC"),
    File("CivShortDesc", 2, Text, ObjectTexts, 2, "_SHORT_DESC"),
    File("CivAdjective", 2, Text, ObjectTexts, 2, "_ADJECTIVE"),
    File("FlagDecal", 2, "\\Assets\\XML\\Art\\", "CIV4ArtDefines_Civilization.xml", 3),
    Fixed("WhiteFlag", 2, TFixed::Booleans),
    File("CivType", 2, Civilizations, "CIV4CivilizationInfos.xml"),
    File("Color", 2, "\\Assets\\XML\\Interface\\", "CIV4PlayerColorInfos.xml"),
    File("ArtStyle", 2, "\\Assets\\XML\\", "GlobalTypes.xml", 4),
    Fixed("PlayableCiv", 2, TFixed::Booleans),
    Fixed("MinorNationStatus", 2, TFixed::Booleans),
    File("StateReligion", 2, GameInfo, "CIV4ReligionInfo.xml"),
    File("StartingEra", 2, GameInfo, "CIV4EraInfos.xml"),
    File("CIVICOPTION_GOVERNMENT", 2, GameInfo, "CIV4CivicInfos.xml", 5, "CIVICOPTION_GOVERNMENT"),
    File("CIVICOPTION_LEGAL", 2, GameInfo, "CIV4CivicInfos.xml", 5, "CIVICOPTION_LEGAL"),
    File("CIVICOPTION_LABOR", 2, GameInfo, "CIV4CivicInfos.xml", 5, "CIVICOPTION_LABOR"),
    File("CIVICOPTION_ECONOMY", 2, GameInfo, "CIV4CivicInfos.xml", 5, "CIVICOPTION_ECONOMY"),
    File("CIVICOPTION_RELIGION", 2, GameInfo, "CIV4CivicInfos.xml", 5, "CIVICOPTION_RELIGION"),
    File("Handicap", 2, GameInfo, "CIV4HandicapInfo.xml"),
    File("world size", 2, GameInfo, "CIV4WorldInfo.xml"),
    File("climate", 2, GameInfo, "CIV4ClimateInfo.xml"),
    File("sealevel", 2, GameInfo, "CIV4SeaLevelInfo.xml"),
    Fixed("RiverNSDirection", 2, TFixed::RiverNS),
    Fixed("isNOfRiver", 2, TFixed::Booleans),
    Fixed("RiverWEDirection", 2, TFixed::RiverWE),
    Fixed("isWOfRiver", 2, TFixed::Booleans),
    Fixed("StartingPlot", 2, TFixed::Booleans),
    File("BonusType", 2, Terrain, "CIV4BonusInfos.xml"),
    File("ImprovementType", 2, Terrain, "CIV4ImprovementInfos.xml"),
    File("FeatureType", 2, Terrain, "CIV4FeatureInfos.xml"),
    Fixed("FeatureVariety", 2, TFixed::FeatureVarieties),
    File("RouteType", 2, "\\Assets\\XML\\Misc\\", "CIV4RouteInfos.xml"),
    File("TerrainType", 2, Terrain, "CIV4TerrainInfos.xml"),
    Fixed("PlotType", 2, TFixed::PlotTypes),
    Fixed("TeamReveal", 1, TFixed::TeamNames),
    NoValues("Units", 1),
    NoValues("City", 1),
    File("UnitType", 2, Units, "CIV4UnitInfos.xml"),
    Fixed("UnitOwner", 2, TFixed::Owners),
    File("PromotionType", 1, Units, "CIV4PromotionInfos.xml"),
    File("UnitAIType", 2, BasicInfos, "CIV4BasicInfos.xml", 1, "UNITAI_"),
    Fixed("CityOwner", 2, TFixed::Owners),
    File("CityName", 2, Text, "CIV4GameTextInfos_Cities.xml", 2, "TXT_KEY_CITY_NAME_"),
    File("ProductionUnit", 2, Units, "CIV4UnitInfos.xml"),
    File("ProductionBuilding", 2, Buildings, "CIV4BuildingInfos.xml"),
    File("ProductionProject", 2, GameInfo, "CIV4ProjectInfo.xml"),
    File("ProductionProcess", 2, GameInfo, "CIV4ProcessInfo.xml"),
    File("BuildingType", 1, Buildings, "CIV4BuildingInfos.xml"),
    File("ReligionType", 1, GameInfo, "CIV4ReligionInfo.xml"),
    File("HolyCityReligionType", 1, GameInfo, "CIV4ReligionInfo.xml"),
}};

void FillNumbers(StringList& list, const char* prefix, int count) {
    if (!list.empty())
        return;
    for (int i = 0; i < count; ++i)
        list.push_back(prefix + IntToText(i));
}

void FillList(StringList& list, std::initializer_list<const char*> items) {
    if (list.empty())
        list.assign(items.begin(), items.end());
}

// The text files of every layer, lowest first, and the names of the layers that have any, highest
// first: what every text key reads.
struct TLayeredTexts {
    std::vector<std::string> files;
    std::string source;

    explicit TLayeredTexts(const TGameLayers& layers) {
        StringList names;
        for (const auto& [layer, file] : layers.TextFiles()) {
            files.push_back(file);
            if (std::find(names.begin(), names.end(), layer) == names.end())
                names.insert(names.begin(), layer);
        }
        for (const std::string& name : names)
            source += (source.empty() ? "" : ", ") + name;
    }
};

// The reader of a key's file: the file of the highest layer that has it or, for a text file, the
// text files of every layer.
void SetFileReader(TValueInfo& info, const TKeyRow& row, const TGameLayers& layers,
                   const std::string& gameDir, const TLayeredTexts& texts) {
    auto reader = std::make_unique<TMapXMLReader>();
    const std::string relative = std::string(row.folder) + row.file;
    std::string source;
    std::string path = layers.FindFile(relative, &source);
    // A file no layer has is looked for in the root, so that the message names it there.
    if (path.empty())
        path = gameDir + relative;
    if (std::string_view(row.folder) == Text) {
        source = texts.source;
        reader->SetTextFiles(texts.files);
    }
    reader->SetFileName(path);
    reader->SetMode(row.mode);
    reader->SetLanguage(1);
    reader->SetFilter(row.filter);
    reader->SetExclude(row.exclude);
    info.SetReader(std::move(reader));
    info.SetSource(std::move(source));
}

} // namespace

const StringList& TValueInfo::GetList() {
    static const StringList none;
    if (fixedList)
        return *fixedList;
    if (reader)
        return reader->GetValues();
    return none;
}

void TValueCatalogue::SetGameDir(std::string_view dir) {
    if (dir == gameDir && layers.Layers().size() <= 1)
        return;
    SetLayers(TGameLayers::OfFolder(std::string(dir)));
}

void TValueCatalogue::SetLayers(const TGameLayers& value) {
    const std::string key = value.Key();
    const bool same = key == layers.Key() && !entries.empty();
    gameDir = value.Root();
    if (same) {
        layers = value;
        return;
    }
    if (!entries.empty())
        keptEntries[layers.Key()] = std::move(entries);
    entries.clear();
    layers = value;
    // No game folder, no table: every key keeps the style it has once a folder is known.
    if (gameDir.empty())
        return;
    const auto kept = keptEntries.find(key);
    if (kept == keptEntries.end()) {
        Build();
        return;
    }
    entries = std::move(kept->second);
    keptEntries.erase(kept);
}

std::string TValueCatalogue::SourceOf(std::string_view key) const {
    const TValueInfo* info = FindEntry(key);
    return info ? info->Source() : std::string();
}

void TValueCatalogue::Build() {
    entries.clear();
    entries.reserve(KeyTable.size());
    // The text folders are listed once for the five text keys.
    const TLayeredTexts texts(layers);
    for (const TKeyRow& row : KeyTable) {
        auto info = std::make_unique<TValueInfo>(row.kind);
        switch (row.fixed) {
        case TFixed::Booleans:
            FillList(booleanValues, {"0", "1"});
            info->SetFixedList(&booleanValues);
            break;
        case TFixed::FeatureVarieties:
            FillList(featureVarieties, {"0", "1", "2"});
            info->SetFixedList(&featureVarieties);
            break;
        case TFixed::PlotTypes:
            FillList(plotTypes, {"0", "1", "2", "3"});
            info->SetFixedList(&plotTypes);
            break;
        case TFixed::RiverNS:
            FillList(riverNSValues, {"0", "2"});
            info->SetFixedList(&riverNSValues);
            break;
        case TFixed::RiverWE:
            FillList(riverWEValues, {"1", "3"});
            info->SetFixedList(&riverWEValues);
            break;
        case TFixed::Owners:
            FillNumbers(ownerNumbers, "", MaxPlayers);
            info->SetFixedList(&ownerNumbers);
            break;
        case TFixed::TeamNumbers:
            FillNumbers(teamNumbers, "", MaxTeams);
            info->SetFixedList(&teamNumbers);
            break;
        case TFixed::TeamNames:
            info->SetFixedList(&GetTeamNames());
            break;
        case TFixed::None:
            if (*row.file)
                SetFileReader(*info, row, layers, gameDir, texts);
            break;
        }
        AddEntry(row.key, std::move(info));
    }
}

void TValueCatalogue::AddEntry(std::string_view key, std::unique_ptr<TValueInfo> info) {
    entries.emplace_back(std::string(key), std::move(info));
}

TValueInfo* TValueCatalogue::FindEntry(std::string_view key) const {
    for (const auto& [entryKey, info] : entries)
        if (SameText(entryKey, key))
            return info.get();
    return nullptr;
}

int TValueCatalogue::GetKind(std::string_view key) const {
    const TValueInfo* info = FindEntry(key);
    return info ? info->Kind() : KindPlainText;
}

void TValueCatalogue::GetValueList(std::string_view key, StringList& list) {
    list.clear();
    if (TValueInfo* info = FindEntry(key))
        list = info->GetList();
}

std::vector<int> TValueCatalogue::ApplyEditStyles(const std::vector<std::string>& rows) const {
    std::vector<int> kinds;
    kinds.reserve(rows.size());
    for (const std::string& row : rows) {
        const std::string_view text = row;
        kinds.push_back(GetKind(text.substr(0, text.find('='))));
    }
    return kinds;
}

const StringList& TValueCatalogue::GetTeamNames() {
    FillNumbers(teamNames, "Team", MaxTeams);
    return teamNames;
}

const StringList& TValueCatalogue::GetPlayerNames() {
    FillNumbers(playerNames, "Player", MaxPlayers);
    return playerNames;
}

bool TValueCatalogue::IsCatalogueKey(std::string_view key) {
    for (const TKeyRow& row : KeyTable)
        if (SameText(row.key, key))
            return true;
    return false;
}

int TValueCatalogue::KeyTableKind(std::string_view key) {
    for (const TKeyRow& row : KeyTable)
        if (SameText(row.key, key))
            return row.kind;
    return KindPlainText;
}

StringList TValueCatalogue::CatalogueKeys() {
    StringList keys;
    keys.reserve(KeyTable.size());
    for (const TKeyRow& row : KeyTable)
        keys.emplace_back(row.key);
    return keys;
}
