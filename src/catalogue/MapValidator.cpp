#include "catalogue/MapValidator.h"

#include "document/Map.h"

#include <algorithm>
#include <stdexcept>

namespace {

// The index of a checked key; a key that is not checked does not compile where a constant is needed.
constexpr std::size_t Rule(std::string_view key) {
    for (std::size_t i = 0; i < TMapValidator::CheckedKeys.size(); ++i)
        if (TMapValidator::CheckedKeys[i] == key)
            return i;
    throw std::logic_error("not a checked key");
}

// The civic options' keys follow each other in the order of the player's civic options.
constexpr std::size_t FirstCivicOption = Rule("CIVICOPTION_GOVERNMENT");
static_assert(Rule("CIVICOPTION_RELIGION") == FirstCivicOption + TPlayer::CivicOptions.size() - 1);

// The game's barbarians play in the slot after the 18 players and own units and cities there.
constexpr int BarbarianPlayer = MaxPlayers;

bool IsAbsent(std::string_view value) {
    return value.empty() || SameText(value, "NONE");
}

bool HasLowerCase(std::string_view text) {
    return std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
}

bool Contains(const StringList& legal, std::string_view value) {
    const auto less = [](std::string_view a, std::string_view b) { return a < b; };
    if (HasLowerCase(value))
        return std::binary_search(legal.begin(), legal.end(), UpperCase(value), less);
    return std::binary_search(legal.begin(), legal.end(), value, less);
}

// Whether two readers collect the same list from the same file.
bool SameSource(const TMapXMLReader& a, const TMapXMLReader& b) {
    return a.FileName() == b.FileName() && a.Mode() == b.Mode() && a.Language() == b.Language() &&
           a.Filter() == b.Filter() && a.Exclude() == b.Exclude();
}

std::string Plural(int count, const char* one, const char* many) {
    return IntToText(count) + " " + (count == 1 ? one : many);
}

int CountMarkers(const StringList& blocks, std::string_view marker) {
    return static_cast<int>(std::count(blocks.begin(), blocks.end(), marker));
}

// One pass over a map: the place being checked, and what was found so far.
class TChecker {
public:
    using TValues = std::array<StringList, TMapValidator::CheckedKeys.size()>;

    TChecker(const TValues& values, std::vector<TMapFinding>& findings, TValidationCounts& counts)
        : values(values), findings(findings), counts(counts) {}

    void At(TFindingPlace place, int index = -1, int x = -1, int y = -1) {
        where.place = place;
        where.index = index;
        where.x = x;
        where.y = y;
    }

    // Most plots repeat the values of the plot before, so the last value found legal for each key
    // is compared first; it views the map's own text, which does not change during a check.
    void Value(std::size_t rule, std::string_view value) {
        if (IsAbsent(value) || value == lastKnown[rule])
            return;
        if (Contains(values[rule], value)) {
            lastKnown[rule] = value;
            return;
        }
        Add(TFindingKind::UnknownValue, TMapValidator::CheckedKeys[rule], value);
        ++counts.unknownValues;
    }
    void List(std::size_t rule, const StringList& list) {
        for (const std::string& value : list)
            Value(rule, value);
    }
    // The same with the key's index found while compiling.
    template <std::size_t rule> void Value(std::string_view value) { Value(rule, value); }
    template <std::size_t rule> void List(const StringList& list) { List(rule, list); }

    void Owner(std::string_view key, int owner) {
        if (owner < 0 || owner > BarbarianPlayer)
            OutOfRange(key, IntToText(owner));
    }

    // Items "key=value" that the records passed over because their number names no slot.
    void IgnoredNumbers(const StringList& items) {
        for (const std::string& item : items) {
            const std::size_t equals = item.find('=');
            OutOfRange(std::string_view(item).substr(0, equals), std::string_view(item).substr(equals + 1));
        }
    }

    void BlocksBeyondSlots(std::string_view key, int count) {
        if (count == 0)
            return;
        At(TFindingPlace::Map);
        Add(TFindingKind::BlocksBeyondSlots, key, IntToText(count));
    }

private:
    void OutOfRange(std::string_view key, std::string_view value) {
        Add(TFindingKind::NumberOutOfRange, key, value);
        ++counts.numbersOutOfRange;
    }

    void Add(TFindingKind kind, std::string_view key, std::string_view value) {
        TMapFinding& finding = findings.emplace_back(where);
        finding.kind = kind;
        finding.key.assign(key);
        finding.value.assign(value);
    }

