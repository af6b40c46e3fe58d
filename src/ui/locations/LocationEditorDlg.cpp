#include "ui/locations/LocationEditorDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>
#include <cmath>

#include "core/framework/AppMessageBox.h"
#include "core/framework/Format.h"
#include "core/framework/StringTable.h"
#include "core/framework/Translate.h"
#include "core/geomag/GeomagModel.h"
#include "core/locations/LocationDatabase.h"
#include "core/workspace/EditorRules.h"
#include "ui/framework/DialogExchange.h"
#include "ui/framework/QtText.h"

namespace msg = editor_messages;

namespace {

// A group box holding an edit and two exclusive radio buttons, with
// `above` (if any) on a line of its own over them.
QGroupBox* MakeAngleGroup(const QString& title, QWidget* parent, QLineEdit** edit, QRadioButton** first,
                          const QString& firstText, QRadioButton** second, const QString& secondText,
                          QWidget* above = nullptr) {
    auto* group = new QGroupBox(title, parent);
    *edit = new QLineEdit(group);
    *first = new QRadioButton(firstText, group);
    *second = new QRadioButton(secondText, group);
    auto* buttons = new QButtonGroup(group);
    buttons->addButton(*first, 0);
    buttons->addButton(*second, 1);
    auto* layout = new QVBoxLayout(group);
    if (above)
        layout->addWidget(above);
    auto* row = new QHBoxLayout;
    row->addWidget(*edit);
    row->addWidget(*first);
    row->addWidget(*second);
    layout->addLayout(row);
    return group;
}

std::vector<std::string> LocationRegionNames() {
    std::vector<std::string> names;
    for (const auto& region : kLocationRegions)
        names.push_back(LoadString(region.nameId));
    return names;
}

const std::string& LocationName(const void* record) {
    return static_cast<const CLocation*>(record)->GetName();
}

// "%3.1f" of the magnitude.
QString VariationText(float value) {
    return QString::fromStdString(Format("%3.1f", std::fabs(static_cast<double>(value))));
}

}  // namespace

