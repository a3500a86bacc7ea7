#pragma once

// Crash recovery: while a map has unsaved changes, a copy of it is written now and then to a file
// of the program's own data folder, beside a note of the map's name. A clean exit or a save removes
// them; after a crash, the next start finds them and offers to restore the changes. Each running
// editor holds a lock on its own recovery file, so that another editor started meanwhile never
// offers the copy of a map that is still open.

#include <QLockFile>
#include <QString>

#include <memory>
#include <vector>

class TMap;

class TRecovery {
public:
    // A recovery file left by an editor that did not end cleanly.
    struct TOrphan {
        QString id;
        QString mapFile;      // the copy of the map
        QString originalName; // the map's own file, empty for a map never saved
    };

    // The folder recovery files are written to: the program's data folder, "recovery".
    static QString Folder();
    // The recovery files whose editor is no longer running.
    static std::vector<TOrphan> Orphans();

    TRecovery();
    ~TRecovery();
    TRecovery(const TRecovery&) = delete;
    TRecovery& operator=(const TRecovery&) = delete;

    // Writes the map atomically to this editor's recovery file with the name of its own file; the
    // map's own file is not touched. False when it could not be written.
    bool Write(TMap& map, const QString& originalName);
    // Removes this editor's recovery file, if any.
    void Remove();
    bool HasFile() const { return !id.isEmpty(); }
    // Takes over an orphan: its file becomes this editor's recovery file, removed on the next save.
    bool Adopt(const TOrphan& orphan);
    // Removes an orphan the user declined.
    static void Discard(const TOrphan& orphan);
    // Keeps an orphan's copy of the map where it is but no longer offers it; returns the copy's path.
    static QString SetAside(const TOrphan& orphan);

private:
    bool Lock(const QString& newId);

    QString id;
    std::unique_ptr<QLockFile> lock;
};
