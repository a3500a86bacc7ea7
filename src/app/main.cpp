// The entry of `tessel`: the command line, the headless commands, or the editor's windows.

#include "app/CommandLine.h"
#include "app/CommandSupport.h"
#include "support/AppResources.h"
#include "ui/mainwindow/ShowEditor.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

void SetNames() {
    QCoreApplication::setOrganizationName("Tessel");
    QCoreApplication::setApplicationName("tessel");
    QCoreApplication::setApplicationVersion(TESSEL_VERSION);
}

// Runs the editor: its windows, and the map named on the command line opened as "Open" would.
// --edition and --mod run the map opened here with those layers, as the status bar's menu does.
int RunEditor(int argc, char* argv[], const QString& gameDir, const QStringList& files,
              const TLayerOptions& layerOptions) {
    QApplication app(argc, argv);
    SetNames();
    // The desktop matches the windows to the installed entry, and every window carries the icon.
    QGuiApplication::setDesktopFileName("tessel");
    QApplication::setWindowIcon(TAppResources().WindowIcon());
    const QString file = files.isEmpty() ? QString() : QFileInfo(files.constFirst()).absoluteFilePath();
    const std::unique_ptr<QWidget> window = ShowEditor(
        gameDir, file, [&layerOptions](const TLayerChoice& mapChoice) -> std::optional<TLayerChoice> {
            if (!layerOptions.ChoosesLayers())
                return std::nullopt;
            return layerOptions.Over(mapChoice);
        });
    return app.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    QString gameDir;
    QStringList files;
    TLayerOptions layerOptions;
    {
        // The command line is read before any window system is asked for, so that the headless
        // commands run where there is no display.
        QCoreApplication app(argc, argv);
        SetNames();
        TCommandLine commandLine;
        if (!commandLine.Parse(QCoreApplication::arguments()))
            return commandLine.ExitCode();
        if (commandLine.IsHeadless())
            return commandLine.RunHeadless();
        gameDir = commandLine.GameDir();
        files = commandLine.Files();
        layerOptions = commandLine.LayerOptions();
    }
    return RunEditor(argc, argv, gameDir, files, layerOptions);
}
