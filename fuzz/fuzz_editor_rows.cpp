// Any "key=value" rows through the editor of one kind of record. The first byte picks the record
// and whether it first reads the rows as a block of a file; the rest is the rows, one a line.
// Applying rows either raises OperationAborted or leaves a record whose own rows can be applied
// again. One such round may still change a value, as the sheet trims what a file line keeps
// (a civic read from "Civic= X" keeps its blank; the sheet's "CIVICOPTION_LABOR= X" row does not),
// and it sets the fields the sheet shows with a value and makes absent those it shows empty (a
// file's "StateReligion=" among them); but after it the rows and the saved block must stay as they
// are: an unchanged sheet applied twice changes nothing.

#include "document/City.h"
#include "document/FileText.h"
#include "document/GameSection.h"
#include "document/LineCodec.h"
#include "document/MapSection.h"
#include "document/Player.h"
#include "document/Plot.h"
#include "document/Team.h"
#include "document/Unit.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

[[noreturn]] void Fail(const char* record, const char* what, const StringList& before,
                       const StringList& after) {
    std::fprintf(stderr, "fuzz_editor_rows: %s: %s\n", record, what);
    const std::size_t count = std::max(before.size(), after.size());
    for (std::size_t i = 0; i < count; ++i) {
        const char* a = i < before.size() ? before[i].c_str() : "(none)";
        const char* b = i < after.size() ? after[i].c_str() : "(none)";
        std::fprintf(stderr, "  %s %s | %s\n", std::string_view(a) == b ? " " : "*", a, b);
    }
    std::abort();
}

template <typename TRecord> void ApplyOwnRows(TRecord& record, const char* name) {
    const StringList shown = record.GetEditorLines();
    try {
        record.ApplyEditorLines(shown);
    } catch (const OperationAborted& error) {
        std::fprintf(stderr, "fuzz_editor_rows: %s: its own rows are refused: %s\n", name, error.what());
        std::abort();
    }
}

template <typename TRecord>
void Exercise(TRecord& record, const char* name, const StringList& rows, bool readAsBlockFirst) {
    try {
        if (readAsBlockFirst)
            record.LoadFromStrings(rows);
        record.ApplyEditorLines(rows);
    } catch (const OperationAborted&) {
        return;
    }
    ApplyOwnRows(record, name);
    const StringList shown = record.GetEditorLines();
    const StringList saved = record.SaveToStrings();
    ApplyOwnRows(record, name);
    const StringList shownAgain = record.GetEditorLines();
    if (shownAgain != shown)
        Fail(name, "applying its own rows twice changes the rows", shown, shownAgain);
    const StringList savedAgain = record.SaveToStrings();
    if (savedAgain != saved)
        Fail(name, "applying its own rows twice changes the saved block", saved, savedAgain);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const int kind = data[0] % 7;
    const bool readAsBlockFirst = (data[0] / 7) % 2 == 1;
    StringList rows;
    for (std::string_view line :
         SplitLines(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)))
        rows.emplace_back(line);

    switch (kind) {
    case 0: {
        TGameSection game;
        Exercise(game, "TGameSection", rows, readAsBlockFirst);
        break;
    }
    case 1: {
        TTeam team;
        team.SetSlotIndex(0);
        Exercise(team, "TTeam", rows, readAsBlockFirst);
        break;
    }
    case 2: {
        TPlayer player;
        player.SetTeam(0);
        Exercise(player, "TPlayer", rows, readAsBlockFirst);
        break;
    }
    case 3: {
        TMapSection mapData;
        Exercise(mapData, "TMapSection", rows, readAsBlockFirst);
        break;
    }
    case 4: {
        TPlot plot;
        Exercise(plot, "TPlot", rows, readAsBlockFirst);
        break;
    }
    case 5: {
        TUnit unit;
        Exercise(unit, "TUnit", rows, readAsBlockFirst);
        break;
    }
    default: {
        TCity city;
        Exercise(city, "TCity", rows, readAsBlockFirst);
        break;
    }
    }
    return 0;
}
