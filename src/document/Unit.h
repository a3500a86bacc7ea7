#pragma once

#include "document/FieldRecord.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One unit standing on a plot ("BeginUnit" ... "EndUnit" inside the plot block).
// Its type and owner are always written. Read from a file, a unit writes its other fields only when
// the file set them (see TFieldPresence): without "UnitAIType=" the game gives the unit its type's
// own AI. Editor rows: a row sets its field, even to the default; a row with an empty value makes a
// field absent again (it then holds its default, shows as empty and is not written); a promotion row
// replaces the list. A setter marks its field set. The script data is free text and keeps its case.
class TUnit : public TListedRecord<TUnit> {
public:
    TUnit() { Clear(); }

    // The unit type without its "UNIT_" prefix, as the units editor lists it.
    std::string DisplayName() const;

    const std::string& UnitType() const { return unitType; }
    int UnitOwner() const { return unitOwner; }
    int Level() const { return level; }
    int Experience() const { return experience; }
    const StringList& PromotionTypes() const { return promotionTypes; }
    const std::string& UnitAIType() const { return unitAIType; }
    const std::string& ScriptData() const { return scriptData; }

    void SetUnitType(std::string_view value) { Set(&TUnit::unitType, value); }
    void SetUnitOwner(int value) { Set(&TUnit::unitOwner, value); }
    void SetLevel(int value) { Set(&TUnit::level, value); }
    void SetExperience(int value) { Set(&TUnit::experience, value); }
    void SetPromotionTypes(const StringList& value) { promotionTypes = value; }
    void SetUnitAIType(std::string_view value) { Set(&TUnit::unitAIType, value); }
    void SetScriptData(std::string_view value) { Set(&TUnit::scriptData, value); }

private:
    friend class TFieldRecord<TUnit>;
    struct TFields;

    std::string unitType;
    int unitOwner, level, experience;
    StringList promotionTypes;
    std::string unitAIType;
    std::string scriptData;
};

// Made in Unit.cpp, where the table is.
extern template class TFieldRecord<TUnit>;

// The units of one plot, in file order. Every plot owns one list; the list owns its units.
class TUnitList {
public:
    TUnit& Add();
    void Delete(int index);
    int Count() const { return static_cast<int>(units.size()); }
    TUnit* GetUnit(int index) const;
    void Clear() { units.clear(); }
    const StringList& SaveToStrings();
    void Write(TTextWriter& out) const;

private:
    std::vector<std::unique_ptr<TUnit>> units;
    TScratchList lines;
};
