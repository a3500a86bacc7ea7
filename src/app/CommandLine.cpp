#include "app/CommandLine.h"

#include "app/CommandSupport.h"

#include "app/BalanceCommand.h"
#include "app/ValidateCommand.h"

#include "app/RenderCommand.h"
#include "catalogue/Catalogue.h"
#include "document/MapContents.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

TCommandLine::TCommandLine()
    : gameDirOption("game-dir",
                    "The game's installation folder, which holds Assets/XML, or an expansion's or a mod's "
                    "folder in it.",
                    "DIR"),
      editionOption(
          "edition",
          "The edition whose rules count: base, warlords or bts (else the map's, from its extension).",
          "EDITION"),
      modOption("mod", "The mod in the edition's Mods folder whose rules count (else the map's ModPath).",
                "NAME"),
      checkOption("check", "Load FILE and print a summary of what it holds."),
      resaveOption("resave", "Load IN and save it to OUT in the editor's layout."),
      valuesOption("values", "Print the legal values of KEY (a map key such as TerrainType), one per line.",
                   "KEY"),
      balanceOption("balance", "Load FILE and print what the city radius of each start holds and yields."),
      validateOption("validate", "Check FILE against the game's rules: print every value the game does not "
                                 "define and every team or player number that names no slot."),

      renderOption("render", "Paint the map of FILE into the PNG picture OUT, every display option on."),
      zoomOption("zoom", "The side of a plot in the --render picture, 8 to 128 pixels (8 unless given).",
                 "Z"),
      graphicOption("graphic", "Paint the --render picture with the map's pictures, not its colours."),
      gridOption("grid", "Draw the grid's lines in the --render picture.") {
    parser.setApplicationDescription("Tessel, a map editor for Civilization IV WorldBuilder saves.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(gameDirOption);
    parser.addOption(editionOption);
    parser.addOption(modOption);
    parser.addOption(checkOption);
    parser.addOption(resaveOption);
    parser.addOption(valuesOption);
    parser.addOption(balanceOption);
    parser.addOption(validateOption);
    parser.addOption(renderOption);
    parser.addOption(zoomOption);
    parser.addOption(graphicOption);
    parser.addOption(gridOption);
    reshape.AddOptions(parser);
    parser.addPositionalArgument("FILE",
                                 "The map to open (.Civ4WorldBuilderSave, .CivWarlordsWBSave, "
                                 ".CivBeyondSwordWBSave).",
                                 "[FILE]");
}

bool TCommandLine::Parse(const QStringList& arguments) {
    QStringList options = arguments;
    if (const QString problem = reshape.TakeNumbers(options); !problem.isEmpty()) {
        PrintError(problem);
        exitCode = 1;
        return false;
    }
    if (!parser.parse(options)) {
        PrintError(parser.errorText());
        exitCode = 2;
        return false;
    }
    if (parser.isSet("help")) {
        std::printf("%s", parser.helpText().toLocal8Bit().constData());
        exitCode = 0;
        return false;
    }
    if (parser.isSet("version")) {
        std::printf("%s %s\n", QCoreApplication::applicationName().toLocal8Bit().constData(),
                    QCoreApplication::applicationVersion().toLocal8Bit().constData());
        exitCode = 0;
        return false;
    }
    if (const QString misuse = reshape.Misuse(parser); !misuse.isEmpty()) {
        PrintError(misuse);
        exitCode = 2;
        return false;
    }
    TEdition edition = TEdition::Base;
    if (parser.isSet(editionOption) && !ParseEdition(parser.value(editionOption).toStdString(), edition)) {
        PrintError(
            QString("Unknown edition \"%1\": give base, warlords or bts.").arg(parser.value(editionOption)));
        exitCode = 2;
        return false;
    }
    const int files = static_cast<int>(Files().size());
    if ((parser.isSet(checkOption) && files != 1) || (parser.isSet(validateOption) && files != 1) ||
        (parser.isSet(resaveOption) && files != 2) || (parser.isSet(renderOption) && files != 2) ||
        (parser.isSet(valuesOption) && files != 0) || (parser.isSet(balanceOption) && files != 1) ||
        (!IsHeadless() && files > 1)) {
        PrintError(
            "Usage: tessel --check FILE | tessel --resave IN OUT | tessel --values KEY [LAYERS] | "
            "tessel --validate FILE [LAYERS] | tessel --balance FILE [LAYERS] | "
            "tessel --render FILE OUT.png [--zoom Z] [--graphic] [--grid] | tessel --crop X1 Y1 X2 Y2 IN OUT "
            "| "
            "tessel --extend L R B T [--fill TERRAIN] IN OUT | tessel --shift DX DY IN OUT | "
            "tessel --flip x|y IN OUT | tessel --rotate 90|180|270 IN OUT | tessel [LAYERS] [FILE]; LAYERS: "
            "[--game-dir DIR] [--edition base|warlords|bts] [--mod NAME]");
        exitCode = 2;
        return false;
    }
    return true;
}

bool TCommandLine::IsHeadless() const {
    return parser.isSet(checkOption) || parser.isSet(resaveOption) || parser.isSet(valuesOption) ||
           parser.isSet(balanceOption) || parser.isSet(validateOption) || parser.isSet(renderOption) ||
           reshape.IsSet(parser);
}

int TCommandLine::RunHeadless() {
    if (parser.isSet(valuesOption))
        return Values(parser.value(valuesOption));
    if (parser.isSet(balanceOption))
        return RunBalance(Files().at(0), LayerOptions());
    if (parser.isSet(validateOption))
        return ValidateCommand(Files().at(0), LayerOptions());
    if (parser.isSet(checkOption))
        return Check(Files().at(0));
    if (parser.isSet(renderOption))
        return Render(Files().at(0), Files().at(1));
    if (reshape.IsSet(parser))
        return reshape.Run(parser, Files().at(0), Files().at(1));
    return Resave(Files().at(0), Files().at(1));
}

TLayerOptions TCommandLine::LayerOptions() const {
    const auto optional = [this](const QCommandLineOption& option) {
        return parser.isSet(option) ? std::optional<QString>(parser.value(option)) : std::nullopt;
    };
    return {optional(gameDirOption), optional(editionOption), optional(modOption)};
}

int TCommandLine::Check(const QString& file) {
    TMap map;
    if (!LoadForCommand(map, file))
        return 1;
    std::printf("%s\n", TMapSummary::Of(map).ToText().c_str());
    return 0;
}

int TCommandLine::Resave(const QString& in, const QString& out) {
    TMap map;
    try {
        map.LoadFromFile(LocalPath(in));
        map.SaveToFile(LocalPath(out));
    } catch (const TMapFileError& error) {
        ReportFileFailure(error, error.Kind() == TMapFailure::Save ? out : in);
        return 1;
    }
    return 0;
}

int TCommandLine::Render(const QString& in, const QString& out) {
    TRenderRequest request;
    request.out = out;
    request.graphic = parser.isSet(graphicOption);
    request.gridLines = parser.isSet(gridOption);
    if (parser.isSet(zoomOption)) {
        bool isNumber = false;
        request.zoom = parser.value(zoomOption).toInt(&isNumber);
        if (!isNumber || request.zoom < MinRenderZoom || request.zoom > MaxRenderZoom) {
            PrintError(QString("The zoom \"%1\" is not a whole number from %2 to %3.")
                           .arg(parser.value(zoomOption))
                           .arg(MinRenderZoom)
                           .arg(MaxRenderZoom));
            return 2;
        }
    }
    TMap map;
    if (!LoadForCommand(map, in))
        return 1;
    return RenderMap(map, request);
}

int TCommandLine::Values(const QString& key) {
    const std::string keyText = key.toStdString();
    if (!TValueCatalogue::IsCatalogueKey(keyText)) {
        PrintError(QString("Unknown key \"%1\": it has no list of values.").arg(key));
        return 1;
    }
    const std::optional<TGameLayers> layers =
        LayersForCommand(LayerOptions(), QString(), nullptr, QString("for \"%1\"").arg(key));
    if (!layers)
        return 1;
    TValueCatalogue catalogue;
    catalogue.SetLayers(*layers);
    StringList values;
    try {
        catalogue.GetValueList(keyText, values);
    } catch (const OperationAborted& error) {
        PrintError(QString("Cannot list the values of \"%1\": %2").arg(key, QFile::decodeName(error.what())));
        return 1;
    }
    // Which layers the list came from, beside it: standard output stays one value a line.
    if (const std::string source = catalogue.SourceOf(keyText);
        layers->Layers().size() > 1 && !source.empty())
        PrintError(QString("tessel: %1 from %2").arg(key, QString::fromUtf8(source.c_str())));
    // The catalogue's texts are Windows-1252, the map files' code page.
    for (const std::string& value : values)
        std::printf("%s\n", QString::fromUtf8(Windows1252ToUtf8(value).c_str()).toLocal8Bit().constData());
    return 0;
}
