#pragma once

#include "document/FieldRecord.h"
#include "document/SlotList.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// One player slot ("BeginPlayer" ... "EndPlayer"): team, leader and civilization texts, flag,
// colour, start, gold, era, religion, civics, attitudes, city names and handicap.
// Owned by TPlayerSlots.
// Read from a file, it writes only the fields the file set (see TFieldPresence): no "StartingEra="
// starts the player in the game's era, no civic line gives the civilization's own starting civic,
// no "Team=" plays for the slot's own team. Editor rows: a row sets its field, even to the default;
// a row with an empty value makes a field absent again (it then holds its default, shows as empty
// and is not written), but for "Team=", which an editor row can only set. An attitude row with an
// empty value removes that attitude; a city list row replaces the list. A setter marks its field set.
class TPlayer : public TListedRecord<TPlayer> {
public:
    static constexpr std::string_view BeginMarker = "BeginPlayer", EndMarker = "EndPlayer";
    // The civic options in the order of the table; the editor rows are named after them.
    static constexpr std::array<std::string_view, 5> CivicOptions = {
        "CIVICOPTION_GOVERNMENT", "CIVICOPTION_LEGAL", "CIVICOPTION_LABOR", "CIVICOPTION_ECONOMY",
        "CIVICOPTION_RELIGION"};

    TPlayer() { Clear(); }

    void Clear();
    void Read(TLineSpan lines, bool fromFile);
    // Reads the block of slot `index`; the game pairs player k with team k when the block names no
    // team, and the block still names none when written back.
    void ReadSlot(int index, TLineSpan block, bool fromFile);

    // A player whose leader is exactly "NONE" holds no civilization.
    bool IsEmptyPlayer() const { return leaderType == "NONE"; }
    bool InUse() const { return team >= 0; }
    int Team() const { return team; }
    void SetTeam(int value) { Set(&TPlayer::team, value); }
    const std::string& LeaderType() const { return leaderType; }
    const std::string& LeaderName() const { return leaderName; }
    const std::string& CivDesc() const { return civDesc; }
    const std::string& CivShortDesc() const { return civShortDesc; }
    const std::string& CivAdjective() const { return civAdjective; }
    const std::string& FlagDecal() const { return flagDecal; }
    bool WhiteFlag() const { return whiteFlag; }
    const std::string& CivType() const { return civType; }
    const std::string& Color() const { return color; }
    const std::string& ArtStyle() const { return artStyle; }
    bool PlayableCiv() const { return playableCiv; }
    bool MinorNationStatus() const { return minorNationStatus; }
    int StartingGold() const { return startingGold; }
    int StartingX() const { return startingX; }
    int StartingY() const { return startingY; }
    void SetStartingX(int value) { Set(&TPlayer::startingX, value); }
    void SetStartingY(int value) { Set(&TPlayer::startingY, value); }
    const std::string& StateReligion() const { return stateReligion; }
    const std::string& StartingEra() const { return startingEra; }
    // The civic chosen for option i of CivicOptions.
    const std::string& Civic(std::size_t option) const { return civics[option]; }
    const StringList& AttitudeExtras() const { return attitudeExtras; }
    const StringList& CityList() const { return cityList; }
    const std::string& Handicap() const { return handicap; }
    // The file's team and attitude numbers that name no slot ("Team=25", "AttitudePlayer=40"), as
    // "key=value" items in file order: reading passes over them, and a check of the map names them.
    const StringList& IgnoredNumbers() const { return ignoredNumbers; }

private:
    friend class TFieldRecord<TPlayer>;
    struct TFields;

    std::string artStyle;
    StringList attitudeExtras, cityList;
    std::string civAdjective, civDesc;
    std::array<std::string, 5> civics;
    std::string civShortDesc, civType, color, flagDecal, handicap, leaderName, leaderType;
    bool minorNationStatus, playableCiv;
    std::string startingEra;
    int startingGold, startingX, startingY;
    std::string stateReligion;
    int team;
    bool whiteFlag;
    StringList ignoredNumbers;
    // While reading: the player of the attitude line read last, until its "AttitudeExtra=".
    int pendingAttitude = -1;
};

// Made in Player.cpp, where the table is.
extern template class TFieldRecord<TPlayer>;

// The 18 player slots.
class TPlayerSlots : public TSlotList<TPlayer, MaxPlayers> {
public:
    TPlayer* GetPlayer(int index) const { return Slot(index); }
};
