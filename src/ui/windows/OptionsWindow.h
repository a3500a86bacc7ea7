#pragma once

// The display options window: a tree of tickable items, grouped by kind, choosing what the map grid
// paints. Its set of ticked names is what the grid's painter reads. Created once by the program and
// only shown and closed; the main window's "Display options" button shows and closes it.

#include "render/DisplayOptions.h"
#include "ui/windows/ToolWindow.h"

#include <QIcon>

#include <string_view>

class QToolBar;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class TImageList;

class TOptionsWindow : public TToolWindow {
    Q_OBJECT
public:
    // Tags of the tool buttons, as UseToolButton takes them.
    enum TTool { ToolExpand = 0, ToolCollapse, ToolSelectAll, ToolSelectNone, ToolExit, ToolCancel };

    // The images are the main window's: its tool bar pictures and its empty and ticked boxes.
    TOptionsWindow(const TImageList& toolBarImages, const TImageList& yesNoImages, QWidget* parent = nullptr);

    // The ticked names; the map grid's painter reads them.
    const TDisplayOptions& Options() const { return options; }
    bool IsOptionOn(std::string_view name) const { return options.IsOptionOn(name); }
    void AddOption(std::string_view name) { options.AddOption(name); }
    void RemoveOption(std::string_view name) { options.RemoveOption(name); }
    // Replaces the names by the texts of the ticked items, walking the tree in display order.
    void CollectTicked();
    // Ticks every item whose text is on, unticks the others.
    void ShowOptionsInTree();

    // Ticks (1) or unticks (0) the item; with parent, each group above is ticked exactly when one of
    // its children is; with children, the items below take the same state.
    void SetItemState(QTreeWidgetItem* item, int state, bool withChildren, bool withParent);
    void ToggleItem(QTreeWidgetItem* item);
    static int ItemState(const QTreeWidgetItem* item);
    // The item of that text, letter case ignored, or null.
    QTreeWidgetItem* FindItem(std::string_view text) const;
    // Where the item's tick box is drawn, in the tree's viewport.
    QRect TickBoxRect(QTreeWidgetItem* item) const;

    void UseToolButton(int tag);
    void OptionsTreeMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint position);
    void OptionsTreeKeyPress(char key);

    QToolBar* TBMain = nullptr;
    QToolButton* BtnExpand = nullptr;
    QToolButton* BtnCollapse = nullptr;
    QToolButton* BtnSelectAll = nullptr;
    QToolButton* BtnSelectNone = nullptr;
    QToolButton* BtnExit = nullptr;
    QToolButton* BtnCancel = nullptr;
    QTreeWidget* TVOptions = nullptr;

signals:
    // The grid should paint again, when the map panel is visible.
    void RepaintRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QToolButton* AddToolButton(const TImageList& images, int image, int tag, const QString& hint);
    void BuildTree();

    TDisplayOptions options;
    TDisplayOptions savedOptions;
    QIcon unticked, ticked;
};

// The program's one display options window, set by whoever creates it.
