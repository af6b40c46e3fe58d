#include "ui/printing/PrintOptionsDlg.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/framework/Profile.h"
#include "ui/framework/QtText.h"

namespace {

// An editable list whose typed text stays out of the list.
QComboBox* MakeEditableCombo(QWidget* parent, const char* name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    return box;
}

// Both lists sort their entries as text, letter case aside, so sizes read
// 10, 12, ... 32, 6, 8.
void AddSorted(QComboBox* box, QStringList entries) {
    entries.sort(Qt::CaseInsensitive);
    box->addItems(entries);
}

}  // namespace

CPrintOptionsDlg::CPrintOptionsDlg(CProfile* profile, QWidget* parent)
    : QDialog(parent), m_pProfile(profile) {
    setObjectName("printOptionsDialog");
    setWindowTitle(Tr("Print Options"));

    auto* scope = new QGroupBox(Tr("Print look angles for:"), this);
    m_current = new QRadioButton(Tr("&Current Location"), scope);
    m_all = new QRadioButton(Tr("&All locations"), scope);
    m_current->setObjectName("scopeCurrentLocation");
    m_all->setObjectName("scopeAllLocations");
    auto* scopeLayout = new QVBoxLayout(scope);
    scopeLayout->addWidget(m_current);
    scopeLayout->addWidget(m_all);

    auto* font = new QGroupBox(Tr("Font"), this);
    m_cbFace = MakeEditableCombo(font, "fontFace");
    m_cbSize = MakeEditableCombo(font, "fontSize");
    auto* fontLayout = new QFormLayout(font);
    fontLayout->addRow(Tr("&Name"), m_cbFace);
    fontLayout->addRow(Tr("&Size"), m_cbSize);
    m_cbFace->setMinimumContentsLength(20);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &CPrintOptionsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CPrintOptionsDlg::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(scope);
    layout->addWidget(font);
    layout->addWidget(buttons);

    AddSorted(m_cbSize, {"6", "8", "10", "12", "14", "16", "18", "24", "32"});
    // Only faces that scale smoothly to any size are offered.
    QStringList faces;
    for (const QString& family : QFontDatabase::families())
        if (QFontDatabase::isSmoothlyScalable(family))
            faces << family;
    AddSorted(m_cbFace, faces);

    m_strFace = m_pProfile ? m_pProfile->GetProfileString(kSection, kFaceEntry, kDefaultFace) : kDefaultFace;
    m_strSize = m_pProfile ? m_pProfile->GetProfileString(kSection, kSizeEntry, kDefaultSize) : kDefaultSize;
    m_nScope = 1;
    SelectString(m_cbFace, FromCp1252(m_strFace));
    SelectString(m_cbSize, FromCp1252(m_strSize));
    m_current->setChecked(true);
}

void CPrintOptionsDlg::SelectString(QComboBox* box, const QString& text) {
    const int found = text.isEmpty() ? -1 : box->findText(text, Qt::MatchStartsWith);
    if (found >= 0)
        box->setCurrentIndex(found);
    else
        box->setEditText(text);
}

void CPrintOptionsDlg::accept() {
    m_strFace = ToCp1252(m_cbFace->currentText());
    m_strSize = ToCp1252(m_cbSize->currentText());
    if (m_pProfile) {
        m_pProfile->WriteProfileString(kSection, kFaceEntry, m_strFace);
        m_pProfile->WriteProfileString(kSection, kSizeEntry, m_strSize);
    }
    m_nScope = m_current->isChecked() ? 1 : 0;
    QDialog::accept();
}
