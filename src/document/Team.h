#pragma once

#include "document/FieldRecord.h"
#include "document/SlotList.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// One team slot ("BeginTeam" ... "EndTeam"): technologies, relations to the other teams as
// team-index sets, projects and whether the map is revealed. Owned by TTeamSlots.
// Read from a file, it writes only what the file set (see TFieldPresence): "RevealMap=" only when
// the file or the editor set it, and the team's contact with itself, which every team has, only
// when the file listed it or the editor set the contacts since. Editor rows: "RevealMap=" with a
// value sets it, even to "0", and with an empty value makes it absent again; a relation or list row
// replaces the whole set or list, and an empty one empties it.
class TTeam : public TListedRecord<TTeam> {
public:
    static constexpr std::string_view BeginMarker = "BeginTeam", EndMarker = "EndTeam";

    TTeam() { Clear(); }

    // Empties the fields; the slot stays in use or out of use as it was.
    void Clear();
    // Takes a team slot into use; it also gets contact with itself.
    void SetSlotIndex(int index);
    void Read(TLineSpan lines, bool fromFile);
    // Reads the block of slot `index`, which it takes into use.
    void ReadSlot(int index, TLineSpan block, bool fromFile);
    // A row for a slot not in use takes the first slot into use.
    void ApplyEditorLines(const StringList& rows);

    int SlotIndex() const { return slotIndex; }
    bool InUse() const { return slotIndex >= 0; }
    const StringList& Techs() const { return techs; }
    const FlagSet& ContactWithTeam() const { return contactWithTeam; }
    const FlagSet& AtWar() const { return atWar; }
    const FlagSet& PermanentWarPeace() const { return permanentWarPeace; }
    const FlagSet& OpenBordersWithTeam() const { return openBordersWithTeam; }
    const FlagSet& DefensivePactWithTeam() const { return defensivePactWithTeam; }
    const StringList& ProjectTypes() const { return projectTypes; }
    bool RevealMap() const { return revealMap; }
    // The file's relations to a number that is no team slot ("AtWar=25"), as "key=value" items in
    // file order: reading passes over them, and a check of the map names them.
    const StringList& IgnoredRelations() const { return ignoredRelations; }

private:
    friend class TFieldRecord<TTeam>;
    struct TFields;

    FlagSet atWar, contactWithTeam, defensivePactWithTeam;
    int slotIndex = -1;
    FlagSet openBordersWithTeam, permanentWarPeace;
    StringList projectTypes;
    bool revealMap;
    StringList techs;
    StringList ignoredRelations;
    // The contact with itself that taking the slot gave the team, which its file did not list.
    bool selfContactUnlisted;
};

// Made in Team.cpp, where the table is.
extern template class TFieldRecord<TTeam>;

// The 18 team slots.
class TTeamSlots : public TSlotList<TTeam, MaxTeams> {
public:
    TTeam* GetTeam(int index) const { return Slot(index); }
};
