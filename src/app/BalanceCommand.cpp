#include "app/BalanceCommand.h"

#include "app/CommandSupport.h"
#include "document/Map.h"
#include "rules/BalanceReport.h"

#include <cstdio>

namespace {

// The yield rules of the map's layers, or a message and false.
bool LoadRules(const QString& file, const TMap& map, const TLayerOptions& options, TYieldRules& rules) {
    const std::optional<TGameLayers> layers = LayersForCommand(options, file, &map, "for the yield rules");
    if (!layers)
        return false;
    return ReadGameRules("yield rules", [&] { rules.LoadFromLayers(*layers); });
}

} // namespace

int RunBalance(const QString& file, const TLayerOptions& layers) {
    TMap map;
    TYieldRules rules;
    if (!LoadForCommand(map, file) || !LoadRules(file, map, layers, rules))
        return 1;
    const TBalanceReport report = TBalanceReport::Of(map, rules);
    const std::string text = report.ToText();
    std::fwrite(text.data(), 1, text.size(), stdout);
    if (!report.UnknownTypes().empty()) {
        std::string names;
        for (const std::string& type : report.UnknownTypes())
            names += (names.empty() ? "" : ", ") + type;
        PrintError("tessel: the game's rules do not know " + FromLocal(names) + "; they yield nothing here.");
    }
    return 0;
}
