#include "PropertySheetAccessible.h"

#include "PropertySheet.h"

#include <QAbstractItemModel>
#include <QPointer>

namespace {

// The sheet's rows as its item view holds them.
const QAbstractItemModel* RowsOf(const TPropertySheet* sheet) {
    return static_cast<const QAbstractItemView*>(sheet)->model();
}

// One cell of the sheet: its text, its place on screen, and the editor when it is open there.
class TSheetCell : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    TSheetCell(TPropertySheet* sheet, int row, int column) : sheet(sheet), row(row), column(column) {}

    bool isValid() const override { return sheet != nullptr && row < sheet->RowCount(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return sheet->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(sheet); }
    int childCount() const override { return Editor() != nullptr ? 1 : 0; }
    QAccessibleInterface* child(int index) const override {
        QWidget* editor = Editor();
        return index == 0 && editor != nullptr ? QAccessible::queryAccessibleInterface(editor) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        QWidget* editor = Editor();
        return editor != nullptr && child != nullptr && child->object() == editor ? 0 : -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        QAccessibleInterface* editor = child(0);
        return editor != nullptr && editor->rect().contains(x, y) ? editor : nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        QWidget* editor = Editor();
        return editor != nullptr && editor->hasFocus() ? child(0) : nullptr;
    }
    QString text(QAccessible::Text type) const override {
        if (type != QAccessible::Name && type != QAccessible::Value)
            return {};
        const QVariant shown = Index().data(Qt::AccessibleTextRole);
        return shown.isValid() ? shown.toString() : Index().data(Qt::DisplayRole).toString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const QRect cell = sheet->visualRect(Index());
        return QRect(sheet->viewport()->mapToGlobal(cell.topLeft()), cell.size());
    }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.selectable = state.focusable = true;
        state.editable = column == 1;
        const bool current = sheet->currentIndex() == Index();
        state.selected = current;
        state.focused = current && sheet->hasFocus();
        state.offscreen = !sheet->viewport()->rect().intersects(sheet->visualRect(Index()));
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }

    bool isSelected() const override { return sheet->currentIndex() == Index(); }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return column; }
    int rowIndex() const override { return row; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

private:
    QModelIndex Index() const { return RowsOf(sheet)->index(row, column); }
    QWidget* Editor() const {
        QWidget* editor = sheet->OpenEditor();
        return editor != nullptr && sheet->currentIndex() == Index() ? editor : nullptr;
    }

    QPointer<TPropertySheet> sheet;
    int row, column;
};

} // namespace

TPropertySheetAccessible::TPropertySheetAccessible(TPropertySheet* sheet)
    : QAccessibleWidget(sheet, QAccessible::Table) {}

TPropertySheetAccessible::~TPropertySheetAccessible() {
    ForgetCells();
}

QAccessibleInterface* TPropertySheetAccessible::Create(const QString& className, QObject* object) {
    if (className == QLatin1String("TPropertySheet") && object != nullptr && object->isWidgetType())
        return new TPropertySheetAccessible(static_cast<TPropertySheet*>(object));
    return nullptr;
}

TPropertySheet* TPropertySheetAccessible::Sheet() const {
    return static_cast<TPropertySheet*>(widget());
}

void* TPropertySheetAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

int TPropertySheetAccessible::rowCount() const {
    return Sheet()->RowCount();
}

int TPropertySheetAccessible::childCount() const {
    return rowCount() * columnCount();
}

QAccessibleInterface* TPropertySheetAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    const auto known = cells.constFind(index);
    if (known != cells.constEnd())
        return QAccessible::accessibleInterface(known.value());
    auto* cell = new TSheetCell(Sheet(), index / columnCount(), index % columnCount());
    cells.insert(index, QAccessible::registerAccessibleInterface(cell));
    return cell;
}

int TPropertySheetAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const QAccessibleTableCellInterface* cell =
        child != nullptr ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    return cell != nullptr ? cell->rowIndex() * columnCount() + cell->columnIndex() : -1;
}

QAccessibleInterface* TPropertySheetAccessible::childAt(int x, int y) const {
    const QPoint inViewport = Sheet()->viewport()->mapFromGlobal(QPoint(x, y));
    const QModelIndex index = Sheet()->indexAt(inViewport);
    return index.isValid() ? cellAt(index.row(), index.column()) : nullptr;
}

QAccessibleInterface* TPropertySheetAccessible::focusChild() const {
    const QModelIndex current = Sheet()->currentIndex();
    return current.isValid() ? cellAt(current.row(), current.column()) : nullptr;
}

QAccessibleInterface* TPropertySheetAccessible::cellAt(int row, int column) const {
    return child(row * columnCount() + column);
}

int TPropertySheetAccessible::selectedCellCount() const {
    return Sheet()->currentIndex().isValid() ? 1 : 0;
}

QList<QAccessibleInterface*> TPropertySheetAccessible::selectedCells() const {
    QAccessibleInterface* current = focusChild();
    return current != nullptr ? QList<QAccessibleInterface*>{current} : QList<QAccessibleInterface*>{};
}

QString TPropertySheetAccessible::columnDescription(int column) const {
    return RowsOf(Sheet())->headerData(column, Qt::Horizontal).toString();
}

QString TPropertySheetAccessible::rowDescription(int row) const {
    return Sheet()->Key(row);
}

void TPropertySheetAccessible::modelChange(QAccessibleTableModelChangeEvent*) {
    // Rows come and go with every record shown: cells are made again when next asked for.
    ForgetCells();
}

void TPropertySheetAccessible::ForgetCells() {
    for (const QAccessible::Id id : std::as_const(cells))
        QAccessible::deleteAccessibleInterface(id);
    cells.clear();
}
