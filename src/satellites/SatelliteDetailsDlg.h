// "Satellite Details": one satellite's data and its look angles from a
// location, with "Edit Data..." to change the record in the satellite editor.
#pragma once

#include <QDialog>
#include <cstdint>
#include <functional>

class QLabel;
class QPushButton;
class CLocation;
class CSatellite;
class CSatelliteDatabase;

class CSatelliteDetailsDlg : public QDialog {
    Q_OBJECT
public:
    // Runs the satellite editor on a record (null: none) and returns the
    // record if it is still in the database afterwards.
    using EditFunction = std::function<CSatellite*(CSatellite*)>;

    explicit CSatelliteDetailsDlg(QWidget* parent = nullptr);

    // The record, the site and the grid options word (only its magnetic bit
    // is used).  `database` tells whether the record is still there.
    void SetData(CSatellite* satellite, CLocation* location, int options, const CSatelliteDatabase* database);
    void SetEditFunction(EditFunction edit) { m_edit = std::move(edit); }
    // Fills every text from the record and the site.
    void OnInitDialog();
    int DoModal();

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
    QPushButton* SunOutagesButton() const { return m_btnSunOutages; }

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
    QPushButton* m_btnSunOutages;

    CSatellite* m_pSatellite = nullptr;
    std::uint64_t m_nSatelliteId = 0;
    CLocation* m_pLocation = nullptr;
    int m_nOptions = 0;
    const CSatelliteDatabase* m_pDatabase = nullptr;
    EditFunction m_edit;
};
