#include "ui/locations/LocationEditorDlg.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
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
#include "core/sites/Maidenhead.h"
#include "core/workspace/EditorRules.h"
#include "ui/framework/DialogExchange.h"
#include "ui/framework/QtText.h"
#include "ui/horizon/HorizonDlg.h"
#include "ui/horizon/SiteHorizons.h"
#include "ui/sites/FindPlaceDlg.h"

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

// "%3.1f" of the magnitude.
QString VariationText(float value) {
    return QString::fromStdString(Format("%3.1f", std::fabs(static_cast<double>(value))));
}

}  // namespace

CLocationEditorDlg::CLocationEditorDlg(QWidget* parent) : CRecordEditor(msg::kDeleteLocation, parent) {
    setObjectName("locationEditor");
    setWindowTitle(Tr("Edit Location Database"));

    QLabel* nameLabel = MakeNameAndList(Tr("&Location Name"), "locationName", Tr("Location Name"),
                                        "locationList", Tr("Locations"));

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

    // A site found by a town's name, on the map or by its locator.
    m_btnFind = MakeEditorButton(Tr("&Find..."), "findPlace", this);
    auto* locatorLabel = new QLabel(Tr("Maiden&head Locator"), this);
    m_editLocator = new QLineEdit(this);
    m_editLocator->setObjectName("locator");
    m_editLocator->setAccessibleName(Tr("Maidenhead Locator"));
    m_editLocator->setMaxLength(10);
    locatorLabel->setBuddy(m_editLocator);
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(m_btnFind);
    findRow->addSpacing(12);
    findRow->addWidget(locatorLabel);
    findRow->addWidget(m_editLocator, 1);
    // The obstacles and the horizon seen from the saved location.
    m_btnHorizon = MakeEditorButton(Tr("Hori&zon..."), "horizon", this);
    auto* horizonRow = new QHBoxLayout;
    horizonRow->addWidget(m_btnHorizon);
    horizonRow->addStretch(1);

    MakeButtons(Tr("Add Locat&ion"), "addLocation", Tr("Dele&te"), Tr("&Close"));

    auto* fields = new QVBoxLayout;
    fields->addWidget(latitude);
    fields->addWidget(longitude);
    fields->addWidget(variation);
    fields->addWidget(regionLabel);
    fields->addWidget(m_comboRegion);
    fields->addLayout(findRow);
    fields->addLayout(horizonRow);
    fields->addStretch(1);
    LayOut(nameLabel, fields, 1);
    SetTabOrder({m_editLatitude, m_radioNorth, m_radioSouth, m_editLongitude, m_radioLonWest, m_radioLonEast,
                 m_checkAuto, m_editVariation, m_radioVarWest, m_radioVarEast, m_comboRegion, m_btnFind,
                 m_editLocator, m_btnHorizon});

    connect(m_editVariation, &QLineEdit::textEdited, this, &CLocationEditorDlg::NoteEdited);
    // A new position makes a typed variation stale: it must be typed again
    // (an automatic one is computed again at the next save).
    for (QLineEdit* edit : {m_editLatitude, m_editLongitude})
        connect(edit, &QLineEdit::textEdited, this, [this] {
            UpdateLocator();
            if (m_bFilling)
                return;
            m_editVariation->clear();
            SetDirty(true);
        });
    for (QRadioButton* b : {m_radioNorth, m_radioSouth, m_radioLonWest, m_radioLonEast})
        connect(b, &QRadioButton::toggled, this, [this] { UpdateLocator(); });
    connect(m_btnFind, &QPushButton::clicked, this, &CLocationEditorDlg::OnFindPlace);
    connect(m_editLocator, &QLineEdit::editingFinished, this, &CLocationEditorDlg::OnLocatorEntered);
    connect(m_btnHorizon, &QPushButton::clicked, this, &CLocationEditorDlg::OnHorizon);
    connect(m_comboRegion, &QComboBox::activated, this, &CLocationEditorDlg::NoteEdited);
    // A state change, not a click: an assistive tool's toggle sends no
    // click.  Of a pair of radio buttons only the one turned on counts.
    for (QRadioButton* b :
         {m_radioNorth, m_radioSouth, m_radioLonWest, m_radioLonEast, m_radioVarWest, m_radioVarEast})
        connect(b, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                NoteEdited();
        });
    connect(m_checkAuto, &QCheckBox::toggled, this, [this] {
        if (!m_bFilling)
            OnAutoVariation();
    });
    ConnectEditor();
}

