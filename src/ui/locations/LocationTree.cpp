#include "ui/locations/LocationTree.h"

#include "core/display/TreeGroups.h"
#include "ui/framework/QtText.h"

CLocationTree::CLocationTree(QWidget* parent) : CDatabaseTree(parent) {
    setObjectName("locationTree");
    setAccessibleName(Tr("Location Database"));
    setWhatsThis(
        Tr("The locations you can choose from, by region. Drag one (or a region) onto the workspace, "
           "or select it and choose Edit > Add to Workspace. Double-click one to edit its data."));
}

void CLocationTree::FillTree() {
    clear();
    SetRecordImage(kGlobe);
    QTreeWidgetItem* root = AddRoot(Tr("Locations"));
    std::vector<CLocation*> ungrouped;
    for (const auto& group : LocationTreeGroups(m_locations, &ungrouped)) {
        QTreeWidgetItem* folder = AddFolder(root, FromCp1252(group.name));
        AddRecords(folder, std::vector<void*>(group.items.begin(), group.items.end()));
    }
    // A location whose region has no folder stands under the root.
    for (CLocation* loc : ungrouped)
        AddRecord(root, loc);
}
