#pragma once

#include "RecordText.h"

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
class TTeam {
public:
    static constexpr std::array<std::string_view, 8> Keys = {"Tech=",
                                                             "ContactWithTeam=",
                                                             "AtWar=",
                                                             "PermanentWarPeace=",
                                                             "OpenBordersWithTeam=",
                                                             "DefensivePactWithTeam=",
                                                             "ProjectType=",
                                                             "RevealMap="};

    TTeam() = default;

    // Empties the fields; the slot stays in use or out of use as it was.
    void Clear();
    // Takes a team slot into use; it also gets contact with itself.
    void SetSlotIndex(int index);
    void LoadFromStrings(const StringList& lines);
    void Read(TLineSpan lines, bool fromFile);
    // The team's block, or nothing for a slot not in use.
    const StringList& SaveToStrings();
    void Write(TTextWriter& out) const;
    const StringList& GetEditorLines();
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
    const StringList& KeptLines() const { return kept.Lines(); }
    // The file's relations to a number that is no team slot ("AtWar=25"), as "key=value" items in
    // file order: reading passes over them, and a check of the map names them.
    const StringList& IgnoredRelations() const { return ignoredRelations; }
    // Whether the field of `key` (such as "RevealMap=") holds a value of its own and is written; a
    // list or relation key is set when it has entries.
    bool IsSet(std::string_view key) const;
    // How many of the fields that a record made here always writes the file left unset: the game
    // chooses what they hold. 0 for a record not read from a file.
    int UnsetFieldCount() const;

private:
    FlagSet& RelationSet(std::size_t key);
    const FlagSet& RelationSet(std::size_t key) const;

    FlagSet atWar{}, contactWithTeam{}, defensivePactWithTeam{};
    int slotIndex = -1;
    FlagSet openBordersWithTeam{}, permanentWarPeace{};
    StringList projectTypes;
    bool revealMap = false;
    StringList techs;
    StringList ignoredRelations;
    TFieldPresence presence;
    // The contact with itself that taking the slot gave the team, which its file did not list.
    bool selfContactUnlisted = false;
    TKeptLines kept;
    TScratchList sectionLines, editorLines;
};

// The 18 team slots; the k-th complete block of a file is slot k. Blocks beyond the 18th (maps of
// mods with more slots) are kept whole and written after the slots.
class TTeamSlots {
public:
    TTeamSlots() { Clear(); }

    void Clear();
    TTeam* GetTeam(int index) const;
    int LoadedCount() const { return loadedCount; }
    int InUseCount() const;
    void LoadFromStrings(const StringList& lines);
    void Read(TLineSpan lines, bool fromFile);
    // Puts slot `index` back as a load of its block leaves it: a fresh slot not in use for an empty
    // block. How an edit of the slot is undone.
    void RestoreSlot(int index, TLineSpan block);
    const StringList& SaveToStrings();
    void Write(TTextWriter& out) const;
    const StringList& ExtraBlocks() const { return extraBlocks; }

private:
    int loadedCount = 0;
    std::vector<std::unique_ptr<TTeam>> items;
    StringList extraBlocks;
    TScratchList lines;
};