CLocationEditorDlg::CLocationEditorDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("locationEditor");
    setWindowTitle(Tr("Edit Location Database"));

    auto* nameLabel = new QLabel(Tr("&Location Name"), this);
    m_editName = new QLineEdit(this);
    m_editName->setObjectName("locationName");
    m_editName->setAccessibleName(Tr("Location Name"));
    m_editName->setMaxLength(kMaxNameLength);
    nameLabel->setBuddy(m_editName);
    m_records = new CRecordListModel(&LocationName, this);
    m_listLocations = MakeRecordList(m_records, "locationList", Tr("Locations"), this);

    QGroupBox* latitude = MakeAngleGroup(Tr("L&atitude"), this, &m_editLatitude, &m_radioNorth,
                                         Tr("Degrees &North"), &m_radioSouth, Tr("Degrees &South"));
    QGroupBox* longitude = MakeAngleGroup(Tr("L&ongitude"), this, &m_editLongitude, &m_radioLonWest,
                                          Tr("Degrees &West"), &m_radioLonEast, Tr("Degrees &East"));
    m_checkAuto = new QCheckBox(Tr("Calculate Variation A&utomatically"), this);
    QGroupBox* variation =
        MakeAngleGroup(Tr("&Magnetic Variation"), this, &m_editVariation, &m_radioVarWest,
                       Tr("De&grees West"), &m_radioVarEast, Tr("&Degrees East"), m_checkAuto);

    m_editLatitude->setObjectName("latitude");
    m_editLatitude->setAccessibleName(Tr("Latitude"));
    m_radioNorth->setObjectName("north");
    m_radioSouth->setObjectName("south");
    m_editLongitude->setObjectName("longitude");
    m_editLongitude->setAccessibleName(Tr("Longitude"));
    m_radioLonWest->setObjectName("longitudeWest");
    m_radioLonEast->setObjectName("longitudeEast");
    m_editVariation->setObjectName("variation");
    m_editVariation->setAccessibleName(Tr("Magnetic Variation"));
    m_radioVarWest->setObjectName("variationWest");
    m_radioVarEast->setObjectName("variationEast");
    m_checkAuto->setObjectName("autoVariation");

    auto* regionLabel = new QLabel(Tr("&Region"), this);
    m_comboRegion = new QComboBox(this);
    m_comboRegion->setObjectName("region");
    m_comboRegion->setAccessibleName(Tr("Region"));
    regionLabel->setBuddy(m_comboRegion);

    m_btnAdd = MakeEditorButton(Tr("Add Locat&ion"), "addLocation", this);
    m_btnSave = MakeEditorButton(Tr("Sa&ve"), "save", this);
    m_btnDelete = MakeEditorButton(Tr("Dele&te"), "delete", this);
    m_btnClose = MakeEditorButton(Tr("&Close"), "close", this);

    auto* left = new QVBoxLayout;
    left->addWidget(nameLabel);
    left->addWidget(m_editName);
    left->addWidget(MakeLengthNote(m_editName, this));
    left->addWidget(m_listLocations, 1);
    auto* fields = new QVBoxLayout;
    fields->addWidget(latitude);
    fields->addWidget(longitude);
    fields->addWidget(variation);
    fields->addWidget(regionLabel);
    fields->addWidget(m_comboRegion);
    fields->addStretch(1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {m_btnAdd, m_btnSave, m_btnDelete})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(m_btnClose);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);

    QWidget* order[] = {m_editName,      m_listLocations, m_editLatitude, m_radioNorth, m_radioSouth,
                        m_editLongitude, m_radioLonWest,  m_radioLonEast, m_checkAuto,  m_editVariation,
                        m_radioVarWest,  m_radioVarEast,  m_comboRegion,  m_btnAdd,     m_btnSave,
                        m_btnDelete,     m_btnClose};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    auto edited = [this] {
        if (!m_bFilling)
            SetModified(true);
    };
    connect(m_editName, &QLineEdit::textEdited, this, edited);
    connect(m_editVariation, &QLineEdit::textEdited, this, edited);
    // A new position makes a typed variation stale: it must be typed again
    // (an automatic one is computed again at the next save).
    for (QLineEdit* edit : {m_editLatitude, m_editLongitude})
        connect(edit, &QLineEdit::textEdited, this, [this] {
            if (m_bFilling)
                return;
            m_editVariation->clear();
            SetModified(true);
        });
    connect(m_comboRegion, &QComboBox::activated, this, edited);
    // A state change, not a click: an assistive tool's toggle sends no
    // click.  Of a pair of radio buttons only the one turned on counts.
    for (QRadioButton* b :
         {m_radioNorth, m_radioSouth, m_radioLonWest, m_radioLonEast, m_radioVarWest, m_radioVarEast})
        connect(b, &QRadioButton::toggled, this, [edited](bool on) {
            if (on)
                edited();
        });
    connect(m_checkAuto, &QCheckBox::toggled, this, [this] {
        if (!m_bFilling)
            OnAutoVariation();
    });
    connect(m_listLocations->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        if (!m_bFilling)
            OnSelChange();
    });
    connect(m_btnSave, &QPushButton::clicked, this, &CLocationEditorDlg::OnSave);
    connect(m_btnAdd, &QPushButton::clicked, this, &CLocationEditorDlg::OnAdd);
    connect(m_btnDelete, &QPushButton::clicked, this, &CLocationEditorDlg::OnDelete);
    connect(m_btnClose, &QPushButton::clicked, this, &CLocationEditorDlg::OnClose);

    EnableFields(false);
    m_btnSave->setEnabled(false);
}

int CLocationEditorDlg::DoModal() {
    OnInitDialog();
    return exec();
}

void CLocationEditorDlg::OnInitDialog() {
    RefreshFields(true);
    // A location chosen by the caller can be edited at once; without one the
    // form waits for a choice in the list or "Add Location".
    EnableFields(m_pCurrent != nullptr);
    SetModified(false);
    if (m_pCurrent)
        m_editName->setFocus(Qt::OtherFocusReason);
    else
        m_listLocations->setFocus(Qt::OtherFocusReason);
}

