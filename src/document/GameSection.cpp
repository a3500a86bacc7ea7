#include "GameSection.h"

namespace {

const TKeyTable GameKeys(TGameSection::Keys);

enum GameKey {
    KeyEra,
    KeySpeed,
    KeyCalendar,
    KeyOption,
    KeyMPOption,
    KeyForceControl,
    KeyVictory,
    KeyGameTurn,
    KeyMaxTurns,
    KeyMaxCityElimination,
    KeyTargetScore,
    KeyStartYear,
    KeyDescription,
    KeyModPath
};

// The single fields: each may be absent. The lists are absent when empty.
constexpr std::uint32_t SingleFields = (1u << KeyEra) | (1u << KeySpeed) | (1u << KeyCalendar) |
                                       (1u << KeyGameTurn) | (1u << KeyMaxTurns) |
                                       (1u << KeyMaxCityElimination) | (1u << KeyTargetScore) |
                                       (1u << KeyStartYear) | (1u << KeyDescription) | (1u << KeyModPath);

} // namespace

void TGameSection::Clear() {
    for (std::size_t k = 0; k < Keys.size(); ++k)
        if ((SingleFields >> k) & 1u)
            MakeAbsent(k);
    forceControls.clear();
    mpOptions.clear();
    options.clear();
    victories.clear();
    kept.Clear();
    presence.Reset();
}

void TGameSection::MakeAbsent(std::size_t key) {
    switch (key) {
    case KeyEra:
        era = "ERA_ANCIENT";
        break;
    case KeySpeed:
        speed = "GAMESPEED_EPIC";
        break;
    case KeyCalendar:
        calendar = "CALENDAR_DEFAULT";
        break;
    case KeyGameTurn:
        gameTurn = 0;
        break;
    case KeyMaxTurns:
        maxTurns = 0;
        break;
    case KeyMaxCityElimination:
        maxCityElimination = 0;
        break;
    case KeyTargetScore:
        targetScore = 0;
        break;
    case KeyStartYear:
        startYear = -4000;
        break;
    case KeyDescription:
        description.clear();
        break;
    case KeyModPath:
        modPath.clear();
        break;
    }
    presence.Unmark(key);
}

bool TGameSection::IsSet(std::string_view key) const {
    const int k = KeyIndex(Keys, key);
    switch (k) {
    case -1:
        return false;
    case KeyOption:
        return !options.empty();
    case KeyMPOption:
        return !mpOptions.empty();
    case KeyForceControl:
        return !forceControls.empty();
    case KeyVictory:
        return !victories.empty();
    default:
        return presence.Has(static_cast<std::size_t>(k));
    }
}

int TGameSection::UnsetFieldCount() const {
    return presence.CountAbsent(SingleFields);
}

void TGameSection::LoadFromStrings(const StringList& lines) {
    const auto views = ViewLines(lines);
    Read(TLineSpan(views), true);
}

void TGameSection::Read(TLineSpan lines, bool fromFile) {
    if (fromFile) {
        kept.Clear();
        presence.BeginFileRead();
    }
    TBlockTracker block("BeginGame", "EndGame");
    std::string scratch;
    TKeyTable::TMatch match;
    for (std::string_view line : lines) {
        const TLineItems items(line);
        GameKeys.Match(items, match);
        const bool known = match.found != 0;
        match.ForEach(GameKeys, scratch, [&](std::size_t k, std::string_view value) {
            if (!fromFile && value.empty() && ((SingleFields >> k) & 1u)) {
                MakeAbsent(k);
                return;
            }
            switch (k) {
            case KeyEra:
                era = UpperCase(value);
                break;
            case KeySpeed:
                speed = UpperCase(value);
                break;
            case KeyCalendar:
                calendar = UpperCase(value);
                break;
            case KeyOption:
                options.push_back(UpperCase(value));
                break;
            case KeyMPOption:
                mpOptions.push_back(UpperCase(value));
                break;
            case KeyForceControl:
                forceControls.push_back(UpperCase(value));
                break;
            case KeyVictory:
                victories.push_back(UpperCase(value));
                break;
            case KeyGameTurn:
                gameTurn = ValueToInt(value, gameTurn);
                break;
            case KeyMaxTurns:
                maxTurns = ValueToInt(value, maxTurns);
                break;
            case KeyMaxCityElimination:
                maxCityElimination = ValueToInt(value, maxCityElimination);
                break;
            case KeyTargetScore:
                targetScore = ValueToInt(value, targetScore);
                break;
            case KeyStartYear:
                startYear = ValueToInt(value, startYear);
                break;
            case KeyDescription:
                description.assign(value);
                break;
            case KeyModPath:
                modPath.assign(value);
                break;
            }
            presence.Mark(k);
        });
        const bool marker = block.Step(line);
        if (fromFile && !known && !marker && block.Inside())
            kept.Offer(line);
    }
}

