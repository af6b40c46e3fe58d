// "Edit Location Database": adds, changes and deletes the locations of the
// location database in place.  The magnetic variation is typed with its
// direction, or computed from the geomagnetic model ("Calculate Variation
// Automatically") and then stored as the automatic marker.
#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListView;
class QPushButton;
class QRadioButton;
class CLocation;
class CLocationDatabase;
class CRecordListModel;

class CLocationEditorDlg : public QDialog {
    Q_OBJECT
public:
    explicit CLocationEditorDlg(QWidget* parent = nullptr);

    void SetDatabase(CLocationDatabase* database) { m_pLocations = database; }
    // The location shown first (null: none).
    void SetCurrent(CLocation* location) { m_pCurrent = location; }
    // Fills the form; DoModal does it before running the dialog.
    void OnInitDialog();
    // Runs the dialog; nonzero when locations were saved or deleted.
    int DoModal();

    CLocation* Current() const { return m_pCurrent; }
    bool IsAdding() const { return m_bAdding; }
    bool IsModified() const { return m_bModified; }
    bool HasChanged() const { return m_bChanged; }

    // Button handlers.
    void OnSave();
    void OnAdd();
    void OnDelete();
    void OnAutoVariation();
    // Unsaved edits (a new location too) are offered for saving first; the
    // dialog stays open when the user cancels or the save is refused.
    void OnClose();

protected:
    // Escape and the close box act as "Close".
    void reject() override { OnClose(); }

private:
    void OnSelChange();
    void RefreshFields(bool refill);
    void ComputeVariation();
    void ClearFields();
    void EnableFields(bool enable = true);
    void EnableVariation(bool enable);
    void SetModified(bool modified);
    bool AskSaveChanges();
    bool UpdateData();
    // Members into the controls.
    void ShowData();
    bool Validate();
    void StoreFields(CLocation& location) const;
    void SelectRow(int row);

    QLineEdit* m_editName;
    QListView* m_listLocations;
    CRecordListModel* m_records;
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
    QPushButton* m_btnAdd;
    QPushButton* m_btnSave;
    QPushButton* m_btnDelete;
    QPushButton* m_btnClose;

    bool m_bChanged = false;
    bool m_bAdding = false;
    bool m_bModified = false;
    bool m_bFilling = false;
    CLocation* m_pCurrent = nullptr;
    float m_fVariation = 0.0f;
    std::string m_strName, m_strListSel, m_strRegion;
    int m_nNorthSouth = 0;   // 0 North, 1 South
    int m_nLonWestEast = 0;  // 0 West, 1 East
    int m_nVarWestEast = 0;  // 0 West, 1 East
    float m_fLongitude = 0.0f;
    bool m_bAutoVariation = false;
    float m_fLatitude = 0.0f;
    CLocationDatabase* m_pLocations = nullptr;
};
