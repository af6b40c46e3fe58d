// "Edit Location Database": adds, changes and deletes the locations of the
// location database in place.  The magnetic variation is typed with its
// direction, or computed from the geomagnetic model ("Calculate Variation
// Automatically") and then stored as the automatic marker.
#pragma once

#include <string>

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

    void ComputeVariation();
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

    float m_fVariation = 0.0f;
    std::string m_strRegion;
    int m_nNorthSouth = 0;   // 0 North, 1 South
    int m_nLonWestEast = 0;  // 0 West, 1 East
    int m_nVarWestEast = 0;  // 0 West, 1 East
    float m_fLongitude = 0.0f;
    bool m_bAutoVariation = false;
    float m_fLatitude = 0.0f;
};
