#pragma once

#include "document/FieldRecord.h"

#include <array>
#include <string>
#include <string_view>

// The one city a plot may hold ("BeginCity" ... "EndCity" inside the plot block): owner, name,
// population, production, buildings, religions, holy cities, script data and each player's culture.
// Its owner is always written. Read from a file, a city writes its name, population and script data
// only when the file set them (see TFieldPresence), the production the file or the editor named, and
// each culture line the file held, "0" included; the owner's culture read as "CityCulture=" is
// written so again while that player owns the city. Editor rows: a row sets its field, even to the
// default; a row with an empty value makes the name, population, script data or a player's culture
// absent again (it then holds its default, shows as empty and is not written), and an empty row for
// the production being made leaves the city making nothing. The script data is free text and keeps
// its case.
class TCity : public TListedRecord<TCity> {
public:
    enum class TProductionKind { None, Unit, Building, Project, Process };

    TCity() { Clear(); }

    void Clear();

    // -1 for a slot outside 0 to 17 or without culture (no entry, or one below 1).
    int GetCulture(int slot) const;
    // A value below 1 removes the slot's culture line; slots outside 0 to 17 are ignored.
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
    // Whether the field of `key` (such as "CityName=") holds a value of its own and is written; a list
    // key is set when the list has entries, a production key when the city makes that kind.
    bool IsSet(std::string_view key) const;

    // An owner that is not a player slot resets the whole city and leaves the owner at -1.
    void SetCityOwner(int value);
    void SetCityName(std::string_view value) { Set(&TCity::cityName, value); }
    void SetCityPopulation(int value) { Set(&TCity::cityPopulation, value); }
    void SetProductionUnit(std::string_view value) {
        SetProduction(productionUnit, value, TProductionKind::Unit);
    }
    void SetProductionBuilding(std::string_view value) {
        SetProduction(productionBuilding, value, TProductionKind::Building);
    }
    void SetProductionProject(std::string_view value) {
        SetProduction(productionProject, value, TProductionKind::Project);
    }
    void SetProductionProcess(std::string_view value) {
        SetProduction(productionProcess, value, TProductionKind::Process);
    }
    void SetBuildingTypes(const StringList& value) { buildingTypes = value; }
    void SetReligionTypes(const StringList& value) { religionTypes = value; }
    void SetHolyCityReligionTypes(const StringList& value) { holyCityReligionTypes = value; }
    void SetScriptData(std::string_view value) { Set(&TCity::scriptData, value); }

    static std::string CultureKey(int slot);

private:
    friend class TFieldRecord<TCity>;
    struct TFields;
    // The owner, the production, the religions and the culture: the hooks of TFields.
    bool ReadSpecial(std::size_t key, std::string_view value, const TLineItems& items, bool fromFile);
    void WriteReligions(TTextWriter& out) const;
    void WriteCulture(TTextWriter& out) const;
    void SetProduction(std::string& field, std::string_view value, TProductionKind kind);
    std::string& ProductionField(TProductionKind kind);
    // Stores a culture line's number; an empty value removes the slot's line.
    void StoreCulture(int slot, std::string_view value);
    // Reads a "Player#Culture=" line; true when it names a player slot.
    bool ReadPlayerCulture(const TLineItems& items, bool fromFile);

    int cityOwner;
    std::string cityName;
    int cityPopulation;
    TProductionKind productionKind;
    std::string productionUnit, productionBuilding, productionProject, productionProcess;
    StringList buildingTypes, religionTypes, holyCityReligionTypes;
    std::string scriptData;
    // Each slot's culture line as read or entered, in decimal; empty for no line.
    std::array<std::string, MaxPlayers> culture;
    // The slot whose culture the file wrote as "CityCulture=", the owner's; -1 for none.
    int cityCultureSlot;
};

// Made in City.cpp, where the table is.
extern template class TFieldRecord<TCity>;
