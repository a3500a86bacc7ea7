#pragma once

#include "document/FieldRecord.h"

#include <array>
#include <string>
#include <string_view>

// The map section ("BeginMap" ... "EndMap"): the world's size in plots, latitudes, wrapping and
// the world size, climate and sea level types. Owned by the document; edited on the "World" tab.
// The grid's size and the plot count are always written. Read from a file, the section writes the
// other fields only when the file set them (see TFieldPresence): without latitude lines the game's
// latitudes stay 0. Editor rows: a row sets its field, even to the default; a row with an empty
// value makes one of those fields absent again (it then holds its default, shows as empty and is
// not written). A setter marks its field set.
class TMapSection : public TListedRecord<TMapSection> {
public:
    TMapSection() { Clear(); }

    // Writes the section; the plot count is first set to width times height.
    void Write(TTextWriter& out);

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
    // Replaces the lines kept without being understood ("num signs written=" and the like).
    void SetKeptLines(const StringList& lines);

    void SetGridWidth(int value) { gridWidth = value; }
    void SetGridHeight(int value) { gridHeight = value; }
    void SetTopLatitude(int value) { Set(&TMapSection::topLatitude, value); }
    void SetBottomLatitude(int value) { Set(&TMapSection::bottomLatitude, value); }
    void SetWrapX(int value) { Set(&TMapSection::wrapX, value); }
    void SetWrapY(int value) { Set(&TMapSection::wrapY, value); }
    void SetWorldSize(std::string_view value) { Set(&TMapSection::worldSize, value); }
    void SetClimate(std::string_view value) { Set(&TMapSection::climate, value); }
    void SetSeaLevel(std::string_view value) { Set(&TMapSection::seaLevel, value); }
    void SetNumPlotsWritten(int value) { numPlotsWritten = value; }

private:
    friend class TFieldRecord<TMapSection>;
    struct TFields;

    int gridWidth, gridHeight, topLatitude, bottomLatitude, wrapX, wrapY;
    std::string worldSize, climate, seaLevel;
    int numPlotsWritten;
};

// Made in MapSection.cpp, where the table is.
extern template class TFieldRecord<TMapSection>;
