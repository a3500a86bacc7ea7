#include "document/Player.h"

#include "document/FieldTable.h"

#include <algorithm>

namespace {

bool HasStart(const TPlayer& player) {
    return player.StartingX() != -1 || player.StartingY() != -1;
}

bool NamesTeam(int index) {
    return IsValidTeamIndex(index);
}

// The civic of option I, read from the option's line and shown in a row named after the option.
template <std::size_t I>
constexpr TField<TPlayer> CivicField(std::string_view key, std::string_view absent,
                                     void (*set)(TPlayer&, std::string_view)) {
    return TField<TPlayer>::HeldText(
               key, TFieldValue::TypeName,
               [](const TPlayer& player) -> const std::string& { return player.Civic(I); }, set, absent)
        .ValueOf("Civic=")
        .WhenHeld()
        .Row(TFieldRow::Single, TPlayer::CivicOptions[I]);
}

} // namespace

// A player not read from a file and holding no civilization is written short: only the fields whose
// value differs from the default, so a value set for an empty slot is not lost.
struct TPlayer::TFields : TFieldDefaults<TPlayer> {
    static constexpr std::string_view Begin = BeginMarker, End = EndMarker;
    static constexpr bool (*Written)(const TPlayer&) = [](const TPlayer& player) { return player.InUse(); };
    static constexpr StringList TPlayer::*Refused = &TPlayer::ignoredNumbers;
    static constexpr bool (*WritesAll)(const TPlayer&) = [](const TPlayer& player) {
        return !player.IsEmptyPlayer();
    };
    template <std::size_t I>
    static constexpr void (*SetCivic)(TPlayer&, std::string_view) =
        [](TPlayer& player, std::string_view value) { player.civics[I].assign(value); };
    static constexpr std::array List = {
        F::Number("Team=", &TPlayer::team, -1).EmptyKeeps().Valid(NamesTeam).Row(TFieldRow::SetOnly),
        F::Text("LeaderType=", &TPlayer::leaderType, "NONE"),
        F::Text("LeaderName=", &TPlayer::leaderName).WhenHeld(),
        F::Text("CivDesc=", &TPlayer::civDesc).WhenHeld(),
        F::Text("CivShortDesc=", &TPlayer::civShortDesc).WhenHeld(),
        F::Text("CivAdjective=", &TPlayer::civAdjective).WhenHeld(),
        F::Text("FlagDecal=", &TPlayer::flagDecal).WhenHeld(),
        F::Flag("WhiteFlag=", &TPlayer::whiteFlag, false).WhenHeld(),
        F::Text("CivType=", &TPlayer::civType, "NONE"),
        F::Text("Color=", &TPlayer::color, "NONE"),
        F::Text("ArtStyle=", &TPlayer::artStyle, "NONE"),
        F::Flag("PlayableCiv=", &TPlayer::playableCiv, true).WhenHeld(),
        F::Flag("MinorNationStatus=", &TPlayer::minorNationStatus, false).WhenHeld(),
        F::Number("StartingGold=", &TPlayer::startingGold, 0).EmptyKeeps().WhenHeld(),
        F::Number("StartingX=", &TPlayer::startingX, -1).EmptyReads(0).WhenHeld(HasStart),
        F::Number("StartingY=", &TPlayer::startingY, -1).EmptyReads(0).WhenHeld(HasStart).Joins(", "),
        F::TypeName("StateReligion=", &TPlayer::stateReligion).WhenHeld(),
        F::TypeName("StartingEra=", &TPlayer::startingEra, "ERA_ANCIENT").WhenHeld(),
        F::Paired("Civic="),
        CivicField<0>("CivicOption=CIVICOPTION_GOVERNMENT", "CIVIC_DESPOTISM", SetCivic<0>),
        CivicField<1>("CivicOption=CIVICOPTION_LEGAL", "CIVIC_BARBARISM", SetCivic<1>),
        CivicField<2>("CivicOption=CIVICOPTION_LABOR", "CIVIC_TRIBALISM", SetCivic<2>),
        CivicField<3>("CivicOption=CIVICOPTION_ECONOMY", "CIVIC_DECENTRALIZATION", SetCivic<3>),
        CivicField<4>("CivicOption=CIVICOPTION_RELIGION", "CIVIC_PAGANISM", SetCivic<4>),
        F::Special("AttitudePlayer="),
        F::Special("AttitudeExtra=", TFieldRow::None),
        F::TextList("CityList=", &TPlayer::cityList),
        F::TypeName("Handicap=", &TPlayer::handicap, "HANDICAP_NOBLE")};
    // The attitudes: "AttitudePlayer=" names the player of the "AttitudeExtra=" after it.
    static bool ReadSpecial(TPlayer& player, std::size_t key, std::string_view value, const TLineItems&,
                            bool fromFile);
    static void WriteSpecial(const TPlayer& player, std::size_t key, TTextWriter& out);
    static void AddSpecialRows(const TPlayer& player, std::size_t key, StringList& rows);
    static void TakeSpecialRows(TPlayer& player, std::size_t key, StringList& rows);
    static bool SpecialIsSet(const TPlayer& player, std::size_t key);
};

