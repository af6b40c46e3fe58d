#include "satellites/SatelliteTree.h"

#include "display/TreeGroups.h"
#include "framework/QtText.h"

CSatelliteTree::CSatelliteTree(QWidget* parent) : CDatabaseTree(parent) {
    setObjectName("satelliteTree");
    setAccessibleName("Satellite Database");
}

void CSatelliteTree::FillTree() {
    clear();
    QTreeWidgetItem* root = AddRoot("Satellites");
    std::vector<CSatellite*> ungrouped;
    for (const auto& group : SatelliteTreeGroups(m_satellites, &ungrouped)) {
        QTreeWidgetItem* folder = AddFolder(root, FromCp1252(group.name));
        for (CSatellite* sat : group.items) AddRecord(folder, FromCp1252(sat->GetName()), kSatellite, sat);
    }
    // A record without a region (the editor never saves one) stands under the root.
    for (CSatellite* sat : ungrouped) AddRecord(root, FromCp1252(sat->GetName()), kSatellite, sat);
}
