#include "Unit.h"

namespace {

const TKeyTable UnitKeys(TUnit::Keys);

enum UnitKey { KeyUnitType, KeyUnitOwner, KeyLevel, KeyExperience, KeyPromotion, KeyUnitAI, KeyScriptData };

// The fields a file may leave out; the unit's type and owner are always written.
constexpr std::uint32_t OptionalFields =
    (1u << KeyLevel) | (1u << KeyExperience) | (1u << KeyUnitAI) | (1u << KeyScriptData);

} // namespace

void TUnit::Clear() {
    unitType = "UNIT_SETTLER";
    unitOwner = 0;
    for (std::size_t k = 0; k < Keys.size(); ++k)
        if ((OptionalFields >> k) & 1u)
            MakeAbsent(k);
    promotionTypes.clear();
    kept.Clear();
    presence.Reset();
}

void TUnit::MakeAbsent(std::size_t key) {
    switch (key) {
    case KeyLevel:
        level = 1;
        break;
    case KeyExperience:
        experience = 0;
        break;
    case KeyUnitAI:
        unitAIType = "UNITAI_SETTLE";
        break;
    case KeyScriptData:
        scriptData.clear();
        break;
    }
    presence.Unmark(key);
}

bool TUnit::IsSet(std::string_view key) const {
    const int k = KeyIndex(Keys, key);
    if (k == KeyPromotion)
        return !promotionTypes.empty();
    return k >= 0 && presence.Has(static_cast<std::size_t>(k));
}

int TUnit::UnsetFieldCount() const {
    return presence.CountAbsent(OptionalFields & ~(1u << KeyScriptData));
}

void TUnit::SetUnitType(std::string_view value) {
    AssignUpperCase(unitType, value);
}
void TUnit::SetLevel(int value) {
    level = value;
    presence.Mark(KeyLevel);
}
void TUnit::SetExperience(int value) {
    experience = value;
    presence.Mark(KeyExperience);
}
void TUnit::SetUnitAIType(std::string_view value) {
    AssignUpperCase(unitAIType, value);
    presence.Mark(KeyUnitAI);
}
void TUnit::SetScriptData(std::string_view value) {
    scriptData.assign(value);
    presence.Mark(KeyScriptData);
}

void TUnit::LoadFromStrings(const StringList& lines) {
    const auto views = ViewLines(lines);
    Read(TLineSpan(views), true);
}

void TUnit::Read(TLineSpan lines, bool fromFile) {
    if (fromFile) {
        kept.Clear();
        presence.BeginFileRead();
    }
    std::string scratch;
    TKeyTable::TMatch match;
    for (std::string_view line : lines) {
        const TLineItems items(line);
        UnitKeys.Match(items, match);
        const bool known = match.found != 0;
        match.ForEach(UnitKeys, scratch, [&](std::size_t k, std::string_view value) {
            if (!fromFile && value.empty() && ((OptionalFields >> k) & 1u)) {
                MakeAbsent(k);
                return;
            }
            switch (k) {
            case KeyUnitType:
                SetUnitType(value);
                break;
            case KeyUnitOwner:
                unitOwner = ValueToInt(value, 0);
                break;
            case KeyLevel:
                SetLevel(ValueToInt(value, 0));
                break;
            case KeyExperience:
                SetExperience(ValueToInt(value, 0));
                break;
            case KeyPromotion:
                promotionTypes.push_back(UpperCase(value));
                break;
            case KeyUnitAI:
                SetUnitAIType(value);
                break;
            case KeyScriptData:
                SetScriptData(value);
                break;
            }
        });
        if (fromFile && !known)
            kept.Offer(line);
    }
}

const StringList& TUnit::SaveToStrings() {
    StringList& lines = sectionLines.Get();
    lines.clear();
    TTextWriter out(lines);
    Write(out);
    return lines;
}

void TUnit::Write(TTextWriter& out) const {
    out.Line("\tBeginUnit");
    (out << "\t\tUnitType=" << unitType << ", UnitOwner=" << unitOwner).EndLine();
    const bool writesLevel = presence.Has(KeyLevel), writesExperience = presence.Has(KeyExperience);
    if (writesLevel && writesExperience)
        (out << "\t\tLevel=" << level << ", Experience=" << experience).EndLine();
    else if (writesLevel)
        (out << "\t\tLevel=" << level).EndLine();
    else if (writesExperience)
        (out << "\t\tExperience=" << experience).EndLine();
    for (const std::string& promotion : promotionTypes)
        (out << "\t\tPromotionType=" << promotion).EndLine();
    if (presence.Has(KeyUnitAI))
        (out << "\t\tUnitAIType=" << unitAIType).EndLine();
    if (presence.Writes(KeyScriptData, !scriptData.empty()))
        (out << "\t\tScriptData=" << scriptData).EndLine();
    kept.WriteTo(out, "\t\t");
    out.Line("\tEndUnit");
}

std::string TUnit::DisplayName() const {
    return DeleteAllText(unitType, "Unit_");
}

const StringList& TUnit::GetEditorLines() {
    StringList& rows = editorLines.Get();
    rows.clear();
    auto single = [&](std::size_t k, const std::string& value) {
        rows.push_back(std::string(Keys[k]) + (presence.Has(k) ? value : std::string()));
    };
    rows.push_back("UnitType=" + unitType);
    rows.push_back("UnitOwner=" + IntToText(unitOwner));
    single(KeyLevel, IntToText(level));
    single(KeyExperience, IntToText(experience));
    rows.push_back("PromotionType=" + ListToCommaText(promotionTypes));
    single(KeyUnitAI, unitAIType);
    single(KeyScriptData, scriptData);
    return rows;
}

void TUnit::ApplyEditorLines(const StringList& rows) {
    StringList& remaining = editorLines.Get();
    remaining = rows;
    ExtractListValue(remaining, "PromotionType=", promotionTypes);
    const auto views = ViewLines(remaining);
    Read(TLineSpan(views), false);
    remaining.clear();
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
