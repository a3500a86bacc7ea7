#include "document/PlotGrid.h"

#include <algorithm>
#include <optional>

void TPlotGrid::Clear() {
    plots.clear();
    plots.emplace_back();
    plots.back().SetX(0);
    plots.back().SetY(0);
    width = height = 1;
    trailing.clear();
}

void TPlotGrid::SetWidth(int newWidth) {
    if (newWidth < 0)
        throw OperationAborted("Negative map width " + IntToText(newWidth));
    if (newWidth == width)
        return;
    // Columns are stored one after another: the last columns go or come at the end.
    const std::size_t columnSize = static_cast<std::size_t>(height);
    if (newWidth < width) {
        plots.erase(plots.begin() + static_cast<std::ptrdiff_t>(newWidth * columnSize), plots.end());
    } else {
        plots.reserve(static_cast<std::size_t>(newWidth) * columnSize);
        for (int x = width; x < newWidth; ++x)
            for (int y = 0; y < height; ++y) {
                TPlot& plot = plots.emplace_back();
                plot.SetX(x);
                plot.SetY(y);
            }
    }
    width = newWidth;
}

void TPlotGrid::SetHeight(int newHeight) {
    if (newHeight < 0)
        throw OperationAborted("Negative map height " + IntToText(newHeight));
    if (newHeight == height)
        return;
    std::vector<TPlot> resized;
    resized.reserve(static_cast<std::size_t>(width) * static_cast<std::size_t>(newHeight));
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < newHeight; ++y) {
            if (y < height) {
                resized.push_back(std::move(plots[Index(x, y)]));
            } else {
                TPlot& plot = resized.emplace_back();
                plot.SetX(x);
                plot.SetY(y);
            }
        }
    plots = std::move(resized);
    height = newHeight;
}

void TPlotGrid::MovePlots(int newWidth, int newHeight, int dx, int dy, bool wrapX, bool wrapY) {
    if (newWidth < 0 || newHeight < 0)
        throw OperationAborted("Negative map size " + IntToText(newWidth) + " x " + IntToText(newHeight));
    // Wrapping needs the axis to keep its size, so that every plot lands on one place.
    wrapX = wrapX && newWidth == width && width > 0;
    wrapY = wrapY && newHeight == height && height > 0;
    if ((wrapX || dx == 0) && (wrapY || dy == 0) && newWidth == width && newHeight == height) {
        RotatePlots(dx, dy);
        return;
    }
    // A rectangle of the grid: each plot moves to an earlier place (or stays), so in place.
    if (!wrapX && !wrapY && dx <= 0 && dy <= 0 && static_cast<long long>(newWidth) - dx <= width &&
        static_cast<long long>(newHeight) - dy <= height) {
        KeepRectangle(-dx, -dy, newWidth, newHeight);
        return;
    }
    // The old place of the plot that lands on `to`, or -1 where none does.
    auto source = [](long long to, long long shift, int size, int oldSize, bool wrap) {
        long long from = to - shift;
        if (wrap)
            from = ((from % size) + size) % size;
        return from >= 0 && from < oldSize ? static_cast<int>(from) : -1;
    };
    std::vector<TPlot> moved;
    moved.reserve(static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight));
    for (int x = 0; x < newWidth; ++x) {
        const int fromX = source(x, dx, newWidth, width, wrapX);
        for (int y = 0; y < newHeight; ++y) {
            const int fromY = fromX < 0 ? -1 : source(y, dy, newHeight, height, wrapY);
            TPlot& plot =
                fromY < 0 ? moved.emplace_back() : moved.emplace_back(std::move(plots[Index(fromX, fromY)]));
            plot.SetX(x);
            plot.SetY(y);
        }
    }
    plots = std::move(moved);
    width = newWidth;
    height = newHeight;
}

