#pragma once

// The two-column property sheet ("Item", "Value") of a record's editor rows. Keys cannot be edited;
// each value is edited in the style the catalogue gives its key: plain text, a drop-down list that
// is filled when it opens (the text can still be typed), or an ellipsis button. What a row means is
// the owner's business: the sheet hands edited rows, list requests and button presses to its hooks.

#include "document/LineCodec.h"

#include <QPointer>
#include <QStringList>
#include <QTableView>

#include <functional>
#include <vector>

class TSheetModel;
struct TSheetRow;
class TSheetDelegate;

class TPropertySheet : public QTableView {
    Q_OBJECT
public:
    struct THooks {
        // A row's value was edited and the cursor leaves it, or the owner commits it: false when the
        // value is refused (the row then keeps the cursor and the text as typed).
        std::function<bool(int row, const QString& key, const QString& value)> validate;
        // The legal values of a drop-down row, asked for when its list opens.
        std::function<QStringList(const QString& key)> getPickList;
        // Whether getPickList answers without asking the user anything first.
        std::function<bool()> pickListsReady;
        // The ellipsis button of the current row was pressed.
        std::function<void(int row)> editButtonClick;
        // The text of a row changed (typed, picked, or set by SetValue).
        std::function<void()> stringsChange;
    };

    explicit TPropertySheet(QWidget* parent = nullptr);
    ~TPropertySheet() override;

    void SetHooks(THooks value) { hooks = std::move(value); }
    const THooks& Hooks() const { return hooks; }

    // Replaces every row by the "key=value" lines (the document's bytes) with the style of each, and
    // puts the cursor on the first row. A row marked in `mixed` stands for several records whose
    // values differ: it shows an empty value, its key in grey italics, and it is written only once a
    // value is typed or picked.
    void SetRows(const StringList& lines, const std::vector<int>& kinds, const std::vector<bool>& mixed = {});
    void Clear();

    int RowCount() const;
    QString Key(int row) const;
    QString Value(int row) const;
    int Kind(int row) const;
    bool IsMixed(int row) const;
    // The row of the first row with the key (ignoring case), -1 when none.
    int FindRow(const QString& key) const;
    // Sets a row's text as if the user had typed it.
    void SetValue(int row, const QString& value);
    // Shows the record's rows again after a write changed more than the row written: each row
    // whose value differs takes the record's value, without counting as an edit. Keys, styles and
    // the cursor stay.
    void ShowValues(const StringList& lines);

    int CurrentRow() const;
    void SetCurrentRow(int row);
    // Moves the cursor to the next row, never past the last.
    void MoveToNextRow();
    // Takes the text of the open editor into its row.
    void CommitEditor();
    // Hands the current row to the validate hook, edited or not; false when it is refused.
    bool ValidateCurrentRow();

    using QTableView::edit;

    // The editor open on the current value cell, if any (tests type into it).
    QWidget* OpenEditor() const { return openEditor; }

protected:
    // A move of the cursor opens its row's editor only while the keyboard is in the sheet (or
    // nowhere): filling the sheet for a cell of the map leaves the keys with the map.
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;
    // Entering the sheet with Tab opens the editor of the current row.
    void focusInEvent(QFocusEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class TSheetDelegate;
    bool ValidateRow(int row);
    void ResetRows(std::vector<TSheetRow> rows);
    void EditorOpened(QWidget* editor) { openEditor = editor; }

    TSheetModel* model;
    TSheetDelegate* delegate;
    QPointer<QWidget> openEditor;
    THooks hooks;
    bool restoring = false;
};

// The hooks of a window whose handlers carry the sheet events' names: ValidateRow, PickList,
// PickListsReady and PickRowValues. Typing alone changes nothing: a row counts once it is written.
template <typename TWindow> TPropertySheet::THooks SheetHandlersOf(TWindow* window) {
    TPropertySheet::THooks hooks;
    hooks.validate = [window](int row, const QString& key, const QString& value) {
        return window->ValidateRow(row, key, value);
    };
    hooks.getPickList = [window](const QString& key) { return window->PickList(key); };
    hooks.pickListsReady = [window] { return window->PickListsReady(); };
    hooks.editButtonClick = [window](int row) { window->PickRowValues(row); };
    return hooks;
}
