// "Edit Location Database": adds, changes and deletes the locations of the
// location database in place.  The magnetic variation is typed with its
// direction, or computed from the geomagnetic model ("Calculate Variation
// Automatically") and then stored as the automatic marker.  "Horizon..."
// edits the saved location's horizon; a location renamed here keeps its
// horizon, a deleted one's goes with it.
#pragma once

#include <optional>
#include <string>
#include <utility>

#include "core/locations/Location.h"
#include "ui/framework/RecordEditorDlg.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

class CLocationEditorDlg : public CRecordEditor<CLocation> {
    Q_OBJECT
public:
    explicit CLocationEditorDlg(QWidget* parent = nullptr);

    bool IsModified() const { return IsDirty(); }

    // "Calculate Variation Automatically" ticked or cleared.
    void OnAutoVariation();
    // "Find...": a place found by name, on the map or by its locator fills
    // the latitude and longitude, and a place of the list also the name (when
    // the field is empty or the point is a named place) and the region.
    void OnFindPlace();
    // "Horizon...": the Horizon dialog for the shown location under its
    // saved name; OK saves the horizon at once.
    void OnHorizon();

private:
    void FillChoices() override;
    void ShowFields() override;
    void ClearFields() override;
    void EnableFields(bool enable = true) override;
    bool ReadFields() override;
    bool Validate() override;
    // An automatic variation is computed again for the save.
    bool TakeFieldsForSave() override;
    void StoreFields(CLocation& location) const override;
    // The horizon follows a new name, and goes with a deleted location.
    void StoreCurrent() override;
    bool EraseRecord(void* record) override;
    // "Horizon..." works on a saved location that is shown.
    void UpdateHorizonButton();

    void ComputeVariation();
    // The point typed so far, North and East positive; nothing while the
    // latitude or longitude field holds no number in range.
    std::optional<std::pair<double, double>> TypedPoint() const;
    // The latitude and longitude fields and their sides for a point, North
    // and East positive; a typed variation is stale and cleared.
    void ShowPoint(double latitude, double longitude);
    // The locator field from the typed point.
    void UpdateLocator();
    // A locator typed and confirmed moves the point to its square's centre.
    void OnLocatorEntered();
    void EnableVariation(bool enable);
    // Members into the controls.
    void ShowData();

    QLineEdit* m_editLatitude;
    QRadioButton* m_radioNorth;
    QRadioButton* m_radioSouth;
    QLineEdit* m_editLongitude;
    QRadioButton* m_radioLonWest;
    QRadioButton* m_radioLonEast;
    QLineEdit* m_editVariation;
    QRadioButton* m_radioVarWest;
    QRadioButton* m_radioVarEast;
    QCheckBox* m_checkAuto;
    QComboBox* m_comboRegion;
    QPushButton* m_btnFind;
    QLineEdit* m_editLocator;
    QPushButton* m_btnHorizon;

    float m_fVariation = 0.0f;
    std::string m_strRegion;
    int m_nNorthSouth = 0;   // 0 North, 1 South
    int m_nLonWestEast = 0;  // 0 West, 1 East
    int m_nVarWestEast = 0;  // 0 West, 1 East
    float m_fLongitude = 0.0f;
    bool m_bAutoVariation = false;
    float m_fLatitude = 0.0f;
};
