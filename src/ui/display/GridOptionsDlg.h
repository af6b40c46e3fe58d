// "Satellite Grid Options": the bands listed, the order, the azimuth kind and
// the slot after the name.
#pragma once

#include <QDialog>

class QCheckBox;
class QRadioButton;

class CGridOptionsDlg : public QDialog {
    Q_OBJECT
public:
    explicit CGridOptionsDlg(int options, QWidget* parent = nullptr);
    // The word chosen (valid after OK): only the six option bits.
    int Options() const { return m_nOptions; }

    void accept() override;

private:
    int m_nOptions;
    QCheckBox* m_ku;
    QCheckBox* m_c;
    QCheckBox* m_dbs;
    QCheckBox* m_showSlot;
    QRadioButton* m_bySlot;
    QRadioButton* m_byName;
    QRadioButton* m_magnetic;
    QRadioButton* m_true;
};
