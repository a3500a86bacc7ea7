#include "support/BusyCursor.h"

#include <QGuiApplication>

#include <algorithm>

// Qt's override cursor is a stack, not a single setting. To leave the stack as deep as it was, the
// hourglass is always a fresh entry of our own (pushed by Busy, popped on restore), and the saved
// cursor is never pushed: popping our entry brings back what was showing before. Only when the
// hourglass showing belongs to other code is that entry changed to the saved cursor, in place,
// which keeps its owner's later pop balanced.

namespace {

// The whole cursor, so a cursor made from a picture is restored as it was, not by its shape alone.
QCursor ShownCursor() {
    const QCursor* shown = qGuiApp != nullptr ? QGuiApplication::overrideCursor() : nullptr;
    return shown != nullptr ? *shown : QCursor(Qt::ArrowCursor);
}

} // namespace

TBusyCursor::TBusyCursor(QObject* parent) : QObject(parent), savedCursor(ShownCursor()) {}

TBusyCursor::~TBusyCursor() {
    Reset();
}

Qt::CursorShape TBusyCursor::ApplicationCursor() {
    if (qGuiApp == nullptr)
        return Qt::ArrowCursor;
    const QCursor* shown = QGuiApplication::overrideCursor();
    return shown != nullptr ? shown->shape() : Qt::ArrowCursor;
}

void TBusyCursor::Busy() {
    ++count;
    if (qGuiApp == nullptr || ApplicationCursor() == Qt::WaitCursor)
        return;
    savedCursor = ShownCursor();
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    ++ownEntries;
}

void TBusyCursor::Idle() {
    count = std::max(count - 1, 0);
    if (count != 0)
        return;
    // A cursor that other code set meanwhile is theirs to restore.
    if (ApplicationCursor() == Qt::WaitCursor)
        RestoreSavedCursor();
}

void TBusyCursor::Reset() {
    count = 0;
    RestoreSavedCursor();
}

void TBusyCursor::RestoreSavedCursor() {
    if (qGuiApp == nullptr) {
        ownEntries = 0;
        return;
    }
    for (; ownEntries > 0; --ownEntries)
        QGuiApplication::restoreOverrideCursor();
    if (ApplicationCursor() == Qt::WaitCursor && savedCursor.shape() != Qt::WaitCursor)
        QGuiApplication::changeOverrideCursor(savedCursor);
}
