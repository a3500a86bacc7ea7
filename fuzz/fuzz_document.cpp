// Any bytes as a map file: the load either refuses them with OperationAborted or takes them, and a
// map it took must save to a file that loads again and saves to the very same lines, but for the
// two things a file cannot hold (see MakeAsSaved).

#include "document/FileText.h"
#include "document/LineCodec.h"
#include "document/Map.h"
#include "document/Plot.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Big enough for every map shape the format has, small enough that a huge declared grid fails
// fast instead of allocating gigabytes.
constexpr long long FuzzMaxPlots = 65536;

StringList LinesOf(std::string_view text) {
    StringList lines;
    for (std::string_view line : SplitLines(text))
        lines.emplace_back(line);
    return lines;
}

std::string JoinedAsFile(const StringList& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        bytes += line;
        bytes += "\r\n";
    }
    return bytes;
}

[[noreturn]] void Fail(const char* what, const std::string& detail) {
    std::fprintf(stderr, "fuzz_document: %s\n%s\n", what, detail.c_str());
    std::abort();
}

void CompareLines(const char* what, const StringList& first, const StringList& second) {
    const std::size_t common = std::min(first.size(), second.size());
    for (std::size_t i = 0; i < common; ++i)
        if (first[i] != second[i])
            Fail(what,
                 "line " + std::to_string(i + 1) + ":\n  first:  " + first[i] + "\n  second: " + second[i]);
    if (first.size() != second.size())
        Fail(what, "a different number of lines: " + std::to_string(first.size()) + " then " +
                       std::to_string(second.size()));
}

void Reload(TMap& map, const std::string& bytes) {
    try {
        map.LoadFromStrings(LinesOf(bytes));
    } catch (const OperationAborted& error) {
        Fail("the program's own output does not load again", error.what());
    }
}

// What the saved file says of a loaded map: a plot that is not written is absent from the file and
// so comes back as the default plot at its place, and a city whose owner was never set is written
// with "CityOwner=-1", at which its reading stops, so it comes back as a default city.
void MakeAsSaved(TMap& map) {
    TPlotGrid& grids = map.Grids();
    for (int x = 0; x < grids.Width(); ++x)
        for (int y = 0; y < grids.Height(); ++y) {
            TPlot& plot = *grids.GetPlot(x, y);
            if (!plot.IsWritten()) {
                plot = TPlot();
                plot.SetX(x);
                plot.SetY(y);
            } else if (plot.HasCity() && plot.City()->CityOwner() < 0) {
                plot.City()->Clear();
            }
        }
}

// The plot reader parses a line into the slot of a line it parsed before, keeping that parse when
// the two differ only in digits: the result must be the line's own parse, whatever came before.
void CheckReusedParse(std::string_view before, std::string_view line) {
    TPlot::TParsedLine reused(before);
    reused.Assign(line);
    const TPlot::TParsedLine fresh(line);
    const TLineItems &a = reused.items, &b = fresh.items;
    bool same = a.Line().data() == line.data() && a.Count() == b.Count() && a.Markers() == b.Markers();
    for (std::size_t i = 0; same && i < a.Count(); ++i)
        same = a.Item(i).data() == b.Item(i).data() && a.Item(i).size() == b.Item(i).size();
    const TKeyTable::TMatch &m = reused.match, &n = fresh.match;
    same = same && m.line.data() == line.data() && m.found == n.found && m.keyInValue == n.keyInValue;
    for (std::uint32_t rest = n.found; same && rest; rest &= rest - 1) {
        const int k = __builtin_ctz(rest);
        same = m.rests[k].offset == n.rests[k].offset && m.rests[k].size == n.rests[k].size;
    }
    if (!same)
        Fail("a reused parse differs from the line's own", std::string(before) + "\n" + std::string(line));
}

void CheckReusedParses(const std::vector<std::string_view>& lines) {
    const std::size_t count = std::min<std::size_t>(lines.size(), 256);
    std::vector<std::string> digitsChanged(count);
    for (std::size_t i = 0; i < count; ++i) {
        digitsChanged[i] = std::string(lines[i]);
        for (char& c : digitsChanged[i])
            if (IsDigit(c))
                c = static_cast<char>('0' + (c - '0' + 7) % 10);
        CheckReusedParse(lines[i], digitsChanged[i]);
        if (i > 0)
            CheckReusedParse(lines[i - 1], lines[i]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CheckReusedParses(SplitLines(text));

    TMap first(FuzzMaxPlots);
    try {
        first.LoadFromStrings(LinesOf(text));
    } catch (const OperationAborted&) {
        return 0; // refused with a reason (sections out of order among them): sound for foreign bytes
    }
    const StringList saved = first.SaveToStrings();
    const std::string bytes = first.SaveToBytes();
    // The file writer and the line writer are two paths through the same code; they must agree.
    if (bytes != JoinedAsFile(saved))
        Fail("SaveToBytes differs from the lines of SaveToStrings", "");

    TMap second(FuzzMaxPlots);
    Reload(second, bytes);
    const StringList savedAgain = second.SaveToStrings();
    MakeAsSaved(first);
    CompareLines("the reloaded map saves differently", first.SaveToStrings(), savedAgain);
    return 0;
}
