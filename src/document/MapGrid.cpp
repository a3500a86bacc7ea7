#include "MapGrid.h"

#include <algorithm>

namespace {

enum PlotKey {
    KeyX,
    KeyY,
    KeyLandmark,
    KeyScriptData,
    KeyRiverNS,
    KeyNOfRiver,
    KeyRiverWE,
    KeyWOfRiver,
    KeyStartingPlot,
    KeyBonus,
    KeyImprovement,
    KeyFeature,
    KeyFeatureVariety,
    KeyRoute,
    KeyTerrain,
    KeyPlotType
};

constexpr std::string_view TeamRevealKey = "TeamReveal=";

// A river edge flows one of two ways; the game has also been seen writing the other two cardinal
// directions (0 to 3), and a file's value in that range is kept as the game wrote it.
void SetRiverDirection(int& field, int value, bool fromFile, int first, int second) {
    if (value == first || value == second || (fromFile && value >= 0 && value <= 3))
        field = value;
    else
        field = -1;
}

} // namespace

void TMapGrid::Clear() {
    x = y = -1;
    riverNSDirection = riverWEDirection = -1;
    featureVariety = 0;
    plotType = 3;
    isNOfRiver = isWOfRiver = startingPlot = false;
    ClearFlags(teamReveal);
    landmark.clear();
    scriptData.clear();
    bonusType.clear();
    improvementType.clear();
    featureType.clear();
    routeType.clear();
    terrainType = "TERRAIN_OCEAN";
    units.Clear();
    city.reset();
    kept.Clear();
}

TCityType& TMapGrid::GetOrCreateCity() {
    if (!city)
        city = std::make_unique<TCityType>();
    return *city;
}

bool TMapGrid::HasTeamReveal() const {
    return std::any_of(teamReveal.begin(), teamReveal.end(), [](bool revealed) { return revealed; });
}

void TMapGrid::LoadFromStrings(const StringList& lines) {
    const auto views = ViewLines(lines);
    Read(TLineSpan(views), true);
}

void TMapGrid::Read(TLineSpan lines, bool fromFile) {
    if (fromFile)
        kept.Clear();
    bool inUnit = false, inCity = false;
    std::size_t unitStart = 0, cityStart = 0;
    std::string scratch;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const TLineItems items(line);
        bool known = false;
        for (std::size_t k = 0; k < Keys.size(); ++k) {
            if (!items.Has(Keys[k]))
                continue;
            // Script data inside a unit or city block belongs to that unit or city.
            if (k == KeyScriptData && (inUnit || inCity))
                continue;
            known = true;
            const std::string_view value = items.Value(Keys[k], scratch);
            switch (k) {
            case KeyX:
                x = ValueToInt(value, -1);
                break;
            case KeyY:
                y = ValueToInt(value, -1);
                break;
            case KeyLandmark:
                SetLandmark(value);
                break;
            case KeyScriptData:
                SetScriptData(value);
                break;
            case KeyRiverNS:
                SetRiverDirection(riverNSDirection, ValueToInt(value, -1), fromFile, 0, 2);
                break;
            case KeyNOfRiver:
                isNOfRiver = true;
                break;
            case KeyRiverWE:
                SetRiverDirection(riverWEDirection, ValueToInt(value, -1), fromFile, 1, 3);
                break;
            case KeyWOfRiver:
                isWOfRiver = true;
                break;
            case KeyStartingPlot:
                startingPlot = true;
                break;
            case KeyBonus:
                SetBonusType(value);
                break;
            case KeyImprovement:
                SetImprovementType(value);
                break;
            case KeyFeature:
                SetFeatureType(value);
                break;
            case KeyFeatureVariety:
                SetFeatureVariety(ValueToInt(value, -1));
                break;
            case KeyRoute:
                SetRouteType(value);
                break;
            case KeyTerrain:
                SetTerrainType(value);
                break;
            case KeyPlotType:
                SetPlotType(ValueToInt(value, -1));
                break;
            }
        }

        const unsigned markers = ScanBlockMarkers(line);
        if (markers & BeginUnitMarker) {
            inUnit = true;
            unitStart = i;
        }
        const bool inUnitBlock = inUnit;
        if ((markers & EndUnitMarker) && inUnit) {
            units.Add().Read(lines.Sub(unitStart, i - unitStart + 1), fromFile);
            inUnit = false;
        }
        if (markers & BeginCityMarker) {
            inCity = true;
            cityStart = i;
        }
        const bool inCityBlock = inCity;
        if ((markers & EndCityMarker) && inCity) {
            GetOrCreateCity().Read(lines.Sub(cityStart, i - cityStart + 1), fromFile);
            inCity = false;
        }
        if (items.Has(TeamRevealKey)) {
            known = true;
            FlagsFromCommaText(ValueAfterEquals(line), teamReveal);
        }
        if (fromFile && !known && !inUnitBlock && !inCityBlock)
            kept.Offer(line);
    }
}

