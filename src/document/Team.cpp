#include "Team.h"

#include <algorithm>

namespace {

const TKeyTable TeamKeys(TTeam::Keys);

enum TeamKey {
    KeyTech,
    KeyContact,
    KeyAtWar,
    KeyPermanent,
    KeyOpenBorders,
    KeyDefensivePact,
    KeyProject,
    KeyReveal
};

constexpr std::uint32_t SingleFields = 1u << KeyReveal;

} // namespace

void TTeam::Clear() {
    techs.clear();
    projectTypes.clear();
    ClearFlags(atWar);
    ClearFlags(contactWithTeam);
    ClearFlags(defensivePactWithTeam);
    ClearFlags(openBordersWithTeam);
    ClearFlags(permanentWarPeace);
    revealMap = false;
    kept.Clear();
    ignoredRelations.clear();
    presence.Reset();
    selfContactUnlisted = false;
}

void TTeam::SetSlotIndex(int index) {
    if (!IsValidTeamIndex(index) || index == slotIndex)
        return;
    slotIndex = index;
    SetFlagSafe(contactWithTeam, index, true);
}

FlagSet& TTeam::RelationSet(std::size_t key) {
    return const_cast<FlagSet&>(static_cast<const TTeam*>(this)->RelationSet(key));
}

const FlagSet& TTeam::RelationSet(std::size_t key) const {
    switch (key) {
    case KeyContact:
        return contactWithTeam;
    case KeyAtWar:
        return atWar;
    case KeyPermanent:
        return permanentWarPeace;
    case KeyOpenBorders:
        return openBordersWithTeam;
    default:
        return defensivePactWithTeam;
    }
}

bool TTeam::IsSet(std::string_view key) const {
    const int k = KeyIndex(Keys, key);
    switch (k) {
    case -1:
        return false;
    case KeyTech:
        return !techs.empty();
    case KeyProject:
        return !projectTypes.empty();
    case KeyReveal:
        return presence.Has(KeyReveal);
    default: {
        const FlagSet& relation = RelationSet(static_cast<std::size_t>(k));
        return std::any_of(relation.begin(), relation.end(), [](bool entry) { return entry; });
    }
    }
}

int TTeam::UnsetFieldCount() const {
    return presence.CountAbsent(SingleFields);
}

void TTeam::LoadFromStrings(const StringList& lines) {
    const auto views = ViewLines(lines);
    Read(TLineSpan(views), true);
}

void TTeam::Read(TLineSpan lines, bool fromFile) {
    if (fromFile) {
        kept.Clear();
        ignoredRelations.clear();
        if (!presence.FromFile())
            selfContactUnlisted = true;
        presence.BeginFileRead();
    }
    std::string scratch;
    TKeyTable::TMatch match;
    for (std::string_view line : lines) {
        const TLineItems items(line);
        TeamKeys.Match(items, match);
        const bool known = match.found != 0;
        match.ForEach(TeamKeys, scratch, [&](std::size_t k, std::string_view value) {
            switch (k) {
            case KeyTech:
                techs.push_back(UpperCase(value));
                break;
            case KeyProject:
                projectTypes.push_back(UpperCase(value));
                break;
            case KeyReveal:
                if (!fromFile && value.empty()) {
                    revealMap = false;
                    presence.Unmark(k);
                    return;
                }
                revealMap = value == "1";
                break;
            default: {
                const int other = ValueToInt(value, -1);
                if (IsValidTeamIndex(other))
                    SetFlagSafe(RelationSet(k), other, true);
                else if (fromFile && !value.empty())
                    ignoredRelations.push_back(std::string(Keys[k]).append(value));
                if (k == KeyContact && other == slotIndex)
                    selfContactUnlisted = false;
                break;
            }
            }
            presence.Mark(k);
        });
        if (fromFile && !known)
            kept.Offer(line);
    }
}

const StringList& TTeam::SaveToStrings() {
    StringList& result = sectionLines.Get();
    result.clear();
    TTextWriter out(result);
    Write(out);
    return result;
}

namespace {

void WriteRelation(TTextWriter& out, std::string_view key, const FlagSet& flags, int leftOut = -1) {
    for (std::size_t i = 0; i < flags.size(); ++i)
        if (flags[i] && static_cast<int>(i) != leftOut)
            (out << '\t' << key << static_cast<int>(i)).EndLine();
}

} // namespace

