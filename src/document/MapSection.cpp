#include "document/MapSection.h"

#include "document/FieldTable.h"

// The grid's size and the plot count are always written; the editor shows the three types.
struct TMapSection::TFields : TFieldDefaults<TMapSection> {
    static constexpr std::string_view Begin = "BeginMap", End = "EndMap";
    static constexpr bool KeepsInsideOnly = true;
    static constexpr std::array List = {
        F::Number("grid width=", &TMapSection::gridWidth, 1).Always().Row(TFieldRow::None),
        F::Number("grid height=", &TMapSection::gridHeight, 1).Always().Row(TFieldRow::None),
        F::Number("top latitude=", &TMapSection::topLatitude, 90).Row(TFieldRow::None),
        F::Number("bottom latitude=", &TMapSection::bottomLatitude, -90).Row(TFieldRow::None),
        F::Number("wrap X=", &TMapSection::wrapX, 1).Row(TFieldRow::None),
        F::Number("wrap Y=", &TMapSection::wrapY, 0).Row(TFieldRow::None),
        F::TypeName("world size=", &TMapSection::worldSize, "WORLDSIZE_SMALL"),
        F::TypeName("climate=", &TMapSection::climate, "CLIMATE_TEMPERATE"),
        F::TypeName("sealevel=", &TMapSection::seaLevel, "SEALEVEL_LOW"),
        F::Number("num plots written=", &TMapSection::numPlotsWritten, 1)
            .EmptyReads(-1)
            .Always()
            .Row(TFieldRow::None)};
};

template class TFieldRecord<TMapSection>;

void TMapSection::SetKeptLines(const StringList& lines) {
    kept.Clear();
    for (const std::string& line : lines)
        kept.Offer(line);
}

void TMapSection::Write(TTextWriter& out) {
    numPlotsWritten = static_cast<int>(static_cast<long long>(gridWidth) * gridHeight);
    TFieldRecord::Write(out);
}
