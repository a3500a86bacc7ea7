#include "app/ValidateCommand.h"

#include "app/CommandSupport.h"
#include "catalogue/Catalogue.h"
#include "document/MapContents.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

// The map's text is Windows-1252, the code page of its files.
void PrintLine(const std::string& text) {
    std::printf("%s\n", QString::fromUtf8(Windows1252ToUtf8(text).c_str()).toLocal8Bit().constData());
}

bool LoadRules(TMapValidator& validator, const QString& file, const TMap& map, const TLayerOptions& options) {
    const std::optional<TGameLayers> layers =
        LayersForCommand(options, file, &map, QString("to check \"%1\" against").arg(file));
    if (!layers)
        return false;
    TValueCatalogue catalogue;
    catalogue.SetLayers(*layers);
    return ReadGameRules("rules", [&] { validator.LoadRules(catalogue); });
}

} // namespace

int ValidateCommand(const QString& file, const TLayerOptions& layers) {
    TMap map;
    TMapValidator validator;
    if (!LoadForCommand(map, file) || !LoadRules(validator, file, map, layers))
        return 2;
    TValidationCounts counts;
    for (const TMapFinding& finding : validator.Check(map, &counts))
        PrintLine(finding.ToText());
    PrintLine(counts.SummaryText());
    return counts.Findings() > 0 ? 1 : 0;
}
