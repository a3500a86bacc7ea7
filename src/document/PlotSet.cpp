#include "document/PlotSet.h"

#include <algorithm>

TPlotSet::TPlotSet(int width, int height) {
    if (width <= 0 || height <= 0)
        return;
    this->width = width;
    this->height = height;
    words.assign((static_cast<std::size_t>(width) * static_cast<std::size_t>(height) + 63) / 64, 0);
}

void TPlotSet::Toggle(int x, int y) {
    if (Contains(x, y))
        Erase(x, y);
    else
        Insert(x, y);
}

void TPlotSet::InsertRectangle(int x1, int y1, int x2, int y2) {
    const int left = std::max(0, std::min(x1, x2)), right = std::min(width - 1, std::max(x1, x2));
    const int bottom = std::max(0, std::min(y1, y2)), top = std::min(height - 1, std::max(y1, y2));
    for (int x = left; x <= right; ++x)
        for (int y = bottom; y <= top; ++y)
            Insert(x, y);
}

void TPlotSet::Unite(const TPlotSet& other) {
    if (other.width != width || other.height != height)
        return;
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] |= other.words[i];
}

void TPlotSet::Subtract(const TPlotSet& other) {
    if (other.width != width || other.height != height)
        return;
    for (std::size_t i = 0; i < words.size(); ++i)
        words[i] &= ~other.words[i];
}

void TPlotSet::Clear() {
    std::fill(words.begin(), words.end(), 0);
}

bool TPlotSet::Empty() const {
    return std::all_of(words.begin(), words.end(), [](std::uint64_t word) { return word == 0; });
}

std::size_t TPlotSet::Count() const {
    std::size_t count = 0;
    for (std::uint64_t word : words)
        count += static_cast<std::size_t>(__builtin_popcountll(word));
    return count;
}
