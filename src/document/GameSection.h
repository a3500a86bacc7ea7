#pragma once

#include "RecordText.h"

#include <array>
#include <string>
#include <string_view>

// The game section ("BeginGame" ... "EndGame"): era, speed, calendar, options, victories, turn
// limits, start year, description and mod path. Owned by the document; shown on the "Rule" tab.
// Read from a file, it writes only the fields the file set (see TFieldPresence). Editor rows: a row
// sets its field, even to the default; a row with an empty value makes a single field, text or
// number, absent again (it then holds its default and is not written), and shows as empty. A list
// row replaces the whole list; an empty one empties it, and an empty list writes no line.
// Description and mod path are free text and keep their case; the other texts are type names of the
// game, upper-cased.
class TGameSection {
public:
    static constexpr std::array<std::string_view, 14> Keys = {
        "Era=",          "Speed=",     "Calendar=",    "Option=",   "MPOption=",
        "ForceControl=", "Victory=",   "GameTurn=",    "MaxTurns=", "MaxCityElimination=",
        "TargetScore=",  "StartYear=", "Description=", "ModPath="};

    TGameSection() { Clear(); }

    void Clear();
    void LoadFromStrings(const StringList& lines);
    void Read(TLineSpan lines, bool fromFile);
    const StringList& SaveToStrings();
    void Write(TTextWriter& out) const;
    const StringList& GetEditorLines();
    void ApplyEditorLines(const StringList& rows);

    const std::string& Era() const { return era; }
    const std::string& Speed() const { return speed; }
    const std::string& Calendar() const { return calendar; }
    const StringList& Options() const { return options; }
    const StringList& MPOptions() const { return mpOptions; }
    const StringList& ForceControls() const { return forceControls; }
    const StringList& Victories() const { return victories; }
    int GameTurn() const { return gameTurn; }
    int MaxTurns() const { return maxTurns; }
    int MaxCityElimination() const { return maxCityElimination; }
    int TargetScore() const { return targetScore; }
    int StartYear() const { return startYear; }
    const std::string& Description() const { return description; }
    const std::string& ModPath() const { return modPath; }
    // Lines of the block that none of the keys reads; written back before "EndGame".
    const StringList& KeptLines() const { return kept.Lines(); }
    // Whether the field of `key` (such as "Era=") holds a value of its own and is written; a list
    // key is set when the list has entries.
    bool IsSet(std::string_view key) const;
    // How many of the fields that a record made here always writes the file left unset: the game
    // chooses what they hold. 0 for a record not read from a file.
    int UnsetFieldCount() const;

private:
    void MakeAbsent(std::size_t key);

    std::string calendar, description, era;
    StringList forceControls;
    int gameTurn = 0, maxCityElimination = 0, maxTurns = 0;
    std::string modPath;
    StringList mpOptions, options;
    std::string speed;
    int startYear = -4000, targetScore = 0;
    StringList victories;
    TFieldPresence presence;
    TKeptLines kept;
    TScratchList sectionLines, editorLines;
};
