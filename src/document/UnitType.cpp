#include "UnitType.h"

namespace {

const TKeyTable UnitKeys(TUnitType::Keys);

} // namespace

void TUnitType::Clear() {
    unitType = "UNIT_SETTLER";
    unitOwner = 0;
    level = 1;
    experience = 0;
    promotionTypes.clear();
    unitAIType = "UNITAI_SETTLE";
    scriptData.clear();
    kept.Clear();
}

void TUnitType::SetUnitType(std::string_view value) {
    AssignUpperCase(unitType, value);
}
void TUnitType::SetUnitAIType(std::string_view value) {
    AssignUpperCase(unitAIType, value);
}
void TUnitType::SetScriptData(std::string_view value) {
    AssignUpperCase(scriptData, value);
}

void TUnitType::LoadFromStrings(const StringList& lines) {
    const auto views = ViewLines(lines);
    Read(TLineSpan(views), true);
}

void TUnitType::Read(TLineSpan lines, bool fromFile) {
    if (fromFile)
        kept.Clear();
    std::string scratch;
    TKeyTable::TMatch match;
    for (std::string_view line : lines) {
        const TLineItems items(line);
        UnitKeys.Match(items, match);
        const bool known = match.found != 0;
        match.ForEach(UnitKeys, scratch, [&](std::size_t k, std::string_view value) {
            switch (k) {
            case 0:
                SetUnitType(value);
                break;
            case 1:
                unitOwner = ValueToInt(value, 0);
                break;
            case 2:
                level = ValueToInt(value, 0);
                break;
            case 3:
                experience = ValueToInt(value, 0);
                break;
            case 4:
                promotionTypes.push_back(UpperCase(value));
                break;
            case 5:
                SetUnitAIType(value);
                break;
            case 6:
                SetScriptData(value);
                break;
            }
        });
        if (fromFile && !known)
            kept.Offer(line);
    }
}

const StringList& TUnitType::SaveToStrings() {
    StringList& lines = sectionLines.Get();
    lines.clear();
    TTextWriter out(lines);
    Write(out);
    return lines;
}

void TUnitType::Write(TTextWriter& out) const {
    out.Line("\tBeginUnit");
    (out << "\t\tUnitType=" << unitType << ", UnitOwner=" << unitOwner).EndLine();
    (out << "\t\tLevel=" << level << ", Experience=" << experience).EndLine();
    for (const std::string& promotion : promotionTypes)
        (out << "\t\tPromotionType=" << promotion).EndLine();
    (out << "\t\tUnitAIType=" << unitAIType).EndLine();
    if (!scriptData.empty())
        (out << "\t\tScriptData=" << scriptData).EndLine();
    kept.WriteTo(out, "\t\t");
    out.Line("\tEndUnit");
}

std::string TUnitType::DisplayName() const {
    return DeleteAllText(unitType, "Unit_");
}

const StringList& TUnitType::GetEditorLines() {
    StringList& rows = editorLines.Get();
    rows.clear();
    rows.push_back("UnitType=" + unitType);
    rows.push_back("UnitOwner=" + IntToText(unitOwner));
    rows.push_back("Level=" + IntToText(level));
    rows.push_back("Experience=" + IntToText(experience));
    rows.push_back("PromotionType=" + ListToCommaText(promotionTypes));
    rows.push_back("UnitAIType=" + unitAIType);
    rows.push_back("ScriptData=" + scriptData);
    return rows;
}

void TUnitType::ApplyEditorLines(const StringList& rows) {
    StringList& remaining = editorLines.Get();
    remaining = rows;
    ExtractListValue(remaining, "PromotionType=", promotionTypes);
    const auto views = ViewLines(remaining);
    Read(TLineSpan(views), false);
    remaining.clear();
}

TUnitType& TUnitTypes::Add() {
    units.push_back(std::make_unique<TUnitType>());
    return *units.back();
}

void TUnitTypes::Delete(int index) {
    if (index >= 0 && index < Count())
        units.erase(units.begin() + index);
}

TUnitType* TUnitTypes::GetUnit(int index) const {
    return (index >= 0 && index < Count()) ? units[static_cast<std::size_t>(index)].get() : nullptr;
}

const StringList& TUnitTypes::SaveToStrings() {
    StringList& result = lines.Get();
    result.clear();
    TTextWriter out(result);
    Write(out);
    return result;
}

void TUnitTypes::Write(TTextWriter& out) const {
    for (const auto& unit : units)
        unit->Write(out);
}
