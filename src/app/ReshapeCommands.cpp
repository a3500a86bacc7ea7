#include "app/ReshapeCommands.h"

#include "app/CommandSupport.h"
#include "document/MapContents.h"

#include <QFile>

#include <cstdio>

namespace {

struct TCommandShape {
    const char* name;
    const char* operands;
    int count;
};
constexpr TCommandShape Crop{"crop", "X1 Y1 X2 Y2", 4};
constexpr TCommandShape Extend{"extend", "L R B T", 4};
constexpr TCommandShape Shift{"shift", "DX DY", 2};

// The values --flip (an axis) and --rotate (degrees clockwise) take.
struct TTurnName {
    bool flip;
    const char* name;
    TMapTurn::TKind kind;
};
constexpr TTurnName TurnNames[] = {{true, "x", TMapTurn::FlipX},
                                   {true, "y", TMapTurn::FlipY},
                                   {false, "90", TMapTurn::Clockwise90},
                                   {false, "180", TMapTurn::Clockwise180},
                                   {false, "270", TMapTurn::Clockwise270}};

QString Text(const std::string& bytes) {
    return QString::fromLocal8Bit(bytes.c_str());
}

} // namespace

TReshapeCommands::TReshapeCommands()
    : cropOption(Crop.name,
                 "Keep the plots X1..X2, Y1..Y2 of IN (--crop X1 Y1 X2 Y2 IN OUT) and save them to OUT."),
      extendOption(Extend.name,
                   "Add L, R, B and T plots on the left, right, bottom and top of IN (--extend L R B "
                   "T IN OUT) and save it to OUT."),
      shiftOption(Shift.name,
                  "Move every plot of IN, a map that wraps, by DX and DY (--shift DX DY IN OUT) and "
                  "save it to OUT."),
      flipOption("flip",
                 "Mirror IN east-west (--flip x IN OUT) or north-south (--flip y IN OUT) and save it to OUT.",
                 "AXIS"),
      rotateOption("rotate",
                   "Turn IN clockwise by 90, 180 or 270 degrees (--rotate 90 IN OUT) and save it to OUT.",
                   "DEGREES"),
      fillOption("fill", "The terrain of the plots --extend adds (TERRAIN_OCEAN unless given).", "TERRAIN") {}

void TReshapeCommands::AddOptions(QCommandLineParser& parser) const {
    parser.addOption(cropOption);
    parser.addOption(extendOption);
    parser.addOption(shiftOption);
    parser.addOption(flipOption);
    parser.addOption(rotateOption);
    parser.addOption(fillOption);
}

QString TReshapeCommands::TakeNumbers(QStringList& arguments) {
    for (int i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--")
            return QString();
        for (const TCommandShape& shape : {Crop, Extend, Shift}) {
            if (arguments[i] != QString("--") + shape.name)
                continue;
            const QString usage = QString("--%1 takes %2 before IN OUT").arg(shape.name, shape.operands);
            if (i + shape.count >= arguments.size())
                return usage + ".";
            for (int k = 0; k < shape.count; ++k) {
                bool isNumber = false;
                numbers.push_back(arguments[i + 1 + k].toInt(&isNumber));
                if (!isNumber)
                    return QString("%1: \"%2\" is not a whole number.").arg(usage, arguments[i + 1 + k]);
            }
            arguments.erase(arguments.begin() + i + 1, arguments.begin() + i + 1 + shape.count);
            return QString();
        }
    }
    return QString();
}

bool TReshapeCommands::IsSet(const QCommandLineParser& parser) const {
    return parser.isSet(cropOption) || parser.isSet(extendOption) || parser.isSet(shiftOption) ||
           parser.isSet(flipOption) || parser.isSet(rotateOption);
}

