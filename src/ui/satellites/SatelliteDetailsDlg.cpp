#include "ui/satellites/SatelliteDetailsDlg.h"

#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/display/ArcGridModel.h"
#include "core/framework/AppMessageBox.h"
#include "core/framework/Translate.h"
#include "core/horizon/Clearance.h"
#include "core/locations/Location.h"
#include "core/satellites/LnbSkew.h"
#include "core/satellites/LookAngles.h"
#include "core/satellites/SatelliteDatabase.h"
#include "ui/framework/QtText.h"
#include "ui/horizon/SiteHorizons.h"
#include "ui/orbits/SatelliteOrbits.h"
#include "ui/printing/BidiText.h"
#include "ui/satellites/AimingSection.h"
#include "ui/satellites/SunOutageDlg.h"

namespace {

QLabel* AddRow(QGridLayout* grid, int row, const QString& label, const char* name, QWidget* parent,
               QLabel** labelOut = nullptr) {
    auto* caption = new QLabel(label, parent);
    caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    auto* value = new QLabel(parent);
    value->setObjectName(name);
    // Record texts are the user's: "<i>" in a name is shown as it is typed.
    value->setTextFormat(Qt::PlainText);
    value->setTextInteractionFlags(Qt::TextSelectableByMouse);
    caption->setBuddy(value);
    grid->addWidget(caption, row, 0);
    grid->addWidget(value, row, 1);
    if (labelOut)
        *labelOut = caption;
    return value;
}

}  // namespace

CSatelliteDetailsDlg::CSatelliteDetailsDlg(QWidget* parent) : QDialog(parent) {
    setObjectName("satelliteDetails");
    setWindowTitle(Tr("Satellite Details"));

    auto* data = new QGridLayout;
    m_name = AddRow(data, 0, Tr("Satellite:"), "detailsName", this);
    m_slot = AddRow(data, 1, Tr("Slot:"), "detailsSlot", this);
    m_bands = AddRow(data, 2, Tr("Bands:"), "detailsBands", this);
    // An inclined orbit, as the last import of orbital elements found it.
    QLabel* orbitLabel = nullptr;
    QLabel* orbitNote = AddRow(data, 3, Tr("Orbit:"), "detailsOrbitNote", this, &orbitLabel);
    orbitLabel->setObjectName("detailsOrbitLabel");
    orbitLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    orbitNote->setWordWrap(true);
    orbitNote->setVisible(false);
    orbitLabel->setVisible(false);
    data->setColumnStretch(1, 1);

    auto* angles = new QGroupBox(Tr("Look angles from"), this);
    auto* angleGrid = new QGridLayout(angles);
    m_location = new QLabel(Tr("Location Name:"), angles);
    m_location->setObjectName("detailsLocation");
    m_location->setTextFormat(Qt::PlainText);
    angleGrid->addWidget(m_location, 0, 0, 1, 2);
    m_elevation = AddRow(angleGrid, 1, Tr("Elevation:"), "detailsElevation", angles);
    m_azimuth = AddRow(angleGrid, 2, Tr("Azimuth (Magnetic):"), "detailsAzimuth", angles, &m_azimuthLabel);
    m_azimuthLabel->setObjectName("detailsAzimuthLabel");
    m_skew = AddRow(angleGrid, 3, Tr("LNB Skew:"), "detailsSkew", angles);
    m_clearance = AddRow(angleGrid, 4, Tr("Clearance:"), "detailsClearance", angles, &m_clearanceLabel);
    m_clearance->setVisible(false);
    m_clearanceLabel->setVisible(false);
    angleGrid->setColumnStretch(1, 1);
    m_aiming = new CAimingSection(this);

    auto* commentsLabel = new QLabel(Tr("Comments:"), this);
    m_comments = new QLabel(this);
    m_comments->setObjectName("detailsComments");
    m_comments->setTextFormat(Qt::PlainText);
    m_comments->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    m_comments->setWordWrap(true);
    m_comments->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_comments->setMinimumSize(fontMetrics().averageCharWidth() * 40, fontMetrics().height() * 4);
    m_comments->setTextInteractionFlags(Qt::TextSelectableByMouse);
    commentsLabel->setBuddy(m_comments);

    auto* buttons = new QDialogButtonBox(this);
    m_btnOK = buttons->addButton(QDialogButtonBox::Ok);
    m_btnOK->setObjectName("ok");
    m_btnEdit = buttons->addButton(Tr("&Edit Data..."), QDialogButtonBox::ActionRole);
    m_btnEdit->setObjectName("editData");
    m_btnEdit->setAutoDefault(false);
    m_btnSunOutages = buttons->addButton(Tr("S&un Outages..."), QDialogButtonBox::ActionRole);
    m_btnSunOutages->setObjectName("sunOutagesButton");
    m_btnSunOutages->setAutoDefault(false);
    connect(m_btnSunOutages, &QPushButton::clicked, this, &CSatelliteDetailsDlg::OnSunOutages);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(m_btnEdit, &QPushButton::clicked, this, &CSatelliteDetailsDlg::OnEditData);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(data);
    layout->addWidget(angles);
    layout->addWidget(m_aiming);
    layout->addWidget(commentsLabel);
    layout->addWidget(m_comments, 1);
    layout->addWidget(buttons);
    setTabOrder(m_btnOK, m_btnEdit);
}

