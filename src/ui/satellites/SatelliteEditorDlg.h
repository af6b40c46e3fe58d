// "Edit Satellite Database": adds, changes and deletes the records of the
// satellite database in place.  Its result says whether anything was saved
// or deleted, so that the caller knows whether to write the file.
#pragma once

#include <QDialog>
#include <string>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListView;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class CSatellite;
class CSatelliteDatabase;
class CRecordListModel;

class CSatelliteEditorDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSatelliteEditorDlg(QWidget* parent = nullptr);

    void SetDatabase(CSatelliteDatabase* database) { m_pDatabase = database; }
    // The record shown first (null: none).
    void SetCurrent(CSatellite* record) { m_pCurrent = record; }
    // Fills the form; DoModal does it before running the dialog.
    void OnInitDialog();
    // Runs the dialog; nonzero when records were saved or deleted.
    int DoModal();

    CSatellite* Current() const { return m_pCurrent; }
    bool IsAdding() const { return m_bAdding; }
    bool IsDirty() const { return m_bDirty; }
    bool HasChanged() const { return m_bChanged; }

    // Button handlers.
    void OnSave();
    void OnAdd();
    void OnDelete();
    // Unsaved edits (a new satellite too) are offered for saving first; the
    // dialog stays open when the user cancels or the save is refused.
    void OnClose();

protected:
    // Escape and the close box act as "Close"; the result tells only
    // whether anything was saved or deleted.
    void reject() override { OnClose(); }

private:
    void OnSelChange();
    void ShowRecord(bool rebuildList);
    void ClearFields();
    void EnableFields(bool enable = true);
    void SetDirty(bool dirty);
    // Controls into the members; false (after a message) when a field cannot
    // be taken.
    bool UpdateData();
    bool Validate();
    void StoreFields(CSatellite& record) const;
    void SelectRow(int row);

    // Controls.
    QLineEdit* m_editName;
    QListView* m_listSatellites;
    CRecordListModel* m_records;
    QCheckBox* m_checkKu;
    QCheckBox* m_checkC;
    QCheckBox* m_checkDBS;
    QLineEdit* m_editSlot;
    QRadioButton* m_radioEast;
    QRadioButton* m_radioWest;
    QComboBox* m_comboRegion;
    QPlainTextEdit* m_editComments;
    QPushButton* m_btnAdd;
    QPushButton* m_btnSave;
    QPushButton* m_btnDelete;
    QPushButton* m_btnClose;

    bool m_bChanged = false;
    bool m_bAdding = false;
    bool m_bDirty = false;
    // Set while the dialog itself changes the controls, whose notices then
    // are not the user's edits.
    bool m_bFilling = false;
    CSatellite* m_pCurrent = nullptr;
    bool m_bC = false, m_bDBS = false, m_bKu = false;
    std::string m_strRegion, m_strName, m_strComments, m_strListSel;
    float m_fSlot = 0.0f;
    CSatelliteDatabase* m_pDatabase = nullptr;
};
