#include "City.h"

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

// The fields a file may leave out; the production is absent while the city makes nothing.
constexpr std::uint32_t OptionalFields = (1u << KeyName) | (1u << KeyPopulation) | (1u << KeyScriptData);

} // namespace

void TCity::Clear() {
    cityOwner = -1;
    for (std::size_t k : {KeyName, KeyPopulation, KeyScriptData})
        MakeAbsent(k);
    productionKind = TProductionKind::None;
    productionUnit.clear();
    productionBuilding.clear();
    productionProject.clear();
    productionProcess.clear();
    buildingTypes.clear();
    religionTypes.clear();
    holyCityReligionTypes.clear();
    for (std::string& entry : culture)
        entry.clear();
    kept.Clear();
    presence.Reset();
    cityCultureSlot = -1;
}

void TCity::MakeAbsent(std::size_t key) {
    switch (key) {
    case KeyName:
        cityName = "Noname";
        break;
    case KeyPopulation:
        cityPopulation = 1;
        break;
    case KeyScriptData:
        scriptData.clear();
        break;
    }
    presence.Unmark(key);
}

bool TCity::IsSet(std::string_view key) const {
    if (SameText(key, "CityOwner="))
        return true;
    for (std::size_t k : {KeyName, KeyPopulation, KeyScriptData})
        if (SameText(key, CityKeys[k]))
            return presence.Has(k);
    static constexpr std::pair<std::string_view, TProductionKind> productions[] = {
        {"ProductionUnit=", TProductionKind::Unit},
        {"ProductionBuilding=", TProductionKind::Building},
        {"ProductionProject=", TProductionKind::Project},
        {"ProductionProcess=", TProductionKind::Process}};
    for (const auto& [productionKey, kind] : productions)
        if (SameText(key, productionKey))
            return productionKind == kind;
    if (SameText(key, "BuildingType="))
        return !buildingTypes.empty();
    if (SameText(key, "ReligionType="))
        return !religionTypes.empty();
    if (SameText(key, "HolyCityReligionType="))
        return !holyCityReligionTypes.empty();
    for (int slot = 0; slot < MaxPlayers; ++slot)
        if (SameText(key, CultureKey(slot)))
            return !culture[static_cast<std::size_t>(slot)].empty();
    return false;
}

int TCity::UnsetFieldCount() const {
    return presence.CountAbsent((1u << KeyName) | (1u << KeyPopulation));
}

std::string TCity::CultureKey(int slot) {
    return "Player" + IntToText(slot) + "Culture=";
}

int TCity::GetCulture(int slot) const {
    if (!IsValidPlayerIndex(slot) || culture[static_cast<std::size_t>(slot)].empty())
        return -1;
    const int value = ValueToInt(culture[static_cast<std::size_t>(slot)], -1);
    return value < 1 ? -1 : value;
}

void TCity::StoreCulture(int slot, std::string_view value) {
    const int amount = ValueToInt(value, -1);
    if (!IsValidPlayerIndex(slot))
        return;
    std::string& entry = culture[static_cast<std::size_t>(slot)];
    if (value.empty())
        entry.clear();
    else
        entry = IntToText(amount);
}

void TCity::SetCulture(int slot, int value) {
    if (!IsValidPlayerIndex(slot))
        return;
    std::string& entry = culture[static_cast<std::size_t>(slot)];
    if (value < 1)
        entry.clear();
    else
        entry = IntToText(value);
}

void TCity::SetCityOwner(int value) {
    if (value == cityOwner)
        return;
    if (IsValidPlayerIndex(value)) {
        cityOwner = value;
        return;
    }
    Clear();
    cityOwner = -1;
}

void TCity::SetCityName(std::string_view value) {
    if (value != cityName)
        cityName.assign(value);
    presence.Mark(KeyName);
}

void TCity::SetCityPopulation(int value) {
    cityPopulation = value;
    presence.Mark(KeyPopulation);
}

void TCity::SetProduction(std::string& field, std::string_view value, TProductionKind kind) {
    if (value == field)
        return;
    AssignUpperCase(field, value);
    productionKind = kind;
}

std::string& TCity::ProductionField(TProductionKind kind) {
    switch (kind) {
    case TProductionKind::Building:
        return productionBuilding;
    case TProductionKind::Project:
        return productionProject;
    case TProductionKind::Process:
        return productionProcess;
    default:
        return productionUnit;
    }
}

void TCity::SetProductionUnit(std::string_view value) {
    SetProduction(productionUnit, value, TProductionKind::Unit);
}
void TCity::SetProductionBuilding(std::string_view value) {
    SetProduction(productionBuilding, value, TProductionKind::Building);
}
void TCity::SetProductionProject(std::string_view value) {
    SetProduction(productionProject, value, TProductionKind::Project);
}
void TCity::SetProductionProcess(std::string_view value) {
    SetProduction(productionProcess, value, TProductionKind::Process);
}
void TCity::SetScriptData(std::string_view value) {
    scriptData.assign(value);
    presence.Mark(KeyScriptData);
}

void TCity::LoadFromStrings(const StringList& lines) {
    const auto views = ViewLines(lines);
    Read(TLineSpan(views), true);
}

