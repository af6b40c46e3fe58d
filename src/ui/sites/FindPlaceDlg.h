// "Find Place": finds a site's latitude and longitude by the name of a town
// near it, by a point picked on the world map, or by its Maidenhead locator.
//
//     CFindPlaceDlg dlg(parent);
//     dlg.SetPoint(latitude, longitude);  // optional: the site known so far
//     if (dlg.Run()) {
//         name = dlg.PlaceName();  // UTF-8 (ToCp1252 for a record); may be empty
//         ascii = dlg.AsciiName();  // the same in ASCII letters, if any
//         latitude = dlg.Latitude();
//         longitude = dlg.Longitude();
//         region = dlg.Region();  // a LOC_REGION_* value, or 0
//     }
//
// The list of places and the map are read once per run, from the data
// folder when they are there, else from the shipped data.  Without the list
// the dialog says so and the map and the locator still work; without the
// map it shows only the lines of latitude and longitude.
#pragma once

#include <QDialog>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

#include "ui/sites/WorldMapView.h"

class CGazetteer;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
struct Place;

class CFindPlaceDlg : public QDialog {
    Q_OBJECT
public:
    // The most places listed for one search.
    static constexpr int kMaxShown = 100;

    explicit CFindPlaceDlg(QWidget* parent = nullptr);
    // The same with the list of places and the map read from these files.
    CFindPlaceDlg(const QString& placesFile, const QString& mapFile, QWidget* parent = nullptr);
    ~CFindPlaceDlg() override;

    // Marks a point and centres the map on it before the dialog is shown
    // (the site as known so far); it is what OK returns unless another is
    // picked, with no name and no region.
    void SetPoint(double latitude, double longitude);

    // Shows the dialog; true when the user closed it with OK (which is
    // enabled only while there is a point).
    bool Run();

    // What was chosen (after Run returned true):
    // the place's name when the point is a place of the list, the locator
    // ("JP99lp") when it was typed as a locator, empty when it was picked on
    // the map or given to SetPoint;
    QString PlaceName() const { return m_name; }
    // the place's name in ASCII letters ("Tromso"; empty when the gazetteer
    // has none, as for names in other scripts); otherwise PlaceName();
    QString AsciiName() const { return m_asciiName; }
    // the point in degrees, North and East positive;
    double Latitude() const { return m_point ? m_point->latitude : 0.0; }
    double Longitude() const { return m_point ? m_point->longitude : 0.0; }
    // the location region (LOC_REGION_*) of the place's country; 0 when the
    // point is not a place of the list;
    int Region() const { return m_region; }
    // the place's country (ISO code, "NO"); empty when not a place.
    QString Country() const { return m_country; }
    bool HasPoint() const { return m_point.has_value(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Search(const QString& text);
    void PlaceChosen();
    void MapPicked(double latitude, double longitude);
    void LocatorEdited(const QString& text);
    void LocatorDone();
    // The point and what it is; `locator` false writes the point's locator
    // into the locator's field.
    void Choose(const GeoPoint& point, const QString& name, int region, const QString& country,
                bool fromLocator = false);
    void ClearPlaceSelection();

    std::shared_ptr<const CGazetteer> m_gazetteer;
    std::vector<const Place*> m_shown;
    bool m_settingSelection = false;

    std::optional<GeoPoint> m_point;
    QString m_name;
    QString m_asciiName;
    int m_region = 0;
    QString m_country;

    QLineEdit* m_search;
    QTreeWidget* m_places;
    QLabel* m_status;
    CWorldMapView* m_map;
    QLineEdit* m_latitude;
    QLineEdit* m_longitude;
    QLineEdit* m_locator;
    QPushButton* m_wholeWorld;
    QPushButton* m_ok;
};
