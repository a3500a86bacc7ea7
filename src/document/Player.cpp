#include "Player.h"

#include <algorithm>

namespace {

const TKeyTable PlayerKeys(TPlayer::Keys);

enum PlayerKey {
    KeyTeam,
    KeyLeaderType,
    KeyLeaderName,
    KeyCivDesc,
    KeyCivShortDesc,
    KeyCivAdjective,
    KeyFlagDecal,
    KeyWhiteFlag,
    KeyCivType,
    KeyColor,
    KeyArtStyle,
    KeyPlayableCiv,
    KeyMinorNation,
    KeyStartingGold,
    KeyStartingX,
    KeyStartingY,
    KeyStateReligion,
    KeyStartingEra,
    KeyCivic,
    KeyFirstCivicOption,
    KeyLastCivicOption = KeyFirstCivicOption + 4,
    KeyAttitudePlayer,
    KeyAttitudeExtra,
    KeyCityList,
    KeyHandicap
};

constexpr std::array<std::string_view, 5> DefaultCivics = {
    "CIVIC_DESPOTISM", "CIVIC_BARBARISM", "CIVIC_TRIBALISM", "CIVIC_DECENTRALIZATION", "CIVIC_PAGANISM"};

constexpr std::string_view DefaultEra = "ERA_ANCIENT";

// The single fields: each may be absent. "Civic=" is read with its civic option; attitudes and the
// city list are lists.
constexpr std::uint32_t SingleFields =
    ((1u << (KeyStartingEra + 1)) - 1) | (((1u << 5) - 1) << KeyFirstCivicOption) | (1u << KeyHandicap);

} // namespace

void TPlayer::Clear() {
    for (std::size_t k = 0; k < Keys.size(); ++k)
        if ((SingleFields >> k) & 1u)
            MakeAbsent(k);
    attitudeExtras.assign(MaxPlayers, std::string());
    cityList.clear();
    kept.Clear();
    ignoredNumbers.clear();
    presence.Reset();
}

void TPlayer::MakeAbsent(std::size_t key) {
    switch (key) {
    case KeyTeam:
        team = -1;
        break;
    case KeyLeaderType:
        leaderType = "NONE";
        break;
    case KeyLeaderName:
        leaderName.clear();
        break;
    case KeyCivDesc:
        civDesc.clear();
        break;
    case KeyCivShortDesc:
        civShortDesc.clear();
        break;
    case KeyCivAdjective:
        civAdjective.clear();
        break;
    case KeyFlagDecal:
        flagDecal.clear();
        break;
    case KeyWhiteFlag:
        whiteFlag = false;
        break;
    case KeyCivType:
        civType = "NONE";
        break;
    case KeyColor:
        color = "NONE";
        break;
    case KeyArtStyle:
        artStyle = "NONE";
        break;
    case KeyPlayableCiv:
        playableCiv = true;
        break;
    case KeyMinorNation:
        minorNationStatus = false;
        break;
    case KeyStartingGold:
        startingGold = 0;
        break;
    case KeyStartingX:
        startingX = -1;
        break;
    case KeyStartingY:
        startingY = -1;
        break;
    case KeyStateReligion:
        stateReligion.clear();
        break;
    case KeyStartingEra:
        startingEra = DefaultEra;
        break;
    case KeyHandicap:
        handicap = "HANDICAP_NOBLE";
        break;
    default:
        if (key >= KeyFirstCivicOption && key <= KeyLastCivicOption)
            civics[key - KeyFirstCivicOption] = DefaultCivics[key - KeyFirstCivicOption];
        break;
    }
    presence.Unmark(key);
}

void TPlayer::SetTeam(int value) {
    team = value;
    presence.Mark(KeyTeam);
}

void TPlayer::SetStartingX(int value) {
    startingX = value;
    presence.Mark(KeyStartingX);
}

void TPlayer::SetStartingY(int value) {
    startingY = value;
    presence.Mark(KeyStartingY);
}

bool TPlayer::IsSet(std::string_view key) const {
    const int k = KeyIndex(Keys, key);
    switch (k) {
    case -1:
    case KeyCivic:
        return false;
    case KeyAttitudePlayer:
    case KeyAttitudeExtra:
        return std::any_of(attitudeExtras.begin(), attitudeExtras.end(),
                           [](const std::string& entry) { return !entry.empty(); });
    case KeyCityList:
        return !cityList.empty();
    default:
        return presence.Has(static_cast<std::size_t>(k));
    }
}

int TPlayer::UnsetFieldCount() const {
    return presence.CountAbsent(SingleFields);
}