const StringList& TGameSection::SaveToStrings() {
    StringList& lines = sectionLines.Get();
    lines.clear();
    TTextWriter out(lines);
    Write(out);
    return lines;
}

void TGameSection::Write(TTextWriter& out) const {
    out.Line("BeginGame");
    if (presence.Has(KeyEra))
        (out << "\tEra=" << era).EndLine();
    if (presence.Has(KeySpeed))
        (out << "\tSpeed=" << speed).EndLine();
    if (presence.Has(KeyCalendar))
        (out << "\tCalendar=" << calendar).EndLine();
    for (const std::string& entry : options)
        (out << "\tOption=" << entry).EndLine();
    for (const std::string& entry : mpOptions)
        (out << "\tMPOption=" << entry).EndLine();
    for (const std::string& entry : forceControls)
        (out << "\tForceControl=" << entry).EndLine();
    for (const std::string& entry : victories)
        (out << "\tVictory=" << entry).EndLine();
    if (presence.Has(KeyGameTurn))
        (out << "\tGameTurn=" << gameTurn).EndLine();
    if (presence.Has(KeyMaxTurns))
        (out << "\tMaxTurns=" << maxTurns).EndLine();
    if (presence.Has(KeyMaxCityElimination))
        (out << "\tMaxCityElimination=" << maxCityElimination).EndLine();
    if (presence.Has(KeyTargetScore))
        (out << "\tTargetScore=" << targetScore).EndLine();
    if (presence.Has(KeyStartYear))
        (out << "\tStartYear=" << startYear).EndLine();
    if (presence.Has(KeyDescription))
        (out << "\tDescription=" << description).EndLine();
    if (presence.Has(KeyModPath))
        (out << "\tModPath=" << modPath).EndLine();
    kept.WriteTo(out, "\t");
    out.Line("EndGame");
}

const StringList& TGameSection::GetEditorLines() {
    StringList& rows = editorLines.Get();
    rows.clear();
    auto single = [&](std::size_t k, const std::string& value) {
        rows.push_back(std::string(Keys[k]) + (presence.Has(k) ? value : std::string()));
    };
    single(KeyEra, era);
    single(KeySpeed, speed);
    single(KeyCalendar, calendar);
    rows.push_back("Option=" + ListToCommaText(options));
    rows.push_back("MPOption=" + ListToCommaText(mpOptions));
    rows.push_back("ForceControl=" + ListToCommaText(forceControls));
    rows.push_back("Victory=" + ListToCommaText(victories));
    single(KeyGameTurn, IntToText(gameTurn));
    single(KeyMaxTurns, IntToText(maxTurns));
    single(KeyMaxCityElimination, IntToText(maxCityElimination));
    single(KeyTargetScore, IntToText(targetScore));
    single(KeyStartYear, IntToText(startYear));
    single(KeyDescription, description);
    single(KeyModPath, modPath);
    return rows;
}

void TGameSection::ApplyEditorLines(const StringList& rows) {
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
