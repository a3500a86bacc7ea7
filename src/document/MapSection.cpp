#include "MapSection.h"

#include "FieldTable.h"

// The grid's size and the plot count are always written; the editor shows the three types.
struct TMapSection::TFields : TFieldDefaults<TMapSection> {
    static constexpr std::string_view BlockBegin = "BeginMap", BlockEnd = "EndMap";
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
    static constexpr std::size_t TopLatitude = FieldTable::Index<TFields>("top latitude="),
                                 BottomLatitude = FieldTable::Index<TFields>("bottom latitude="),
                                 WrapX = FieldTable::Index<TFields>("wrap X="),
                                 WrapY = FieldTable::Index<TFields>("wrap Y="),
                                 WorldSize = FieldTable::Index<TFields>("world size="),
                                 Climate = FieldTable::Index<TFields>("climate="),
                                 SeaLevel = FieldTable::Index<TFields>("sealevel=");
};

template class TFieldRecord<TMapSection>;

void TMapSection::Clear() {
    ClearFields();
}

void TMapSection::SetTopLatitude(int value) {
    SetField<TFields::TopLatitude>(value);
}
void TMapSection::SetBottomLatitude(int value) {
    SetField<TFields::BottomLatitude>(value);
}
void TMapSection::SetWrapX(int value) {
    SetField<TFields::WrapX>(value);
}
void TMapSection::SetWrapY(int value) {
    SetField<TFields::WrapY>(value);
}
void TMapSection::SetWorldSize(std::string_view value) {
    SetField<TFields::WorldSize>(value);
}
void TMapSection::SetClimate(std::string_view value) {
    SetField<TFields::Climate>(value);
}
void TMapSection::SetSeaLevel(std::string_view value) {
    SetField<TFields::SeaLevel>(value);
}

void TMapSection::SetKeptLines(const StringList& lines) {
    kept.Clear();
    for (const std::string& line : lines)
        kept.Offer(line);
}

void TMapSection::Read(TLineSpan lines, bool fromFile) {
    ReadFields(lines, fromFile);
}

void TMapSection::Write(TTextWriter& out) {
    numPlotsWritten = static_cast<int>(static_cast<long long>(gridWidth) * gridHeight);
    out.Line("BeginMap");
    WriteFields(out);
    kept.WriteTo(out, "\t");
    out.Line("EndMap");
}
