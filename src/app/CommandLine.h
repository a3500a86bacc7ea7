#pragma once

#include "app/CommandSupport.h"
#include "app/ReshapeCommands.h"

#include <QCommandLineParser>
#include <QString>

// The `tessel` command line: the options, and the headless commands that run without a window.
class TCommandLine {
public:
    TCommandLine();

    // Parses the arguments; prints help, version or a usage error and returns false when the
    // program should end at once (with ExitCode()).
    bool Parse(const QStringList& arguments);
    bool IsHeadless() const;
    int RunHeadless();
    int ExitCode() const { return exitCode; }

    QString GameDir() const { return parser.value(gameDirOption); }
    QStringList Files() const { return parser.positionalArguments(); }
    // --game-dir, --edition and --mod as given.
    TLayerOptions LayerOptions() const;

private:
    int Check(const QString& file);
    int Resave(const QString& in, const QString& out);
    int Values(const QString& key);
    int Render(const QString& in, const QString& out);

    QCommandLineParser parser;
    QCommandLineOption gameDirOption;
    QCommandLineOption editionOption;
    QCommandLineOption modOption;
    QCommandLineOption checkOption;
    QCommandLineOption resaveOption;
    QCommandLineOption valuesOption;
    QCommandLineOption balanceOption;
    QCommandLineOption validateOption;
    QCommandLineOption renderOption;
    QCommandLineOption zoomOption;
    QCommandLineOption graphicOption;
    QCommandLineOption gridOption;
    TReshapeCommands reshape;
    int exitCode = 0;
};
