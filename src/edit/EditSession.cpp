#include "edit/EditSession.h"

#include "document/Map.h"
#include "document/RecordSnapshot.h"
#include "edit/DocumentStep.h"
#include "edit/PlotStroke.h"
#include "edit/Recovery.h"

#include <QTimer>
#include <QUndoStack>

namespace {

// A map with unsaved changes gets a fresh recovery copy every two minutes, and every so many steps.
constexpr int RecoveryInterval = 2 * 60 * 1000;
constexpr int StepsBetweenRecoveryCopies = 50;

std::vector<std::pair<int, int>> PlacesOf(const std::vector<QPoint>& cells) {
    std::vector<std::pair<int, int>> places;
    places.reserve(cells.size());
    for (const QPoint& cell : cells)
        places.emplace_back(cell.x(), cell.y());
    return places;
}

} // namespace

TEditSession::TEditSession(QObject* parent)
    : QObject(parent), map(std::make_unique<TMap>()), history(new QUndoStack(this)),
      recovery(std::make_unique<TRecovery>()), recoveryTimer(new QTimer(this)) {
    recoveryTimer->setInterval(RecoveryInterval);
    connect(recoveryTimer, &QTimer::timeout, this, &TEditSession::WriteRecovery);
    connect(history, &QUndoStack::cleanChanged, this, &TEditSession::CleanChanged);
    connect(history, &QUndoStack::indexChanged, this, [this] { recoveryCopyStale = true; });
}

TEditSession::~TEditSession() = default;

void TEditSession::TakeMap(std::unique_ptr<TMap> opened) {
    map = std::move(opened);
    ClearHistory();
}

TRecordSnapshot TEditSession::TakeSnapshot(const TChangeScope& scope) const {
    switch (scope.kind) {
    case TChangeScope::TKind::Game:
        return TRecordSnapshot::OfGame(*map);
    case TChangeScope::TKind::Team:
        return TRecordSnapshot::OfTeam(*map, scope.index);
    case TChangeScope::TKind::Player:
        return TRecordSnapshot::OfPlayer(*map, scope.index);
    case TChangeScope::TKind::World:
        return TRecordSnapshot::OfMapData(*map);
    case TChangeScope::TKind::Plots:
        if (!scope.cells.empty())
            return TRecordSnapshot::OfPlotList(*map, PlacesOf(scope.cells));
        return TRecordSnapshot::OfPlots(*map, scope.plots.left(), scope.plots.top(), scope.plots.right(),
                                        scope.plots.bottom());
    case TChangeScope::TKind::Several: {
        std::vector<TRecordSnapshot> parts;
        parts.reserve(scope.parts.size());
        for (const TChangeScope& part : scope.parts)
            parts.push_back(TakeSnapshot(part));
        return TRecordSnapshot::OfParts(std::move(parts));
    }
    case TChangeScope::TKind::Document:
        break;
    }
    return TRecordSnapshot::OfDocument(*map);
}

bool TEditSession::Change(const TDocumentChange& change) {
    TRecordSnapshot before = TakeSnapshot(change.scope);
    try {
        change.apply(*map);
    } catch (const OperationAborted&) {
        // A change refused half way leaves nothing of it behind.
        if (TakeSnapshot(change.scope) != before)
            before.Restore(*map);
        return false;
    }
    TRecordSnapshot after = TakeSnapshot(change.scope);
    emit Changed(change.scope, false);
    if (after == before)
        return true;
    if (stroke && change.scope.kind == TChangeScope::TKind::Plots) {
        stroke->Touch(before);
        return true;
    }
    PushStep(change.text, change.scope, std::move(before), std::move(after));
    return true;
}

void TEditSession::PushStep(const QString& text, const TChangeScope& scope, TRecordSnapshot before,
                            TRecordSnapshot after) {
    history->push(new TDocumentStep(text, scope, std::move(before), std::move(after),
                                    [this](const TRecordSnapshot& snapshot, const TChangeScope& stepScope) {
                                        RestoreSnapshot(snapshot, stepScope);
                                    }));
    // Counted as pushed: steps undone and made again count anew.
    if (++stepsSinceRecoveryCopy >= StepsBetweenRecoveryCopies)
        WriteRecovery();
    emit DocumentChanged();
}

void TEditSession::BeginStroke(const QString& text) {
    EndStroke();
    stroke = std::make_unique<TPlotStroke>(text);
}

void TEditSession::EndStroke() {
    if (!stroke)
        return;
    const std::unique_ptr<TPlotStroke> ended = std::move(stroke);
    if (ended->Places().empty())
        return;
    TRecordSnapshot before, after;
    const TChangeScope scope =
        ended->KeepChanged(TakeSnapshot(TChangeScope::PlotList(ended->Places())), before, after);
    if (!scope.cells.empty())
        PushStep(ended->Text(), scope, std::move(before), std::move(after));
}

void TEditSession::RestoreSnapshot(const TRecordSnapshot& snapshot, const TChangeScope& scope) {
    snapshot.Restore(*map);
    emit Changed(scope, true);
    emit DocumentChanged();
}

bool TEditSession::CommitPendingEdit() {
    return !pendingEdit || pendingEdit();
}

void TEditSession::Undo() {
    EndStroke();
    if (CommitPendingEdit())
        history->undo();
}

void TEditSession::Redo() {
    EndStroke();
    if (CommitPendingEdit())
        history->redo();
}

void TEditSession::ClearHistory() {
    stroke.reset();
    history->clear();
    // An empty stack is clean whatever it was, and says so only when that changes.
    CleanChanged(true);
    stepsSinceRecoveryCopy = 0;
    emit DocumentChanged();
    emit HistoryCleared();
}

bool TEditSession::Modified() const {
    return !history->isClean();
}

void TEditSession::MarkSaved() {
    history->setClean();
}

void TEditSession::MarkUnsaved() {
    history->resetClean();
}

void TEditSession::CleanChanged(bool clean) {
    // Unsaved changes start the writing of a recovery copy; none left removes it.
    if (clean) {
        recoveryTimer->stop();
        recovery->Remove();
    } else if (!recoveryTimer->isActive()) {
        recoveryTimer->start();
    }
    emit ModifiedChanged(!clean);
}

void TEditSession::SetRecoveryInterval(int milliseconds) {
    recoveryTimer->setInterval(milliseconds);
}

void TEditSession::WriteRecovery() {
    stepsSinceRecoveryCopy = 0;
    // A copy of the map as it stands is not written again: a large map would cost a pause for nothing.
    if (!Modified() || (recovery->HasFile() && !recoveryCopyStale))
        return;
    if (recovery->Write(*map, fileName))
        recoveryCopyStale = false;
}