void CLocationEditorDlg::FillChoices() {
    FillSortedCombo(m_comboRegion, LocationRegionNames());
    m_comboRegion->setPlaceholderText(QString());
}

void CLocationEditorDlg::ShowFields() {
    const CLocation& location = *Current();
    m_fLatitude = location.GetLatitude();
    m_fLongitude = location.GetLongitude();
    m_fVariation = location.GetMagVar();
    m_nNorthSouth = location.IsNorth() ? 0 : 1;
    m_nLonWestEast = location.IsWest() ? 0 : 1;
    m_nVarWestEast = location.IsMagVarWest() ? 0 : 1;
    m_strRegion = LocationRegionName(location.GetRegion());
    m_bAutoVariation = m_fVariation == MAGVAR_AUTO;
    ShowData();
    // A region the table does not know is named, so that it is not taken
    // for a missing one; a region must be chosen before the next save.
    if (m_strRegion.empty())
        m_comboRegion->setPlaceholderText(location.GetRegion() == 0
                                              ? Tr("(no region)")
                                              : Tr("(unknown region %1)").arg(location.GetRegion()));
    if (m_bAutoVariation) {
        // The model's value with the model's direction, whatever direction
        // the record holds.
        ComputeVariation();
        EnableVariation(false);
    } else {
        m_editVariation->setText(VariationText(m_fVariation));
        EnableVariation(m_editName->isEnabled());
    }
    UpdateHorizonButton();
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
    UpdateLocator();
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
    m_fLatitude = m_fLongitude = m_fVariation = 0.0f;
    m_nNorthSouth = m_nLonWestEast = m_nVarWestEast = 0;
    m_bAutoVariation = true;
    m_strRegion.clear();
    ShowData();
    m_editVariation->clear();
    m_editLatitude->clear();
    m_editLongitude->clear();
    m_editLocator->clear();
    m_comboRegion->setCurrentIndex(-1);
    m_comboRegion->setPlaceholderText(QString());
    UpdateHorizonButton();
}

void CLocationEditorDlg::EnableFields(bool enable) {
    for (QWidget* w : std::initializer_list<QWidget*>{
             m_editName, m_editLongitude, m_editLatitude, m_comboRegion, m_btnDelete, m_radioNorth,
             m_radioSouth, m_radioLonWest, m_radioLonEast, m_checkAuto, m_btnFind, m_editLocator})
        w->setEnabled(enable);
    EnableVariation(enable && !m_checkAuto->isChecked());
    UpdateHorizonButton();
}

void CLocationEditorDlg::EnableVariation(bool enable) {
    for (QWidget* w : std::initializer_list<QWidget*>{m_editVariation, m_radioVarWest, m_radioVarEast})
        w->setEnabled(enable);
}

