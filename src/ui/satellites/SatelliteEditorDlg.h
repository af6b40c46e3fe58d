// "Edit Satellite Database": adds, changes and deletes the records of the
// satellite database in place.  Its result says whether anything was saved
// or deleted, so that the caller knows whether to write the file.
#pragma once

#include <string>

#include "core/satellites/Satellite.h"
#include "ui/framework/RecordEditorDlg.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QRadioButton;

class CSatelliteEditorDlg : public CRecordEditor<CSatellite> {
    Q_OBJECT
public:
    explicit CSatelliteEditorDlg(QWidget* parent = nullptr);

private:
    void FillChoices() override;
    void ShowFields() override;
    void ClearFields() override;
    void EnableFields(bool enable = true) override;
    bool ReadFields() override;
    bool Validate() override;
    void StoreFields(CSatellite& record) const override;

    // Controls.
    QCheckBox* m_checkKu;
    QCheckBox* m_checkC;
    QCheckBox* m_checkDBS;
    QLineEdit* m_editSlot;
    QRadioButton* m_radioEast;
    QRadioButton* m_radioWest;
    QComboBox* m_comboRegion;
    QPlainTextEdit* m_editComments;

    bool m_bC = false, m_bDBS = false, m_bKu = false;
    std::string m_strRegion, m_strComments;
    float m_fSlot = 0.0f;
};
