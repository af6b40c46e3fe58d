#include "ui/satellites/SatelliteTree.h"

#include "core/display/TreeGroups.h"
#include "ui/framework/QtText.h"

CSatelliteTree::CSatelliteTree(QWidget* parent) : CDatabaseTree(parent) {
    setObjectName("satelliteTree");
    setAccessibleName(Tr("Satellite Database"));
    setWhatsThis(
        Tr("The satellites you can choose from, by coverage region. Drag one (or a region) onto the "
           "workspace, or select it and choose Edit > Add to Workspace. Double-click one to edit its data."));
    // A satellite dragged back over the tree keeps the ordinary pointer; the
    // drop adds nothing.
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
}

void CSatelliteTree::FillTree() {
    clear();
    SetRecordImage(kSatellite);
    QTreeWidgetItem* root = AddRoot(Tr("Satellites"));
    std::vector<CSatellite*> ungrouped;
    for (const auto& group : SatelliteTreeGroups(m_satellites, &ungrouped)) {
        QTreeWidgetItem* folder = AddFolder(root, FromCp1252(group.name));
        AddRecords(folder, std::vector<void*>(group.items.begin(), group.items.end()));
    }
    // A record without a region (the editor never saves one) stands under the root.
    for (CSatellite* sat : ungrouped)
        AddRecord(root, sat);
}
