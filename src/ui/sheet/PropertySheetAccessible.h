#pragma once

// What a screen reader sees of the property sheet: a table of key and value cells, in which the
// cell being edited holds its editor, so that a drop-down row's list and its entries can be reached
// from the window down. Qt's own table lists the cells only, never the editor in one.

#include <QAccessibleWidget>

class TPropertySheet;

class TPropertySheetAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TPropertySheetAccessible(TPropertySheet* sheet);
    ~TPropertySheetAccessible() override;

    // The factory Qt asks for the sheet's interface; installed by the first sheet made.
    static QAccessibleInterface* Create(const QString& className, QObject* object);

    TPropertySheet* Sheet() const;

    // QAccessibleInterface
    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::Role role() const override { return QAccessible::Table; }
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 2; }
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

private:
    // The cells made so far, by child index; registered with Qt, which owns them from then on.
    mutable QHash<int, QAccessible::Id> cells;
    void ForgetCells();
};
