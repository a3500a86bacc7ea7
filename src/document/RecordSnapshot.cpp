#include "document/RecordSnapshot.h"

#include "document/FileText.h"

#include <algorithm>

namespace {

template <typename TRecord> std::string TextOf(TRecord& record) {
    std::string bytes;
    {
        TTextWriter out(bytes);
        record.Write(out);
    }
    return bytes;
}

// The rows of a record that differ from those of a fresh one: what an unused slot holds although
// nothing of it is written.
template <typename TRecord> StringList RowsBeyondFresh(TRecord& record) {
    TRecord fresh;
    const StringList& freshRows = fresh.GetEditorLines();
    const StringList& held = record.GetEditorLines();
    StringList rows;
    for (std::size_t i = 0; i < held.size(); ++i)
        if (i >= freshRows.size() || held[i] != freshRows[i])
            rows.push_back(held[i]);
    return rows;
}

TRecordSnapshot::TPlotText TextOfPlot(TPlot& plot, int x, int y) {
    TRecordSnapshot::TPlotText entry;
    entry.x = x;
    entry.y = y;
    entry.text = TextOf(plot);
    if (entry.text.empty())
        entry.rows = RowsBeyondFresh(plot);
    return entry;
}

} // namespace

TRecordSnapshot TRecordSnapshot::OfGame(TMap& map) {
    TRecordSnapshot snapshot;
    snapshot.kind = TKind::Game;
    snapshot.text = TextOf(map.Game());
    return snapshot;
}

TRecordSnapshot TRecordSnapshot::OfTeam(TMap& map, int slot) {
    TRecordSnapshot snapshot;
    snapshot.kind = TKind::Team;
    snapshot.slot = slot;
    if (TTeam* team = map.Teams().GetTeam(slot))
        snapshot.text = TextOf(*team);
    return snapshot;
}

TRecordSnapshot TRecordSnapshot::OfPlayer(TMap& map, int slot) {
    TRecordSnapshot snapshot;
    snapshot.kind = TKind::Player;
    snapshot.slot = slot;
    if (TPlayer* player = map.Players().GetPlayer(slot)) {
        snapshot.text = TextOf(*player);
        if (snapshot.text.empty())
            snapshot.rows = RowsBeyondFresh(*player);
    }
    return snapshot;
}

TRecordSnapshot TRecordSnapshot::OfMapData(TMap& map) {
    TRecordSnapshot snapshot;
    snapshot.kind = TKind::MapData;
    snapshot.text = TextOf(map.MapData());
    return snapshot;
}

TRecordSnapshot TRecordSnapshot::OfPlots(TMap& map, int x1, int y1, int x2, int y2) {
    TRecordSnapshot snapshot;
    snapshot.kind = TKind::Plots;
    TPlotGrid& grids = map.Grids();
    const int left = std::max(x1, 0), right = std::min(x2, grids.Width() - 1);
    const int bottom = std::max(y1, 0), top = std::min(y2, grids.Height() - 1);
    for (int x = left; x <= right; ++x) {
        for (int y = bottom; y <= top; ++y) {
            snapshot.plots.push_back(TextOfPlot(*grids.GetPlot(x, y), x, y));
        }
    }
    return snapshot;
}

TRecordSnapshot TRecordSnapshot::OfPlotList(TMap& map, const std::vector<std::pair<int, int>>& places) {
    TRecordSnapshot snapshot;
    snapshot.kind = TKind::Plots;
    snapshot.plots.reserve(places.size());
    for (const auto& [x, y] : places)
        if (TPlot* plot = map.Grids().GetPlot(x, y))
            snapshot.plots.push_back(TextOfPlot(*plot, x, y));
    return snapshot;
}

TRecordSnapshot TRecordSnapshot::OfPlotTexts(std::vector<TPlotText> plots) {
    TRecordSnapshot snapshot;
    snapshot.kind = TKind::Plots;
    snapshot.plots = std::move(plots);
    return snapshot;
}

TRecordSnapshot TRecordSnapshot::OfDocument(TMap& map) {
    TRecordSnapshot snapshot;
    snapshot.kind = TKind::Document;
    snapshot.text = map.SaveToBytes();
    return snapshot;
}

TRecordSnapshot TRecordSnapshot::OfParts(std::vector<TRecordSnapshot> parts) {
    TRecordSnapshot snapshot;
    snapshot.kind = TKind::Parts;
    snapshot.parts = std::move(parts);
    return snapshot;
}

void TRecordSnapshot::Restore(TMap& map) const {
    if (kind == TKind::Parts) {
        for (const TRecordSnapshot& part : parts)
            part.Restore(map);
        return;
    }
    const std::vector<std::string_view> lines = SplitLines(text);
    const TLineSpan span(lines);
    switch (kind) {
    case TKind::Game:
        map.Game().Clear();
        map.Game().Read(span, true);
        break;
    case TKind::Team:
        map.Teams().RestoreSlot(slot, span);
        break;
    case TKind::Player:
        map.Players().RestoreSlot(slot, span);
        if (!rows.empty())
            map.Players().GetPlayer(slot)->ApplyEditorLines(rows);
        break;
    case TKind::MapData:
        map.MapData().Clear();
        map.MapData().Read(span, true);
        break;
    case TKind::Plots:
        for (const TPlotText& entry : plots) {
            TPlot* plot = map.Grids().GetPlot(entry.x, entry.y);
            if (plot == nullptr)
                continue;
            plot->Clear();
            const std::vector<std::string_view> plotLines = SplitLines(entry.text);
            plot->ReadPlaced(TLineSpan(plotLines), nullptr, true, entry.x, entry.y);
            if (!entry.rows.empty())
                plot->ApplyEditorLines(entry.rows);
        }
        break;
    case TKind::Document:
        map.LoadFromBytes(text);
        break;
    case TKind::Parts:
        break;
    }
}

std::size_t TRecordSnapshot::ByteSize() const {
    std::size_t size = text.size();
    for (const TPlotText& entry : plots)
        size += entry.text.size() + sizeof(TPlotText);
    for (const TRecordSnapshot& part : parts)
        size += part.ByteSize();
    return size;
}
