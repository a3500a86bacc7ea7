#include "edit/Recovery.h"

#include "document/MapContents.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QUuid>

namespace {

QString PathOf(const QString& id, const char* suffix) {
    return QDir(TRecovery::Folder()).filePath(id + suffix);
}

QString MapPath(const QString& id) {
    return PathOf(id, ".Civ4WorldBuilderSave");
}

QString NotePath(const QString& id) {
    return PathOf(id, ".ini");
}

QString LockPath(const QString& id) {
    return PathOf(id, ".lock");
}

void RemoveFiles(const QString& id) {
    QFile::remove(MapPath(id));
    QFile::remove(NotePath(id));
}

} // namespace

QString TRecovery::Folder() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)).filePath("recovery");
}

std::vector<TRecovery::TOrphan> TRecovery::Orphans() {
    std::vector<TOrphan> orphans;
    const QDir folder(Folder());
    for (const QString& note : folder.entryList({"*.ini"}, QDir::Files, QDir::Name)) {
        TOrphan orphan;
        orphan.id = note.chopped(4);
        orphan.mapFile = MapPath(orphan.id);
        if (!QFile::exists(orphan.mapFile))
            continue;
        // A lock that can be taken belongs to no running editor.
        QLockFile lock(LockPath(orphan.id));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        orphan.originalName = QSettings(folder.filePath(note), QSettings::IniFormat).value("map").toString();
        orphans.push_back(orphan);
    }
    return orphans;
}

TRecovery::TRecovery() = default;

TRecovery::~TRecovery() = default;

bool TRecovery::Lock(const QString& newId) {
    if (!QDir().mkpath(Folder()))
        return false;
    auto newLock = std::make_unique<QLockFile>(LockPath(newId));
    newLock->setStaleLockTime(0);
    if (!newLock->tryLock(0))
        return false;
    lock = std::move(newLock);
    id = newId;
    return true;
}

bool TRecovery::Write(TMap& map, const QString& originalName) {
    if (id.isEmpty() && !Lock(QUuid::createUuid().toString(QUuid::WithoutBraces)))
        return false;
    try {
        map.SaveToFile(QFile::encodeName(MapPath(id)).toStdString());
    } catch (const OperationAborted&) {
        return false;
    }
    QSettings note(NotePath(id), QSettings::IniFormat);
    note.setValue("map", originalName);
    note.sync();
    return note.status() == QSettings::NoError;
}

void TRecovery::Remove() {
    if (id.isEmpty())
        return;
    RemoveFiles(id);
    lock.reset();
    id.clear();
}

bool TRecovery::Adopt(const TOrphan& orphan) {
    Remove();
    return Lock(orphan.id);
}

void TRecovery::Discard(const TOrphan& orphan) {
    RemoveFiles(orphan.id);
    QFile::remove(LockPath(orphan.id));
}

QString TRecovery::SetAside(const TOrphan& orphan) {
    // Orphans are found by their notes.
    QFile::remove(NotePath(orphan.id));
    QFile::remove(LockPath(orphan.id));
    return orphan.mapFile;
}
