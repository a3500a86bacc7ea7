#pragma once

// One step of the editor's history: a change of the document as the text of the records it touched,
// before and after. Undoing and redoing put that text back through the main window, which then shows
// the records again.

#include "document/RecordSnapshot.h"
#include "edit/DocumentChange.h"

#include <QUndoCommand>

#include <functional>

class TDocumentStep : public QUndoCommand {
public:
    // Puts a snapshot into the document and shows what it touched.
    using TRestore = std::function<void(const TRecordSnapshot& snapshot, const TChangeScope& scope)>;

    TDocumentStep(const QString& text, TChangeScope scope, TRecordSnapshot before, TRecordSnapshot after,
                  TRestore restore);

    // The change is made when the step is pushed: its first redo does nothing.
    void redo() override;
    void undo() override;

    const TChangeScope& Scope() const { return scope; }
    const TRecordSnapshot& Before() const { return before; }
    const TRecordSnapshot& After() const { return after; }

private:
    TChangeScope scope;
    TRecordSnapshot before, after;
    TRestore restore;
    bool made = true;
};
