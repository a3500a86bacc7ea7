#include "document/Plot.h"

#include "document/FieldTable.h"

#include <algorithm>
#include <cstring>

namespace {

// A river edge flows one of two ways; the game has also been seen writing the other two cardinal
// directions (0 to 3), and a file's value in that range is kept as the game wrote it.
template <int First, int Second> std::int8_t RiverDirection(int value, bool fromFile) {
    const bool kept = value == First || value == Second || (fromFile && value >= 0 && value <= 3);
    return static_cast<std::int8_t>(kept ? value : -1);
}

std::int8_t FitVariety(int value, bool) {
    return static_cast<std::int8_t>((value >= 0 && value <= 2) ? value : 0);
}

std::int8_t FitPlotType(int value, bool) {
    return static_cast<std::int8_t>((value >= 0 && value <= 3) ? value : -1);
}

bool HasFeature(const TPlot& plot) {
    return !plot.FeatureType().empty();
}

const std::string& NoText() {
    static const std::string empty;
    return empty;
}

} // namespace

// The coordinates are always written, on one line; the three flags are bare words, written when
// set whatever set them. A plot not read from a file writes its texts only when not empty, its
// rivers only when flowing, and its variety with its feature only.
struct TPlot::TFields : TFieldDefaults<TPlot> {
    // The landmark and the script data are among the rare parts, made when a text is stored.
    template <std::string TRareParts::*Part>
    [[gnu::always_inline]] static const std::string& RareText(const TPlot& plot) {
        return plot.rare ? (*plot.rare).*Part : NoText();
    }
    template <std::string TRareParts::*Part> static void SetRareText(TPlot& plot, std::string_view value) {
        if (plot.rare || !value.empty())
            (plot.RareParts().*Part).assign(value);
    }
    static constexpr std::array List = {
        F::Number("x=", &TPlot::x, -1).Always().Row(TFieldRow::None),
        F::Number("y=", &TPlot::y, -1).Always().Row(TFieldRow::None).Joins(","),
        F::HeldText("Landmark=", TFieldValue::Text, &RareText<&TRareParts::landmark>,
                    &SetRareText<&TRareParts::landmark>)
            .WhenHeld(),
        F::HeldText("ScriptData=", TFieldValue::Text, &RareText<&TRareParts::scriptData>,
                    &SetRareText<&TRareParts::scriptData>)
            .WhenHeld(),
        F::Small("RiverNSDirection=", &TPlot::riverNSDirection, -1, RiverDirection<0, 2>).WhenHeld(),
        F::Bare("isNOfRiver", &TPlot::isNOfRiver),
        F::Small("RiverWEDirection=", &TPlot::riverWEDirection, -1, RiverDirection<1, 3>).WhenHeld(),
        F::Bare("isWOfRiver", &TPlot::isWOfRiver), F::Bare("StartingPlot", &TPlot::startingPlot),
        F::TypeName("BonusType=", &TPlot::bonusType).WhenHeld(),
        F::TypeName("ImprovementType=", &TPlot::improvementType).WhenHeld(),
        F::TypeName("FeatureType=", &TPlot::featureType).WhenHeld(),
        F::Small("FeatureVariety=", &TPlot::featureVariety, 0, FitVariety).WhenHeld(HasFeature).Joins(", "),
        F::TypeName("RouteType=", &TPlot::routeType).WhenHeld(),
        F::TypeName("TerrainType=", &TPlot::terrainType, "TERRAIN_OCEAN"),
        F::Small("PlotType=", &TPlot::plotType, 3, FitPlotType),
        // The units and the city are written before the reveal set.
        F::TeamLine("TeamReveal=", &TPlot::teamReveal).WhenHeld()};
    static constexpr std::size_t RiverNS = Key("RiverNSDirection="), RiverWE = Key("RiverWEDirection="),
                                 TeamReveal = Key("TeamReveal=");
    static_assert(Key("x=") == XKey && Key("y=") == YKey);
};

template class TFieldRecord<TPlot>;

namespace {

// A copy of its own, as the hot path reads it for every line of a map.
const TKeyTable PlotKeys = TPlot::KeyTable();

} // namespace

[[gnu::flatten]] TPlot::TPlot() {}

void TPlot::Clear() {
    TFieldRecord::Clear();
    units.Clear();
    city.reset();
}

void TPlot::RemoveEastRiver() {
    isWOfRiver = false;
    MakeAbsent(TFields::RiverNS);
}

void TPlot::RemoveSouthRiver() {
    isNOfRiver = false;
    MakeAbsent(TFields::RiverWE);
}

TEdgeRiver TPlot::EdgeRiver(bool eastEdge) const {
    const int direction = eastEdge ? riverNSDirection : riverWEDirection;
    return {eastEdge ? isWOfRiver : isNOfRiver, direction,
            presence.Writes(eastEdge ? TFields::RiverNS : TFields::RiverWE, direction > -1)};
}

void TPlot::SetEdgeRiver(bool eastEdge, const TEdgeRiver& river) {
    const std::size_t key = eastEdge ? TFields::RiverNS : TFields::RiverWE;
    (eastEdge ? isWOfRiver : isNOfRiver) = river.flag;
    if (!river.directionWritten)
        return MakeAbsent(key);
    (eastEdge ? riverNSDirection : riverWEDirection) = static_cast<std::int8_t>(river.direction);
    presence.Mark(key);
}