template class TFieldRecord<TPlayer>;

void TPlayer::Clear() {
    TFieldRecord::Clear();
    attitudeExtras.assign(MaxPlayers, std::string());
}

void TPlayer::Read(TLineSpan lines, bool fromFile) {
    pendingAttitude = -1;
    TFieldRecord::Read(lines, fromFile);
}

void TPlayer::ReadSlot(int index, TLineSpan block, bool fromFile) {
    Read(block, fromFile);
    if (!InUse())
        team = index;
}

bool TPlayer::TFields::ReadSpecial(TPlayer& player, std::size_t key, std::string_view value,
                                   const TLineItems&, bool fromFile) {
    int& pending = player.pendingAttitude;
    if (key == Key("AttitudePlayer=")) {
        pending = ValueToInt(value, -1);
        if (!IsValidPlayerIndex(pending) && fromFile && !value.empty())
            player.ignoredNumbers.push_back(std::string(List[key].key).append(value));
        return true;
    }
    // An index beyond the player slots drops the pair instead of failing the load.
    if (IsValidPlayerIndex(pending))
        player.attitudeExtras[static_cast<std::size_t>(pending)].assign(value);
    if (pending >= 0)
        pending = -1;
    return true;
}

void TPlayer::TFields::WriteSpecial(const TPlayer& player, std::size_t key, TTextWriter& out) {
    if (key != Key("AttitudePlayer="))
        return;
    for (std::size_t i = 0; i < player.attitudeExtras.size(); ++i)
        if (!player.attitudeExtras[i].empty())
            (out << "\tAttitudePlayer=" << static_cast<int>(i)
                 << ", AttitudeExtra=" << player.attitudeExtras[i])
                .EndLine();
}

void TPlayer::TFields::AddSpecialRows(const TPlayer& player, std::size_t, StringList& rows) {
    for (int i = 0; i < MaxPlayers; ++i)
        rows.push_back("Player" + IntToText(i) +
                       ", AttitudeExtra=" + player.attitudeExtras[static_cast<std::size_t>(i)]);
}

void TPlayer::TFields::TakeSpecialRows(TPlayer& player, std::size_t, StringList& rows) {
    std::size_t left = 0;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::string& row = rows[i];
        if (!LineHasKey(row, "AttitudeExtra=")) {
            if (left != i)
                rows[left] = std::move(rows[i]);
            ++left;
            continue;
        }
        const int index = ValueToInt(DeleteAllText(FindKeyItem(row, ""), "Player"), -1);
        if (IsValidPlayerIndex(index))
            player.attitudeExtras[static_cast<std::size_t>(index)] = ReadKeyValue(row, "AttitudeExtra=");
    }
    rows.resize(left);
}

bool TPlayer::TFields::SpecialIsSet(const TPlayer& player, std::size_t) {
    return std::any_of(player.attitudeExtras.begin(), player.attitudeExtras.end(),
                       [](const std::string& entry) { return !entry.empty(); });
}
