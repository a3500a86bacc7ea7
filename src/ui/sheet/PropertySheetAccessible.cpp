#include "ui/sheet/PropertySheetAccessible.h"

#include "ui/sheet/PropertySheet.h"

#include <QAbstractItemModel>
#include <QHeaderView>
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

// A column's title ("Item", "Value") above the cells, or a place of the hidden row titles: the
// item view counts them in its numbering of the cells.
class TSheetHeaderCell : public QAccessibleInterface {
public:
    // column -1 stands for the hidden column of row titles.
    TSheetHeaderCell(TPropertySheet* sheet, int column) : sheet(sheet), column(column) {}

    bool isValid() const override { return sheet != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return sheet->window()->windowHandle(); }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(sheet); }
    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override {
        if (type != QAccessible::Name || column < 0)
            return {};
        return RowsOf(sheet)->headerData(column, Qt::Horizontal).toString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (column < 0)
            return {};
        const QHeaderView* header = sheet->horizontalHeader();
        const QPoint topLeft(header->sectionViewportPosition(column), 0);
        return QRect(header->viewport()->mapToGlobal(topLeft),
                     QSize(header->sectionSize(column), header->height()));
    }
    QAccessible::Role role() const override {
        return column < 0 ? QAccessible::RowHeader : QAccessible::ColumnHeader;
    }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.invisible = column < 0;
        return state;
    }

private:
    QPointer<TPropertySheet> sheet;
    int column;
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

// The children are numbered as the item view numbers them when it tells which cell has the focus:
// a row of column titles first, and before each row the place of its title, hidden in this sheet.
constexpr int ChildColumns = 3;

int TPropertySheetAccessible::childCount() const {
    return (rowCount() + 1) * ChildColumns;
}

QAccessibleInterface* TPropertySheetAccessible::child(int index) const {
    if (index < 0 || index >= childCount())
        return nullptr;
    const auto known = cells.constFind(index);
    if (known != cells.constEnd())
        return QAccessible::accessibleInterface(known.value());
    const int row = index / ChildColumns - 1, column = index % ChildColumns - 1;
    QAccessibleInterface* made =
        row < 0 || column < 0 ? static_cast<QAccessibleInterface*>(new TSheetHeaderCell(Sheet(), column))
                              : new TSheetCell(Sheet(), row, column);
    cells.insert(index, QAccessible::registerAccessibleInterface(made));
    return made;
}

int TPropertySheetAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child == nullptr)
        return -1;
    const QAccessibleTableCellInterface* cell =
        const_cast<QAccessibleInterface*>(child)->tableCellInterface();
    if (cell != nullptr)
        return (cell->rowIndex() + 1) * ChildColumns + cell->columnIndex() + 1;
    const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
    for (auto made = cells.constBegin(); made != cells.constEnd(); ++made)
        if (made.value() == id)
            return made.key();
    return -1;
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
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount())
        return nullptr;
    return child((row + 1) * ChildColumns + column + 1);
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
