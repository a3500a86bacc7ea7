#pragma once

#include "RecordText.h"

#include <array>
#include <string>
#include <string_view>

// The map section ("BeginMap" ... "EndMap"): the world's size in plots, latitudes, wrapping and
// the world size, climate and sea level types. Owned by the document; edited on the "World" tab.
class TMapData {
public:
    static constexpr std::array<std::string_view, 10> Keys = {
        "grid width=", "grid height=", "top latitude=", "bottom latitude=", "wrap X=",
        "wrap Y=",     "world size=",  "climate=",      "sealevel=",        "num plots written="};

    TMapData() { Clear(); }

    void Clear();
    void LoadFromStrings(const StringList& lines);
    void Read(TLineSpan lines, bool fromFile);
    const StringList& SaveToStrings();
    // Writes the section; the plot count is first set to width times height.
    void Write(TTextWriter& out);
    const StringList& GetEditorLines();
    void ApplyEditorLines(const StringList& rows);

    int GridWidth() const { return gridWidth; }
    int GridHeight() const { return gridHeight; }
    int TopLatitude() const { return topLatitude; }
    int BottomLatitude() const { return bottomLatitude; }
    int WrapX() const { return wrapX; }
    int WrapY() const { return wrapY; }
    const std::string& WorldSize() const { return worldSize; }
    const std::string& Climate() const { return climate; }
    const std::string& SeaLevel() const { return seaLevel; }
    int NumPlotsWritten() const { return numPlotsWritten; }
    const StringList& KeptLines() const { return kept.Lines(); }
    // Replaces the lines kept without being understood ("num signs written=" and the like).
    void SetKeptLines(const StringList& lines);

    void SetGridWidth(int value) { gridWidth = value; }
    void SetGridHeight(int value) { gridHeight = value; }
    void SetTopLatitude(int value) { topLatitude = value; }
    void SetBottomLatitude(int value) { bottomLatitude = value; }
    void SetWrapX(int value) { wrapX = value; }
    void SetWrapY(int value) { wrapY = value; }
    void SetWorldSize(std::string_view value) { worldSize = UpperCase(value); }
    void SetClimate(std::string_view value) { climate = UpperCase(value); }
    void SetSeaLevel(std::string_view value) { seaLevel = UpperCase(value); }
    void SetNumPlotsWritten(int value) { numPlotsWritten = value; }

private:
    int gridWidth = 1, gridHeight = 1, topLatitude = 90, bottomLatitude = -90, wrapX = 1, wrapY = 0;
    std::string worldSize, climate, seaLevel;
    int numPlotsWritten = 1;
    TKeptLines kept;
    TScratchList sectionLines, editorLines;
};
