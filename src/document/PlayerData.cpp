#include "PlayerData.h"

namespace {

const TKeyTable PlayerKeys(TPlayerData::Keys);

} // namespace

namespace {

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

} // namespace

void TPlayerData::Clear() {
    artStyle = "NONE";
    attitudeExtras.assign(MaxPlayers, std::string());
    cityList.clear();
    civAdjective.clear();
    civDesc.clear();
    for (std::size_t i = 0; i < civics.size(); ++i)
        civics[i] = DefaultCivics[i];
    civShortDesc.clear();
    civType = "NONE";
    color = "NONE";
    flagDecal.clear();
    handicap = "HANDICAP_NOBLE";
    leaderName.clear();
    leaderType = "NONE";
    minorNationStatus = false;
    playableCiv = true;
    startingEra = DefaultEra;
    startingGold = 0;
    startingX = startingY = -1;
    stateReligion.clear();
    team = -1;
    whiteFlag = false;
    kept.Clear();
    ignoredNumbers.clear();
}

void TPlayerData::LoadFromStrings(const StringList& lines) {
    const auto views = ViewLines(lines);
    Read(TLineSpan(views), true);
}

void TPlayerData::Read(TLineSpan lines, bool fromFile) {
    if (fromFile) {
        kept.Clear();
        ignoredNumbers.clear();
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
            switch (k) {
            case KeyTeam: {
                const int v = ValueToInt(value, team);
                if (IsValidTeamIndex(v))
                    team = v;
                else
                    ignore(k, value);
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
                break; // read together with its civic option
            case KeyAttitudePlayer:
                pendingAttitude = ValueToInt(value, -1);
                if (!IsValidPlayerIndex(pendingAttitude))
                    ignore(k, value);
                break;
            case KeyAttitudeExtra:
                // An index beyond the player slots drops the pair instead of failing the load.
                if (IsValidPlayerIndex(pendingAttitude))
                    attitudeExtras[static_cast<std::size_t>(pendingAttitude)].assign(value);
                if (pendingAttitude >= 0)
                    pendingAttitude = -1;
                break;
            case KeyCityList:
                cityList.emplace_back(value);
                break;
            case KeyHandicap:
                AssignUpperCase(handicap, value);
                break;
            default: {
                std::string civicScratch;
                AssignUpperCase(civics[k - KeyFirstCivicOption], items.Value("Civic=", civicScratch));
                break;
            }
            }
        });
        if (fromFile && !known)
            kept.Offer(line);
    }
}

const StringList& TPlayerData::SaveToStrings() {
    StringList& result = sectionLines.Get();
    result.clear();
    TTextWriter out(result);
    Write(out);
    return result;
}

void TPlayerData::Write(TTextWriter& out) const {
    if (team < 0)
        return;
    // An empty player is written short: only the lines whose value differs from the default, so a
    // value the game wrote for an empty slot is not lost.
    const bool full = !IsEmptyPlayer();
    out.Line("BeginPlayer");
    (out << "\tTeam=" << team).EndLine();
    (out << "\tLeaderType=" << leaderType).EndLine();
    if (full || !leaderName.empty())
        (out << "\tLeaderName=" << leaderName).EndLine();
    if (full || !civDesc.empty())
        (out << "\tCivDesc=" << civDesc).EndLine();
    if (full || !civShortDesc.empty())
        (out << "\tCivShortDesc=" << civShortDesc).EndLine();
    if (full || !civAdjective.empty())
        (out << "\tCivAdjective=" << civAdjective).EndLine();
    if (full || !flagDecal.empty())
        (out << "\tFlagDecal=" << flagDecal).EndLine();
    if (full || whiteFlag)
        (out << "\tWhiteFlag=" << FlagChar(whiteFlag)).EndLine();
    (out << "\tCivType=" << civType).EndLine();
    (out << "\tColor=" << color).EndLine();
    (out << "\tArtStyle=" << artStyle).EndLine();
    if (full || !playableCiv)
        (out << "\tPlayableCiv=" << FlagChar(playableCiv)).EndLine();
    if (full || minorNationStatus)
        (out << "\tMinorNationStatus=" << FlagChar(minorNationStatus)).EndLine();
    if (full || startingGold != 0)
        (out << "\tStartingGold=" << startingGold).EndLine();
    if (full || startingX != -1 || startingY != -1)
        (out << "\tStartingX=" << startingX << ", StartingY=" << startingY).EndLine();
    if (full || !stateReligion.empty())
        (out << "\tStateReligion=" << stateReligion).EndLine();
    if (full || startingEra != DefaultEra)
        (out << "\tStartingEra=" << startingEra).EndLine();
    for (std::size_t i = 0; i < civics.size(); ++i)
        if (full || civics[i] != DefaultCivics[i])
            (out << "\tCivicOption=" << CivicOptions[i] << ", Civic=" << civics[i]).EndLine();
    for (std::size_t i = 0; i < attitudeExtras.size(); ++i)
        if (!attitudeExtras[i].empty())
            (out << "\tAttitudePlayer=" << static_cast<int>(i) << ", AttitudeExtra=" << attitudeExtras[i])
                .EndLine();
    for (const std::string& city : cityList)
        (out << "\tCityList=" << city).EndLine();
    (out << "\tHandicap=" << handicap).EndLine();
    kept.WriteTo(out, "\t");
    out.Line("EndPlayer");
}

