// "Sun Outages": the days of a year on which the Sun stands behind a
// satellite as seen from a location, for a dish diameter and a frequency
// that the user may change; times in UTC and in a local time of the user's
// choice: this computer's zone, or a fixed offset from UTC.
#pragma once

#include <QDialog>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;
class QTreeWidget;
class CLocation;
class CSatellite;

class CSunOutageDlg : public QDialog {
    Q_OBJECT
public:
    // `computerOffsetMinutes`: this computer's standard time ahead of UTC,
    // which decides the local time first shown (see SiteNearZone); taken
    // from the system when not given.
    CSunOutageDlg(const CSatellite& satellite, const CLocation& location, QWidget* parent = nullptr);
    CSunOutageDlg(const CSatellite& satellite, const CLocation& location, int computerOffsetMinutes,
                  QWidget* parent = nullptr);

    // Recomputes the list from the fields; a bad entry empties it and says
    // why.
    void Recompute();

    QTreeWidget* List() const { return m_list; }
    QComboBox* LocalTime() const { return m_zone; }
    QString StatusText() const;
    // The choice of local time that stands for this computer's zone.
    static constexpr int kComputerZone = 0;
    // The offset chosen in minutes ahead of UTC, or nothing for this
    // computer's zone.
    std::optional<int> ChosenOffsetMinutes() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    double m_latitude, m_siteLongitude, m_satLongitude;
    QLineEdit* m_dish;
    QLineEdit* m_frequency;
    QSpinBox* m_year;
    QComboBox* m_zone;
    QTreeWidget* m_list;
    QLabel* m_status;
};
