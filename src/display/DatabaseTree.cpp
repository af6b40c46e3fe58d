#include "display/DatabaseTree.h"

#include <QHeaderView>
#include <QMouseEvent>

CDatabaseTree::CDatabaseTree(QWidget* parent) : QTreeWidget(parent) {
    setHeaderHidden(true);
    setColumnCount(1);
    setRootIsDecorated(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformRowHeights(true);
    setIconSize(QSize(16, 16));
    // Long names scroll sideways instead of being cut short.
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    header()->setStretchLastSection(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Folders show the open picture while expanded.
    connect(this, &QTreeWidget::itemExpanded, this,
            [](QTreeWidgetItem* item) { item->setIcon(0, ImageIcon(kFolderOpen)); });
    connect(this, &QTreeWidget::itemCollapsed, this,
            [](QTreeWidgetItem* item) { item->setIcon(0, ImageIcon(kFolderClosed)); });
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { emit selectionMoved(!current || IsRoot(current)); });
}

QIcon CDatabaseTree::ImageIcon(Image image) {
    static const char* const files[] = {":/images/folder_closed.png", ":/images/folder_open.png",
                                        ":/images/satellite.png", ":/images/globe.png"};
    return QIcon(files[image]);
}

void* CDatabaseTree::RecordOf(const QTreeWidgetItem* item) const {
    return item ? reinterpret_cast<void*>(item->data(0, kRecordRole).value<quintptr>()) : nullptr;
}

QTreeWidgetItem* CDatabaseTree::AddRoot(const QString& text) {
    auto* item = new QTreeWidgetItem(this, QStringList{text});
    item->setIcon(0, ImageIcon(kFolderClosed));
    return item;
}

QTreeWidgetItem* CDatabaseTree::AddFolder(QTreeWidgetItem* parent, const QString& text) {
    auto* item = new QTreeWidgetItem(parent, QStringList{text});
    item->setIcon(0, ImageIcon(kFolderClosed));
    // A folder shows its expander even when it is empty, as every region does.
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

QTreeWidgetItem* CDatabaseTree::MakeRecordItem(const QString& text, const QIcon& icon, void* record) {
    auto* item = new QTreeWidgetItem(QStringList{text});
    item->setIcon(0, icon);
    item->setData(0, kRecordRole, QVariant::fromValue(reinterpret_cast<quintptr>(record)));
    return item;
}

QTreeWidgetItem* CDatabaseTree::AddRecord(QTreeWidgetItem* parent, const QString& text, Image image, void* record) {
    QTreeWidgetItem* item = MakeRecordItem(text, ImageIcon(image), record);
    parent->addChild(item);
    return item;
}

void CDatabaseTree::mouseDoubleClickEvent(QMouseEvent* event) {
    QTreeWidgetItem* item = itemAt(event->position().toPoint());
    if (void* record = RecordOf(item)) {
        emit recordActivated(record);
        return;
    }
    QTreeWidget::mouseDoubleClickEvent(event);  // a folder opens or closes
}

void CDatabaseTree::mousePressEvent(QMouseEvent* event) {
    // A right click selects the item under the pointer before the context menu.
    if (event->button() == Qt::RightButton)
        if (QTreeWidgetItem* item = itemAt(event->position().toPoint())) setCurrentItem(item);
    QTreeWidget::mousePressEvent(event);
}
