// The location database tab: owns the location database and shows it by
// region.
#pragma once

#include "core/locations/LocationDatabase.h"
#include "ui/display/DatabaseTree.h"

class CLocationTree : public CDatabaseTree {
    Q_OBJECT
public:
    explicit CLocationTree(QWidget* parent = nullptr);

    CLocationDatabase& Database() { return m_locations; }
    void LoadDatabase() { m_locations.LoadDatabase(); }
    // Rebuilds every item: the root "Locations", the seven regions in
    // alphabetical order, each with its locations alphabetically.
    void FillTree();
    CLocation* FindLocation(const std::string& name) const { return m_locations.FindLocation(name); }
    CLocation* LocationOf(const QTreeWidgetItem* item) const {
        return static_cast<CLocation*>(RecordOf(item));
    }

protected:
    const char* DragType() const override { return kLocationDragType; }
    std::string RecordName(const void* record) const override {
        return static_cast<const CLocation*>(record)->GetName();
    }

private:
    CLocationDatabase m_locations;
};
