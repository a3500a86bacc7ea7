#include "City.h"

#include "FieldTable.h"

namespace {

// The slot of a "Player#Culture=" line: every "Player" removed, then the number before "Culture=".
int CultureSlot(std::string_view line) {
    const std::string rest = DeleteAllText(line, "Player");
    const std::size_t at = rest.find("Culture=");
    if (at == std::string::npos)
        return -1;
    return ValueToInt(TrimBlanks(std::string_view(rest).substr(0, at)), -1);
}

} // namespace

// Its owner is always written. The city makes one production at most, which its hook writes; the
// religions are written with the holy cities among them.
struct TCity::TFields : TFieldDefaults<TCity> {
    static constexpr std::string_view Indent = "\t\t";
    static constexpr std::array List = {
        F::Number("CityOwner=", &TCity::cityOwner, -1).Always().ReadHook(),
        F::Text("CityName=", &TCity::cityName, "Noname"),
        F::Number("CityPopulation=", &TCity::cityPopulation, 1).EmptyReads(0),
        F::TypeName("ProductionUnit=", &TCity::productionUnit).ReadHook().WriteHook().Row(TFieldRow::Shown),
        F::TypeName("ProductionBuilding=", &TCity::productionBuilding)
            .ReadHook()
            .WriteHook()
            .Row(TFieldRow::Shown),
        F::TypeName("ProductionProject=", &TCity::productionProject)
            .ReadHook()
            .WriteHook()
            .Row(TFieldRow::Shown),
        F::TypeName("ProductionProcess=", &TCity::productionProcess)
            .ReadHook()
            .WriteHook()
            .Row(TFieldRow::Shown),
        F::TypeList("BuildingType=", &TCity::buildingTypes),
        F::TypeList("ReligionType=", &TCity::religionTypes).ReadHook().WriteHook(),
        F::TypeList("HolyCityReligionType=", &TCity::holyCityReligionTypes).WriteHook(),
        F::Text("ScriptData=", &TCity::scriptData).WhenHeld(),
        // The owner's culture; every other player's is read from its own "Player#Culture=" line.
        F::Special("CityCulture=")};
    static constexpr std::size_t Owner = FieldTable::Index<TFields>("CityOwner="),
                                 Name = FieldTable::Index<TFields>("CityName="),
                                 Population = FieldTable::Index<TFields>("CityPopulation="),
                                 FirstProduction = FieldTable::Index<TFields>("ProductionUnit="),
                                 Religion = FieldTable::Index<TFields>("ReligionType="),
                                 HolyCity = FieldTable::Index<TFields>("HolyCityReligionType="),
                                 ScriptData = FieldTable::Index<TFields>("ScriptData="),
                                 Culture = FieldTable::Index<TFields>("CityCulture=");
    // The production field of each kind but None, in the order of TProductionKind.
    static constexpr std::size_t ProductionKey(TProductionKind kind) {
        return FirstProduction + static_cast<std::size_t>(kind) - 1;
    }
    static constexpr TProductionKind ProductionOf(std::size_t key) {
        return static_cast<TProductionKind>(key - FirstProduction + 1);
    }
};

template class TFieldRecord<TCity>;

void TCity::Clear() {
    ClearFields();
    productionKind = TProductionKind::None;
    for (std::string& entry : culture)
        entry.clear();
    cityCultureSlot = -1;
}

bool TCity::IsSet(std::string_view key) const {
    const int k = FieldIndex(key);
    if (k >= 0 && TFields::List[static_cast<std::size_t>(k)].writeHook && k != TFields::Religion &&
        k != TFields::HolyCity)
        return productionKind == TFields::ProductionOf(static_cast<std::size_t>(k));
    for (int slot = 0; slot < MaxPlayers; ++slot)
        if (SameText(key, CultureKey(slot)))
            return !culture[static_cast<std::size_t>(slot)].empty();
    return TFieldRecord::IsSet(key);
}

