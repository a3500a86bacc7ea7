#include "CityType.h"

#include <optional>

namespace {

constexpr std::string_view CityKeys[] = {"CityOwner=",         "CityName=",           "CityPopulation=",
                                         "ProductionUnit=",    "ProductionBuilding=", "ProductionProject=",
                                         "ProductionProcess=", "BuildingType=",       "HolyCityReligionType=",
                                         "ReligionType=",      "ScriptData=",         "CityCulture="};

enum CityKey {
    KeyOwner,
    KeyName,
    KeyPopulation,
    KeyUnit,
    KeyBuilding,
    KeyProject,
    KeyProcess,
    KeyBuildingType,
    KeyHolyCity,
    KeyReligion,
    KeyScriptData,
    KeyCityCulture
};

// The slot of a "Player#Culture=" line: every "Player" removed, then the number before "Culture=".
int CultureSlot(std::string_view line) {
    const std::string rest = DeleteAllText(line, "Player");
    const std::size_t at = rest.find("Culture=");
    if (at == std::string::npos)
        return -1;
    return ValueToInt(TrimBlanks(std::string_view(rest).substr(0, at)), -1);
}

} // namespace

void TCityType::Clear() {
    cityOwner = -1;
    cityName = "Noname";
    cityPopulation = 1;
    productionKind = TProductionKind::None;
    productionUnit.clear();
    productionBuilding.clear();
    productionProject.clear();
    productionProcess.clear();
    buildingTypes.clear();
    religionTypes.clear();
    holyCityReligionTypes.clear();
    scriptData.clear();
    for (std::string& entry : culture)
        entry.clear();
    kept.Clear();
}

std::string TCityType::CultureKey(int slot) {
    return "Player" + IntToText(slot) + "Culture=";
}

int TCityType::GetCulture(int slot) const {
    if (!IsValidPlayerIndex(slot) || culture[static_cast<std::size_t>(slot)].empty())
        return -1;
    return ValueToInt(culture[static_cast<std::size_t>(slot)], -1);
}

void TCityType::SetCulture(int slot, int value) {
    if (!IsValidPlayerIndex(slot))
        return;
    std::string& entry = culture[static_cast<std::size_t>(slot)];
    if (value < 1)
        entry.clear();
    else
        entry = IntToText(value);
}

void TCityType::SetCityOwner(int value) {
    if (value == cityOwner)
        return;
    if (IsValidPlayerIndex(value)) {
        cityOwner = value;
        return;
    }
    Clear();
    cityOwner = -1;
}

void TCityType::SetCityName(std::string_view value) {
    if (value != cityName)
        cityName.assign(value);
}

void TCityType::SetProduction(std::string& field, std::string_view value, TProductionKind kind) {
    if (value == field)
        return;
    AssignUpperCase(field, value);
    productionKind = kind;
}

void TCityType::SetProductionUnit(std::string_view value) {
    SetProduction(productionUnit, value, TProductionKind::Unit);
}
void TCityType::SetProductionBuilding(std::string_view value) {
    SetProduction(productionBuilding, value, TProductionKind::Building);
}
void TCityType::SetProductionProject(std::string_view value) {
    SetProduction(productionProject, value, TProductionKind::Project);
}
void TCityType::SetProductionProcess(std::string_view value) {
    SetProduction(productionProcess, value, TProductionKind::Process);
}
void TCityType::SetScriptData(std::string_view value) {
    AssignUpperCase(scriptData, value);
}

void TCityType::LoadFromStrings(const StringList& lines) {
    const auto views = ViewLines(lines);
    Read(TLineSpan(views), true);
}

void TCityType::Read(TLineSpan lines, bool fromFile) {
    if (fromFile)
        kept.Clear();
    std::string scratch;
    for (std::string_view line : lines) {
        const TLineItems items(line);
        bool known = false;
        auto value = [&](CityKey key) -> std::optional<std::string_view> {
            if (!items.Has(CityKeys[key]))
                return std::nullopt;
            known = true;
            return items.Value(CityKeys[key], scratch);
        };
        if (auto v = value(KeyOwner)) {
            const int owner = ValueToInt(*v, 0);
            // The game's barbarians (and a mod's further players) own cities beyond the editor's 18
            // slots; a file's city keeps such an owner rather than being wiped.
            if (fromFile && owner >= MaxPlayers)
                cityOwner = owner;
            else
                SetCityOwner(owner);
            if (cityOwner < 0 || (!fromFile && !IsValidPlayerIndex(cityOwner)))
                return;
        }
        if (auto v = value(KeyName))
            SetCityName(*v);
        if (auto v = value(KeyPopulation))
            cityPopulation = ValueToInt(*v, 0);
        if (auto v = value(KeyUnit))
            SetProductionUnit(*v);
        if (auto v = value(KeyBuilding))
            SetProductionBuilding(*v);
        if (auto v = value(KeyProject))
            SetProductionProject(*v);
        if (auto v = value(KeyProcess))
            SetProductionProcess(*v);
        if (auto v = value(KeyBuildingType))
            buildingTypes.push_back(UpperCase(*v));
        if (auto v = value(KeyHolyCity))
            holyCityReligionTypes.push_back(UpperCase(*v));
        else if (auto religion = value(KeyReligion))
            religionTypes.push_back(UpperCase(*religion));
        if (auto v = value(KeyScriptData))
            SetScriptData(*v);
        // Culture of a player beyond the 18 slots has no field: a file's line for it is kept as read.
        const bool knownBeforeCulture = known;
        if (auto v = value(KeyCityCulture)) {
            const int amount = ValueToInt(*v, -1);
            if (IsValidPlayerIndex(cityOwner))
                SetCulture(cityOwner, amount);
            else
                known = knownBeforeCulture;
        } else if (ContainsText(line, "Culture=")) {
            const int slot = CultureSlot(line);
            if (slot != -1) {
                const int amount = ValueToInt(ValueAfterEquals(items.FirstItem()), -1);
                known = known || IsValidPlayerIndex(slot);
                SetCulture(slot, amount);
            }
        }
        if (fromFile && !known)
            kept.Offer(line);
    }
}

