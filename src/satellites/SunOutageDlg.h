// "Sun Outages": the days of a year on which the Sun stands behind a
// satellite as seen from a location, for a dish diameter and a frequency
// that the user may change; times in UTC and in the machine's local time.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QSpinBox;
class QTreeWidget;
class CLocation;
class CSatellite;

class CSunOutageDlg : public QDialog {
    Q_OBJECT
public:
    CSunOutageDlg(const CSatellite& satellite, const CLocation& location, QWidget* parent = nullptr);

    // Recomputes the list from the fields; a bad entry empties it and says
    // why.
    void Recompute();

    QTreeWidget* List() const { return m_list; }
    QString StatusText() const;

private:
    double m_latitude, m_siteLongitude, m_satLongitude;
    QLineEdit* m_dish;
    QLineEdit* m_frequency;
    QSpinBox* m_year;
    QTreeWidget* m_list;
    QLabel* m_status;
};
