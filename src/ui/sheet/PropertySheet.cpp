#include "ui/sheet/PropertySheet.h"

#include "catalogue/ValueCatalogue.h"
#include "ui/sheet/PropertySheetAccessible.h"
#include "ui/sheet/SheetText.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>

// One row of the sheet as shown.
struct TSheetRow {
    QString key, value;
    int kind = KindPlainText;
    bool edited = false; // changed since it was last validated
    bool mixed = false;  // the records shown hold different values; none is typed yet
};

namespace {

const QColor KeyColour(0, 0, 128);
const QColor ValueColour(0, 128, 0);
const QColor MixedColour(128, 128, 128);

// A drop-down row's editor: the list is asked for when it first opens.
class TPickListCombo : public QComboBox {
public:
    TPickListCombo(QWidget* parent, std::function<QStringList()> fill)
        : QComboBox(parent), fill(std::move(fill)) {
        setEditable(true);
        setInsertPolicy(QComboBox::NoInsert);
    }
    void showPopup() override {
        Fill();
        QComboBox::showPopup();
    }
    // Takes the list once; the text shown stays.
    void Fill() {
        if (filled)
            return;
        filled = true;
        const QString text = currentText();
        QStringList values;
        if (fill)
            values = fill();
        const QSignalBlocker blocker(this);
        clear();
        addItems(values);
        setCurrentIndex(findText(text, Qt::MatchFixedString));
        setEditText(text);
    }

private:
    std::function<QStringList()> fill;
    bool filled = false;
};

// An ellipsis row's editor: the text and a button at its right.
class TEllipsisEdit : public QWidget {
public:
    explicit TEllipsisEdit(QWidget* parent) : QWidget(parent) {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        line = new QLineEdit(this);
        line->setFrame(false);
        button = new QToolButton(this);
        button->setText("...");
        button->setAccessibleName("Edit values");
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(line);
        layout->addWidget(button);
        setFocusProxy(line);
    }
    QLineEdit* line;
    QToolButton* button;
};

QLineEdit* LineOf(QWidget* editor) {
    if (auto* combo = qobject_cast<QComboBox*>(editor))
        return combo->lineEdit();
    if (auto* ellipsis = dynamic_cast<TEllipsisEdit*>(editor))
        return ellipsis->line;
    return qobject_cast<QLineEdit*>(editor);
}

// Undo and redo keys in a cell's editor undo its typing while there is typing to undo;
// otherwise they are left to the window, which undoes the map's steps.
class TTypingUndoFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride)
            return false;
        auto* editor = qobject_cast<QWidget*>(object);
        QLineEdit* line = editor ? LineOf(editor) : nullptr;
        auto* key = static_cast<QKeyEvent*>(event);
        const bool undo = key->matches(QKeySequence::Undo);
        const bool redo = key->matches(QKeySequence::Redo) ||
                          key->keyCombination() == QKeyCombination(Qt::CTRL, Qt::Key_Y) ||
                          key->keyCombination() == QKeyCombination(Qt::CTRL | Qt::SHIFT, Qt::Key_Z);
        if (line == nullptr || (!undo && !redo))
            return false;
        if ((undo && line->isUndoAvailable()) || (redo && line->isRedoAvailable()))
            return false;
        event->ignore();
        return true;
    }
};

} // namespace

class TSheetModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    std::vector<TSheetRow> rows;

    void Reset(std::vector<TSheetRow> value) {
        beginResetModel();
        rows = std::move(value);
        endResetModel();
    }
    int rowCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : static_cast<int>(rows.size());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override {
        return parent.isValid() ? 0 : 2;
    }
    QVariant data(const QModelIndex& index, int role) const override {
        if (!index.isValid() ||
            (role != Qt::DisplayRole && role != Qt::EditRole && role != Qt::AccessibleTextRole))
            return {};
        const TSheetRow& row = rows[static_cast<std::size_t>(index.row())];
        if (index.column() == 1 && row.mixed && role == Qt::AccessibleTextRole)
            return QStringLiteral("(different values)");
        return index.column() == 0 ? row.key : row.value;
    }
    bool setData(const QModelIndex& index, const QVariant& value, int role) override {
        if (!index.isValid() || index.column() != 1 || role != Qt::EditRole)
            return false;
        TSheetRow& row = rows[static_cast<std::size_t>(index.row())];
        const QString text = value.toString();
        if (text != row.value) {
            row.value = text;
            row.edited = true;
            row.mixed = false;
            emit dataChanged(index, index);
        }
        return true;
    }
    Qt::ItemFlags flags(const QModelIndex& index) const override {
        Qt::ItemFlags result = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
        if (index.column() == 1)
            result |= Qt::ItemIsEditable;
        return result;
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
            return section == 0 ? QStringLiteral("Item") : QStringLiteral("Value");
        return {};
    }
};

