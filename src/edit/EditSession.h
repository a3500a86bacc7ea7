#pragma once

// One map being edited: the document, its history of steps, the stroke under way, whether it has
// unsaved changes and its recovery copy. Every change of the document goes through Change, the one
// way in, which records it as a step that can be undone and redone; the session says what changed
// through its signals and the windows show it. It owns no widget: tools and windows can be tested on
// a session alone.

#include "edit/DocumentChange.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QTimer;
class QUndoStack;
class TMap;
class TPlotStroke;
class TRecordSnapshot;
class TRecovery;

class TEditSession : public QObject {
    Q_OBJECT
public:
    explicit TEditSession(QObject* parent = nullptr);
    ~TEditSession() override;

    TMap& Map() const { return *map; }
    // Takes another map, as opening a file does; its history starts again.
    void TakeMap(std::unique_ptr<TMap> opened);
    QUndoStack& History() const { return *history; }
    TRecovery& Recovery() const { return *recovery; }

    // Makes the change and records it as a step; false when the document refused it, which then
    // holds nothing of it. A change that changed nothing makes no step.
    bool Change(const TDocumentChange& change);
    // A change made piece by piece, such as a stroke of the brush: the changes of plots between
    // Begin and End go into the document at once and make one step together.
    void BeginStroke(const QString& text);
    void EndStroke();
    // The edit being typed somewhere, which goes into the document before a step is undone or
    // redone; false when it was refused. Without a hook nothing is pending.
    void SetPendingEditHook(std::function<bool()> commit) { pendingEdit = std::move(commit); }
    bool CommitPendingEdit();
    // A stroke under way ends first, and the edit being typed goes in: it is the step undone.
    void Undo();
    void Redo();
    // Starts the history again, as for another map: nothing to undo, nothing unsaved.
    void ClearHistory();

    // Whether the map has changes that are not saved: the history is away from its saved step.
    bool Modified() const;
    // The map as it stands is the saved one.
    void MarkSaved();
    // The map as it stands is not saved anywhere (a new grid, a restored recovery copy), whatever
    // is undone afterwards.
    void MarkUnsaved();

    // The map's own file, as the recovery copy names it; empty for a map never saved.
    const QString& FileName() const { return fileName; }
    void SetFileName(const QString& name) { fileName = name; }
    // Writes a fresh recovery copy of a map with unsaved changes, unless the copy is up to date.
    void WriteRecovery();
    void SetRecoveryInterval(int milliseconds);

signals:
    // A step was made (fromHistory false) or undone or redone (true): what it touched.
    void Changed(const TChangeScope& scope, bool fromHistory);
    // The document changed: a step was made, undone or redone, or the history started again.
    void DocumentChanged();
    void ModifiedChanged(bool modified);
    // The history started again: another map, or a new one.
    void HistoryCleared();

private:
    TRecordSnapshot TakeSnapshot(const TChangeScope& scope) const;
    void PushStep(const QString& text, const TChangeScope& scope, TRecordSnapshot before,
                  TRecordSnapshot after);
    void RestoreSnapshot(const TRecordSnapshot& snapshot, const TChangeScope& scope);
    void CleanChanged(bool clean);

    std::unique_ptr<TMap> map;
    QUndoStack* history = nullptr;
    std::unique_ptr<TPlotStroke> stroke;
    std::function<bool()> pendingEdit;
    std::unique_ptr<TRecovery> recovery;
    QTimer* recoveryTimer = nullptr;
    QString fileName;
    // Steps pushed since the last recovery copy.
    int stepsSinceRecoveryCopy = 0;
    // Whether the map changed since the last recovery copy was written.
    bool recoveryCopyStale = true;
};
