// The look shared by the two database trees: a root, region folders whose
// picture opens and closes with them, and record items carrying a pointer to
// their record (not owned).
#pragma once

#include <QTreeWidget>

#include "core/display/DragRecords.h"

class CDatabaseTree : public QTreeWidget {
    Q_OBJECT
public:
    enum Image { kFolderClosed = 0, kFolderOpen = 1, kSatellite = 2, kGlobe = 3 };
    static constexpr int kRecordRole = Qt::UserRole + 1;

    explicit CDatabaseTree(QWidget* parent = nullptr);

    QTreeWidgetItem* RootItem() const { return topLevelItemCount() ? topLevelItem(0) : nullptr; }
    // The record of an item, or null for the root and the folders.
    void* RecordOf(const QTreeWidgetItem* item) const;
    bool IsRoot(const QTreeWidgetItem* item) const { return item && !item->parent(); }
    bool IsFolder(const QTreeWidgetItem* item) const { return item && item->parent() == RootItem(); }
    static QIcon ImageIcon(Image image);
    // Folders of more records than this get their record items when first
    // opened: a region of a quarter of a million satellites then takes no
    // memory for items until the user opens it.
    static constexpr std::size_t kItemsWhenOpened = 10000;
    // A folder's records in tree order, whether or not its items exist yet.
    std::vector<void*> FolderRecords(const QTreeWidgetItem* folder) const;
    // What a drag of `item` carries: a record, or a region folder's records
    // in tree order; nothing for the root.
    std::optional<DraggedRecords> DragRecordsOf(const QTreeWidgetItem* item) const;
    // The drag data of `item` under the tree's own MIME type, or null.
    QMimeData* DragData(const QTreeWidgetItem* item) const;
    // The drag image: the item's picture and text.
    QPixmap DragPixmap(const QTreeWidgetItem* item) const;

    // What a rebuild of the tree keeps: the open folders (by their texts)
    // and the scroll position.
    struct ViewState {
        QList<QStringList> expanded;
        int scroll = 0;
    };
    ViewState SaveViewState() const;
    void RestoreViewState(const ViewState& state);

signals:
    // The selected item changed; `onRoot` when it is the root (or nothing).
    void selectionMoved(bool onRoot);
    // A record item was double-clicked.
    void recordActivated(void* record);

protected:
    // The MIME type of this tree's drags.
    virtual const char* DragType() const = 0;
    // The name of a record of this tree (Windows-1252).
    virtual std::string RecordName(const void* record) const = 0;

    QTreeWidgetItem* AddRoot(const QString& text);
    QTreeWidgetItem* AddFolder(QTreeWidgetItem* parent, const QString& text);
    // The picture of every record item (set before the items are made).
    void SetRecordImage(Image image) { m_recordIcon = ImageIcon(image); }
    QTreeWidgetItem* AddRecord(QTreeWidgetItem* parent, void* record);
    // Gives a folder items for its records (in tree order): at once, or
    // when the folder is first opened if there are more than
    // kItemsWhenOpened of them.
    void AddRecords(QTreeWidgetItem* folder, std::vector<void*> records);
    // An item for a record, not yet in the tree (to be added with others at
    // once).  It keeps the record's name as the database spells it and
    // shows the tree's record picture: an item takes a fraction of the
    // memory of one holding its own texts and pictures.
    QTreeWidgetItem* MakeRecordItem(void* record) const;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    // Over its own area a tree takes its own drag (and does nothing with it);
    // the location tree takes no drop at all.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    class RecordItem;
    class FolderItem;
    // Makes the items a folder was waiting to show.
    void MakeWaitingItems(QTreeWidgetItem* folder);
    QIcon m_recordIcon;
};
