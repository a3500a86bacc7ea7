#pragma once

// A set of plots of any shape on a grid of a given size: one bit for each plot. The editor's
// selection, and what the selecting functions (see MapSelections.h) give. A value.

#include <cstddef>
#include <cstdint>
#include <vector>

class TPlotSet {
public:
    TPlotSet() = default;
    // An empty set on a grid of `width` x `height` plots (none for a negative size).
    TPlotSet(int width, int height);

    int Width() const { return width; }
    int Height() const { return height; }
    bool OnGrid(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    // False for a place off the grid; a place off the grid is never added.
    bool Contains(int x, int y) const {
        return OnGrid(x, y) && ((words[Index(x, y) / 64] >> (Index(x, y) % 64)) & 1u);
    }
    void Insert(int x, int y) {
        if (OnGrid(x, y))
            words[Index(x, y) / 64] |= std::uint64_t{1} << (Index(x, y) % 64);
    }
    void Erase(int x, int y) {
        if (OnGrid(x, y))
            words[Index(x, y) / 64] &= ~(std::uint64_t{1} << (Index(x, y) % 64));
    }
    // Adds the plot when it is not in the set and takes it out when it is.
    void Toggle(int x, int y);
    // Adds the plots x1..x2, y1..y2 (inclusive, in either order) that lie on the grid.
    void InsertRectangle(int x1, int y1, int x2, int y2);
    // Adds (or takes out) the plots of a set of the same grid size; another size changes nothing.
    void Unite(const TPlotSet& other);
    void Subtract(const TPlotSet& other);
    void Clear();

    bool Empty() const;
    std::size_t Count() const;
    // Calls `visit(x, y)` for every plot of the set, column by column.
    template <typename Visit> void ForEach(Visit visit) const {
        for (std::size_t word = 0; word < words.size(); ++word)
            for (std::uint64_t bits = words[word]; bits != 0; bits &= bits - 1) {
                const std::size_t index = word * 64 + static_cast<std::size_t>(__builtin_ctzll(bits));
                visit(static_cast<int>(index / static_cast<std::size_t>(height)),
                      static_cast<int>(index % static_cast<std::size_t>(height)));
            }
    }

    bool operator==(const TPlotSet& other) const {
        return width == other.width && height == other.height && words == other.words;
    }
    bool operator!=(const TPlotSet& other) const { return !(*this == other); }

private:
    std::size_t Index(int x, int y) const {
        return static_cast<std::size_t>(x) * static_cast<std::size_t>(height) + static_cast<std::size_t>(y);
    }

    int width = 0, height = 0;
    std::vector<std::uint64_t> words;
};