bool CLocationEditorDlg::ReadFields() {
    if (!ExchangeText(m_editName, m_editName->text(), kMaxNameLength, TrNoop("location name"), &m_strName))
        return false;
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

void CLocationEditorDlg::StoreCurrent() {
    const std::string before = Current()->GetName();
    CRecordEditor::StoreCurrent();
    const std::string& after = Current()->GetName();
    if (after != before)
        CSiteHorizons::Current().RenameLocation(before, after);
}

bool CLocationEditorDlg::EraseRecord(void* record) {
    // The name before the record is gone.
    const std::string name = static_cast<const CLocation*>(record)->GetName();
    if (!CRecordEditor::EraseRecord(record))
        return false;
    CSiteHorizons::Current().DeleteLocation(name);
    return true;
}

void CLocationEditorDlg::UpdateHorizonButton() {
    const bool saved = Current() && !IsAdding();
    m_btnHorizon->setEnabled(saved && m_editName->isEnabled());
    m_btnHorizon->setToolTip(IsAdding()
                                 ? Tr("Save the new location first: a horizon belongs to a saved location.")
                             : saved ? Tr("The obstacles and the horizon seen from this location")
                                     : Tr("Choose a location first."));
}

void CLocationEditorDlg::OnHorizon() {
    if (!Current() || IsAdding())
        return;
    // The saved name: a name typed but not yet saved takes the horizon
    // along when it is saved.
    const std::string name = Current()->GetName();
    CSiteHorizons& horizons = CSiteHorizons::Current();
    const CHorizonProfile* profile = horizons.Find(name);
    CHorizonDlg dialog(profile ? *profile : CHorizonProfile(), name, this);
    if (dialog.Run())
        horizons.SetProfile(name, dialog.Profile());
}

bool CLocationEditorDlg::TakeFieldsForSave() {
    if (!UpdateData())
        return false;
    if (m_bAutoVariation)
        ComputeVariation();
    return Validate();
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
    SetDirty(true);
}

std::optional<std::pair<double, double>> CLocationEditorDlg::TypedPoint() const {
    bool latOk = false, lonOk = false;
    const double latitude = m_editLatitude->text().trimmed().toDouble(&latOk);
    const double longitude = m_editLongitude->text().trimmed().toDouble(&lonOk);
    if (!latOk || !lonOk || !(latitude >= 0.0 && latitude <= 90.0) ||
        !(longitude >= 0.0 && longitude <= 180.0))
        return std::nullopt;
    return std::make_pair(m_radioSouth->isChecked() ? -latitude : latitude,
                          m_radioLonEast->isChecked() ? longitude : -longitude);
}

void CLocationEditorDlg::UpdateLocator() {
    const auto point = TypedPoint();
    m_editLocator->setText(point ? QString::fromStdString(MaidenheadLocator(point->first, point->second))
                                 : QString());
}

void CLocationEditorDlg::ShowPoint(double latitude, double longitude) {
    {
        QScopedValueRollback<bool> filling(m_bFilling, true);
        ShowFloat(m_editLatitude, static_cast<float>(std::fabs(latitude)));
        ShowFloat(m_editLongitude, static_cast<float>(std::fabs(longitude)));
        (latitude < 0.0 ? m_radioSouth : m_radioNorth)->setChecked(true);
        (longitude > 0.0 ? m_radioLonEast : m_radioLonWest)->setChecked(true);
    }
    // As when the numbers are typed: a typed variation no longer holds (an
    // automatic one is computed again at the save).
    if (!m_checkAuto->isChecked())
        m_editVariation->clear();
    UpdateLocator();
    SetDirty(true);
}

void CLocationEditorDlg::OnLocatorEntered() {
    const QString text = m_editLocator->text().trimmed();
    const auto point = TypedPoint();
    // The locator shown for the typed point, in any letter case, moves
    // nothing; neither does an emptied field.
    if (text.isEmpty() ||
        (point && text.compare(QString::fromStdString(MaidenheadLocator(point->first, point->second,
                                                                        static_cast<int>(text.size()))),
                               Qt::CaseInsensitive) == 0))
        return;
    const std::optional<GridPoint> square = ParseMaidenhead(text.toStdString());
    if (!square) {
        FailField(m_editLocator,
                  ToCp1252Text(Tr("A Maidenhead locator is two letters from A to R, two digits and "
                                  "optionally two letters from A to X, such as JP99 or JP99lp.")));
        return;
    }
    ShowPoint(square->latitude, square->longitude);
}

void CLocationEditorDlg::OnFindPlace() {
    CFindPlaceDlg find(this);
    if (const auto point = TypedPoint())
        find.SetPoint(point->first, point->second);
    if (!find.Run())
        return;
    ShowPoint(find.Latitude(), find.Longitude());
    // A place of the list names the location, unless its name cannot be
    // stored: then its name in ASCII letters does.
    QString name = find.PlaceName();
    if (!name.isEmpty() && FromCp1252(ToCp1252(name)) != name)
        name = find.AsciiName();
    if (!name.isEmpty() && (find.Region() != 0 || m_editName->text().trimmed().isEmpty())) {
        QScopedValueRollback<bool> filling(m_bFilling, true);
        m_editName->setText(name);
    }
    if (find.Region() != 0) {
        QScopedValueRollback<bool> filling(m_bFilling, true);
        SelectComboText(m_comboRegion, LocationRegionName(find.Region()));
    }
    SetDirty(true);
}
