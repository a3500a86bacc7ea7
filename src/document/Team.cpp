#include "Team.h"

#include "FieldTable.h"

#include <algorithm>

struct TTeam::TFields : TFieldDefaults<TTeam> {
    static constexpr StringList TTeam::*Refused = &TTeam::ignoredRelations;
    static constexpr std::array List = {F::TypeList("Tech=", &TTeam::techs),
                                        F::Special("ContactWithTeam="),
                                        F::TeamSet("AtWar=", &TTeam::atWar),
                                        F::TeamSet("PermanentWarPeace=", &TTeam::permanentWarPeace),
                                        F::TeamSet("OpenBordersWithTeam=", &TTeam::openBordersWithTeam),
                                        F::TeamSet("DefensivePactWithTeam=", &TTeam::defensivePactWithTeam),
                                        F::TypeList("ProjectType=", &TTeam::projectTypes),
                                        F::Flag("RevealMap=", &TTeam::revealMap, false)};
};

template class TFieldRecord<TTeam>;

void TTeam::Clear() {
    ClearFields();
    ClearFlags(contactWithTeam);
    selfContactUnlisted = false;
}

void TTeam::SetSlotIndex(int index) {
    if (!IsValidTeamIndex(index) || index == slotIndex)
        return;
    slotIndex = index;
    SetFlagSafe(contactWithTeam, index, true);
}

void TTeam::Read(TLineSpan lines, bool fromFile) {
    if (fromFile && !presence.FromFile())
        selfContactUnlisted = true;
    ReadFields(lines, fromFile);
}

void TTeam::ReadSlot(int index, TLineSpan block, bool fromFile) {
    SetSlotIndex(index);
    Read(block, fromFile);
}

bool TTeam::ReadSpecial(std::size_t key, std::string_view value, const TLineItems&, bool fromFile) {
    const int other =
        ReadTeamIndex(TFields::List[key].key, value, fromFile, contactWithTeam, ignoredRelations);
    if (other == slotIndex)
        selfContactUnlisted = false;
    return true;
}

void TTeam::WriteSpecial(std::size_t, TTextWriter& out) const {
    WriteTeamSet(out, "\tContactWithTeam=", contactWithTeam,
                 presence.FromFile() && selfContactUnlisted ? slotIndex : -1);
}

void TTeam::AddSpecialRows(std::size_t, StringList& rows) const {
    rows.push_back("ContactWithTeam=" + FlagsToCommaText(contactWithTeam));
}

void TTeam::TakeSpecialRows(std::size_t, StringList& rows) {
    if (ExtractFlagsValue(rows, "ContactWithTeam=", contactWithTeam))
        selfContactUnlisted = false;
}

bool TTeam::SpecialIsSet(std::size_t) const {
    return std::any_of(contactWithTeam.begin(), contactWithTeam.end(), [](bool entry) { return entry; });
}

void TTeam::Write(TTextWriter& out) const {
    if (slotIndex < 0)
        return;
    out.Line("BeginTeam");
    WriteFields(out);
    kept.WriteTo(out, "\t");
    out.Line("EndTeam");
}

void TTeam::ApplyEditorLines(const StringList& rows) {
    if (!rows.empty() && slotIndex < 0)
        slotIndex = 0;
    TFieldRecord::ApplyEditorLines(rows);
}