void CLocationEditorDlg::RefreshFields(bool refill) {
    QScopedValueRollback<bool> filling(m_bFilling, true);
    FillSortedCombo(m_comboRegion, LocationRegionNames());
    m_comboRegion->setPlaceholderText(QString());
    if (refill) {
        std::vector<void*> records;
        if (m_pLocations) {
            records.reserve(m_pLocations->GetSize());
            for (const auto& location : m_pLocations->GetRecords())
                records.push_back(location.get());
        }
        m_records->SetRecords(std::move(records));
    }
    if (!m_pCurrent)
        return;
    SelectRow(m_records->RowOf(m_pCurrent));
    m_strListSel = m_strName = m_pCurrent->GetName();
    m_fLatitude = m_pCurrent->GetLatitude();
    m_fLongitude = m_pCurrent->GetLongitude();
    m_fVariation = m_pCurrent->GetMagVar();
    m_nNorthSouth = m_pCurrent->IsNorth() ? 0 : 1;
    m_nLonWestEast = m_pCurrent->IsWest() ? 0 : 1;
    m_nVarWestEast = m_pCurrent->IsMagVarWest() ? 0 : 1;
    m_strRegion = LocationRegionName(m_pCurrent->GetRegion());
    m_bAutoVariation = m_fVariation == MAGVAR_AUTO;
    ShowData();
    // A region the table does not know is named, so that it is not taken
    // for a missing one; a region must be chosen before the next save.
    if (m_strRegion.empty())
        m_comboRegion->setPlaceholderText(m_pCurrent->GetRegion() == 0
                                              ? Tr("(no region)")
                                              : Tr("(unknown region %1)").arg(m_pCurrent->GetRegion()));
    if (m_bAutoVariation) {
        // The model's value with the model's direction, whatever direction
        // the record holds.
        ComputeVariation();
        EnableVariation(false);
    } else {
        m_editVariation->setText(VariationText(m_fVariation));
        EnableVariation(m_editName->isEnabled());
    }
}

void CLocationEditorDlg::ShowData() {
    QScopedValueRollback<bool> filling(m_bFilling, true);
    m_editName->setText(FromCp1252(m_strName));
    (m_nNorthSouth == 1 ? m_radioSouth : m_radioNorth)->setChecked(true);
    (m_nLonWestEast == 1 ? m_radioLonEast : m_radioLonWest)->setChecked(true);
    (m_nVarWestEast == 1 ? m_radioVarEast : m_radioVarWest)->setChecked(true);
    ShowFloat(m_editLongitude, m_fLongitude);
    SelectComboText(m_comboRegion, m_strRegion);
    m_checkAuto->setChecked(m_bAutoVariation);
    ShowFloat(m_editLatitude, m_fLatitude);
}

void CLocationEditorDlg::ComputeVariation() {
    const float latitude = m_nNorthSouth == 1 ? -m_fLatitude : m_fLatitude;
    const float longitude = m_nLonWestEast == 1 ? m_fLongitude : -m_fLongitude;
    const float declination = ValueOrShow(CGeomagModel().Declination(latitude, longitude), 0.0f);
    QScopedValueRollback<bool> filling(m_bFilling, true);
    m_editVariation->setText(VariationText(declination));
    (declination < 0.0f ? m_radioVarWest : m_radioVarEast)->setChecked(true);
    // The record stores the side shown.
    m_nVarWestEast = declination < 0.0f ? 0 : 1;
}

void CLocationEditorDlg::ClearFields() {
    QScopedValueRollback<bool> filling(m_bFilling, true);
    m_strListSel.clear();
    m_strName.clear();
    m_fLatitude = m_fLongitude = m_fVariation = 0.0f;
    m_nNorthSouth = m_nLonWestEast = m_nVarWestEast = 0;
    m_bAutoVariation = true;
    m_strRegion.clear();
    ShowData();
    m_editVariation->clear();
    m_editLatitude->clear();
    m_editLongitude->clear();
    SelectListRow(m_listLocations, -1);
    m_comboRegion->setCurrentIndex(-1);
    m_comboRegion->setPlaceholderText(QString());
}

