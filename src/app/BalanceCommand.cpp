#include "BalanceCommand.h"

#include "BalanceReport.h"
#include "GameFolder.h"
#include "Map.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace {

void PrintError(const QString& text) {
    std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

QString FromLocal(const std::string& text) {
    return QString::fromLocal8Bit(text.c_str());
}

// The map, or a message and false.
bool LoadMap(const QString& file, TMap& map) {
    std::string reason;
    try {
        map.LoadFromFile(QFile::encodeName(file).toStdString());
    } catch (const OperationAborted& abort) {
        reason = abort.what();
    }
    if (map.ErrorText().empty())
        return true;
    QString message = QString("Cannot read the map \"%1\": %2").arg(file, FromLocal(map.ErrorText()));
    if (!reason.empty() && reason != map.ErrorText())
        message += " (" + FromLocal(reason) + ")";
    PrintError(message);
    return false;
}

// The yield rules of the named game folder or of the one the search finds, or a message and false.
bool LoadRules(const std::optional<QString>& named, TYieldRules& rules) {
    const std::string gameDir = named ? QFile::encodeName(*named).toStdString()
                                      : FindGameFolder(TGameSearchPlaces::FromEnvironment());
    if (gameDir.empty()) {
        PrintError("No game folder for the yield rules: none was found; name one with --game-dir DIR.");
        return false;
    }
    if (!QFileInfo(QFile::decodeName(gameDir.c_str())).isDir()) {
        PrintError(QString("The game folder \"%1\" does not exist.").arg(QFile::decodeName(gameDir.c_str())));
        return false;
    }
    try {
        rules.LoadFromGameDir(gameDir);
    } catch (const OperationAborted& error) {
        PrintError("Cannot read the game's yield rules: " + QFile::decodeName(error.what()));
        return false;
    }
    return true;
}

} // namespace

int RunBalance(const QString& file, const std::optional<QString>& gameDir) {
    TMap map;
    TYieldRules rules;
    if (!LoadMap(file, map) || !LoadRules(gameDir, rules))
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
