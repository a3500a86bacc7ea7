#pragma once

#include "document/FieldRecord.h"

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
class TGameSection : public TListedRecord<TGameSection> {
public:
    TGameSection() { Clear(); }

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

private:
    friend class TFieldRecord<TGameSection>;
    struct TFields;

    std::string calendar, description, era;
    StringList forceControls;
    int gameTurn, maxCityElimination, maxTurns;
    std::string modPath;
    StringList mpOptions, options;
    std::string speed;
    int startYear, targetScore;
    StringList victories;
};

// Made in GameSection.cpp, where the table is.
extern template class TFieldRecord<TGameSection>;