void TPlayer::LoadFromStrings(const StringList& lines) {
    const auto views = ViewLines(lines);
    Read(TLineSpan(views), true);
}

void TPlayer::Read(TLineSpan lines, bool fromFile) {
    if (fromFile) {
        kept.Clear();
        ignoredNumbers.clear();
        presence.BeginFileRead();
    }
    int pendingAttitude = -1;
    // A number that names no slot is passed over; the file's own are listed for a check of the map.
    auto ignore = [&](std::size_t key, std::string_view value) {
        if (fromFile && !value.empty())
            ignoredNumbers.push_back(std::string(Keys[key]).append(value));
    };
    std::string scratch;
    TKeyTable::TMatch match;
    for (std::string_view line : lines) {
        const TLineItems items(line);
        PlayerKeys.Match(items, match);
        const bool known = match.found != 0;
        match.ForEach(PlayerKeys, scratch, [&](std::size_t k, std::string_view value) {
            const bool civicOption = k >= KeyFirstCivicOption && k <= KeyLastCivicOption;
            if (!fromFile && value.empty() && !civicOption && k != KeyTeam && ((SingleFields >> k) & 1u)) {
                MakeAbsent(k);
                return;
            }
            switch (k) {
            case KeyTeam: {
                // An editor row can only set the team: an empty one changes nothing.
                const int v = ValueToInt(value, team);
                if (!fromFile && value.empty())
                    return;
                if (!IsValidTeamIndex(v)) {
                    ignore(k, value);
                    return;
                }
                team = v;
                break;
            }
            case KeyLeaderType:
                leaderType.assign(value);
                break;
            case KeyLeaderName:
                leaderName.assign(value);
                break;
            case KeyCivDesc:
                civDesc.assign(value);
                break;
            case KeyCivShortDesc:
                civShortDesc.assign(value);
                break;
            case KeyCivAdjective:
                civAdjective.assign(value);
                break;
            case KeyFlagDecal:
                flagDecal.assign(value);
                break;
            case KeyWhiteFlag:
                whiteFlag = value == "1";
                break;
            case KeyCivType:
                civType.assign(value);
                break;
            case KeyColor:
                color.assign(value);
                break;
            case KeyArtStyle:
                artStyle.assign(value);
                break;
            case KeyPlayableCiv:
                playableCiv = value == "1";
                break;
            case KeyMinorNation:
                minorNationStatus = value == "1";
                break;
            case KeyStartingGold:
                startingGold = ValueToInt(value, startingGold);
                break;
            case KeyStartingX:
                startingX = ValueToInt(value, 0);
                break;
            case KeyStartingY:
                startingY = ValueToInt(value, 0);
                break;
            case KeyStateReligion:
                AssignUpperCase(stateReligion, value);
                break;
            case KeyStartingEra:
                AssignUpperCase(startingEra, value);
                break;
            case KeyCivic:
                return; // read together with its civic option
            case KeyAttitudePlayer:
                pendingAttitude = ValueToInt(value, -1);
                if (!IsValidPlayerIndex(pendingAttitude))
                    ignore(k, value);
                return;
            case KeyAttitudeExtra:
                // An index beyond the player slots drops the pair instead of failing the load.
                if (IsValidPlayerIndex(pendingAttitude))
                    attitudeExtras[static_cast<std::size_t>(pendingAttitude)].assign(value);
                if (pendingAttitude >= 0)
                    pendingAttitude = -1;
                return;
            case KeyCityList:
                cityList.emplace_back(value);
                return;
            case KeyHandicap:
                AssignUpperCase(handicap, value);
                break;
            default: {
                std::string civicScratch;
                const std::string_view civic = items.Value("Civic=", civicScratch);
                if (!fromFile && civic.empty()) {
                    MakeAbsent(k);
                    return;
                }
                AssignUpperCase(civics[k - KeyFirstCivicOption], civic);
                break;
            }
            }
            presence.Mark(k);
        });
        if (fromFile && !known)
            kept.Offer(line);
    }
}

const StringList& TPlayer::SaveToStrings() {
    StringList& result = sectionLines.Get();
    result.clear();
    TTextWriter out(result);
    Write(out);
    return result;
}