bool TReshapeCommands::ReadTurn(const QCommandLineParser& parser, TMapTurn::TKind& turn) const {
    const bool flip = parser.isSet(flipOption);
    const QString value = parser.value(flip ? flipOption : rotateOption);
    for (const TTurnName& entry : TurnNames)
        if (entry.flip == flip && value == entry.name) {
            turn = entry.kind;
            return true;
        }
    return false;
}

QString TReshapeCommands::Misuse(const QCommandLineParser& parser) const {
    int commands = 0;
    for (const QCommandLineOption* option :
         {&cropOption, &extendOption, &shiftOption, &flipOption, &rotateOption})
        commands += parser.isSet(*option) ? 1 : 0;
    if (parser.isSet(fillOption) && !parser.isSet(extendOption))
        return "--fill goes with --extend only.";
    if (commands > 1)
        return "Give one of --crop, --extend, --shift, --flip and --rotate at a time.";
    if (commands == 1 && parser.positionalArguments().size() != 2)
        return "Usage: tessel --crop X1 Y1 X2 Y2 IN OUT | tessel --extend L R B T [--fill TERRAIN] IN OUT | "
               "tessel --shift DX DY IN OUT | tessel --flip x|y IN OUT | tessel --rotate 90|180|270 IN OUT";
    return QString();
}

int TReshapeCommands::Run(const QCommandLineParser& parser, const QString& in, const QString& out) const {
    const bool turns = parser.isSet(flipOption) || parser.isSet(rotateOption);
    TMapTurn::TKind turn = TMapTurn::FlipX;
    if (turns && !ReadTurn(parser, turn)) {
        PrintError(parser.isSet(flipOption)
                       ? QString("tessel: Cannot flip along \"%1\": give x (east-west) or y (north-south).")
                             .arg(parser.value(flipOption))
                       : QString("tessel: Cannot rotate by \"%1\": give 90, 180 or 270 (degrees clockwise).")
                             .arg(parser.value(rotateOption)));
        return 1;
    }
    TMap map;
    if (!LoadForCommand(map, in))
        return 1;

    TReshapeResult dropped;
    QString done;
    try {
        if (parser.isSet(cropOption)) {
            dropped = CropMap(map, numbers[0], numbers[1], numbers[2], numbers[3]);
            done = QString("Cropped to x %1..%2, y %3..%4")
                       .arg(numbers[0])
                       .arg(numbers[2])
                       .arg(numbers[1])
                       .arg(numbers[3]);
        } else if (parser.isSet(extendOption)) {
            const std::string fill = parser.isSet(fillOption)
                                         ? parser.value(fillOption).toLocal8Bit().toStdString()
                                         : std::string(DefaultFillTerrain);
            dropped = ExtendMap(map, numbers[0], numbers[1], numbers[2], numbers[3], fill);
            done = QString("Extended with %1").arg(Text(UpperCase(fill)));
        } else if (turns) {
            dropped = TurnMap(map, turn);
            done = parser.isSet(flipOption)
                       ? QString(turn == TMapTurn::FlipX ? "Flipped east-west" : "Flipped north-south")
                       : QString("Rotated by %1 degrees clockwise").arg(parser.value(rotateOption));
        } else {
            dropped = ShiftMap(map, numbers[0], numbers[1]);
            done = QString("Shifted by %1, %2").arg(numbers[0]).arg(numbers[1]);
        }
    } catch (const OperationAborted& refusal) {
        PrintError("tessel: " + Text(refusal.what()));
        return 1;
    }

    try {
        map.SaveToFile(QFile::encodeName(out).toStdString());
    } catch (const TMapFileError& error) {
        ReportFileFailure(error, out);
        return 1;
    }
    std::printf("%s: %d x %d plots. Dropped: units %d, cities %d, starts %d, signs %d, river edges %d.\n",
                done.toLocal8Bit().constData(), map.Grids().Width(), map.Grids().Height(), dropped.units,
                dropped.cities, dropped.starts, dropped.signs, dropped.riverEdges);
    return 0;
}
