#include "MapSection.h"

namespace {

const TKeyTable MapKeys(TMapSection::Keys);

enum MapKey {
    KeyGridWidth,
    KeyGridHeight,
    KeyTopLatitude,
    KeyBottomLatitude,
    KeyWrapX,
    KeyWrapY,
    KeyWorldSize,
    KeyClimate,
    KeySeaLevel,
    KeyNumPlotsWritten
};

// The fields a file may leave out; the grid's size and the plot count are always written.
constexpr std::uint32_t OptionalFields = ((1u << KeyNumPlotsWritten) - 1) & ~((1u << KeyTopLatitude) - 1);

} // namespace

void TMapSection::Clear() {
    gridWidth = gridHeight = 1;
    for (std::size_t k = KeyTopLatitude; k <= KeySeaLevel; ++k)
        MakeAbsent(k);
    numPlotsWritten = 1;
    kept.Clear();
    presence.Reset();
}

void TMapSection::MakeAbsent(std::size_t key) {
    switch (key) {
    case KeyTopLatitude:
        topLatitude = 90;
        break;
    case KeyBottomLatitude:
        bottomLatitude = -90;
        break;
    case KeyWrapX:
        wrapX = 1;
        break;
    case KeyWrapY:
        wrapY = 0;
        break;
    case KeyWorldSize:
        worldSize = "WORLDSIZE_SMALL";
        break;
    case KeyClimate:
        climate = "CLIMATE_TEMPERATE";
        break;
    case KeySeaLevel:
        seaLevel = "SEALEVEL_LOW";
        break;
    }
    presence.Unmark(key);
}

void TMapSection::SetTopLatitude(int value) {
    topLatitude = value;
    presence.Mark(KeyTopLatitude);
}

void TMapSection::SetBottomLatitude(int value) {
    bottomLatitude = value;
    presence.Mark(KeyBottomLatitude);
}

void TMapSection::SetWrapX(int value) {
    wrapX = value;
    presence.Mark(KeyWrapX);
}

void TMapSection::SetWrapY(int value) {
    wrapY = value;
    presence.Mark(KeyWrapY);
}

void TMapSection::SetWorldSize(std::string_view value) {
    AssignUpperCase(worldSize, value);
    presence.Mark(KeyWorldSize);
}

void TMapSection::SetClimate(std::string_view value) {
    AssignUpperCase(climate, value);
    presence.Mark(KeyClimate);
}

void TMapSection::SetSeaLevel(std::string_view value) {
    AssignUpperCase(seaLevel, value);
    presence.Mark(KeySeaLevel);
}

bool TMapSection::IsSet(std::string_view key) const {
    const int k = KeyIndex(Keys, key);
    return k >= 0 && presence.Has(static_cast<std::size_t>(k));
}

int TMapSection::UnsetFieldCount() const {
    return presence.CountAbsent(OptionalFields);
}

void TMapSection::SetKeptLines(const StringList& lines) {
    kept.Clear();
    for (const std::string& line : lines)
        kept.Offer(line);
}

void TMapSection::LoadFromStrings(const StringList& lines) {
    const auto views = ViewLines(lines);
    Read(TLineSpan(views), true);
}

void TMapSection::Read(TLineSpan lines, bool fromFile) {
    if (fromFile) {
        kept.Clear();
        // The grid's size and the plot count are always written, so they count as set.
        presence.BeginFileRead();
        presence.MarkAll(~OptionalFields);
    }
    TBlockTracker block("BeginMap", "EndMap");
    std::string scratch;
    TKeyTable::TMatch match;
    for (std::string_view line : lines) {
        const TLineItems items(line);
        MapKeys.Match(items, match);
        const bool known = match.found != 0;
        match.ForEach(MapKeys, scratch, [&](std::size_t k, std::string_view value) {
            if (!fromFile && value.empty() && ((OptionalFields >> k) & 1u)) {
                MakeAbsent(k);
                return;
            }
            switch (k) {
            case KeyGridWidth:
                gridWidth = ValueToInt(value, 1);
                break;
            case KeyGridHeight:
                gridHeight = ValueToInt(value, 1);
                break;
            case KeyTopLatitude:
                SetTopLatitude(ValueToInt(value, 90));
                break;
            case KeyBottomLatitude:
                SetBottomLatitude(ValueToInt(value, -90));
                break;
            case KeyWrapX:
                SetWrapX(ValueToInt(value, 1));
                break;
            case KeyWrapY:
                SetWrapY(ValueToInt(value, 0));
                break;
            case KeyWorldSize:
                SetWorldSize(value);
                break;
            case KeyClimate:
                SetClimate(value);
                break;
            case KeySeaLevel:
                SetSeaLevel(value);
                break;
            case KeyNumPlotsWritten:
                numPlotsWritten = ValueToInt(value, -1);
                break;
            }
        });
        const bool marker = block.Step(line);
        if (fromFile && !known && !marker && block.Inside())
            kept.Offer(line);
    }
}

const StringList& TMapSection::SaveToStrings() {
    StringList& lines = sectionLines.Get();
    lines.clear();
    TTextWriter out(lines);
    Write(out);
    return lines;
}

void TMapSection::Write(TTextWriter& out) {
    numPlotsWritten = static_cast<int>(static_cast<long long>(gridWidth) * gridHeight);
    out.Line("BeginMap");
    (out << "\tgrid width=" << gridWidth).EndLine();
    (out << "\tgrid height=" << gridHeight).EndLine();
    if (presence.Has(KeyTopLatitude))
        (out << "\ttop latitude=" << topLatitude).EndLine();
    if (presence.Has(KeyBottomLatitude))
        (out << "\tbottom latitude=" << bottomLatitude).EndLine();
    if (presence.Has(KeyWrapX))
        (out << "\twrap X=" << wrapX).EndLine();
    if (presence.Has(KeyWrapY))
        (out << "\twrap Y=" << wrapY).EndLine();
    if (presence.Has(KeyWorldSize))
        (out << "\tworld size=" << worldSize).EndLine();
    if (presence.Has(KeyClimate))
        (out << "\tclimate=" << climate).EndLine();
    if (presence.Has(KeySeaLevel))
        (out << "\tsealevel=" << seaLevel).EndLine();
    (out << "\tnum plots written=" << numPlotsWritten).EndLine();
    kept.WriteTo(out, "\t");
    out.Line("EndMap");
}

const StringList& TMapSection::GetEditorLines() {
    StringList& rows = editorLines.Get();
    rows.clear();
    for (const auto& [k, value] : {std::pair<MapKey, const std::string*>{KeyWorldSize, &worldSize},
                                   {KeyClimate, &climate},
                                   {KeySeaLevel, &seaLevel}})
        rows.push_back(std::string(Keys[k]) + (presence.Has(k) ? *value : std::string()));
    return rows;
}

void TMapSection::ApplyEditorLines(const StringList& rows) {
    StringList& remaining = editorLines.Get();
    remaining = rows;
    const auto views = ViewLines(remaining);
    Read(TLineSpan(views), false);
    remaining.clear();
}
