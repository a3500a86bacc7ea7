// The entry of `tessel`: the command line, the headless commands, or the editor's windows.

#include "CommandLine.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("tessel");
    QCoreApplication::setApplicationVersion(TESSEL_VERSION);

    TCommandLine commandLine;
    if (!commandLine.Parse(QCoreApplication::arguments()))
        return commandLine.ExitCode();
    if (commandLine.IsHeadless())
        return commandLine.RunHeadless();
    std::fprintf(stderr,
                 "tessel: the editor's windows are not part of this build yet; use --check or --resave.\n");
    return 2;
}
