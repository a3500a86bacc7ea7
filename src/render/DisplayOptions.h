#pragma once

// The names of the display options that are on: what the map grid paints. The display options
// window holds the one set of the running program and the cell painter reads it; `--render` and the
// benchmarks paint with the set every option of the window ticks.

#include "document/LineCodec.h"

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

// A group of the display options window and the items under it, named as the options they stand for.
struct TDisplayOptionGroup {
    const char* name;
    std::vector<const char*> items;
};

// The tree of the display options window, in display order.
const std::vector<TDisplayOptionGroup>& DisplayOptionTree();

class TDisplayOptions {
public:
    TDisplayOptions() = default;
    TDisplayOptions(const TDisplayOptions& other);
    // Taking another set's names counts as a change, so a painter reading this set sees it.
    TDisplayOptions& operator=(const TDisplayOptions& other);

    // Every group and item of the tree, the set a fresh window holds.
    static TDisplayOptions AllOfTree();

    // Whether the name is in the set; whole names, compared without regard to case.
    bool IsOptionOn(std::string_view name) const;
    // Adds the name unless it is already there.
    void AddOption(std::string_view name);
    // Removes the name, if it is there.
    void RemoveOption(std::string_view name);
    void Clear();

    // The names in the order they were added.
    const StringList& Names() const { return names; }
    // Grows with every change: a reader that caches answers compares it with the value it saw.
    unsigned Revision() const { return revision; }

private:
    StringList names;
    std::unordered_set<std::string> upperNames;
    unsigned revision = 0;
};