    const TValues& values;
    std::vector<TMapFinding>& findings;
    TValidationCounts& counts;
    TMapFinding where;
    std::array<std::string_view, TMapValidator::CheckedKeys.size()> lastKnown{};
};

void CheckGame(TChecker& check, const TGameSection& game) {
    check.At(TFindingPlace::Game);
    check.Value<Rule("Era")>(game.Era());
    check.Value<Rule("Speed")>(game.Speed());
    check.Value<Rule("Calendar")>(game.Calendar());
    check.List<Rule("Option")>(game.Options());
    check.List<Rule("MPOption")>(game.MPOptions());
    check.List<Rule("ForceControl")>(game.ForceControls());
    check.List<Rule("Victory")>(game.Victories());
}

void CheckTeam(TChecker& check, const TTeam& team, int slot) {
    check.At(TFindingPlace::Team, slot);
    check.List<Rule("Tech")>(team.Techs());
    check.IgnoredNumbers(team.IgnoredRelations());
    check.List<Rule("ProjectType")>(team.ProjectTypes());
}

void CheckPlayer(TChecker& check, const TPlayer& player, int slot) {
    check.At(TFindingPlace::Player, slot);
    check.IgnoredNumbers(player.IgnoredNumbers());
    check.Value<Rule("LeaderType")>(player.LeaderType());
    check.Value<Rule("CivType")>(player.CivType());
    check.Value<Rule("Color")>(player.Color());
    check.Value<Rule("ArtStyle")>(player.ArtStyle());
    check.Value<Rule("StateReligion")>(player.StateReligion());
    check.Value<Rule("StartingEra")>(player.StartingEra());
    for (std::size_t option = 0; option < TPlayer::CivicOptions.size(); ++option)
        check.Value(FirstCivicOption + option, player.Civic(option));
    check.Value<Rule("Handicap")>(player.Handicap());
}

void CheckPlot(TChecker& check, const TPlot& plot, int x, int y, TValidationCounts& counts) {
    check.At(TFindingPlace::Plot, -1, x, y);
    check.Value<Rule("BonusType")>(plot.BonusType());
    check.Value<Rule("ImprovementType")>(plot.ImprovementType());
    check.Value<Rule("FeatureType")>(plot.FeatureType());
    check.Value<Rule("RouteType")>(plot.RouteType());
    check.Value<Rule("TerrainType")>(plot.TerrainType());
    const TUnitList& units = plot.Units();
    for (int k = 0; k < units.Count(); ++k) {
        const TUnit& unit = *units.GetUnit(k);
        check.At(TFindingPlace::Unit, k, x, y);
        check.Value<Rule("UnitType")>(unit.UnitType());
        check.Owner("UnitOwner", unit.UnitOwner());
        check.List<Rule("PromotionType")>(unit.PromotionTypes());
        check.Value<Rule("UnitAIType")>(unit.UnitAIType());
    }
    counts.units += units.Count();
    if (const TCity* city = plot.City()) {
        ++counts.cities;
        check.At(TFindingPlace::City, -1, x, y);
        // A city without an owner line holds -1: no number to check.
        if (city->CityOwner() != -1)
            check.Owner("CityOwner", city->CityOwner());
        check.Value<Rule("ProductionUnit")>(city->ProductionUnit());
        check.Value<Rule("ProductionBuilding")>(city->ProductionBuilding());
        check.Value<Rule("ProductionProject")>(city->ProductionProject());
        check.Value<Rule("ProductionProcess")>(city->ProductionProcess());
        check.List<Rule("BuildingType")>(city->BuildingTypes());
        check.List<Rule("ReligionType")>(city->ReligionTypes());
        check.List<Rule("HolyCityReligionType")>(city->HolyCityReligionTypes());
    }
}

} // namespace

std::string TMapFinding::PlaceText() const {
    const std::string plot = "plot (" + IntToText(x) + ", " + IntToText(y) + ")";
    switch (place) {
    case TFindingPlace::Game:
        return "game";
    case TFindingPlace::Team:
        return "team " + IntToText(index);
    case TFindingPlace::Player:
        return "player " + IntToText(index);
    case TFindingPlace::Map:
        return "map";
    case TFindingPlace::Plot:
        return plot;
    case TFindingPlace::Unit:
        return "unit " + IntToText(index) + " on " + plot;
    case TFindingPlace::City:
        return "city on " + plot;
    }
    return "";
}