void CLocationEditorDlg::EnableFields(bool enable) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_editName, m_editLongitude, m_editLatitude,
                                                      m_comboRegion, m_btnDelete, m_radioNorth, m_radioSouth,
                                                      m_radioLonWest, m_radioLonEast, m_checkAuto})
        w->setEnabled(enable);
    EnableVariation(enable && !m_checkAuto->isChecked());
}

void CLocationEditorDlg::EnableVariation(bool enable) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_editVariation, m_radioVarWest, m_radioVarEast})
        w->setEnabled(enable);
}

void CLocationEditorDlg::SetModified(bool modified) {
    m_bModified = modified;
    m_btnSave->setEnabled(modified);
}

void CLocationEditorDlg::SelectRow(int row) {
    QScopedValueRollback<bool> filling(m_bFilling, true);
    SelectListRow(m_listLocations, row);
}

bool CLocationEditorDlg::UpdateData() {
    if (!ExchangeText(m_editName, m_editName->text(), kMaxNameLength, TrNoop("location name"), &m_strName))
        return false;
    const int selected = SelectedRow(m_listLocations);
    m_strListSel = selected >= 0 ? LocationName(m_records->RecordAt(selected)) : std::string();
    m_nNorthSouth = m_radioSouth->isChecked() ? 1 : 0;
    m_nLonWestEast = m_radioLonEast->isChecked() ? 1 : 0;
    m_nVarWestEast = m_radioVarEast->isChecked() ? 1 : 0;
    if (!ExchangeFloat(m_editLongitude, &m_fLongitude, 0.0, 180.0, TrNoop("longitude")))
        return false;
    m_strRegion = ComboText(m_comboRegion);
    m_bAutoVariation = m_checkAuto->isChecked();
    return ExchangeFloat(m_editLatitude, &m_fLatitude, 0.0, 90.0, TrNoop("latitude"));
}

bool CLocationEditorDlg::Validate() {
    // Another location of this name, letter case aside, refuses the name;
    // the location's own name in other letters is fine.
    if (m_records->NameTakenByAnother(m_strName, m_pCurrent, m_bAdding)) {
        FailField(m_editName, EditorMessage(msg::kLocationExists, m_strName));
        return false;
    }
    if (m_comboRegion->currentIndex() < 0) {
        FailField(m_comboRegion, CoreTr(msg::kLocationNoRegion));
        return false;
    }
    if (m_strName.empty()) {
        AppMessageBox(CoreTr(msg::kLocationNoName));
        return false;
    }
    if (m_bAutoVariation) {
        m_fVariation = MAGVAR_AUTO;
    } else {
        const std::optional<float> typed = ParseTypedVariation(ToCp1252(m_editVariation->text()));
        if (!typed) {
            FailField(m_editVariation, CoreTr(msg::kBadVariation));
            return false;
        }
        m_fVariation = *typed;
    }
    return true;
}

void CLocationEditorDlg::StoreFields(CLocation& location) const {
    if (const int region = LocationRegionValue(m_strRegion))
        location.SetRegion(region);
    location.SetName(m_strName);
    location.SetLatitude(m_fLatitude);
    location.SetLongitude(m_fLongitude);
    location.SetMagVar(m_fVariation);
    location.SetNorth(m_nNorthSouth == 0 ? 1 : 0);
    location.SetWest(m_nLonWestEast == 0 ? 1 : 0);
    location.SetMagVarWest(m_nVarWestEast == 0 ? 1 : 0);
}

void CLocationEditorDlg::OnSave() {
    // Nothing is shown and nothing is being added (the last location was
    // deleted): there is no location to save into.
    if (!m_pLocations || (!m_bAdding && !m_pCurrent))
        return;
    if (!UpdateData())
        return;
    if (m_bAutoVariation)
        ComputeVariation();
    if (!Validate())
        return;
    if (m_bAdding) {
        auto location = std::make_unique<CLocation>();
        StoreFields(*location);
        CLocation* added = m_pLocations->Append(std::move(location));
        {
            QScopedValueRollback<bool> filling(m_bFilling, true);
            m_records->Insert(added);
        }
        m_pCurrent = added;
        RefreshFields(false);
    } else {
        const int row = m_records->RowOf(m_pCurrent);
        StoreFields(*m_pCurrent);
        m_pLocations->NoteChanged();
        {
            // A new name moves the entry to where the name sorts.
            QScopedValueRollback<bool> filling(m_bFilling, true);
            m_records->Reposition(row);
        }
        m_strListSel = m_strName;
        RefreshFields(false);
    }
    SetModified(false);
    m_btnDelete->setEnabled(true);
    m_btnAdd->setEnabled(true);
    m_listLocations->setEnabled(true);
    m_bAdding = false;
    m_bChanged = true;
}

