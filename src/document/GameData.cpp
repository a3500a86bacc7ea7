#include "GameData.h"

namespace {

const TKeyTable GameKeys(TGameData::Keys);

} // namespace

void TGameData::Clear() {
    calendar = "CALENDAR_DEFAULT";
    description.clear();
    era = "ERA_ANCIENT";
    forceControls.clear();
    gameTurn = maxCityElimination = maxTurns = 0;
    modPath.clear();
    mpOptions.clear();
    options.clear();
    speed = "GAMESPEED_EPIC";
    startYear = -4000;
    targetScore = 0;
    victories.clear();
    kept.Clear();
}

void TGameData::LoadFromStrings(const StringList& lines) {
    const auto views = ViewLines(lines);
    Read(TLineSpan(views), true);
}

void TGameData::Read(TLineSpan lines, bool fromFile) {
    if (fromFile)
        kept.Clear();
    TBlockTracker block("BeginGame", "EndGame");
    std::string scratch;
    TKeyTable::TMatch match;
    for (std::string_view line : lines) {
        const TLineItems items(line);
        GameKeys.Match(items, match);
        const bool known = match.found != 0;
        match.ForEach(GameKeys, scratch, [&](std::size_t k, std::string_view value) {
            switch (k) {
            case 0:
                era = UpperCase(value);
                break;
            case 1:
                speed = UpperCase(value);
                break;
            case 2:
                calendar = UpperCase(value);
                break;
            case 3:
                options.push_back(UpperCase(value));
                break;
            case 4:
                mpOptions.push_back(UpperCase(value));
                break;
            case 5:
                forceControls.push_back(UpperCase(value));
                break;
            case 6:
                victories.push_back(UpperCase(value));
                break;
            case 7:
                gameTurn = ValueToInt(value, gameTurn);
                break;
            case 8:
                maxTurns = ValueToInt(value, maxTurns);
                break;
            case 9:
                maxCityElimination = ValueToInt(value, maxCityElimination);
                break;
            case 10:
                targetScore = ValueToInt(value, targetScore);
                break;
            case 11:
                startYear = ValueToInt(value, startYear);
                break;
            case 12:
                description = UpperCase(value);
                break;
            case 13:
                modPath = UpperCase(value);
                break;
            }
        });
        const bool marker = block.Step(line);
        if (fromFile && !known && !marker && block.Inside())
            kept.Offer(line);
    }
}

const StringList& TGameData::SaveToStrings() {
    StringList& lines = sectionLines.Get();
    lines.clear();
    TTextWriter out(lines);
    Write(out);
    return lines;
}

void TGameData::Write(TTextWriter& out) const {
    out.Line("BeginGame");
    (out << "\tEra=" << era).EndLine();
    (out << "\tSpeed=" << speed).EndLine();
    (out << "\tCalendar=" << calendar).EndLine();
    for (const std::string& entry : options)
        (out << "\tOption=" << entry).EndLine();
    for (const std::string& entry : mpOptions)
        (out << "\tMPOption=" << entry).EndLine();
    for (const std::string& entry : forceControls)
        (out << "\tForceControl=" << entry).EndLine();
    for (const std::string& entry : victories)
        (out << "\tVictory=" << entry).EndLine();
    (out << "\tGameTurn=" << gameTurn).EndLine();
    (out << "\tMaxTurns=" << maxTurns).EndLine();
    (out << "\tMaxCityElimination=" << maxCityElimination).EndLine();
    (out << "\tTargetScore=" << targetScore).EndLine();
    (out << "\tStartYear=" << startYear).EndLine();
    (out << "\tDescription=" << description).EndLine();
    (out << "\tModPath=" << modPath).EndLine();
    kept.WriteTo(out, "\t");
    out.Line("EndGame");
}

const StringList& TGameData::GetEditorLines() {
    StringList& rows = editorLines.Get();
    rows.clear();
    rows.push_back("Era=" + era);
    rows.push_back("Speed=" + speed);
    rows.push_back("Calendar=" + calendar);
    rows.push_back("Option=" + ListToCommaText(options));
    rows.push_back("MPOption=" + ListToCommaText(mpOptions));
    rows.push_back("ForceControl=" + ListToCommaText(forceControls));
    rows.push_back("Victory=" + ListToCommaText(victories));
    rows.push_back("GameTurn=" + IntToText(gameTurn));
    rows.push_back("MaxTurns=" + IntToText(maxTurns));
    rows.push_back("MaxCityElimination=" + IntToText(maxCityElimination));
    rows.push_back("TargetScore=" + IntToText(targetScore));
    rows.push_back("StartYear=" + IntToText(startYear));
    rows.push_back("Description=" + description);
    rows.push_back("ModPath=" + modPath);
    return rows;
}

void TGameData::ApplyEditorLines(const StringList& rows) {
    StringList& remaining = editorLines.Get();
    remaining = rows;
    ExtractListValue(remaining, "Option=", options);
    ExtractListValue(remaining, "MPOption=", mpOptions);
    ExtractListValue(remaining, "ForceControl=", forceControls);
    ExtractListValue(remaining, "Victory=", victories);
    const auto views = ViewLines(remaining);
    Read(TLineSpan(views), false);
    remaining.clear();
}
