#pragma once

#include "RecordText.h"

#include <array>
#include <string>
#include <string_view>

// The game section ("BeginGame" ... "EndGame"): era, speed, calendar, options, victories, turn
// limits, start year, description and mod path. Owned by the document; shown on the "Rule" tab.
class TGameData {
public:
    static constexpr std::array<std::string_view, 14> Keys = {
        "Era=",          "Speed=",     "Calendar=",    "Option=",   "MPOption=",
        "ForceControl=", "Victory=",   "GameTurn=",    "MaxTurns=", "MaxCityElimination=",
        "TargetScore=",  "StartYear=", "Description=", "ModPath="};

    TGameData() { Clear(); }

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

private:
    std::string calendar, description, era;
    StringList forceControls;
    int gameTurn = 0, maxCityElimination = 0, maxTurns = 0;
    std::string modPath;
    StringList mpOptions, options;
    std::string speed;
    int startYear = -4000, targetScore = 0;
    StringList victories;
    TKeptLines kept;
    TScratchList sectionLines, editorLines;
};