CSatelliteDetailsDlg::~CSatelliteDetailsDlg() = default;

void CSatelliteDetailsDlg::SetData(const CSatellite* satellite, const CLocation* location, int options,
                                   const CSatelliteDatabase* database) {
    m_nSatelliteId = satellite ? satellite->InstanceId() : 0;
    m_site = location ? std::make_unique<CLocation>(*location) : nullptr;
    m_nOptions = options;
    m_pDatabase = database;
}

const CSatellite* CSatelliteDetailsDlg::Satellite() const {
    if (!m_pDatabase || !m_nSatelliteId)
        return nullptr;
    for (const auto& record : m_pDatabase->GetRecords())
        if (record->InstanceId() == m_nSatelliteId)
            return record.get();
    return nullptr;
}

int CSatelliteDetailsDlg::DoModal() {
    OnInitDialog();
    return exec();
}

void CSatelliteDetailsDlg::OnInitDialog() {
    const CSatellite* satellite = Satellite();
    const CLocation* site = m_site.get();
    if (!satellite || !site)
        return;
    m_slot->setText(KeepNumbersInOrder(FromCp1252(satellite->SlotText())));
    m_bands->setText(FromCp1252(satellite->BandText()));
    m_name->setText(FromCp1252(satellite->GetName()));
    m_comments->setText(FromCp1252(satellite->GetComments()));
    if (auto* orbitNote = findChild<QLabel*>("detailsOrbitNote")) {
        orbitNote->setText(InclinedOrbitNoteFor(satellite->GetName()));
        orbitNote->setVisible(!orbitNote->text().isEmpty());
        findChild<QLabel*>("detailsOrbitLabel")->setVisible(orbitNote->isVisibleTo(this));
    }
    m_location->setText(FromCp1252(site->GetName()) + ":");
    const bool magnetic = m_nOptions & GRID_MAGNETIC;
    m_azimuthLabel->setText(Tr("Azimuth ") + (magnetic ? Tr("(Magnetic):") : Tr("(True):")));
    // The same computation, in the same order, as the grid's rows.
    const LookAngleTexts texts = ComputeLookAngles(site->SignedLatitude(), site->SignedLongitude(),
                                                   magnetic ? ValueOrShow(site->SignedMagVar(), 0.0f) : 0.0f,
                                                   satellite->SignedLongitude(), magnetic);
    m_elevation->setText(KeepNumbersInOrder(FromCp1252(texts.elevation)));
    m_azimuth->setText(KeepNumbersInOrder(FromCp1252(texts.azimuth)));
    m_skew->setText(KeepNumbersInOrder(FromCp1252(LnbSkewDirectionText(
        site->SignedLatitude(), site->SignedLongitude(), satellite->SignedLongitude()))));
    // The clearance above the location's horizon, as the grid marks it.
    QString clearance;
    CSiteHorizons& horizons = CSiteHorizons::Current();
    if (const CHorizonProfile* horizon = horizons.Find(site->GetName())) {
        const std::optional<double> margin =
            SatelliteClearance(*horizon, horizons.BeamEdge(), site->SignedLatitude(), site->SignedLongitude(),
                               satellite->SignedLongitude());
        if (!margin) {
            clearance = Tr("-- (below the horizon)");
        } else {
            const QString degrees = QString::number(*margin, 'f', 1) + QChar(0xB0);
            clearance = IsClear(*margin) ? Tr("%1 (clear)").arg(degrees) : Tr("%1 (blocked)").arg(degrees);
        }
    }
    m_clearance->setText(KeepNumbersInOrder(clearance));
    m_clearance->setVisible(!clearance.isEmpty());
    m_clearanceLabel->setVisible(!clearance.isEmpty());
    m_aiming->SetSite(*site, *satellite, magnetic);
    m_btnOK->setFocus(Qt::OtherFocusReason);
}

void CSatelliteDetailsDlg::OnEditData() {
    if (!m_edit)
        return;
    m_edit(Satellite());
    // Deleted in the editor: nothing is left to show.
    if (!Satellite()) {
        reject();
        return;
    }
    OnInitDialog();
}

QString CSatelliteDetailsDlg::NameText() const {
    return m_name->text();
}
QString CSatelliteDetailsDlg::SlotText() const {
    return m_slot->text();
}
QString CSatelliteDetailsDlg::BandsText() const {
    return m_bands->text();
}
QString CSatelliteDetailsDlg::CommentsText() const {
    return m_comments->text();
}
QString CSatelliteDetailsDlg::LocationText() const {
    return m_location->text();
}
QString CSatelliteDetailsDlg::AzimuthLabelText() const {
    return m_azimuthLabel->text();
}
QString CSatelliteDetailsDlg::ElevationText() const {
    return m_elevation->text();
}
QString CSatelliteDetailsDlg::AzimuthText() const {
    return m_azimuth->text();
}
QString CSatelliteDetailsDlg::SkewText() const {
    return m_skew->text();
}
QString CSatelliteDetailsDlg::ClearanceText() const {
    return m_clearance->text();
}

void CSatelliteDetailsDlg::OnSunOutages() {
    const CSatellite* satellite = Satellite();
    if (!satellite || !m_site)
        return;
    CSunOutageDlg dialog(*satellite, *m_site, this);
    dialog.exec();
}
