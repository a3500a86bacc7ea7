#include "render/DisplayOptions.h"

#include <algorithm>

const std::vector<TDisplayOptionGroup>& DisplayOptionTree() {
    static const std::vector<TDisplayOptionGroup> tree = {
        {"Terrain", {"Ocean", "Coast", "Grass", "Desert", "Plains", "Tundra", "Snow", "Other Terrains"}},
        {"Plot", {"Mountain", "Hill"}},
        {"Feature", {"Forest", "Jungle", "Ice", "Flood_Plains", "Oasis"}},
        {"Improvement", {"Goody_Hut"}},
        {"Bonus",
         {"Aluminum", "Banana", "Clam",   "Coal",  "Copper",  "Corn",  "Cow",   "Crab",    "Deer",
          "Drama",    "Dye",    "Fish",   "Fur",   "Gems",    "Gold",  "Horse", "Incense", "Iron",
          "Ivory",    "Marble", "Movies", "Music", "Oil",     "Pig",   "Rice",  "Sheep",   "Silk",
          "Silver",   "Spices", "Stone",  "Sugar", "Uranium", "Whale", "Wheat", "Wine",    "Other Bonus"}},
        {"City, Units", {"City", "Units"}},
        {"Route, River", {"Route", "River"}},
        {"TeamReveal", {}},
        {"Players", {"Starts"}},
    };
    return tree;
}

TDisplayOptions::TDisplayOptions(const TDisplayOptions& other)
    : names(other.names), upperNames(other.upperNames), revision(other.revision) {}

TDisplayOptions& TDisplayOptions::operator=(const TDisplayOptions& other) {
    if (this != &other) {
        names = other.names;
        upperNames = other.upperNames;
    }
    ++revision;
    return *this;
}

TDisplayOptions TDisplayOptions::AllOfTree() {
    TDisplayOptions options;
    for (const TDisplayOptionGroup& group : DisplayOptionTree()) {
        options.AddOption(group.name);
        for (const char* item : group.items)
            options.AddOption(item);
    }
    return options;
}

bool TDisplayOptions::IsOptionOn(std::string_view name) const {
    return upperNames.count(UpperCase(name)) != 0;
}

void TDisplayOptions::AddOption(std::string_view name) {
    if (!upperNames.insert(UpperCase(name)).second)
        return;
    names.emplace_back(name);
    ++revision;
}

void TDisplayOptions::RemoveOption(std::string_view name) {
    if (upperNames.erase(UpperCase(name)) == 0)
        return;
    names.erase(std::find_if(names.begin(), names.end(),
                             [&](const std::string& held) { return SameText(held, name); }));
    ++revision;
}

void TDisplayOptions::Clear() {
    names.clear();
    upperNames.clear();
    ++revision;
}
