#include "ui/windows/OptionsWindow.h"

#include "support/ImageList.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QShowEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

namespace {

constexpr int StateRole = Qt::UserRole;

QIcon IconOf(const TImageList& images, int index) {
    const QImage image = images.Image(index);
    return image.isNull() ? QIcon() : QIcon(QPixmap::fromImage(image));
}

// The options tree: hands its mouse releases and its keys to the window.
class TOptionsTree : public QTreeWidget {
public:
    explicit TOptionsTree(TOptionsWindow& form) : QTreeWidget(&form), form(form) {}

    QRect IconRect(QTreeWidgetItem* item) const {
        const QModelIndex index = indexFromItem(item);
        if (!index.isValid())
            return {};
        QStyleOptionViewItem option;
        const_cast<TOptionsTree*>(this)->initViewItemOption(&option);
        option.rect = visualRect(index);
        option.index = index;
        option.features |= QStyleOptionViewItem::HasDecoration | QStyleOptionViewItem::HasDisplay;
        option.icon = item->icon(0);
        option.text = item->text(0);
        option.decorationSize = iconSize();
        return style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, this);
    }

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        QTreeWidget::mouseReleaseEvent(event);
        form.OptionsTreeMouseUp(event->button(), event->modifiers(), event->position().toPoint());
    }
    void keyPressEvent(QKeyEvent* event) override {
        switch (event->key()) {
        case Qt::Key_Escape:
            form.OptionsTreeKeyPress(27);
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            form.OptionsTreeKeyPress(13);
            break;
        case Qt::Key_Space:
            form.OptionsTreeKeyPress(32);
            break;
        default:
            QTreeWidget::keyPressEvent(event);
            return;
        }
        event->accept();
    }

private:
    TOptionsWindow& form;
};

} // namespace

TOptionsWindow::TOptionsWindow(const TImageList& toolBarImages, const TImageList& yesNoImages,
                               QWidget* parent)
    : TToolWindow(parent, Qt::Tool), unticked(IconOf(yesNoImages, 0)), ticked(IconOf(yesNoImages, 1)) {
    setObjectName("OptionsWindow");
    setWindowTitle("Display Options");
    setAccessibleName("Display Options");
    resize(256, 512);

    TBMain = new QToolBar(this);
    TBMain->setAccessibleName("Display options tool bar");
    TBMain->setIconSize(QSize(16, 16));
    BtnExpand = AddToolButton(toolBarImages, 18, ToolExpand, "Expand list");
    BtnCollapse = AddToolButton(toolBarImages, 19, ToolCollapse, "Collapse list");
    TBMain->addSeparator();
    BtnSelectAll = AddToolButton(toolBarImages, 6, ToolSelectAll, "Select all");
    BtnSelectNone = AddToolButton(toolBarImages, 7, ToolSelectNone, "Unselect all items of this type");
    TBMain->addSeparator();
    BtnExit = AddToolButton(toolBarImages, 12, ToolExit, "Apply and exit");
    BtnCancel = AddToolButton(toolBarImages, 13, ToolCancel, "Cancel");

    auto* tree = new TOptionsTree(*this);
    TVOptions = tree;
    TVOptions->setAccessibleName("Display options");
    TVOptions->setHeaderHidden(true);
    TVOptions->setIndentation(27);
    TVOptions->setFrameShape(QFrame::NoFrame);
    TVOptions->setIconSize(QSize(16, 16));
    TVOptions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    BuildTree();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(TBMain);
    layout->addWidget(TVOptions);

    CollectTicked();
}

QToolButton* TOptionsWindow::AddToolButton(const TImageList& images, int image, int tag,
                                           const QString& hint) {
    auto* button = new QToolButton(TBMain);
    button->setIcon(IconOf(images, image));
    button->setFixedSize(24, 24);
    button->setAutoRaise(true);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setProperty("tag", tag);
    connect(button, &QToolButton::clicked, this, [this, tag] { UseToolButton(tag); });
    TBMain->addWidget(button);
    return button;
}