const std::string& TPlot::Landmark() const {
    return TFields::RareText<&TRareParts::landmark>(*this);
}

const std::string& TPlot::ScriptData() const {
    return TFields::RareText<&TRareParts::scriptData>(*this);
}

void TPlot::SetLandmark(std::string_view value) {
    SetField<Key("Landmark=")>(value);
}
void TPlot::SetScriptData(std::string_view value) {
    SetField<Key("ScriptData=")>(value);
}
void TPlot::SetTeamReveal(int team, bool value) {
    SetFlagSafe(teamReveal, team, value);
    presence.Mark(TFields::TeamReveal);
}

TPlot::TRareParts& TPlot::RareParts() {
    if (!rare)
        rare = std::make_unique<TRareParts>();
    return *rare;
}

TCity& TPlot::GetOrCreateCity() {
    if (!city)
        city = std::make_unique<TCity>();
    return *city;
}

bool TPlot::HasTeamReveal() const {
    // Asked of every plot on every save: the whole set at once.
    static constexpr FlagSet none{};
    return std::memcmp(teamReveal.data(), none.data(), sizeof none) != 0;
}

TPlot::TParsedLine::TParsedLine(std::string_view line) : items(line) {
    PlotKeys.Match(items, match);
}

void TPlot::TParsedLine::Assign(std::string_view line) {
    const std::string_view before = items.Line();
    if (PlotKeys.KeysHoldDigits() ? line == before : SameShape(line, before)) {
        match.MoveTo(line);
        items.MoveTo(line);
        return;
    }
    items.Cut(line);
    PlotKeys.Match(items, match);
}

void TPlot::Read(TLineSpan lines, bool fromFile) {
    ReadLines(lines, nullptr, fromFile, ~0u);
}

void TPlot::ReadPlaced(TLineSpan lines, const TParsedLine* parsed, bool fromFile, int placedX, int placedY) {
    ReadLines(lines, parsed, fromFile, ~((1u << XKey) | (1u << YKey)));
    x = placedX;
    y = placedY;
}

void TPlot::ReadLines(TLineSpan lines, const TParsedLine* parsed, bool fromFile, std::uint32_t keyMask) {
    BeginRead(fromFile);
    bool inUnit = false, inCity = false;
    std::size_t unitStart = 0, cityStart = 0;
    std::string scratch;
    // Only for lines nobody parsed yet; on the heap, as an empty one on the stack costs its setting
    // up on every plot of a map.
    std::unique_ptr<TParsedLine> own;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        if (!parsed && own)
            own->Assign(line);
        else if (!parsed)
            own = std::make_unique<TParsedLine>(line);
        const TParsedLine& current = parsed ? parsed[i] : *own;
        const TLineItems& items = current.items;
        const TKeyTable::TMatch& match = current.match;
        // The lines of a unit or city block belong to that unit or city, which keeps what it does
        // not know: read here as well, a plot key there would count twice.
        const std::uint32_t plotKeys = (inUnit || inCity) ? 0u : ~0u;
        ReadMatch(items, match, scratch, fromFile, plotKeys & keyMask);

        const unsigned marker = items.Markers();
        if (marker & BeginUnitMarker) {
            inUnit = true;
            unitStart = i;
        }
        const bool inUnitBlock = inUnit;
        if ((marker & EndUnitMarker) && inUnit) {
            units.Add().Read(lines.Sub(unitStart, i - unitStart + 1), fromFile);
            inUnit = false;
        }
        if (marker & BeginCityMarker) {
            inCity = true;
            cityStart = i;
        }
        const bool inCityBlock = inCity;
        if ((marker & EndCityMarker) && inCity) {
            GetOrCreateCity().Read(lines.Sub(cityStart, i - cityStart + 1), fromFile);
            inCity = false;
        }
        if (fromFile && (match.found & plotKeys) == 0 && marker == 0 && !inUnitBlock && !inCityBlock)
            kept.Offer(line);
    }
}

void TPlot::Write(TTextWriter& out) const {
    if (!IsWritten())
        return;
    out.Line("BeginPlot");
    WriteFields<0, TFields::TeamReveal>(out);
    units.Write(out);
    if (city)
        city->Write(out);
    WriteFields<TFields::TeamReveal>(out);
    kept.WriteTo(out, "\t");
    out.Line("EndPlot");
}

const StringList& TPlot::GetEditorLines() {
    StringList& rows = EditorLines();
    rows.clear();
    AddRows<0, TFields::TeamReveal>(rows);
    rows.push_back("Units=[ " + IntToText(units.Count()) + " Units ]");
    rows.push_back(std::string("City=[ ") + (city ? "1" : "0") + " City ]");
    AddRows<TFields::TeamReveal>(rows);
    return rows;
}

void TPlot::ApplyEditorLines(const StringList& rows) {
    StringList& remaining = EditorLines();
    remaining.clear();
    // The units and city rows are summaries; their own editor changes them.
    for (const std::string& row : rows)
        if (!LineHasKey(row, "Units") && !LineHasKey(row, "City"))
            remaining.push_back(row);
    TakeRows(remaining);
    const auto views = ViewLines(remaining);
    Read(TLineSpan(views), false);
    remaining.clear();
}