const StringList& TMapGrid::SaveToStrings() {
    StringList& result = sectionLines.Get();
    result.clear();
    TTextWriter out(result);
    Write(out);
    return result;
}

void TMapGrid::Write(TTextWriter& out) const {
    if (!IsWritten())
        return;
    out.Line("BeginPlot");
    (out << "\tx=" << x << ",y=" << y).EndLine();
    if (!landmark.empty())
        (out << "\tLandmark=" << landmark).EndLine();
    if (!scriptData.empty())
        (out << "\tScriptData=" << scriptData).EndLine();
    if (riverNSDirection > -1)
        (out << "\tRiverNSDirection=" << riverNSDirection).EndLine();
    if (isNOfRiver)
        out.Line("\tisNOfRiver");
    if (riverWEDirection > -1)
        (out << "\tRiverWEDirection=" << riverWEDirection).EndLine();
    if (isWOfRiver)
        out.Line("\tisWOfRiver");
    if (startingPlot)
        out.Line("\tStartingPlot");
    if (!bonusType.empty())
        (out << "\tBonusType=" << bonusType).EndLine();
    if (!improvementType.empty())
        (out << "\tImprovementType=" << improvementType).EndLine();
    if (!featureType.empty())
        (out << "\tFeatureType=" << featureType << ", FeatureVariety=" << featureVariety).EndLine();
    if (!routeType.empty())
        (out << "\tRouteType=" << routeType).EndLine();
    (out << "\tTerrainType=" << terrainType).EndLine();
    (out << "\tPlotType=" << plotType).EndLine();
    units.Write(out);
    if (city)
        city->Write(out);
    if (HasTeamReveal())
        (out << "\tTeamReveal=" << FlagsToCommaText(teamReveal)).EndLine();
    kept.WriteTo(out, "\t");
    out.Line("EndPlot");
}

const StringList& TMapGrid::GetEditorLines() {
    StringList& rows = editorLines.Get();
    rows.clear();
    rows.push_back("Landmark=" + landmark);
    rows.push_back("ScriptData=" + scriptData);
    rows.push_back("RiverNSDirection=" + IntToText(riverNSDirection));
    rows.push_back(std::string("isNOfRiver=") + BoolToFlagText(isNOfRiver));
    rows.push_back("RiverWEDirection=" + IntToText(riverWEDirection));
    rows.push_back(std::string("isWOfRiver=") + BoolToFlagText(isWOfRiver));
    rows.push_back(std::string("StartingPlot=") + BoolToFlagText(startingPlot));
    rows.push_back("BonusType=" + bonusType);
    rows.push_back("ImprovementType=" + improvementType);
    rows.push_back("FeatureType=" + featureType);
    rows.push_back("FeatureVariety=" + IntToText(featureVariety));
    rows.push_back("RouteType=" + routeType);
    rows.push_back("TerrainType=" + terrainType);
    rows.push_back("PlotType=" + IntToText(plotType));
    rows.push_back("Units=[ " + IntToText(units.Count()) + " Units ]");
    rows.push_back(std::string("City=[ ") + (city ? "1" : "0") + " City ]");
    rows.push_back("TeamReveal=" + FlagsToCommaText(teamReveal));
    return rows;
}