void TOptionsWindow::BuildTree() {
    for (const TDisplayOptionGroup& group : DisplayOptionTree()) {
        auto* groupItem = new QTreeWidgetItem(TVOptions, QStringList(QString::fromLatin1(group.name)));
        groupItem->setData(0, StateRole, 1);
        groupItem->setIcon(0, ticked);
        for (const char* name : group.items) {
            auto* item = new QTreeWidgetItem(groupItem, QStringList(QString::fromLatin1(name)));
            item->setData(0, StateRole, 1);
            item->setIcon(0, ticked);
        }
    }
}

int TOptionsWindow::ItemState(const QTreeWidgetItem* item) {
    return item ? item->data(0, StateRole).toInt() : 0;
}

QTreeWidgetItem* TOptionsWindow::FindItem(std::string_view text) const {
    const QString wanted = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    for (QTreeWidgetItemIterator it(TVOptions); *it; ++it)
        if ((*it)->text(0).compare(wanted, Qt::CaseInsensitive) == 0)
            return *it;
    return nullptr;
}

QRect TOptionsWindow::TickBoxRect(QTreeWidgetItem* item) const {
    return static_cast<const TOptionsTree*>(TVOptions)->IconRect(item);
}

void TOptionsWindow::CollectTicked() {
    options.Clear();
    for (QTreeWidgetItemIterator it(TVOptions); *it; ++it)
        if (ItemState(*it) == 1)
            options.AddOption((*it)->text(0).toStdString());
}

void TOptionsWindow::ShowOptionsInTree() {
    for (QTreeWidgetItemIterator it(TVOptions); *it; ++it) {
        const int state = IsOptionOn((*it)->text(0).toStdString()) ? 1 : 0;
        (*it)->setData(0, StateRole, state);
        (*it)->setIcon(0, state ? ticked : unticked);
    }
}

void TOptionsWindow::SetItemState(QTreeWidgetItem* item, int state, bool withChildren, bool withParent) {
    if (!item)
        return;
    item->setData(0, StateRole, state);
    item->setIcon(0, state ? ticked : unticked);
    if (state == 1)
        AddOption(item->text(0).toStdString());
    else
        RemoveOption(item->text(0).toStdString());
    if (withParent && item->parent()) {
        QTreeWidgetItem* parent = item->parent();
        int parentState = 0;
        for (int i = 0; i < parent->childCount(); ++i)
            if (ItemState(parent->child(i)) == 1)
                parentState = 1;
        SetItemState(parent, parentState, false, true);
    }
    if (withChildren)
        for (int i = 0; i < item->childCount(); ++i)
            SetItemState(item->child(i), state, true, false);
}

void TOptionsWindow::ToggleItem(QTreeWidgetItem* item) {
    if (item)
        SetItemState(item, 1 - ItemState(item), true, true);
}

void TOptionsWindow::UseToolButton(int tag) {
    switch (tag) {
    case ToolExpand:
        TVOptions->expandAll();
        break;
    case ToolCollapse:
        TVOptions->collapseAll();
        break;
    case ToolSelectAll:
        for (QTreeWidgetItemIterator it(TVOptions); *it; ++it)
            SetItemState(*it, 1, true, false);
        break;
    case ToolSelectNone: {
        QTreeWidgetItem* selected = TVOptions->currentItem();
        if (selected)
            SetItemState(selected->parent() ? selected->parent() : selected, 0, true, false);
        break;
    }
    case ToolExit:
        close();
        break;
    case ToolCancel:
        options = savedOptions;
        ShowOptionsInTree();
        emit RepaintRequested();
        close();
        break;
    default:
        break;
    }
}

void TOptionsWindow::OptionsTreeMouseUp(Qt::MouseButton /*button*/, Qt::KeyboardModifiers /*shift*/,
                                        QPoint position) {
    QTreeWidgetItem* item = TVOptions->itemAt(position);
    if (!item || !TickBoxRect(item).contains(position))
        return;
    ToggleItem(item);
    emit RepaintRequested();
}

void TOptionsWindow::OptionsTreeKeyPress(char key) {
    if (key == 27)
        BtnCancel->click();
    else if (key == 13)
        BtnExit->click();
    else if (key == 32)
        ToggleItem(TVOptions->currentItem());
}

void TOptionsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        savedOptions = options;
}