void TTeam::Write(TTextWriter& out) const {
    if (slotIndex < 0)
        return;
    out.Line("BeginTeam");
    for (const std::string& tech : techs)
        (out << "\tTech=" << tech).EndLine();
    WriteRelation(out, "ContactWithTeam=", contactWithTeam,
                  presence.FromFile() && selfContactUnlisted ? slotIndex : -1);
    WriteRelation(out, "AtWar=", atWar);
    WriteRelation(out, "PermanentWarPeace=", permanentWarPeace);
    WriteRelation(out, "OpenBordersWithTeam=", openBordersWithTeam);
    WriteRelation(out, "DefensivePactWithTeam=", defensivePactWithTeam);
    for (const std::string& project : projectTypes)
        (out << "\tProjectType=" << project).EndLine();
    if (presence.Has(KeyReveal))
        (out << "\tRevealMap=" << FlagChar(revealMap)).EndLine();
    kept.WriteTo(out, "\t");
    out.Line("EndTeam");
}

const StringList& TTeam::GetEditorLines() {
    StringList& rows = editorLines.Get();
    rows.clear();
    rows.push_back("Tech=" + ListToCommaText(techs));
    rows.push_back("ContactWithTeam=" + FlagsToCommaText(contactWithTeam));
    rows.push_back("AtWar=" + FlagsToCommaText(atWar));
    rows.push_back("PermanentWarPeace=" + FlagsToCommaText(permanentWarPeace));
    rows.push_back("OpenBordersWithTeam=" + FlagsToCommaText(openBordersWithTeam));
    rows.push_back("DefensivePactWithTeam=" + FlagsToCommaText(defensivePactWithTeam));
    rows.push_back("ProjectType=" + ListToCommaText(projectTypes));
    rows.push_back(std::string("RevealMap=") + (presence.Has(KeyReveal) ? BoolToFlagText(revealMap) : ""));
    return rows;
}

void TTeam::ApplyEditorLines(const StringList& rows) {
    StringList& remaining = editorLines.Get();
    remaining = rows;
    if (!remaining.empty() && slotIndex < 0)
        slotIndex = 0;
    ExtractListValue(remaining, "Tech=", techs);
    for (std::size_t k = KeyContact; k <= KeyDefensivePact; ++k)
        if (ExtractFlagsValue(remaining, Keys[k], RelationSet(k)) && k == KeyContact)
            selfContactUnlisted = false;
    ExtractListValue(remaining, "ProjectType=", projectTypes);
    const auto views = ViewLines(remaining);
    Read(TLineSpan(views), false);
    remaining.clear();
}

void TTeamSlots::Clear() {
    items.clear();
    for (int i = 0; i < MaxTeams; ++i)
        items.push_back(std::make_unique<TTeam>());
    loadedCount = 0;
    extraBlocks.clear();
}

TTeam* TTeamSlots::GetTeam(int index) const {
    return IsValidTeamIndex(index) ? items[static_cast<std::size_t>(index)].get() : nullptr;
}

int TTeamSlots::InUseCount() const {
    int count = 0;
    for (const auto& team : items)
        count += team->InUse() ? 1 : 0;
    return count;
}

void TTeamSlots::LoadFromStrings(const StringList& source) {
    const auto views = ViewLines(source);
    Read(TLineSpan(views), true);
}

void TTeamSlots::Read(TLineSpan source, bool fromFile) {
    bool open = false;
    std::size_t blockStart = 0;
    for (std::size_t i = 0; i < source.size(); ++i) {
        const std::string_view line = source[i];
        if (HasMarker(line, "BeginTeam")) {
            open = true;
            blockStart = i;
        }
        if (HasMarker(line, "EndTeam") && open) {
            const TLineSpan block = source.Sub(blockStart, i - blockStart + 1);
            if (IsValidTeamIndex(loadedCount)) {
                TTeam& team = *items[static_cast<std::size_t>(loadedCount)];
                ++loadedCount;
                team.SetSlotIndex(loadedCount - 1);
                team.Read(block, fromFile);
            } else if (fromFile) {
                KeepWholeBlock(extraBlocks, block, "BeginTeam", "EndTeam");
            } else {
                return;
            }
            open = false;
        }
    }
}

const StringList& TTeamSlots::SaveToStrings() {
    StringList& result = lines.Get();
    result.clear();
    TTextWriter out(result);
    Write(out);
    return result;
}

void TTeamSlots::Write(TTextWriter& out) const {
    for (const auto& team : items)
        team->Write(out);
    for (const std::string& line : extraBlocks)
        out.Line(line);
}

void TTeamSlots::RestoreSlot(int index, TLineSpan block) {
    if (!IsValidTeamIndex(index))
        return;
    auto team = std::make_unique<TTeam>();
    if (!block.empty()) {
        team->SetSlotIndex(index);
        team->Read(block, true);
    }
    items[static_cast<std::size_t>(index)] = std::move(team);
}
