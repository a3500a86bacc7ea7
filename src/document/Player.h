#pragma once

#include "RecordText.h"

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
class TPlayer {
public:
    static constexpr std::array<std::string_view, 28> Keys = {"Team=",
                                                              "LeaderType=",
                                                              "LeaderName=",
                                                              "CivDesc=",
                                                              "CivShortDesc=",
                                                              "CivAdjective=",
                                                              "FlagDecal=",
                                                              "WhiteFlag=",
                                                              "CivType=",
                                                              "Color=",
                                                              "ArtStyle=",
                                                              "PlayableCiv=",
                                                              "MinorNationStatus=",
                                                              "StartingGold=",
                                                              "StartingX=",
                                                              "StartingY=",
                                                              "StateReligion=",
                                                              "StartingEra=",
                                                              "Civic=",
                                                              "CivicOption=CIVICOPTION_GOVERNMENT",
                                                              "CivicOption=CIVICOPTION_LEGAL",
                                                              "CivicOption=CIVICOPTION_LABOR",
                                                              "CivicOption=CIVICOPTION_ECONOMY",
                                                              "CivicOption=CIVICOPTION_RELIGION",
                                                              "AttitudePlayer=",
                                                              "AttitudeExtra=",
                                                              "CityList=",
                                                              "Handicap="};
    // The civic options in the order of the key table; the editor rows are named after them.
    static constexpr std::array<std::string_view, 5> CivicOptions = {
        "CIVICOPTION_GOVERNMENT", "CIVICOPTION_LEGAL", "CIVICOPTION_LABOR", "CIVICOPTION_ECONOMY",
        "CIVICOPTION_RELIGION"};

    TPlayer() { Clear(); }

    void Clear();
    void LoadFromStrings(const StringList& lines);
    void Read(TLineSpan lines, bool fromFile);
    // The player's block, or nothing for a slot not in use.
    const StringList& SaveToStrings();
    void Write(TTextWriter& out) const;
    const StringList& GetEditorLines();
    void ApplyEditorLines(const StringList& rows);

    // A player whose leader is exactly "NONE" holds no civilization.
    bool IsEmptyPlayer() const { return leaderType == "NONE"; }
    bool InUse() const { return team >= 0; }
    int Team() const { return team; }
    void SetTeam(int value);
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
    void SetStartingX(int value);
    void SetStartingY(int value);
    const std::string& StateReligion() const { return stateReligion; }
    const std::string& StartingEra() const { return startingEra; }
    // The civic chosen for option i of CivicOptions.
    const std::string& Civic(std::size_t option) const { return civics[option]; }
    const StringList& AttitudeExtras() const { return attitudeExtras; }
    const StringList& CityList() const { return cityList; }
    const std::string& Handicap() const { return handicap; }
    const StringList& KeptLines() const { return kept.Lines(); }
    // The file's team and attitude numbers that name no slot ("Team=25", "AttitudePlayer=40"), as
    // "key=value" items in file order: reading passes over them, and a check of the map names them.
    const StringList& IgnoredNumbers() const { return ignoredNumbers; }
    // Whether the field of `key` (such as "StartingEra=" or "CivicOption=CIVICOPTION_LABOR") holds a
    // value of its own and is written; a list key is set when the list has entries.
    bool IsSet(std::string_view key) const;
    // How many of the fields that a record made here always writes the file left unset: the game
    // chooses what they hold. 0 for a record not read from a file.
    int UnsetFieldCount() const;

private:
    friend class TPlayerSlots;
    void MakeAbsent(std::size_t key);
    // Whether a field is written: `fullRule` is the rule of a player not read from a file.
    bool Writes(std::size_t key, bool fullRule) const { return presence.Writes(key, fullRule); }

    std::string artStyle;
    StringList attitudeExtras, cityList;
    std::string civAdjective, civDesc;
    std::array<std::string, 5> civics;
    std::string civShortDesc, civType, color, flagDecal, handicap, leaderName, leaderType;
    bool minorNationStatus = false, playableCiv = true;
    std::string startingEra;
    int startingGold = 0, startingX = -1, startingY = -1;
    std::string stateReligion;
    int team = -1;
    bool whiteFlag = false;
    StringList ignoredNumbers;
    TFieldPresence presence;
    TKeptLines kept;
    TScratchList sectionLines, editorLines;
};

// The 18 player slots; the k-th complete block of a file is slot k. Blocks beyond the 18th are
// kept whole and written after the slots.
class TPlayerSlots {
public:
    TPlayerSlots() { Clear(); }

    void Clear();
    TPlayer* GetPlayer(int index) const;
    int LoadedCount() const { return loadedCount; }
    int InUseCount() const;
    void LoadFromStrings(const StringList& lines);
    void Read(TLineSpan lines, bool fromFile);
    // Puts slot `index` back as a load of its block leaves it: a fresh slot not in use for an empty
    // block. How an edit of the slot is undone.
    void RestoreSlot(int index, TLineSpan block);
    const StringList& SaveToStrings();
    void Write(TTextWriter& out) const;
    const StringList& ExtraBlocks() const { return extraBlocks; }
    void SetExtraBlocks(StringList blocks) { extraBlocks = std::move(blocks); }

private:
    int loadedCount = 0;
    std::vector<std::unique_ptr<TPlayer>> items;
    StringList extraBlocks;
    TScratchList lines;
};
