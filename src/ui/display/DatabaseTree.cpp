#include "ui/display/DatabaseTree.h"

#include <QDrag>
#include <QDragEnterEvent>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

#include "ui/display/DragSupport.h"
#include "ui/framework/QtText.h"

// A record's item: the record (not owned) and its name in Windows-1252;
// its text and picture are made when asked for.
class CDatabaseTree::RecordItem : public QTreeWidgetItem {
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 1;
    RecordItem(void* record, std::string name)
        : QTreeWidgetItem(kType), m_record(record), m_name(std::move(name)) {}
    void* Record() const { return m_record; }
    QVariant data(int column, int role) const override {
        if (column == 0) {
            switch (role) {
                case Qt::DisplayRole:
                case Qt::EditRole:
                    return FromCp1252(m_name);
                case Qt::DecorationRole:
                    if (const auto* tree = static_cast<const CDatabaseTree*>(treeWidget()))
                        return tree->m_recordIcon;
                    break;
                case CDatabaseTree::kRecordRole:
                    return QVariant::fromValue(reinterpret_cast<quintptr>(m_record));
                default:
                    break;
            }
        }
        return QTreeWidgetItem::data(column, role);
    }

private:
    void* m_record;
    std::string m_name;
};

// A region folder: the records whose items it makes when first opened.
class CDatabaseTree::FolderItem : public QTreeWidgetItem {
public:
    static constexpr int kType = QTreeWidgetItem::UserType + 2;
    FolderItem(QTreeWidgetItem* parent, const QString& text)
        : QTreeWidgetItem(parent, QStringList{text}, kType) {}
    std::vector<void*> waiting;
};

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
    // Records and region folders can be dragged into the workspace.
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    // Folders show the open picture while expanded.
    connect(this, &QTreeWidget::itemExpanded, this, [this](QTreeWidgetItem* item) {
        MakeWaitingItems(item);
        item->setIcon(0, ImageIcon(kFolderOpen));
    });
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
    return item && item->type() == RecordItem::kType ? static_cast<const RecordItem*>(item)->Record()
                                                     : nullptr;
}

namespace {

// The texts from the top of the tree down to `item`.
QStringList TextPath(const QTreeWidgetItem* item) {
    QStringList path;
    for (; item; item = item->parent())
        path.prepend(item->text(0));
    return path;
}

void CollectExpanded(const QTreeWidgetItem* item, QList<QStringList>* out) {
    if (!item->isExpanded())
        return;
    out->append(TextPath(item));
    for (int i = 0; i < item->childCount(); ++i)
        CollectExpanded(item->child(i), out);
}

}  // namespace

CDatabaseTree::ViewState CDatabaseTree::SaveViewState() const {
    ViewState state;
    for (int i = 0; i < topLevelItemCount(); ++i)
        CollectExpanded(topLevelItem(i), &state.expanded);
    state.scroll = verticalScrollBar()->value();
    return state;
}

void CDatabaseTree::RestoreViewState(const ViewState& state) {
    for (const QStringList& path : state.expanded) {
        QTreeWidgetItem* item = nullptr;
        for (int i = 0; i < topLevelItemCount() && !item; ++i)
            if (topLevelItem(i)->text(0) == path.front())
                item = topLevelItem(i);
        for (qsizetype depth = 1; item && depth < path.size(); ++depth) {
            QTreeWidgetItem* next = nullptr;
            for (int i = 0; i < item->childCount() && !next; ++i)
                if (item->child(i)->text(0) == path[depth])
                    next = item->child(i);
            item = next;
        }
        if (item)
            item->setExpanded(true);
    }
    // The scroll range follows the rows only once they are laid out.
    executeDelayedItemsLayout();
    verticalScrollBar()->setValue(state.scroll);
}

QTreeWidgetItem* CDatabaseTree::AddRoot(const QString& text) {
    auto* item = new QTreeWidgetItem(this, QStringList{text});
    item->setIcon(0, ImageIcon(kFolderClosed));
    item->setFlags(item->flags() & ~Qt::ItemIsDragEnabled);  // the root is not dragged
    return item;
}

QTreeWidgetItem* CDatabaseTree::AddFolder(QTreeWidgetItem* parent, const QString& text) {
    auto* item = new FolderItem(parent, text);
    item->setIcon(0, ImageIcon(kFolderClosed));
    // A folder shows its expander even when it is empty, as every region does.
    item->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    return item;
}