const StringList& TPlayerData::GetEditorLines() {
    StringList& rows = editorLines.Get();
    rows.clear();
    rows.push_back("Team=" + IntToText(team));
    rows.push_back("LeaderType=" + leaderType);
    rows.push_back("LeaderName=" + leaderName);
    rows.push_back("CivDesc=" + civDesc);
    rows.push_back("CivShortDesc=" + civShortDesc);
    rows.push_back("CivAdjective=" + civAdjective);
    rows.push_back("FlagDecal=" + flagDecal);
    rows.push_back(std::string("WhiteFlag=") + BoolToFlagText(whiteFlag));
    rows.push_back("CivType=" + civType);
    rows.push_back("Color=" + color);
    rows.push_back("ArtStyle=" + artStyle);
    rows.push_back(std::string("PlayableCiv=") + BoolToFlagText(playableCiv));
    rows.push_back(std::string("MinorNationStatus=") + BoolToFlagText(minorNationStatus));
    rows.push_back("StartingGold=" + IntToText(startingGold));
    rows.push_back("StartingX=" + IntToText(startingX));
    rows.push_back("StartingY=" + IntToText(startingY));
    rows.push_back("StateReligion=" + stateReligion);
    rows.push_back("StartingEra=" + startingEra);
    for (std::size_t i = 0; i < civics.size(); ++i)
        rows.push_back(std::string(CivicOptions[i]) + "=" + civics[i]);
    for (int i = 0; i < MaxPlayers; ++i)
        rows.push_back("Player" + IntToText(i) +
                       ", AttitudeExtra=" + attitudeExtras[static_cast<std::size_t>(i)]);
    rows.push_back("CityList=" + ListToCommaText(cityList));
    rows.push_back("Handicap=" + handicap);
    return rows;
}

void TPlayerData::ApplyEditorLines(const StringList& rows) {
    StringList& remaining = editorLines.Get();
    remaining = rows;
    for (std::size_t i = 0; i < civics.size(); ++i)
        ExtractStringValue(remaining, CivicOptions[i], civics[i]);
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

void TPlayerDatas::Clear() {
    items.clear();
    for (int i = 0; i < MaxPlayers; ++i)
        items.push_back(std::make_unique<TPlayerData>());
    loadedCount = 0;
    extraBlocks.clear();
}

TPlayerData* TPlayerDatas::GetPlayer(int index) const {
    return IsValidPlayerIndex(index) ? items[static_cast<std::size_t>(index)].get() : nullptr;
}

int TPlayerDatas::InUseCount() const {
    int count = 0;
    for (const auto& player : items)
        count += player->InUse() ? 1 : 0;
    return count;
}

void TPlayerDatas::LoadFromStrings(const StringList& source) {
    const auto views = ViewLines(source);
    Read(TLineSpan(views), true);
}

void TPlayerDatas::Read(TLineSpan source, bool fromFile) {
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
                TPlayerData& player = *items[static_cast<std::size_t>(slot)];
                player.Read(block, fromFile);
                // The game pairs player k with team k when the block names no team.
                if (!player.InUse())
                    player.SetTeam(slot);
            } else if (fromFile) {
                KeepWholeBlock(extraBlocks, block, "BeginPlayer", "EndPlayer");
            } else {
                return;
            }
            open = false;
        }
    }
}

const StringList& TPlayerDatas::SaveToStrings() {
    StringList& result = lines.Get();
    result.clear();
    TTextWriter out(result);
    Write(out);
    return result;
}

void TPlayerDatas::Write(TTextWriter& out) const {
    for (const auto& player : items)
        player->Write(out);
    for (const std::string& line : extraBlocks)
        out.Line(line);
}
