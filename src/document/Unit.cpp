#include "document/Unit.h"

#include "document/FieldTable.h"

// Its type and owner are always written, on one line.
struct TUnit::TFields : TFieldDefaults<TUnit> {
    static constexpr std::string_view Begin = "\tBeginUnit", End = "\tEndUnit", Indent = "\t\t";
    static constexpr std::array List = {F::TypeName("UnitType=", &TUnit::unitType, "UNIT_SETTLER").Always(),
                                        F::Number("UnitOwner=", &TUnit::unitOwner, 0).Always().Joins(", "),
                                        F::Number("Level=", &TUnit::level, 1).EmptyReads(0),
                                        F::Number("Experience=", &TUnit::experience, 0).Joins(", "),
                                        F::TypeList("PromotionType=", &TUnit::promotionTypes),
                                        F::TypeName("UnitAIType=", &TUnit::unitAIType, "UNITAI_SETTLE"),
                                        F::Text("ScriptData=", &TUnit::scriptData).WhenHeld()};
};

template class TFieldRecord<TUnit>;

std::string TUnit::DisplayName() const {
    return DeleteAllText(unitType, "Unit_");
}

TUnit& TUnitList::Add() {
    units.push_back(std::make_unique<TUnit>());
    return *units.back();
}

void TUnitList::Delete(int index) {
    if (index >= 0 && index < Count())
        units.erase(units.begin() + index);
}

TUnit* TUnitList::GetUnit(int index) const {
    return (index >= 0 && index < Count()) ? units[static_cast<std::size_t>(index)].get() : nullptr;
}

const StringList& TUnitList::SaveToStrings() {
    return WriteLines(lines.Get(), [&](TTextWriter& out) { Write(out); });
}

void TUnitList::Write(TTextWriter& out) const {
    for (const auto& unit : units)
        unit->Write(out);
}