void TPlotGrid::RearrangePlots(int newWidth, int newHeight, const TPlaceOf& placeOf) {
    const std::string refusal =
        "Cannot arrange plots as " + IntToText(newWidth) + " x " + IntToText(newHeight);
    if (newWidth < 0 || newHeight < 0 ||
        static_cast<std::size_t>(newWidth) * static_cast<std::size_t>(newHeight) != plots.size())
        throw OperationAborted(refusal + ": another count of plots.");
    // Where the plot of each place comes from, all found before any plot moves (Done: none yet).
    constexpr std::size_t Done = static_cast<std::size_t>(-1);
    std::vector<std::size_t> source(plots.size(), Done);
    for (int x = 0; x < width; ++x)
        for (int y = 0; y < height; ++y) {
            const auto [toX, toY] = placeOf(x, y);
            const std::size_t to = static_cast<std::size_t>(toX) * static_cast<std::size_t>(newHeight) +
                                   static_cast<std::size_t>(toY);
            if (toX < 0 || toY < 0 || toX >= newWidth || toY >= newHeight || source[to] != Done)
                throw OperationAborted(refusal + ": a place off the grid or taken twice.");
            source[to] = Index(x, y);
        }
    // In place, one cycle of the arrangement at a time, each plot moved once (Done: filled): a new
    // grid of a large map costs more in fresh memory than the moves themselves.
    for (std::size_t start = 0; start < plots.size(); ++start) {
        if (source[start] == Done || source[start] == start)
            continue;
        TPlot carried = std::move(plots[start]);
        std::size_t hole = start;
        while (source[hole] != start) {
            const std::size_t from = source[hole];
            plots[hole] = std::move(plots[from]);
            source[hole] = Done;
            hole = from;
        }
        plots[hole] = std::move(carried);
        source[hole] = Done;
    }
    width = newWidth;
    height = newHeight;
    NumberPlots();
}

void TPlotGrid::KeepRectangle(int left, int bottom, int newWidth, int newHeight) {
    auto to = plots.begin();
    for (int x = 0; x < newWidth; ++x) {
        const auto column = plots.begin() + static_cast<std::ptrdiff_t>(Index(left + x, bottom));
        // A plot moved onto itself would lose what it owns.
        to = column == to ? to + newHeight : std::move(column, column + newHeight, to);
    }
    plots.erase(to, plots.end());
    width = newWidth;
    height = newHeight;
    NumberPlots();
}

void TPlotGrid::NumberPlots() {
    const auto columnSize = static_cast<std::size_t>(height);
    for (std::size_t i = 0; i < plots.size(); ++i) {
        plots[i].SetX(static_cast<int>(i / columnSize));
        plots[i].SetY(static_cast<int>(i % columnSize));
    }
}

void TPlotGrid::RotatePlots(int dx, int dy) {
    if (plots.empty())
        return;
    // In place: a new grid of a large map costs more in fresh memory than the moves themselves.
    const auto shiftX = static_cast<std::size_t>(((static_cast<long long>(dx) % width) + width) % width);
    const auto shiftY = static_cast<std::size_t>(((static_cast<long long>(dy) % height) + height) % height);
    const auto columnSize = static_cast<std::size_t>(height);
    if (shiftX != 0)
        std::rotate(plots.begin(), plots.end() - static_cast<std::ptrdiff_t>(shiftX * columnSize),
                    plots.end());
    if (shiftY != 0)
        for (auto column = plots.begin(); column != plots.end();
             column += static_cast<std::ptrdiff_t>(columnSize))
            std::rotate(column, column + static_cast<std::ptrdiff_t>(columnSize - shiftY),
                        column + static_cast<std::ptrdiff_t>(columnSize));
    NumberPlots();
}

TPlot* TPlotGrid::GetPlot(int x, int y) {
    if (x < 0 || y < 0 || x >= width || y >= height)
        return nullptr;
    return &plots[Index(x, y)];
}

const TPlot* TPlotGrid::GetPlot(int x, int y) const {
    return const_cast<TPlotGrid*>(this)->GetPlot(x, y);
}

void TPlotGrid::LoadFromStrings(const StringList& source) {
    const auto views = ViewLines(source);
    Read(TLineSpan(views), true);
}