class TSheetDelegate : public QStyledItemDelegate {
public:
    explicit TSheetDelegate(TPropertySheet* sheet) : QStyledItemDelegate(sheet), sheet(sheet) {}

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex& index) const override {
        const int row = index.row();
        const QString key = sheet->Key(row);
        QWidget* editor = nullptr;
        switch (sheet->Kind(row)) {
        case KindOneValue: {
            auto* combo = new TPickListCombo(parent, [this, key] {
                return sheet->hooks.getPickList ? sheet->hooks.getPickList(key) : QStringList();
            });
            connect(combo, &QComboBox::activated, combo, [this] { Changed(); });
            // A list at hand is there at once, so that a screen reader can read its entries.
            if (sheet->hooks.pickListsReady && sheet->hooks.pickListsReady())
                combo->Fill();
            editor = combo;
            break;
        }
        case KindSeveralValues: {
            auto* ellipsis = new TEllipsisEdit(parent);
            connect(ellipsis->button, &QToolButton::clicked, ellipsis, [this, row] {
                if (sheet->hooks.editButtonClick)
                    sheet->hooks.editButtonClick(row);
            });
            editor = ellipsis;
            break;
        }
        default:
            editor = new QLineEdit(parent);
            break;
        }
        QLineEdit* line = LineOf(editor);
        line->setFrame(false);
        // An editable list takes the keys of its text field before that field's own filters.
        auto* undoFilter = new TTypingUndoFilter(editor);
        editor->installEventFilter(undoFilter);
        line->installEventFilter(undoFilter);
        connect(line, &QLineEdit::textEdited, editor, [this] { Changed(); });
        editor->setAccessibleName(key);
        editor->setProperty("sheetRow", row);
        sheet->EditorOpened(editor);
        return editor;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        const QString text = index.data(Qt::EditRole).toString();
        if (auto* combo = qobject_cast<QComboBox*>(editor)) {
            // A filled list points at the value's entry, or the list would take the focus leaving
            // it for a pick of that entry.
            const QSignalBlocker blocker(combo);
            combo->setCurrentIndex(combo->findText(text, Qt::MatchFixedString));
            combo->setEditText(text);
            return;
        }
        LineOf(editor)->setText(text);
    }
    void setModelData(QWidget* editor, QAbstractItemModel* itemModel,
                      const QModelIndex& index) const override {
        itemModel->setData(index, LineOf(editor)->text(), Qt::EditRole);
    }
    void updateEditorGeometry(QWidget* editor, const QStyleOptionViewItem& option,
                              const QModelIndex&) const override {
        editor->setGeometry(option.rect);
    }
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        if (option.state & (QStyle::State_Selected | QStyle::State_HasFocus)) {
            QStyledItemDelegate::paint(painter, option, index);
            return;
        }
        painter->save();
        painter->fillRect(option.rect, option.palette.brush(QPalette::Base));
        const bool mixed = sheet->IsMixed(index.row());
        painter->setPen(mixed ? MixedColour : index.column() == 0 ? KeyColour : ValueColour);
        QFont font = option.font;
        font.setItalic(mixed);
        painter->setFont(font);
        const QRect textRect = option.rect.adjusted(4, 2, 0, 0);
        painter->setClipRect(option.rect);
        painter->drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