void TPlayer::Write(TTextWriter& out) const {
    if (team < 0)
        return;
    // A player not read from a file and holding no civilization is written short: only the lines
    // whose value differs from the default, so a value set for an empty slot is not lost.
    const bool full = !IsEmptyPlayer();
    out.Line("BeginPlayer");
    if (Writes(KeyTeam, true))
        (out << "\tTeam=" << team).EndLine();
    if (Writes(KeyLeaderType, true))
        (out << "\tLeaderType=" << leaderType).EndLine();
    if (Writes(KeyLeaderName, full || !leaderName.empty()))
        (out << "\tLeaderName=" << leaderName).EndLine();
    if (Writes(KeyCivDesc, full || !civDesc.empty()))
        (out << "\tCivDesc=" << civDesc).EndLine();
    if (Writes(KeyCivShortDesc, full || !civShortDesc.empty()))
        (out << "\tCivShortDesc=" << civShortDesc).EndLine();
    if (Writes(KeyCivAdjective, full || !civAdjective.empty()))
        (out << "\tCivAdjective=" << civAdjective).EndLine();
    if (Writes(KeyFlagDecal, full || !flagDecal.empty()))
        (out << "\tFlagDecal=" << flagDecal).EndLine();
    if (Writes(KeyWhiteFlag, full || whiteFlag))
        (out << "\tWhiteFlag=" << FlagChar(whiteFlag)).EndLine();
    if (Writes(KeyCivType, true))
        (out << "\tCivType=" << civType).EndLine();
    if (Writes(KeyColor, true))
        (out << "\tColor=" << color).EndLine();
    if (Writes(KeyArtStyle, true))
        (out << "\tArtStyle=" << artStyle).EndLine();
    if (Writes(KeyPlayableCiv, full || !playableCiv))
        (out << "\tPlayableCiv=" << FlagChar(playableCiv)).EndLine();
    if (Writes(KeyMinorNation, full || minorNationStatus))
        (out << "\tMinorNationStatus=" << FlagChar(minorNationStatus)).EndLine();
    if (Writes(KeyStartingGold, full || startingGold != 0))
        (out << "\tStartingGold=" << startingGold).EndLine();
    const bool start = full || startingX != -1 || startingY != -1;
    const bool writesX = Writes(KeyStartingX, start), writesY = Writes(KeyStartingY, start);
    if (writesX && writesY)
        (out << "\tStartingX=" << startingX << ", StartingY=" << startingY).EndLine();
    else if (writesX)
        (out << "\tStartingX=" << startingX).EndLine();
    else if (writesY)
        (out << "\tStartingY=" << startingY).EndLine();
    if (Writes(KeyStateReligion, full || !stateReligion.empty()))
        (out << "\tStateReligion=" << stateReligion).EndLine();
    if (Writes(KeyStartingEra, full || startingEra != DefaultEra))
        (out << "\tStartingEra=" << startingEra).EndLine();
    for (std::size_t i = 0; i < civics.size(); ++i)
        if (Writes(KeyFirstCivicOption + i, full || civics[i] != DefaultCivics[i]))
            (out << "\tCivicOption=" << CivicOptions[i] << ", Civic=" << civics[i]).EndLine();
    for (std::size_t i = 0; i < attitudeExtras.size(); ++i)
        if (!attitudeExtras[i].empty())
            (out << "\tAttitudePlayer=" << static_cast<int>(i) << ", AttitudeExtra=" << attitudeExtras[i])
                .EndLine();
    for (const std::string& city : cityList)
        (out << "\tCityList=" << city).EndLine();
    if (Writes(KeyHandicap, true))
        (out << "\tHandicap=" << handicap).EndLine();
    kept.WriteTo(out, "\t");
    out.Line("EndPlayer");
}

const StringList& TPlayer::GetEditorLines() {
    StringList& rows = editorLines.Get();
    rows.clear();
    auto single = [&](std::string_view key, std::size_t k, const std::string& value) {
        rows.push_back(std::string(key) + (presence.Has(k) ? value : std::string()));
    };
    auto flag = [&](std::size_t k, bool value) { single(Keys[k], k, BoolToFlagText(value)); };
    single(Keys[KeyTeam], KeyTeam, IntToText(team));
    const std::pair<PlayerKey, const std::string*> texts[] = {
        {KeyLeaderType, &leaderType},     {KeyLeaderName, &leaderName},     {KeyCivDesc, &civDesc},
        {KeyCivShortDesc, &civShortDesc}, {KeyCivAdjective, &civAdjective}, {KeyFlagDecal, &flagDecal}};
    for (const auto& [k, text] : texts)
        single(Keys[k], k, *text);
    flag(KeyWhiteFlag, whiteFlag);
    single(Keys[KeyCivType], KeyCivType, civType);
    single(Keys[KeyColor], KeyColor, color);
    single(Keys[KeyArtStyle], KeyArtStyle, artStyle);
    flag(KeyPlayableCiv, playableCiv);
    flag(KeyMinorNation, minorNationStatus);
    single(Keys[KeyStartingGold], KeyStartingGold, IntToText(startingGold));
    single(Keys[KeyStartingX], KeyStartingX, IntToText(startingX));
    single(Keys[KeyStartingY], KeyStartingY, IntToText(startingY));
    single(Keys[KeyStateReligion], KeyStateReligion, stateReligion);
    single(Keys[KeyStartingEra], KeyStartingEra, startingEra);
    for (std::size_t i = 0; i < civics.size(); ++i)
        single(std::string(CivicOptions[i]) + "=", KeyFirstCivicOption + i, civics[i]);
    for (int i = 0; i < MaxPlayers; ++i)
        rows.push_back("Player" + IntToText(i) +
                       ", AttitudeExtra=" + attitudeExtras[static_cast<std::size_t>(i)]);
    rows.push_back("CityList=" + ListToCommaText(cityList));
    single(Keys[KeyHandicap], KeyHandicap, handicap);
    return rows;
}

