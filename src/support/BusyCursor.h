#pragma once

// The application-wide hourglass while the program works. Calls nest: an operation that is busy can
// call another that is busy too, and only the outermost Idle restores the cursor. The window that
// owns it is its parent; destroying it restores the saved cursor whatever the nesting depth.

#include <QCursor>
#include <QObject>

class TBusyCursor : public QObject {
    Q_OBJECT
public:
    explicit TBusyCursor(QObject* parent = nullptr);
    ~TBusyCursor() override;

    void Busy();
    // An Idle without a matching Busy is harmless.
    void Idle();
    void Reset();

    int Count() const { return count; }
    Qt::CursorShape SavedCursor() const { return savedCursor.shape(); }

    // The application's cursor: the top of Qt's override stack, the arrow when the stack is empty.
    static Qt::CursorShape ApplicationCursor();

private:
    void RestoreSavedCursor();

    int count = 0;
    QCursor savedCursor;
    // Override entries this object pushed and has not popped yet.
    int ownEntries = 0;
};

// Runs `work` between Busy and Idle, whatever way it ends, and returns what it returns.
template <typename Work> auto WhileBusy(TBusyCursor& cursor, Work&& work) {
    struct TIdleOnExit {
        TBusyCursor& cursor;
        ~TIdleOnExit() { cursor.Idle(); }
    } idle{cursor};
    cursor.Busy();
    return work();
}