QTreeWidgetItem* CDatabaseTree::MakeRecordItem(void* record) const {
    return new RecordItem(record, RecordName(record));
}

void CDatabaseTree::AddRecords(QTreeWidgetItem* folder, std::vector<void*> records) {
    if (records.size() > kItemsWhenOpened && folder->type() == FolderItem::kType && !folder->isExpanded()) {
        static_cast<FolderItem*>(folder)->waiting = std::move(records);
        return;
    }
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(records.size()));
    for (void* record : records)
        items.append(MakeRecordItem(record));
    folder->addChildren(items);
}

void CDatabaseTree::MakeWaitingItems(QTreeWidgetItem* folder) {
    if (folder->type() != FolderItem::kType)
        return;
    std::vector<void*> waiting = std::move(static_cast<FolderItem*>(folder)->waiting);
    static_cast<FolderItem*>(folder)->waiting.clear();
    if (!waiting.empty())
        AddRecords(folder, std::move(waiting));
}

std::vector<void*> CDatabaseTree::FolderRecords(const QTreeWidgetItem* folder) const {
    if (!folder)
        return {};
    if (folder->type() == FolderItem::kType && !static_cast<const FolderItem*>(folder)->waiting.empty())
        return static_cast<const FolderItem*>(folder)->waiting;
    std::vector<void*> records;
    records.reserve(static_cast<std::size_t>(folder->childCount()));
    for (int i = 0; i < folder->childCount(); ++i)
        if (void* record = RecordOf(folder->child(i)))
            records.push_back(record);
    return records;
}

QTreeWidgetItem* CDatabaseTree::AddRecord(QTreeWidgetItem* parent, void* record) {
    QTreeWidgetItem* item = MakeRecordItem(record);
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
        if (QTreeWidgetItem* item = itemAt(event->position().toPoint()))
            setCurrentItem(item);
    QTreeWidget::mousePressEvent(event);
}

std::optional<DraggedRecords> CDatabaseTree::DragRecordsOf(const QTreeWidgetItem* item) const {
    if (!item || IsRoot(item))
        return std::nullopt;
    DraggedRecords records;
    if (const void* record = RecordOf(item)) {
        records.names.push_back(RecordName(record));
    } else if (IsFolder(item)) {
        records.folder = true;
        const std::vector<void*> folderRecords = FolderRecords(item);
        records.names.reserve(folderRecords.size());
        for (const void* child : folderRecords)
            records.names.push_back(RecordName(child));
    } else {
        return std::nullopt;
    }
    return records;
}

QMimeData* CDatabaseTree::DragData(const QTreeWidgetItem* item) const {
    const auto records = DragRecordsOf(item);
    if (!records)
        return nullptr;
    auto* data = new QMimeData;
    data->setData(DragType(), QByteArray::fromStdString(EncodeDraggedRecords(*records)));
    return data;
}

QPixmap CDatabaseTree::DragPixmap(const QTreeWidgetItem* item) const {
    const QFontMetrics metrics(font());
    const QString text = item->text(0);
    const int height = std::max(16, metrics.height());
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(QSize(16 + 3 + metrics.horizontalAdvance(text) + 2, height) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    item->icon(0).paint(&painter, QRect(0, (height - 16) / 2, 16, 16));
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(QRect(19, 0, pixmap.width(), height), Qt::AlignLeft | Qt::AlignVCenter, text);
    return pixmap;
}

void CDatabaseTree::startDrag(Qt::DropActions) {
    QTreeWidgetItem* item = currentItem();
    QMimeData* data = DragData(item);
    if (!data)
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(DragPixmap(item));
    drag->setHotSpot(QPoint(8, 8));
    // Where a drop is taken the pointer stays the ordinary arrow; elsewhere
    // it is "no entry".  Escape cancels.
    drag->setDragCursor(DropCursorPixmap(), Qt::CopyAction);
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void CDatabaseTree::dragEnterEvent(QDragEnterEvent* event) {
    if (acceptDrops())
        AcceptDragOf(event, DragType());
    else
        event->ignore();
}

void CDatabaseTree::dragMoveEvent(QDragMoveEvent* event) {
    if (acceptDrops())
        AcceptDragOf(event, DragType());
    else
        event->ignore();
}

void CDatabaseTree::dropEvent(QDropEvent* event) {
    // Dropped back on its own tree: nothing is added.
    event->ignore();
}
