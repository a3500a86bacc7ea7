#pragma once

#include "RecordText.h"

#include <array>
#include <string>
#include <string_view>

// The one city a plot may hold ("BeginCity" ... "EndCity" inside the plot block): owner, name,
// population, production, buildings, religions, holy cities, script data and each player's culture.
class TCityType {
public:
    enum class TProductionKind { None, Unit, Building, Project, Process };

    TCityType() = default;

    void Clear();
    void LoadFromStrings(const StringList& lines);
    void Read(TLineSpan lines, bool fromFile);
    const StringList& SaveToStrings();
    void Write(TTextWriter& out) const;
    const StringList& GetEditorLines();
    void ApplyEditorLines(const StringList& rows);

    // -1 for a slot outside 0 to 17 or without culture.
    int GetCulture(int slot) const;
    // A value below 1 removes the slot's culture; slots outside 0 to 17 are ignored.
    void SetCulture(int slot, int value);

    int CityOwner() const { return cityOwner; }
    const std::string& CityName() const { return cityName; }
    int CityPopulation() const { return cityPopulation; }
    TProductionKind ProductionKind() const { return productionKind; }
    const std::string& ProductionUnit() const { return productionUnit; }
    const std::string& ProductionBuilding() const { return productionBuilding; }
    const std::string& ProductionProject() const { return productionProject; }
    const std::string& ProductionProcess() const { return productionProcess; }
    const StringList& BuildingTypes() const { return buildingTypes; }
    const StringList& ReligionTypes() const { return religionTypes; }
    const StringList& HolyCityReligionTypes() const { return holyCityReligionTypes; }
    const std::string& ScriptData() const { return scriptData; }
    const StringList& KeptLines() const { return kept.Lines(); }

    // An owner that is not a player slot resets the whole city and leaves the owner at -1.
    void SetCityOwner(int value);
    void SetCityName(std::string_view value);
    void SetCityPopulation(int value) { cityPopulation = value; }
    void SetProductionUnit(std::string_view value);
    void SetProductionBuilding(std::string_view value);
    void SetProductionProject(std::string_view value);
    void SetProductionProcess(std::string_view value);
    void SetBuildingTypes(const StringList& value) { buildingTypes = value; }
    void SetReligionTypes(const StringList& value) { religionTypes = value; }
    void SetHolyCityReligionTypes(const StringList& value) { holyCityReligionTypes = value; }
    void SetScriptData(std::string_view value);

    static std::string CultureKey(int slot);

private:
    void SetProduction(std::string& field, std::string_view value, TProductionKind kind);

    int cityOwner = -1;
    std::string cityName = "Noname";
    int cityPopulation = 1;
    TProductionKind productionKind = TProductionKind::None;
    std::string productionUnit, productionBuilding, productionProject, productionProcess;
    StringList buildingTypes, religionTypes, holyCityReligionTypes;
    std::string scriptData;
    std::array<std::string, MaxPlayers> culture;
    TKeptLines kept;
    TScratchList sectionLines, editorLines;
};
