#pragma once

#include "document/MapTurn.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <vector>

// The commands that change a map's extent, each followed by IN OUT:
//   --crop X1 Y1 X2 Y2, --extend L R B T [--fill TERRAIN], --shift DX DY, --flip x|y,
//   --rotate 90|180|270.
// Owned by the command line, which hands them the parser.
class TReshapeCommands {
public:
    TReshapeCommands();

    void AddOptions(QCommandLineParser& parser) const;
    // Takes the numbers that follow a command's option out of the arguments before they are parsed,
    // as a negative one would read as an option. Returns what is wrong with them, or "".
    QString TakeNumbers(QStringList& arguments);
    bool IsSet(const QCommandLineParser& parser) const;
    // What is wrong with the way the commands were given, or "".
    QString Misuse(const QCommandLineParser& parser) const;
    // Loads IN, changes it and saves it to OUT; OUT is untouched unless all went well.
    int Run(const QCommandLineParser& parser, const QString& in, const QString& out) const;

private:
    // Reads the turn that --flip or --rotate names; false for a value they do not take.
    bool ReadTurn(const QCommandLineParser& parser, TMapTurn::TKind& turn) const;

    QCommandLineOption cropOption, extendOption, shiftOption, flipOption, rotateOption, fillOption;
    std::vector<int> numbers;
};