std::string TMapFinding::ToText() const {
    if (kind == TFindingKind::BlocksBeyondSlots)
        return PlaceText() + ": " + value + " " + key + " beyond the game's " + IntToText(MaxTeams);
    return PlaceText() + ": " + key + "=" + value;
}

std::string TValidationCounts::SummaryText() const {
    std::string text = "Checked " + Plural(plots, "plot", "plots") + ", " + Plural(units, "unit", "units") +
                       ", " + Plural(cities, "city", "cities") + ", " + Plural(teams, "team", "teams") +
                       " and " + Plural(players, "player", "players") + ": " +
                       Plural(unknownValues, "unknown value", "unknown values") + ", " +
                       Plural(numbersOutOfRange, "number out of range", "numbers out of range");
    if (blocksBeyondSlots > 0)
        text += ", " + Plural(blocksBeyondSlots, "block", "blocks") + " beyond the game's " +
                IntToText(MaxTeams) + " teams and players";
    return text;
}

void TMapValidator::LoadRules(TValueCatalogue& catalogue) {
    std::array<StringList, CheckedKeys.size()> loaded;
    for (std::size_t i = 0; i < CheckedKeys.size(); ++i) {
        const TValueInfo* entry = catalogue.FindEntry(CheckedKeys[i]);
        if (entry == nullptr || entry->Reader() == nullptr)
            throw OperationAborted("No game folder to read the values of \"" + std::string(CheckedKeys[i]) +
                                   "\" from");
        std::size_t same = 0;
        while (same < i && !SameSource(*catalogue.FindEntry(CheckedKeys[same])->Reader(), *entry->Reader()))
            ++same;
        if (same < i) {
            loaded[i] = loaded[same];
            continue;
        }
        StringList& list = loaded[i];
        catalogue.GetValueList(CheckedKeys[i], list);
        for (std::string& value : list)
            if (HasLowerCase(value))
                value = UpperCase(value);
        std::sort(list.begin(), list.end());
        list.erase(std::unique(list.begin(), list.end()), list.end());
    }
    values = std::move(loaded);
    hasRules = true;
}

bool TMapValidator::IsKnown(std::string_view key, std::string_view value) const {
    for (std::size_t i = 0; i < CheckedKeys.size(); ++i)
        if (SameText(CheckedKeys[i], key))
            return hasRules && Contains(values[i], value);
    return false;
}

std::vector<TMapFinding> TMapValidator::Check(const TMap& map, TValidationCounts* counts) const {
    std::vector<TMapFinding> findings;
    TValidationCounts ownCounts;
    TValidationCounts& count = counts ? *counts : ownCounts;
    count = TValidationCounts();
    TChecker check(values, findings, count);

    CheckGame(check, map.Game());
    for (int slot = 0; slot < MaxTeams; ++slot) {
        const TTeam& team = *map.Teams().GetTeam(slot);
        if (team.InUse()) {
            ++count.teams;
            CheckTeam(check, team, slot);
        }
    }
    for (int slot = 0; slot < MaxPlayers; ++slot) {
        const TPlayer& player = *map.Players().GetPlayer(slot);
        if (player.InUse()) {
            ++count.players;
            CheckPlayer(check, player, slot);
        }
    }
    const int extraTeams = CountMarkers(map.Teams().ExtraBlocks(), "BeginTeam");
    const int extraPlayers = CountMarkers(map.Players().ExtraBlocks(), "BeginPlayer");
    check.BlocksBeyondSlots("team blocks", extraTeams);
    check.BlocksBeyondSlots("player blocks", extraPlayers);
    count.blocksBeyondSlots = extraTeams + extraPlayers;

    check.At(TFindingPlace::Map);
    check.Value<Rule("world size")>(map.MapData().WorldSize());
    check.Value<Rule("climate")>(map.MapData().Climate());
    check.Value<Rule("sealevel")>(map.MapData().SeaLevel());

    const TPlotGrid& grids = map.Grids();
    for (int x = 0; x < grids.Width(); ++x)
        for (int y = 0; y < grids.Height(); ++y) {
            const TPlot& plot = *grids.GetPlot(x, y);
            if (!plot.IsWritten())
                continue;
            ++count.plots;
            CheckPlot(check, plot, x, y, count);
        }
    return findings;
}