void CLocationEditorDlg::OnClose() {
    if (m_bModified) {
        const std::string name = ToCp1252(m_editName->text());
        const int answer =
            AppMessageBox(EditorMessage(msg::kSaveChanges, name), MB_YESNOCANCEL, MB_ICONQUESTION);
        if (answer == IDCANCEL)
            return;
        if (answer == IDYES) {
            OnSave();
            if (m_bModified)
                return;
        }
    }
    done(m_bChanged ? 1 : 0);
}

bool CLocationEditorDlg::AskSaveChanges() {
    if (AppMessageBox(EditorMessage(msg::kSaveChanges, m_strName), MB_YESNO, MB_ICONQUESTION) == IDYES) {
        OnSave();
        return true;
    }
    SetModified(false);
    return false;
}

void CLocationEditorDlg::OnSelChange() {
    if (!m_pCurrent && !m_bAdding)
        EnableFields(true);
    const std::string previous = m_strListSel;
    const int chosenRow = SelectedRow(m_listLocations);
    if (chosenRow < 0)
        return;
    void* chosenLocation = m_records->RecordAt(chosenRow);
    if (m_bModified) {
        if (!UpdateData() || !Validate()) {
            SelectRow(m_records->RowOf(m_pCurrent));
            m_strListSel = previous;
            return;
        }
        // The save selected the saved location (and may have moved it):
        // find the choice again.
        if (AskSaveChanges())
            SelectRow(m_records->RowOf(chosenLocation));
    }
    if (!chosenLocation)
        return;
    m_pCurrent = static_cast<CLocation*>(chosenLocation);
    RefreshFields(false);
    m_editName->setEnabled(true);
    SetModified(false);
}

void CLocationEditorDlg::OnAdd() {
    ClearFields();
    EnableFields(true);
    m_bAdding = true;
    m_editName->setEnabled(true);
    m_btnDelete->setEnabled(false);
    m_btnAdd->setEnabled(false);
    m_listLocations->setEnabled(false);
    m_editName->setFocus(Qt::OtherFocusReason);
    SetModified(false);
}

void CLocationEditorDlg::OnDelete() {
    if (!m_pLocations || !m_pCurrent)
        return;
    if (AppMessageBox(EditorMessage(msg::kDeleteLocation, m_strName), MB_YESNO, MB_ICONQUESTION) != IDYES)
        return;
    // Out of the list before the location is deleted, which the list reads.
    const int row = m_records->RowOf(m_pCurrent);
    {
        QScopedValueRollback<bool> filling(m_bFilling, true);
        m_records->Remove(row);
    }
    if (!m_pLocations->Erase(m_pCurrent))
        return;
    m_pCurrent = nullptr;
    SetModified(false);
    if (m_records->Count() > 0) {
        SelectRow(std::max(0, row - 1));
        OnSelChange();
    } else {
        // Nothing is left to show: the form waits for "Add Location".
        ClearFields();
        EnableFields(false);
        m_btnAdd->setFocus(Qt::OtherFocusReason);
    }
    SetModified(false);
    m_bChanged = true;
}

void CLocationEditorDlg::OnAutoVariation() {
    const bool ticked = m_checkAuto->isChecked();
    if (!UpdateData()) {
        QScopedValueRollback<bool> filling(m_bFilling, true);
        m_checkAuto->setChecked(false);
        m_bAutoVariation = false;
        EnableVariation(true);
        return;
    }
    m_editVariation->clear();
    if (ticked) {
        m_fVariation = MAGVAR_AUTO;
        EnableVariation(false);
        ComputeVariation();
    } else {
        m_fVariation = 0.0f;
        EnableVariation(true);
    }
    SetModified(true);
}
