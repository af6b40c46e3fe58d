// "Print Options": whether the report covers the current location or every
// location, and the face and size of its table font.  Face and size are
// remembered in the settings file (section "Font") when the user presses OK;
// the scope always starts at "Current Location".
#pragma once

#include <QDialog>
#include <string>

class QComboBox;
class QRadioButton;
class CProfile;

class CPrintOptionsDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr const char* kSection = "Font";
    static constexpr const char* kFaceEntry = "Face Name";
    static constexpr const char* kSizeEntry = "Size";
    static constexpr const char* kDefaultFace = "Arial";
    static constexpr const char* kDefaultSize = "14";

    // `profile` may be null: nothing is then read or remembered.
    explicit CPrintOptionsDlg(CProfile* profile, QWidget* parent = nullptr);

    // 1: the current location only; 0: all locations.
    int m_nScope = 1;
    // Windows-1252, as typed or chosen.
    std::string m_strFace;
    std::string m_strSize;

    QComboBox* FaceBox() const { return m_cbFace; }
    QComboBox* SizeBox() const { return m_cbSize; }
    QRadioButton* CurrentLocationRadio() const { return m_current; }
    QRadioButton* AllLocationsRadio() const { return m_all; }

    void accept() override;

private:
    // Shows `text` in an editable combo box: the first entry that begins
    // with it is selected, else the text is typed into the edit field.
    static void SelectString(QComboBox* box, const QString& text);

    CProfile* m_pProfile;
    QRadioButton* m_current;
    QRadioButton* m_all;
    QComboBox* m_cbFace;
    QComboBox* m_cbSize;
};