protected:
    // Enter moves the cursor to the next row once the value is in the sheet.
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            auto* editor = qobject_cast<QWidget*>(object);
            auto* combo = qobject_cast<QComboBox*>(editor);
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && editor &&
                !(combo && combo->view()->isVisible())) {
                emit commitData(editor);
                emit closeEditor(editor, QAbstractItemDelegate::NoHint);
                sheet->MoveToNextRow();
                return true;
            }
        }
        return QStyledItemDelegate::eventFilter(object, event);
    }

private:
    void Changed() const {
        if (sheet->hooks.stringsChange)
            sheet->hooks.stringsChange();
    }

    TPropertySheet* sheet;
};

TPropertySheet::TPropertySheet(QWidget* parent)
    : QTableView(parent), model(new TSheetModel(this)), delegate(new TSheetDelegate(this)) {
    // Before anything asks for the sheet's accessible interface, which is made once.
    static const bool accessibleInstalled = [] {
        QAccessible::installFactory(&TPropertySheetAccessible::Create);
        return true;
    }();
    Q_UNUSED(accessibleInstalled);
    setObjectName("VLE");
    setAccessibleName("Property sheet");
    setModel(model);
    setItemDelegate(delegate);
    setFrameShape(QFrame::NoFrame);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::CurrentChanged | QAbstractItemView::SelectedClicked |
                    QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed |
                    QAbstractItemView::EditKeyPressed);
    setTabKeyNavigation(false);
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(20);
    horizontalHeader()->setSectionResizeMode(0, QHeaderView::Interactive);
    horizontalHeader()->setStretchLastSection(true);
    horizontalHeader()->setHighlightSections(false);
    setColumnWidth(0, 187);
    QFont sheetFont("Arial");
    sheetFont.setPixelSize(13);
    setFont(sheetFont);
    QFont titleFont = sheetFont;
    titleFont.setPointSizeF(QFontInfo(sheetFont).pointSizeF() + 1);
    horizontalHeader()->setFont(titleFont);
}

TPropertySheet::~TPropertySheet() = default;

void TPropertySheet::SetRows(const StringList& lines, const std::vector<int>& kinds,
                             const std::vector<bool>& mixed) {
    std::vector<TSheetRow> rows;
    rows.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const QString text = FromWindows1252(lines[i]);
        const qsizetype equals = text.indexOf('=');
        TSheetRow row;
        row.key = equals < 0 ? text : text.left(equals);
        row.value = equals < 0 ? QString() : text.mid(equals + 1);
        row.kind = i < kinds.size() ? kinds[i] : KindPlainText;
        row.mixed = i < mixed.size() && mixed[i];
        if (row.mixed)
            row.value.clear();
        rows.push_back(std::move(row));
    }
    ResetRows(std::move(rows));
    if (RowCount() > 0)
        setCurrentIndex(model->index(0, 1));
}

void TPropertySheet::Clear() {
    ResetRows({});
}

void TPropertySheet::ResetRows(std::vector<TSheetRow> rows) {
    // The open editor goes with the old rows; the keyboard stays in the sheet when it was there.
    const QWidget* focus = QApplication::focusWidget();
    const bool keyboardHere = focus != nullptr && (focus == this || isAncestorOf(focus));
    openEditor = nullptr;
    model->Reset(std::move(rows));
    if (keyboardHere)
        setFocus(Qt::OtherFocusReason);
}

int TPropertySheet::RowCount() const {
    return model->rowCount();
}

QString TPropertySheet::Key(int row) const {
    return row >= 0 && row < RowCount() ? model->rows[static_cast<std::size_t>(row)].key : QString();
}

QString TPropertySheet::Value(int row) const {
    return row >= 0 && row < RowCount() ? model->rows[static_cast<std::size_t>(row)].value : QString();
}

int TPropertySheet::Kind(int row) const {
    return row >= 0 && row < RowCount() ? model->rows[static_cast<std::size_t>(row)].kind : KindPlainText;
}

bool TPropertySheet::IsMixed(int row) const {
    return row >= 0 && row < RowCount() && model->rows[static_cast<std::size_t>(row)].mixed;
}

int TPropertySheet::FindRow(const QString& key) const {
    for (int row = 0; row < RowCount(); ++row)
        if (Key(row).compare(key, Qt::CaseInsensitive) == 0)
            return row;
    return -1;
}

