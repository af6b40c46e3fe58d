// "Satellite Details": one satellite's data and its look angles from a
// location, with "Edit Data..." to change the record in the satellite editor.
// A location with a horizon adds the satellite's clearance above it.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;
class CAimingSection;
class CLocation;
class CSatellite;
class CSatelliteDatabase;

class CSatelliteDetailsDlg : public QDialog {
    Q_OBJECT
public:
    // Runs the satellite editor on a record.
    using EditFunction = std::function<void(const CSatellite*)>;

    explicit CSatelliteDetailsDlg(QWidget* parent = nullptr);
    ~CSatelliteDetailsDlg() override;

    // The record, the site and the grid options word (only its magnetic bit
    // is used).  The dialog holds the record by its instance number and finds
    // it in `database` whenever it needs it, so an editing run that deletes
    // the record cannot leave it pointing at freed memory; the site is copied.
    void SetData(const CSatellite* satellite, const CLocation* location, int options,
                 const CSatelliteDatabase* database);
    void SetEditFunction(EditFunction edit) { m_edit = std::move(edit); }
    // Fills every text from the record and the site.
    void OnInitDialog();
    int DoModal();

    // Runs the editor on the record; closes the dialog when the record is
    // gone afterwards, shows it anew otherwise.
    void OnEditData();
    // "Sun Outages...": the sun-outage dialog for the record and the site.
    void OnSunOutages();

    QPushButton* EditButton() const { return m_btnEdit; }
    QString NameText() const;
    QString SlotText() const;
    QString BandsText() const;
    QString CommentsText() const;
    QString LocationText() const;
    QString AzimuthLabelText() const;
    QString ElevationText() const;
    QString AzimuthText() const;
    QString SkewText() const;
    // "4.2° (clear)", "-2.1° (blocked)"; empty (and the line hidden) when
    // the location has no horizon.
    QString ClearanceText() const;
    QPushButton* SunOutagesButton() const { return m_btnSunOutages; }
    // The installer's sheet for the site and the satellite.
    CAimingSection* AimingSection() const { return m_aiming; }

private:
    QPushButton* m_btnEdit;
    QPushButton* m_btnOK;
    QLabel* m_azimuth;
    QLabel* m_bands;
    QLabel* m_comments;
    QLabel* m_elevation;
    QLabel* m_location;
    QLabel* m_azimuthLabel;
    QLabel* m_name;
    QLabel* m_slot;
    QLabel* m_skew;
    QLabel* m_clearance;
    QLabel* m_clearanceLabel;
    QPushButton* m_btnSunOutages;
    CAimingSection* m_aiming;

    // The shown record, found in the database by its instance number (null
    // when it is no longer there).
    const CSatellite* Satellite() const;

    std::uint64_t m_nSatelliteId = 0;
    std::unique_ptr<CLocation> m_site;
    int m_nOptions = 0;
    const CSatelliteDatabase* m_pDatabase = nullptr;
    EditFunction m_edit;
};
