#include "edit/DocumentStep.h"

TDocumentStep::TDocumentStep(const QString& text, TChangeScope scope, TRecordSnapshot before,
                             TRecordSnapshot after, TRestore restore)
    : QUndoCommand(text), scope(std::move(scope)), before(std::move(before)), after(std::move(after)),
      restore(std::move(restore)) {}

void TDocumentStep::redo() {
    if (made) {
        made = false;
        return;
    }
    restore(after, scope);
}

void TDocumentStep::undo() {
    restore(before, scope);
}