const StringList& TCityType::SaveToStrings() {
    StringList& lines = sectionLines.Get();
    lines.clear();
    TTextWriter out(lines);
    Write(out);
    return lines;
}

void TCityType::Write(TTextWriter& out) const {
    out.Line("\tBeginCity");
    (out << "\t\tCityOwner=" << cityOwner).EndLine();
    (out << "\t\tCityName=" << cityName).EndLine();
    (out << "\t\tCityPopulation=" << cityPopulation).EndLine();
    switch (productionKind) {
    case TProductionKind::Unit:
        (out << "\t\tProductionUnit=" << productionUnit).EndLine();
        break;
    case TProductionKind::Building:
        (out << "\t\tProductionBuilding=" << productionBuilding).EndLine();
        break;
    case TProductionKind::Project:
        (out << "\t\tProductionProject=" << productionProject).EndLine();
        break;
    case TProductionKind::Process:
        (out << "\t\tProductionProcess=" << productionProcess).EndLine();
        break;
    case TProductionKind::None:
        break;
    }
    for (const std::string& building : buildingTypes)
        (out << "\t\tBuildingType=" << building).EndLine();

    // A holy city's religion is written right after the religion itself; holy-city religions the
    // city does not have follow all religion lines.
    std::string holyText;
    for (const std::string& holy : holyCityReligionTypes)
        holyText.append(holy).append("\n");
    for (const std::string& religion : religionTypes) {
        (out << "\t\tReligionType=" << religion).EndLine();
        if (!religion.empty() && ContainsText(holyText, religion)) {
            holyText = DeleteAllText(holyText, religion);
            (out << "\t\tHolyCityReligionType=" << religion).EndLine();
        }
    }
    // What is left of a holy-city value that held a religion's name and more is written as a reload
    // reads it: a line's last item loses its trailing blanks, and a value left blank is no value.
    std::size_t start = 0;
    while (start < holyText.size()) {
        const std::size_t end = holyText.find('\n', start);
        const std::string_view entry =
            TrimTrailingBlanks(std::string_view(holyText).substr(start, end - start));
        if (!entry.empty())
            (out << "\t\tHolyCityReligionType=" << entry).EndLine();
        start = end + 1;
    }

    if (!scriptData.empty())
        (out << "\t\tScriptData=" << scriptData).EndLine();
    for (int slot = 0; slot < MaxPlayers; ++slot)
        if (GetCulture(slot) > -1)
            (out << "\t\t" << CultureKey(slot) << culture[static_cast<std::size_t>(slot)]).EndLine();
    kept.WriteTo(out, "\t\t");
    out.Line("\tEndCity");
}

const StringList& TCityType::GetEditorLines() {
    StringList& rows = editorLines.Get();
    rows.clear();
    rows.push_back("CityOwner=" + IntToText(cityOwner));
    rows.push_back("CityName=" + cityName);
    rows.push_back("CityPopulation=" + IntToText(cityPopulation));
    rows.push_back("ProductionUnit=" + productionUnit);
    rows.push_back("ProductionBuilding=" + productionBuilding);
    rows.push_back("ProductionProject=" + productionProject);
    rows.push_back("ProductionProcess=" + productionProcess);
    rows.push_back("BuildingType=" + ListToCommaText(buildingTypes));
    rows.push_back("ReligionType=" + ListToCommaText(religionTypes));
    rows.push_back("HolyCityReligionType=" + ListToCommaText(holyCityReligionTypes));
    rows.push_back("ScriptData=" + scriptData);
    for (int slot = 0; slot < MaxPlayers; ++slot)
        rows.push_back(CultureKey(slot) + culture[static_cast<std::size_t>(slot)]);
    return rows;
}

void TCityType::ApplyEditorLines(const StringList& rows) {
    StringList& remaining = editorLines.Get();
    remaining = rows;
    ExtractListValue(remaining, "BuildingType=", buildingTypes);
    ExtractListValue(remaining, "ReligionType=", religionTypes);
    ExtractListValue(remaining, "HolyCityReligionType=", holyCityReligionTypes);
    const auto views = ViewLines(remaining);
    Read(TLineSpan(views), false);
    remaining.clear();
}
