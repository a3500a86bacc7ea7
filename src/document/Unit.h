#pragma once

#include "RecordText.h"

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
class TUnit {
public:
    static constexpr std::array<std::string_view, 7> Keys = {
        "UnitType=", "UnitOwner=", "Level=", "Experience=", "PromotionType=", "UnitAIType=", "ScriptData="};

    TUnit() = default;

    void Clear();
    void LoadFromStrings(const StringList& lines);
    void Read(TLineSpan lines, bool fromFile);
    const StringList& SaveToStrings();
    void Write(TTextWriter& out) const;
    const StringList& GetEditorLines();
    void ApplyEditorLines(const StringList& rows);
    // The unit type without its "UNIT_" prefix, as the units editor lists it.
    std::string DisplayName() const;

    const std::string& UnitType() const { return unitType; }
    int UnitOwner() const { return unitOwner; }
    int Level() const { return level; }
    int Experience() const { return experience; }
    const StringList& PromotionTypes() const { return promotionTypes; }
    const std::string& UnitAIType() const { return unitAIType; }
    const std::string& ScriptData() const { return scriptData; }
    const StringList& KeptLines() const { return kept.Lines(); }
    // Whether the field of `key` (such as "UnitAIType=") holds a value of its own and is written; the
    // promotion key is set when the unit has promotions.
    bool IsSet(std::string_view key) const;
    // How many of the fields that a record made here always writes the file left unset: the game
    // chooses what they hold. 0 for a record not read from a file.
    int UnsetFieldCount() const;

    void SetUnitType(std::string_view value);
    void SetUnitOwner(int value) { unitOwner = value; }
    void SetLevel(int value);
    void SetExperience(int value);
    void SetPromotionTypes(const StringList& value) { promotionTypes = value; }
    void SetUnitAIType(std::string_view value);
    void SetScriptData(std::string_view value);

private:
    void MakeAbsent(std::size_t key);

    std::string unitType = "UNIT_SETTLER";
    int unitOwner = 0, level = 1, experience = 0;
    StringList promotionTypes;
    std::string unitAIType = "UNITAI_SETTLE";
    std::string scriptData;
    TFieldPresence presence;
    TKeptLines kept;
    TScratchList sectionLines, editorLines;
};

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
