#include "MapData.h"

namespace {

const TKeyTable MapKeys(TMapData::Keys);

} // namespace

void TMapData::Clear() {
    gridWidth = gridHeight = 1;
    topLatitude = 90;
    bottomLatitude = -90;
    wrapX = 1;
    wrapY = 0;
    worldSize = "WORLDSIZE_SMALL";
    climate = "CLIMATE_TEMPERATE";
    seaLevel = "SEALEVEL_LOW";
    numPlotsWritten = 1;
    kept.Clear();
}

void TMapData::SetKeptLines(const StringList& lines) {
    kept.Clear();
    for (const std::string& line : lines)
        kept.Offer(line);
}

void TMapData::LoadFromStrings(const StringList& lines) {
    const auto views = ViewLines(lines);
    Read(TLineSpan(views), true);
}

void TMapData::Read(TLineSpan lines, bool fromFile) {
    if (fromFile)
        kept.Clear();
    TBlockTracker block("BeginMap", "EndMap");
    std::string scratch;
    TKeyTable::TMatch match;
    for (std::string_view line : lines) {
        const TLineItems items(line);
        MapKeys.Match(items, match);
        const bool known = match.found != 0;
        match.ForEach(MapKeys, scratch, [&](std::size_t k, std::string_view value) {
            switch (k) {
            case 0:
                gridWidth = ValueToInt(value, 1);
                break;
            case 1:
                gridHeight = ValueToInt(value, 1);
                break;
            case 2:
                topLatitude = ValueToInt(value, 90);
                break;
            case 3:
                bottomLatitude = ValueToInt(value, -90);
                break;
            case 4:
                wrapX = ValueToInt(value, 1);
                break;
            case 5:
                wrapY = ValueToInt(value, 0);
                break;
            case 6:
                SetWorldSize(value);
                break;
            case 7:
                SetClimate(value);
                break;
            case 8:
                SetSeaLevel(value);
                break;
            case 9:
                numPlotsWritten = ValueToInt(value, -1);
                break;
            }
        });
        const bool marker = block.Step(line);
        if (fromFile && !known && !marker && block.Inside())
            kept.Offer(line);
    }
}

const StringList& TMapData::SaveToStrings() {
    StringList& lines = sectionLines.Get();
    lines.clear();
    TTextWriter out(lines);
    Write(out);
    return lines;
}

void TMapData::Write(TTextWriter& out) {
    numPlotsWritten = static_cast<int>(static_cast<long long>(gridWidth) * gridHeight);
    out.Line("BeginMap");
    (out << "\tgrid width=" << gridWidth).EndLine();
    (out << "\tgrid height=" << gridHeight).EndLine();
    (out << "\ttop latitude=" << topLatitude).EndLine();
    (out << "\tbottom latitude=" << bottomLatitude).EndLine();
    (out << "\twrap X=" << wrapX).EndLine();
    (out << "\twrap Y=" << wrapY).EndLine();
    (out << "\tworld size=" << worldSize).EndLine();
    (out << "\tclimate=" << climate).EndLine();
    (out << "\tsealevel=" << seaLevel).EndLine();
    (out << "\tnum plots written=" << numPlotsWritten).EndLine();
    kept.WriteTo(out, "\t");
    out.Line("EndMap");
}

const StringList& TMapData::GetEditorLines() {
    StringList& rows = editorLines.Get();
    rows.clear();
    rows.push_back("world size=" + worldSize);
    rows.push_back("climate=" + climate);
    rows.push_back("sealevel=" + seaLevel);
    return rows;
}

void TMapData::ApplyEditorLines(const StringList& rows) {
    StringList& remaining = editorLines.Get();
    remaining = rows;
    const auto views = ViewLines(remaining);
    Read(TLineSpan(views), false);
    remaining.clear();
}