void TPropertySheet::SetValue(int row, const QString& value) {
    if (row < 0 || row >= RowCount())
        return;
    const QModelIndex index = model->index(row, 1);
    model->setData(index, value, Qt::EditRole);
    if (openEditor && currentIndex() == index)
        delegate->setEditorData(openEditor, index);
    if (hooks.stringsChange)
        hooks.stringsChange();
}

void TPropertySheet::ShowValues(const StringList& lines) {
    for (std::size_t i = 0; i < lines.size() && i < model->rows.size(); ++i) {
        const QString text = FromWindows1252(lines[i]);
        const qsizetype equals = text.indexOf('=');
        TSheetRow& row = model->rows[i];
        if (equals < 0 || text.left(equals).compare(row.key, Qt::CaseInsensitive) != 0)
            continue;
        const QString value = text.mid(equals + 1);
        if (value == row.value)
            continue;
        row.value = value;
        row.edited = false;
        const QModelIndex index = model->index(static_cast<int>(i), 1);
        emit model->dataChanged(index, index);
        if (openEditor && currentIndex() == index)
            delegate->setEditorData(openEditor, index);
    }
}

int TPropertySheet::CurrentRow() const {
    return currentIndex().isValid() ? currentIndex().row() : -1;
}

void TPropertySheet::SetCurrentRow(int row) {
    if (row >= 0 && row < RowCount())
        setCurrentIndex(model->index(row, 1));
}

void TPropertySheet::MoveToNextRow() {
    const int row = CurrentRow();
    if (row >= 0 && row + 1 < RowCount())
        SetCurrentRow(row + 1);
}

void TPropertySheet::CommitEditor() {
    if (openEditor)
        commitData(openEditor);
}

bool TPropertySheet::ValidateRow(int row) {
    if (row < 0 || row >= RowCount())
        return true;
    const bool accepted = !hooks.validate || hooks.validate(row, Key(row), Value(row));
    if (accepted && row < RowCount())
        model->rows[static_cast<std::size_t>(row)].edited = false;
    return accepted;
}

bool TPropertySheet::ValidateCurrentRow() {
    CommitEditor();
    const int row = CurrentRow();
    // A row of differing values nobody typed over is not a value to write.
    if (row < 0 || IsMixed(row))
        return true;
    // The value the sheet holds for the key: that of the first row with the key.
    const int first = FindRow(Key(row));
    const bool accepted = !hooks.validate || hooks.validate(row, Key(row), Value(first < 0 ? row : first));
    if (accepted && row < RowCount())
        model->rows[static_cast<std::size_t>(row)].edited = false;
    return accepted;
}

bool TPropertySheet::edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) {
    if (trigger == CurrentChanged) {
        const QWidget* focus = QApplication::focusWidget();
        if (focus != nullptr && focus != this && !isAncestorOf(focus))
            return false;
    }
    return QTableView::edit(index, trigger, event);
}

void TPropertySheet::focusInEvent(QFocusEvent* event) {
    QTableView::focusInEvent(event);
    const bool tabbedIn = event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason;
    if (tabbedIn && state() != EditingState && currentIndex().isValid())
        QTableView::edit(currentIndex(), AllEditTriggers, nullptr);
}

void TPropertySheet::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    // The key column is not edited: the cursor stays in the value column.
    if (current.isValid() && current.column() == 0) {
        setCurrentIndex(model->index(current.row(), 1));
        return;
    }
    QTableView::currentChanged(current, previous);
}

void TPropertySheet::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const int editedRow = editor->property("sheetRow").toInt();
    if (editor == openEditor)
        openEditor = nullptr;
    QTableView::closeEditor(editor, hint);
    if (editedRow < 0 || editedRow >= RowCount() || !model->rows[static_cast<std::size_t>(editedRow)].edited)
        return;
    if (ValidateRow(editedRow) || restoring)
        return;
    // A refused value keeps the cursor on its row until it is corrected.
    restoring = true;
    QTimer::singleShot(0, this, [this, editedRow] {
        SetCurrentRow(editedRow);
        restoring = false;
    });
}

void TPropertySheet::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && state() != EditingState) {
        MoveToNextRow();
        return;
    }
    QTableView::keyPressEvent(event);
}