void TPlotGrid::Read(TLineSpan source, bool fromFile) {
    const TKeyTable& keys = TPlot::KeyTable();
    int pendingX = -1, pendingY = -1;
    bool inBlock = false;
    // Within a block, whether the line is inside a unit or city block, as the plot reads it.
    bool inUnit = false, inCity = false;
    std::size_t blockStart = 0;
    std::size_t afterLastBlock = 0;
    bool anyBlock = false;
    std::string scratch;
    // The open block's lines, parsed once: the plot reads them from here. The slots serve block after
    // block, so that a line of the same shape as its slot's line of the block before keeps that
    // parse (see TParsedLine::Assign). A block longer than the cache (a hostile file's) is parsed
    // again by its plot instead, so memory stays bounded.
    constexpr std::size_t MaxCachedLines = 4096;
    std::vector<TPlot::TParsedLine> block;
    std::size_t used = 0;
    bool cacheFull = false;
    std::optional<TPlot::TParsedLine> uncached;
    for (std::size_t i = 0; i < source.size(); ++i) {
        // Outside a block every line is parsed into the first slot, where a "BeginPlot" belongs.
        if (!inBlock) {
            used = 0;
            cacheFull = false;
        }
        TPlot::TParsedLine* parsed;
        if (used < MaxCachedLines) {
            if (used < block.size())
                block[used].Assign(source[i]);
            else
                block.emplace_back(source[i]);
            parsed = &block[used++];
        } else {
            cacheFull = true;
            if (uncached)
                uncached->Assign(source[i]);
            else
                uncached.emplace(source[i]);
            parsed = &*uncached;
        }
        const unsigned markers = parsed->items.Markers();
        if (markers & BeginPlotMarker) {
            if (parsed != &block[0]) {
                std::swap(*parsed, block[0]);
                parsed = &block[0];
            }
            used = 1;
            cacheFull = false;
            inBlock = true;
            blockStart = i;
            inUnit = inCity = false;
        }
        // Coordinates inside a unit or city are that unit's or city's lines, not the plot's.
        const bool plotLine = !inBlock || !(inUnit || inCity);
        if (inBlock) {
            inUnit = (inUnit || (markers & BeginUnitMarker)) && !(markers & EndUnitMarker);
            inCity = (inCity || (markers & BeginCityMarker)) && !(markers & EndCityMarker);
        }
        if ((markers & EndPlotMarker) && inBlock) {
            if (TPlot* plot = GetPlot(pendingX, pendingY)) {
                // The block's place is where the last coordinates before its end put it.
                plot->ReadPlaced(source.Sub(blockStart, i - blockStart + 1),
                                 cacheFull ? nullptr : block.data(), fromFile, pendingX, pendingY);
            }
            pendingX = pendingY = -1;
            inBlock = false;
            inUnit = inCity = false;
            anyBlock = true;
            afterLastBlock = i + 1;
        }
        const TKeyTable::TMatch& match = parsed->match;
        if (!plotLine)
            continue;
        if (match.Has(TPlot::XKey))
            pendingX = ValueToInt(match.Value(keys, TPlot::XKey, scratch), -1);
        if (match.Has(TPlot::YKey))
            pendingY = ValueToInt(match.Value(keys, TPlot::YKey, scratch), -1);
        // The plot is read at the block's end; its memory is fetched while the lines in between are parsed.
        if (match.found & ((1u << TPlot::XKey) | (1u << TPlot::YKey)))
            if (const TPlot* plot = GetPlot(pendingX, pendingY))
                for (std::size_t offset = 0; offset < sizeof(TPlot); offset += 64)
                    __builtin_prefetch(reinterpret_cast<const char*>(plot) + offset, 1);
    }
    trailing.clear();
    if (!fromFile)
        return;
    // Without a whole plot block (a map that writes no plot) everything after the plot info line is
    // the tail: the sign section, or the text the last load kept there.
    if (!anyBlock)
        afterLastBlock = !source.empty() && HasMarker(source[0], "### Plot Info ###") ? 1 : 0;
    const TLineSpan tail = source.Sub(afterLastBlock, source.size() - afterLastBlock);
    const bool hasText = std::any_of(tail.begin(), tail.end(),
                                     [](std::string_view line) { return !TrimBlanks(line).empty(); });
    if (hasText)
        trailing.assign(tail.begin(), tail.end());
}

const StringList& TPlotGrid::SaveToStrings() {
    return WriteLines(lines.Get(), [&](TTextWriter& out) { Write(out); });
}

void TPlotGrid::Write(TTextWriter& out) const {
    out.Line("");
    out.Line("### Plot Info ###");
    for (const TPlot& plot : plots)
        plot.Write(out);
    for (const std::string& line : trailing)
        out.Line(line);
}
