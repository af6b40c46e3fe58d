// "Import Orbital Elements": the geostationary objects of a file of orbital
// elements beside the satellites of the database they were matched with
// (slot, where the object really is, the difference, drift, inclination and
// age of the elements).  The rows worth an update come checked; the
// satellite of the selected row can be chosen by hand; "Update Slots"
// brings the checked satellites' slots to where their objects stand.
#pragma once

#include <QDialog>
#include <cstddef>
#include <vector>

#include "core/orbits/OrbitalElements.h"
#include "core/orbits/SlotMatch.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QString;
class QTreeWidget;
class QTreeWidgetItem;
class CSatelliteDatabase;
class IDatabaseEditorHost;

class COrbitsDlg : public QDialog {
    Q_OBJECT
public:
    enum Column {
        ColObject,
        ColSatellite,
        ColSlot,
        ColLongitude,
        ColDifference,
        ColDrift,
        ColInclination,
        ColAge
    };

    COrbitsDlg(CSatelliteDatabase& database, std::vector<GeoObject> objects, QWidget* parent = nullptr);

    QTreeWidget* Rows() const { return m_rows; }
    QComboBox* SatelliteChoice() const { return m_choice; }
    QCheckBox* ShowUnmatched() const { return m_showUnmatched; }
    QPushButton* UpdateButton() const { return m_btnUpdate; }

    const std::vector<GeoObject>& Objects() const { return m_objects; }
    const std::vector<SlotMatch>& Matches() const { return m_matches; }
    // The rows checked for an update, one entry per object.
    std::vector<bool> Chosen() const;
    // How many slots "Update Slots" changed.
    std::size_t ChangedSlots() const { return m_changed; }

    // Gives the object the satellite (null: none), as the combo does.
    void MatchRow(std::size_t object, const CSatellite* satellite);

private:
    void FillRow(std::size_t object);
    void OnRowSelected();
    void OnUpdateSlots();
    void ShowRows();

    CSatelliteDatabase& m_database;
    std::vector<GeoObject> m_objects;
    std::vector<SlotMatch> m_matches;
    std::vector<const CSatellite*> m_choices;  // the combo's satellites after "(none)"
    QTreeWidget* m_rows;
    QLabel* m_summary;
    QComboBox* m_choice;
    QCheckBox* m_showUnmatched;
    QPushButton* m_btnUpdate;
    std::size_t m_changed = 0;
};

// File > Import Orbital Elements... once the file is chosen: reads it (the
// refused lines named in a message, the rest imported), shows the dialog
// inside the satellite database's editing run and, when slots changed,
// saves the database safely, rebuilds the tree and brings the workspace up
// to date.  The matched satellites' inclinations are kept in orbits.csv.
// Returns how many slots changed.
std::size_t ImportOrbitalElements(IDatabaseEditorHost& host, QWidget* parent, const QString& path);