void TMapGrid::ApplyEditorLines(const StringList& rows) {
    StringList& remaining = editorLines.Get();
    remaining.clear();
    for (const std::string& row : rows) {
        // The units and city rows are summaries; their own editor changes them.
        if (LineHasKey(row, "Units") || LineHasKey(row, "City"))
            continue;
        // The reader can only set the three flags, so a "0" row clears its flag here.
        if (ValueAfterEquals(row) == "0") {
            if (LineHasKey(row, "isNOfRiver")) {
                isNOfRiver = false;
                continue;
            }
            if (LineHasKey(row, "isWOfRiver")) {
                isWOfRiver = false;
                continue;
            }
            if (LineHasKey(row, "StartingPlot")) {
                startingPlot = false;
                continue;
            }
        }
        remaining.push_back(row);
    }
    const auto views = ViewLines(remaining);
    Read(TLineSpan(views), false);
    remaining.clear();
}

std::unique_ptr<TMapGrid> TMapGrids::NewPlot(int x, int y) {
    auto plot = std::make_unique<TMapGrid>();
    plot->SetX(x);
    plot->SetY(y);
    return plot;
}

void TMapGrids::Clear() {
    rows.clear();
    rows.emplace_back();
    rows.back().push_back(NewPlot(0, 0));
    width = height = 1;
    trailing.clear();
}

void TMapGrids::SetWidth(int newWidth) {
    if (newWidth < 0)
        throw OperationAborted("Negative map width " + IntToText(newWidth));
    if (newWidth == width)
        return;
    for (std::size_t y = 0; y < rows.size(); ++y) {
        auto& row = rows[y];
        if (newWidth < width) {
            row.resize(static_cast<std::size_t>(newWidth));
        } else {
            row.reserve(static_cast<std::size_t>(newWidth));
            for (int x = width; x < newWidth; ++x)
                row.push_back(NewPlot(x, static_cast<int>(y)));
        }
    }
    width = newWidth;
}

void TMapGrids::SetHeight(int newHeight) {
    if (newHeight < 0)
        throw OperationAborted("Negative map height " + IntToText(newHeight));
    if (newHeight == height)
        return;
    if (newHeight < height) {
        rows.resize(static_cast<std::size_t>(newHeight));
    } else {
        rows.reserve(static_cast<std::size_t>(newHeight));
        for (int y = height; y < newHeight; ++y) {
            auto& row = rows.emplace_back();
            row.reserve(static_cast<std::size_t>(width));
            for (int x = 0; x < width; ++x)
                row.push_back(NewPlot(x, y));
        }
    }
    height = newHeight;
}

TMapGrid* TMapGrids::GetPlot(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return nullptr;
    return rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)].get();
}

void TMapGrids::LoadFromStrings(const StringList& source) {
    const auto views = ViewLines(source);
    Read(TLineSpan(views), true);
}

void TMapGrids::Read(TLineSpan source, bool fromFile) {
    int pendingX = -1, pendingY = -1;
    bool inBlock = false;
    std::size_t blockStart = 0;
    std::size_t afterLastBlock = 0;
    bool anyBlock = false;
    std::string scratch;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const std::string_view line = source[i];
        const unsigned markers = ScanBlockMarkers(line);
        if (markers & BeginPlotMarker) {
            inBlock = true;
            blockStart = i;
        }
        if ((markers & EndPlotMarker) && inBlock) {
            if (TMapGrid* plot = GetPlot(pendingX, pendingY))
                plot->Read(source.Sub(blockStart, i - blockStart + 1), fromFile);
            pendingX = pendingY = -1;
            inBlock = false;
            anyBlock = true;
            afterLastBlock = i + 1;
        }
        if (MayHoldCoordinate(line)) {
            const TLineItems items(line);
            if (items.Has("x="))
                pendingX = ValueToInt(items.Value("x=", scratch), -1);
            if (items.Has("y="))
                pendingY = ValueToInt(items.Value("y=", scratch), -1);
        }
    }
    trailing.clear();
    if (!fromFile || !anyBlock)
        return;
    const TLineSpan tail = source.Sub(afterLastBlock, source.size() - afterLastBlock);
    const bool hasText = std::any_of(tail.begin(), tail.end(),
                                     [](std::string_view line) { return !TrimBlanks(line).empty(); });
    if (hasText)
        trailing.assign(tail.begin(), tail.end());
}

const StringList& TMapGrids::SaveToStrings() {
    StringList& result = lines.Get();
    result.clear();
    TTextWriter out(result);
    Write(out);
    return result;
}

void TMapGrids::Write(TTextWriter& out) const {
    out.Line("");
    out.Line("### Plot Info ###");
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y)
            rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]->Write(out);
    for (const std::string& line : trailing)
        out.Line(line);
}