void TCity::Read(TLineSpan lines, bool fromFile) {
    if (fromFile) {
        kept.Clear();
        presence.BeginFileRead();
    }
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
            // A file's city without an owner is read back with its defaults only, as a city made here.
            if (fromFile && cityOwner < 0)
                Clear();
            if (cityOwner < 0 || (!fromFile && !IsValidPlayerIndex(cityOwner)))
                return;
        }
        // An empty editor row makes its field absent.
        auto absent = [&](const std::optional<std::string_view>& v) { return !fromFile && v->empty(); };
        if (auto v = value(KeyName)) {
            if (absent(v))
                MakeAbsent(KeyName);
            else
                SetCityName(*v);
        }
        if (auto v = value(KeyPopulation)) {
            if (absent(v))
                MakeAbsent(KeyPopulation);
            else
                SetCityPopulation(ValueToInt(*v, 0));
        }
        static constexpr std::pair<CityKey, TProductionKind> productions[] = {
            {KeyUnit, TProductionKind::Unit},
            {KeyBuilding, TProductionKind::Building},
            {KeyProject, TProductionKind::Project},
            {KeyProcess, TProductionKind::Process}};
        for (const auto& [key, kind] : productions)
            if (auto v = value(key)) {
                std::string& field = ProductionField(kind);
                if (absent(v)) {
                    field.clear();
                    if (productionKind == kind)
                        productionKind = TProductionKind::None;
                    continue;
                }
                SetProduction(field, *v, kind);
                // The file names what the city makes, even when the text is the one held.
                if (fromFile)
                    productionKind = kind;
            }
        if (auto v = value(KeyBuildingType))
            buildingTypes.push_back(UpperCase(*v));
        if (auto v = value(KeyHolyCity))
            holyCityReligionTypes.push_back(UpperCase(*v));
        else if (auto religion = value(KeyReligion))
            religionTypes.push_back(UpperCase(*religion));
        if (auto v = value(KeyScriptData)) {
            if (absent(v))
                MakeAbsent(KeyScriptData);
            else
                SetScriptData(*v);
        }
        // Culture of a player beyond the 18 slots has no field: a file's line for it is kept as read.
        const bool knownBeforeCulture = known;
        if (auto v = value(KeyCityCulture)) {
            StoreCulture(cityOwner, *v);
            if (!IsValidPlayerIndex(cityOwner))
                known = knownBeforeCulture;
            else if (fromFile)
                cityCultureSlot = cityOwner;
        } else if (ContainsText(line, "Culture=")) {
            const int slot = CultureSlot(line);
            if (slot != -1) {
                known = known || IsValidPlayerIndex(slot);
                StoreCulture(slot, ValueAfterEquals(items.FirstItem()));
                if (fromFile && slot == cityCultureSlot)
                    cityCultureSlot = -1;
            }
        }
        if (fromFile && !known)
            kept.Offer(line);
    }
}

const StringList& TCity::SaveToStrings() {
    StringList& lines = sectionLines.Get();
    lines.clear();
    TTextWriter out(lines);
    Write(out);
    return lines;
}

void TCity::Write(TTextWriter& out) const {
    out.Line("\tBeginCity");
    (out << "\t\tCityOwner=" << cityOwner).EndLine();
    if (presence.Has(KeyName))
        (out << "\t\tCityName=" << cityName).EndLine();
    if (presence.Has(KeyPopulation))
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

    if (presence.Writes(KeyScriptData, !scriptData.empty()))
        (out << "\t\tScriptData=" << scriptData).EndLine();
    for (int slot = 0; slot < MaxPlayers; ++slot) {
        const std::string& entry = culture[static_cast<std::size_t>(slot)];
        if (presence.FromFile() ? entry.empty() : GetCulture(slot) < 1)
            continue;
        if (slot == cityCultureSlot && slot == cityOwner)
            (out << "\t\tCityCulture=" << entry).EndLine();
        else
            (out << "\t\t" << CultureKey(slot) << entry).EndLine();
    }
    kept.WriteTo(out, "\t\t");
    out.Line("\tEndCity");
}

const StringList& TCity::GetEditorLines() {
    StringList& rows = editorLines.Get();
    rows.clear();
    rows.push_back("CityOwner=" + IntToText(cityOwner));
    rows.push_back("CityName=" + (presence.Has(KeyName) ? cityName : std::string()));
    rows.push_back("CityPopulation=" +
                   (presence.Has(KeyPopulation) ? IntToText(cityPopulation) : std::string()));
    rows.push_back("ProductionUnit=" + productionUnit);
    rows.push_back("ProductionBuilding=" + productionBuilding);
    rows.push_back("ProductionProject=" + productionProject);
    rows.push_back("ProductionProcess=" + productionProcess);
    rows.push_back("BuildingType=" + ListToCommaText(buildingTypes));
    rows.push_back("ReligionType=" + ListToCommaText(religionTypes));
    rows.push_back("HolyCityReligionType=" + ListToCommaText(holyCityReligionTypes));
    rows.push_back("ScriptData=" + (presence.Has(KeyScriptData) ? scriptData : std::string()));
    for (int slot = 0; slot < MaxPlayers; ++slot)
        rows.push_back(CultureKey(slot) + culture[static_cast<std::size_t>(slot)]);
    return rows;
}

void TCity::ApplyEditorLines(const StringList& rows) {
    StringList& remaining = editorLines.Get();
    remaining = rows;
    ExtractListValue(remaining, "BuildingType=", buildingTypes);
    ExtractListValue(remaining, "ReligionType=", religionTypes);
    ExtractListValue(remaining, "HolyCityReligionType=", holyCityReligionTypes);
    const auto views = ViewLines(remaining);
    Read(TLineSpan(views), false);
    remaining.clear();
}
