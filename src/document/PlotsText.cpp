#include "document/PlotsText.h"

#include "document/FileText.h"
#include "document/Map.h"

#include <algorithm>

namespace {

constexpr std::string_view EmptyPlot = "EmptyPlot";

bool IsLine(std::string_view line, std::string_view word) {
    return SameText(TrimBlanks(line), word);
}

// The value of the line's item `key` ("x=") as a number; the reason names `what` when it is missing
// or no number.
int NumberItem(std::string_view line, std::string_view key, const std::string& what) {
    if (FindKeyItem(line, key).empty())
        throw OperationAborted(what + " has no " + std::string(key.substr(0, key.size() - 1)));
    const std::string value = ReadKeyValue(line, key);
    try {
        return ValueToInt(value, 0);
    } catch (const OperationAborted&) {
        throw OperationAborted(what + " has a " + std::string(key.substr(0, key.size() - 1)) +
                               " that is no number: " + value);
    }
}

std::string Joined(TLineSpan lines) {
    std::string text;
    for (std::string_view line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

} // namespace

std::string TPlotsText::Write(TPlotGrid& grids, int x1, int y1, int x2, int y2) {
    const int left = std::max(x1, 0), right = std::min(x2, grids.Width() - 1);
    const int bottom = std::max(y1, 0), top = std::min(y2, grids.Height() - 1);
    std::string text;
    {
        TTextWriter out(text);
        (out << Header << ",x=" << left << ",y=" << bottom << ",width=" << std::max(right - left + 1, 0)
             << ",height=" << std::max(top - bottom + 1, 0))
            .EndLine();
        for (int x = left; x <= right; ++x) {
            for (int y = bottom; y <= top; ++y) {
                const TPlot& plot = *grids.GetPlot(x, y);
                if (plot.IsWritten())
                    plot.Write(out);
                else
                    (out << EmptyPlot << ",x=" << x << ",y=" << y).EndLine();
            }
        }
    }
    return text;
}

TPlotsText TPlotsText::Read(std::string_view text) {
    const std::vector<std::string_view> lines = SplitLines(text);
    std::size_t i = 0;
    while (i < lines.size() && TrimBlanks(lines[i]).empty())
        ++i;
    if (i == lines.size() || !SameText(FindKeyItem(lines[i], ""), Header))
        throw OperationAborted("The text holds no plots of a map");
    const std::string_view header = lines[i++];
    TPlotsText plots;
    const int originX = NumberItem(header, "x=", "The plots' first line");
    const int originY = NumberItem(header, "y=", "The plots' first line");
    plots.width = NumberItem(header, "width=", "The plots' first line");
    plots.height = NumberItem(header, "height=", "The plots' first line");
    if (plots.width < 1 || plots.height < 1 || plots.width > TMap::MaxGridSide ||
        plots.height > TMap::MaxGridSide ||
        static_cast<long long>(plots.width) * plots.height > TMap::MaxGridPlots)
        throw OperationAborted("The plots' rectangle of " + std::to_string(plots.width) + " x " +
                               std::to_string(plots.height) + " is no size a map can hold");
    std::vector<bool> taken(static_cast<std::size_t>(plots.width) * static_cast<std::size_t>(plots.height));
    auto place = [&](int x, int y) {
        const std::string where = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
        const long long dx = static_cast<long long>(x) - originX, dy = static_cast<long long>(y) - originY;
        if (dx < 0 || dy < 0 || dx >= plots.width || dy >= plots.height)
            throw OperationAborted("The plot at " + where + " lies outside the plots' rectangle");
        const std::size_t index = static_cast<std::size_t>(dx) * static_cast<std::size_t>(plots.height) +
                                  static_cast<std::size_t>(dy);
        if (taken[index])
            throw OperationAborted("The plot at " + where + " is there twice");
        taken[index] = true;
        TBlock block;
        block.dx = static_cast<int>(dx);
        block.dy = static_cast<int>(dy);
        return block;
    };

    TPlot scratch;
    for (; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const std::string lineName = "Line " + std::to_string(i + 1);
        if (TrimBlanks(line).empty())
            continue;
        if (SameText(FindKeyItem(line, ""), EmptyPlot)) {
            plots.blocks.push_back(place(NumberItem(line, "x=", lineName), NumberItem(line, "y=", lineName)));
            continue;
        }
        if (!IsLine(line, "BeginPlot"))
            throw OperationAborted(lineName + " belongs to no plot: " + std::string(line.substr(0, 80)));
        const std::size_t begin = i;
        while (i < lines.size() && !IsLine(lines[i], "EndPlot"))
            ++i;
        if (i == lines.size())
            throw OperationAborted("The plot that begins on line " + std::to_string(begin + 1) +
                                   " has no end");
        const TLineSpan block(lines.data() + begin, i - begin + 1);
        const auto coordinates = std::find_if(block.begin(), block.end(), [](std::string_view blockLine) {
            return !FindKeyItem(blockLine, "x=").empty() && !FindKeyItem(blockLine, "y=").empty();
        });
        const std::string blockName = "The plot that begins on line " + std::to_string(begin + 1);
        if (coordinates == block.end())
            throw OperationAborted(blockName + " has no place (x=, y=)");
        TBlock entry =
            place(NumberItem(*coordinates, "x=", blockName), NumberItem(*coordinates, "y=", blockName));
        try {
            scratch.Clear();
            scratch.ReadPlaced(block, nullptr, true, 0, 0);
        } catch (const OperationAborted& error) {
            throw OperationAborted(blockName + " cannot be read: " + error.what());
        }
        entry.text = Joined(block);
        plots.blocks.push_back(std::move(entry));
    }
    return plots;
}

void TPlotsText::PasteInto(TPlotGrid& grids, int left, int bottom) const {
    for (const TBlock& block : blocks) {
        const long long x = static_cast<long long>(left) + block.dx,
                        y = static_cast<long long>(bottom) + block.dy;
        if (x < 0 || y < 0 || x >= grids.Width() || y >= grids.Height())
            continue;
        TPlot& plot = *grids.GetPlot(static_cast<int>(x), static_cast<int>(y));
        plot.Clear();
        if (block.text.empty()) {
            plot.SetX(static_cast<int>(x));
            plot.SetY(static_cast<int>(y));
            plot.SetPlotType(-1);
            continue;
        }
        const std::vector<std::string_view> blockLines = SplitLines(block.text);
        plot.ReadPlaced(TLineSpan(blockLines), nullptr, true, static_cast<int>(x), static_cast<int>(y));
    }
}
