// The satellite database tab: owns the satellite database and shows it by
// coverage region.
#pragma once

#include "core/satellites/SatelliteDatabase.h"
#include "ui/display/DatabaseTree.h"

class CSatelliteTree : public CDatabaseTree {
    Q_OBJECT
public:
    explicit CSatelliteTree(QWidget* parent = nullptr);

    CSatelliteDatabase& Database() { return m_satellites; }
    void LoadDatabase() { m_satellites.LoadDatabase(); }
    // Rebuilds every item: the root "Satellites", the four regions in
    // alphabetical order, each with its satellites alphabetically.
    void FillTree();
    CSatellite* FindSatellite(const std::string& name) const { return m_satellites.FindSatellite(name); }
    CSatellite* SatelliteOf(const QTreeWidgetItem* item) const {
        return static_cast<CSatellite*>(RecordOf(item));
    }

protected:
    const char* DragType() const override { return kSatelliteDragType; }
    std::string RecordName(const void* record) const override {
        return static_cast<const CSatellite*>(record)->GetName();
    }

private:
    CSatelliteDatabase m_satellites;
};