bool TCity::SpecialIsSet(std::size_t) const {
    return false;
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

void TCity::SetCityName(std::string_view value) {
    SetField<TFields::Name>(value);
}
void TCity::SetCityPopulation(int value) {
    SetField<TFields::Population>(value);
}
void TCity::SetScriptData(std::string_view value) {
    SetField<TFields::ScriptData>(value);
}

void TCity::Read(TLineSpan lines, bool fromFile) {
    BeginRead(fromFile);
    const TKeyTable& keys = KeyTable();
    std::string scratch;
    TKeyTable::TMatch match;
    for (std::string_view line : lines) {
        const TLineItems items(line);
        keys.Match(items, match);
        if (!ReadMatch(items, match, scratch, fromFile, ~0u))
            return;
        // Culture of a player beyond the 18 slots has no field: a file's line for it is kept as read.
        bool known = (match.found & ~(1u << TFields::Culture)) != 0;
        if (match.Has(TFields::Culture))
            known = known || IsValidPlayerIndex(cityOwner);
        else if (ContainsText(line, "Culture="))
            known = ReadPlayerCulture(items, fromFile) || known;
        if (fromFile && !known)
            kept.Offer(line);
    }
}

bool TCity::ReadPlayerCulture(const TLineItems& items, bool fromFile) {
    const int slot = CultureSlot(items.Line());
    if (slot == -1)
        return false;
    StoreCulture(slot, ValueAfterEquals(items.FirstItem()));
    if (fromFile && slot == cityCultureSlot)
        cityCultureSlot = -1;
    return IsValidPlayerIndex(slot);
}

bool TCity::ReadSpecial(std::size_t key, std::string_view value, const TLineItems& items, bool fromFile) {
    if (key == TFields::Owner) {
        const int owner = ValueToInt(value, 0);
        // The game's barbarians (and a mod's further players) own cities beyond the editor's 18
        // slots; a file's city keeps such an owner rather than being wiped.
        if (fromFile && owner >= MaxPlayers)
            cityOwner = owner;
        else
            SetCityOwner(owner);
        // A file's city without an owner is read back with its defaults only, as a city made here.
        if (fromFile && cityOwner < 0)
            Clear();
        return cityOwner >= 0 && (fromFile || IsValidPlayerIndex(cityOwner));
    }
    if (key == TFields::Religion) {
        // A line that names a holy city is read as that alone.
        if (!items.Has(TFields::List[TFields::HolyCity].key))
            religionTypes.push_back(UpperCase(value));
        return true;
    }
    if (key == TFields::Culture) {
        StoreCulture(cityOwner, value);
        if (fromFile && IsValidPlayerIndex(cityOwner))
            cityCultureSlot = cityOwner;
        return true;
    }
    const TProductionKind kind = TFields::ProductionOf(key);
    std::string& field = ProductionField(kind);
    // An empty editor row leaves the city making nothing.
    if (!fromFile && value.empty()) {
        field.clear();
        if (productionKind == kind)
            productionKind = TProductionKind::None;
        return true;
    }
    SetProduction(field, value, kind);
    // The file names what the city makes, even when the text is the one held.
    if (fromFile)
        productionKind = kind;
    return true;
}

void TCity::Write(TTextWriter& out) const {
    out.Line("\tBeginCity");
    WriteFields(out);
    kept.WriteTo(out, "\t\t");
    out.Line("\tEndCity");
}

void TCity::WriteSpecial(std::size_t key, TTextWriter& out) const {
    if (key == TFields::Religion)
        WriteReligions(out);
    else if (key == TFields::Culture)
        WriteCulture(out);
    else if (key != TFields::HolyCity && productionKind != TProductionKind::None &&
             key == TFields::ProductionKey(productionKind))
        (out << "\t\t" << TFields::List[key].key << this->*TFields::List[key].text).EndLine();
}

void TCity::WriteReligions(TTextWriter& out) const {
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
}

void TCity::WriteCulture(TTextWriter& out) const {
    for (int slot = 0; slot < MaxPlayers; ++slot) {
        const std::string& entry = culture[static_cast<std::size_t>(slot)];
        if (presence.FromFile() ? entry.empty() : GetCulture(slot) < 1)
            continue;
        if (slot == cityCultureSlot && slot == cityOwner)
            (out << "\t\tCityCulture=" << entry).EndLine();
        else
            (out << "\t\t" << CultureKey(slot) << entry).EndLine();
    }
}

void TCity::AddSpecialRows(std::size_t, StringList& rows) const {
    for (int slot = 0; slot < MaxPlayers; ++slot)
        rows.push_back(CultureKey(slot) + culture[static_cast<std::size_t>(slot)]);
}

void TCity::TakeSpecialRows(std::size_t, StringList&) {
    // A culture row is a line the reader knows.
}
