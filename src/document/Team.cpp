#include "document/Team.h"

#include "document/FieldTable.h"

#include <algorithm>

// A slot not in use writes nothing. The contact with itself that taking the slot gave the team is
// written only when its file listed it or the editor set the contacts since: its own hooks.
struct TTeam::TFields : TFieldDefaults<TTeam> {
    static constexpr std::string_view Begin = BeginMarker, End = EndMarker;
    static constexpr bool (*Written)(const TTeam&) = [](const TTeam& team) { return team.InUse(); };
    static constexpr StringList TTeam::*Refused = &TTeam::ignoredRelations;
    static constexpr std::array List = {F::TypeList("Tech=", &TTeam::techs),
                                        F::Special("ContactWithTeam="),
                                        F::TeamSet("AtWar=", &TTeam::atWar),
                                        F::TeamSet("PermanentWarPeace=", &TTeam::permanentWarPeace),
                                        F::TeamSet("OpenBordersWithTeam=", &TTeam::openBordersWithTeam),
                                        F::TeamSet("DefensivePactWithTeam=", &TTeam::defensivePactWithTeam),
                                        F::TypeList("ProjectType=", &TTeam::projectTypes),
                                        F::Flag("RevealMap=", &TTeam::revealMap, false)};

    static bool ReadSpecial(TTeam& team, std::size_t key, std::string_view value, const TLineItems&,
                            bool fromFile) {
        const int other =
            ReadTeamIndex(List[key].key, value, fromFile, team.contactWithTeam, team.ignoredRelations);
        if (other == team.slotIndex)
            team.selfContactUnlisted = false;
        return true;
    }
    static void WriteSpecial(const TTeam& team, std::size_t, TTextWriter& out) {
        WriteTeamSet(out, "\tContactWithTeam=", team.contactWithTeam,
                     team.presence.FromFile() && team.selfContactUnlisted ? team.slotIndex : -1);
    }
    static void AddSpecialRows(const TTeam& team, std::size_t, StringList& rows) {
        rows.push_back("ContactWithTeam=" + FlagsToCommaText(team.contactWithTeam));
    }
    static void TakeSpecialRows(TTeam& team, std::size_t, StringList& rows) {
        if (ExtractFlagsValue(rows, "ContactWithTeam=", team.contactWithTeam))
            team.selfContactUnlisted = false;
    }
    static bool SpecialIsSet(const TTeam& team, std::size_t) {
        return std::any_of(team.contactWithTeam.begin(), team.contactWithTeam.end(),
                           [](bool entry) { return entry; });
    }
};

template class TFieldRecord<TTeam>;

void TTeam::Clear() {
    TFieldRecord::Clear();
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
    TFieldRecord::Read(lines, fromFile);
}

void TTeam::ReadSlot(int index, TLineSpan block, bool fromFile) {
    SetSlotIndex(index);
    Read(block, fromFile);
}

void TTeam::ApplyEditorLines(const StringList& rows) {
    if (!rows.empty() && slotIndex < 0)
        slotIndex = 0;
    TFieldRecord::ApplyEditorLines(rows);
}
