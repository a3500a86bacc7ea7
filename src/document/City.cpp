#include "document/City.h"

#include "document/FieldTable.h"

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
    static constexpr std::string_view Begin = "\tBeginCity", End = "\tEndCity", Indent = "\t\t";
    static constexpr bool ReadsOtherLines = true;
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
    static constexpr std::size_t FirstProduction = Key("ProductionUnit="), Culture = Key("CityCulture=");
    // The production field of each kind but None, in the order of TProductionKind.
    static constexpr std::size_t ProductionKey(TProductionKind kind) {
        return FirstProduction + static_cast<std::size_t>(kind) - 1;
    }
    static constexpr TProductionKind ProductionOf(std::size_t key) {
        return static_cast<TProductionKind>(key - FirstProduction + 1);
    }

    static bool ReadSpecial(TCity& city, std::size_t key, std::string_view value, const TLineItems& items,
                            bool fromFile) {
        return city.ReadSpecial(key, value, items, fromFile);
    }
    // Culture of a player beyond the 18 slots has no field: a file's line for it is kept as read.
    static bool LineKnown(TCity& city, const TLineItems& items, const TKeyTable::TMatch& match,
                          bool fromFile) {
        const bool known = (match.found & ~(1u << Culture)) != 0;
        if (match.Has(Culture))
            return known || IsValidPlayerIndex(city.cityOwner);
        if (ContainsText(items.Line(), "Culture="))
            return city.ReadPlayerCulture(items, fromFile) || known;
        return known;
    }
    static void WriteSpecial(const TCity& city, std::size_t key, TTextWriter& out);
    static void AddSpecialRows(const TCity& city, std::size_t, StringList& rows) {
        for (int slot = 0; slot < MaxPlayers; ++slot)
            rows.push_back(CultureKey(slot) + city.culture[static_cast<std::size_t>(slot)]);
    }
    // A culture row is a line the reader knows.
    static void TakeSpecialRows(TCity&, std::size_t, StringList&) {}
    static bool SpecialIsSet(const TCity&, std::size_t) { return false; }
};

template class TFieldRecord<TCity>;

void TCity::Clear() {
    TFieldRecord::Clear();
    productionKind = TProductionKind::None;
    for (std::string& entry : culture)
        entry.clear();
    cityCultureSlot = -1;
}

bool TCity::IsSet(std::string_view key) const {
    const int k = FieldIndex(key);
    const auto first = static_cast<int>(TFields::FirstProduction);
    if (k >= first && k < first + 4)
        return productionKind == TFields::ProductionOf(static_cast<std::size_t>(k));
    for (int slot = 0; slot < MaxPlayers; ++slot)
        if (SameText(key, CultureKey(slot)))
            return !culture[static_cast<std::size_t>(slot)].empty();
    return TFieldRecord::IsSet(key);
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
    if (key == Key("CityOwner=")) {
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
    if (key == Key("ReligionType=")) {
        // A line that names a holy city is read as that alone.
        if (!items.Has("HolyCityReligionType="))
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

void TCity::TFields::WriteSpecial(const TCity& city, std::size_t key, TTextWriter& out) {
    if (key == Key("ReligionType="))
        city.WriteReligions(out);
    else if (key == Culture)
        city.WriteCulture(out);
    else if (key != Key("HolyCityReligionType=") && city.productionKind != TProductionKind::None &&
             key == ProductionKey(city.productionKind))
        (out << "\t\t" << List[key].key << city.*List[key].text).EndLine();
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
