#pragma once

// What `tessel --check` and `tessel --validate` do, for the benchmarks that time one against the
// other.

#include "catalogue/Catalogue.h"
#include "document/MapContents.h"

#include <string>

// Load the map and count what it holds.
inline std::string CheckCommand(const std::string& path) {
    TMap map;
    map.LoadFromFile(path);
    return TMapSummary::Of(map).ToText();
}

// Load the map and the rules of the game's layers, and check every value.
inline std::string ValidateCommand(const std::string& path, const TGameLayers& layers) {
    TMap map;
    map.LoadFromFile(path);
    TValueCatalogue catalogue;
    catalogue.SetLayers(layers);
    TMapValidator validator;
    validator.LoadRules(catalogue);
    TValidationCounts counts;
    std::string text;
    for (const TMapFinding& finding : validator.Check(map, &counts))
        text += finding.ToText() + "\n";
    return text + counts.SummaryText();
}