void TPlayer::ApplyEditorLines(const StringList& rows) {
    StringList& remaining = editorLines.Get();
    remaining = rows;
    for (std::size_t i = 0; i < civics.size(); ++i) {
        std::string civic;
        if (!ExtractStringValue(remaining, CivicOptions[i], civic))
            continue;
        if (civic.empty()) {
            MakeAbsent(KeyFirstCivicOption + i);
        } else {
            civics[i] = std::move(civic);
            presence.Mark(KeyFirstCivicOption + i);
        }
    }
    ExtractListValue(remaining, "CityList=", cityList);

    std::size_t kept = 0;
    for (std::size_t i = 0; i < remaining.size(); ++i) {
        const std::string& row = remaining[i];
        if (!LineHasKey(row, "AttitudeExtra=")) {
            if (kept != i)
                remaining[kept] = std::move(remaining[i]);
            ++kept;
            continue;
        }
        const int index = ValueToInt(DeleteAllText(FindKeyItem(row, ""), "Player"), -1);
        if (IsValidPlayerIndex(index))
            attitudeExtras[static_cast<std::size_t>(index)] = ReadKeyValue(row, "AttitudeExtra=");
    }
    remaining.resize(kept);

    const auto views = ViewLines(remaining);
    Read(TLineSpan(views), false);
    remaining.clear();
}

void TPlayerSlots::Clear() {
    items.clear();
    for (int i = 0; i < MaxPlayers; ++i)
        items.push_back(std::make_unique<TPlayer>());
    loadedCount = 0;
    extraBlocks.clear();
}

TPlayer* TPlayerSlots::GetPlayer(int index) const {
    return IsValidPlayerIndex(index) ? items[static_cast<std::size_t>(index)].get() : nullptr;
}

int TPlayerSlots::InUseCount() const {
    int count = 0;
    for (const auto& player : items)
        count += player->InUse() ? 1 : 0;
    return count;
}

void TPlayerSlots::LoadFromStrings(const StringList& source) {
    const auto views = ViewLines(source);
    Read(TLineSpan(views), true);
}

void TPlayerSlots::Read(TLineSpan source, bool fromFile) {
    bool open = false;
    std::size_t blockStart = 0;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const std::string_view line = source[i];
        if (HasMarker(line, "BeginPlayer")) {
            open = true;
            blockStart = i;
        }
        if (HasMarker(line, "EndPlayer") && open) {
            const TLineSpan block = source.Sub(blockStart, i - blockStart + 1);
            if (IsValidPlayerIndex(loadedCount)) {
                const int slot = loadedCount++;
                TPlayer& player = *items[static_cast<std::size_t>(slot)];
                player.Read(block, fromFile);
                // The game pairs player k with team k when the block names no team; the block still
                // names none when written back.
                if (!player.InUse())
                    player.team = slot;
            } else if (fromFile) {
                KeepWholeBlock(extraBlocks, block, "BeginPlayer", "EndPlayer");
            } else {
                return;
            }
            open = false;
        }
    }
}

const StringList& TPlayerSlots::SaveToStrings() {
    StringList& result = lines.Get();
    result.clear();
    TTextWriter out(result);
    Write(out);
    return result;
}

void TPlayerSlots::Write(TTextWriter& out) const {
    for (const auto& player : items)
        player->Write(out);
    for (const std::string& line : extraBlocks)
        out.Line(line);
}

void TPlayerSlots::RestoreSlot(int index, TLineSpan block) {
    if (!IsValidPlayerIndex(index))
        return;
    auto player = std::make_unique<TPlayer>();
    if (!block.empty()) {
        player->Read(block, true);
        if (!player->InUse())
            player->team = index;
    }
    items[static_cast<std::size_t>(index)] = std::move(player);
}
