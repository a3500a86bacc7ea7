#include "Unit.h"

#include "FieldTable.h"

// Its type and owner are always written, on one line.
struct TUnit::TFields : TFieldDefaults<TUnit> {
    static constexpr std::string_view Indent = "\t\t";
    static constexpr std::array List = {F::TypeName("UnitType=", &TUnit::unitType, "UNIT_SETTLER").Always(),
                                        F::Number("UnitOwner=", &TUnit::unitOwner, 0).Always().Joins(", "),
                                        F::Number("Level=", &TUnit::level, 1).EmptyReads(0),
                                        F::Number("Experience=", &TUnit::experience, 0).Joins(", "),
                                        F::TypeList("PromotionType=", &TUnit::promotionTypes),
                                        F::TypeName("UnitAIType=", &TUnit::unitAIType, "UNITAI_SETTLE"),
                                        F::Text("ScriptData=", &TUnit::scriptData).WhenHeld()};
    static constexpr std::size_t UnitType = FieldTable::Index<TFields>("UnitType="),
                                 UnitOwner = FieldTable::Index<TFields>("UnitOwner="),
                                 Level = FieldTable::Index<TFields>("Level="),
                                 Experience = FieldTable::Index<TFields>("Experience="),
                                 UnitAIType = FieldTable::Index<TFields>("UnitAIType="),
                                 ScriptData = FieldTable::Index<TFields>("ScriptData=");
};

template class TFieldRecord<TUnit>;

void TUnit::Clear() {
    ClearFields();
}

void TUnit::SetUnitType(std::string_view value) {
    SetField<TFields::UnitType>(value);
}
void TUnit::SetUnitOwner(int value) {
    SetField<TFields::UnitOwner>(value);
}
void TUnit::SetLevel(int value) {
    SetField<TFields::Level>(value);
}
void TUnit::SetExperience(int value) {
    SetField<TFields::Experience>(value);
}
void TUnit::SetUnitAIType(std::string_view value) {
    SetField<TFields::UnitAIType>(value);
}
void TUnit::SetScriptData(std::string_view value) {
    SetField<TFields::ScriptData>(value);
}

void TUnit::Read(TLineSpan lines, bool fromFile) {
    ReadFields(lines, fromFile);
}

void TUnit::Write(TTextWriter& out) const {
    out.Line("\tBeginUnit");
    WriteFields(out);
    kept.WriteTo(out, "\t\t");
    out.Line("\tEndUnit");
}

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
    StringList& result = lines.Get();
    result.clear();
    TTextWriter out(result);
    Write(out);
    return result;
}

void TUnitList::Write(TTextWriter& out) const {
    for (const auto& unit : units)
        unit->Write(out);
}
