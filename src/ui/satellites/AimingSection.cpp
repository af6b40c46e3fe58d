#include "ui/satellites/AimingSection.h"

#include <QDateTime>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <chrono>

#include "core/aim/AimSettings.h"
#include "core/framework/Document.h"
#include "core/framework/Format.h"
#include "core/framework/Profile.h"
#include "core/framework/Translate.h"
#include "core/horizon/Clearance.h"
#include "core/locations/Location.h"
#include "core/satellites/Satellite.h"
#include "ui/framework/QtText.h"
#include "ui/printing/AimPrinting.h"
#include "ui/printing/BidiText.h"

namespace {

// The lines are shown in two columns of label and value.
constexpr int kColumns = 2;

// The times of the "shadow time" line on this computer's clock, with its
// zone's abbreviation: "15:23 CET", or "none".
std::string LocalShadowText(const std::vector<long long>& times) {
    if (times.empty())
        return CoreTr("none");
    QStringList texts;
    for (const long long utcSeconds : times) {
        // To the nearest minute, as the UTC time is given.
        const QDateTime local =
            QDateTime::fromSecsSinceEpoch((utcSeconds + 30) / 60 * 60, Qt::UTC).toLocalTime();
        texts << local.toString("HH:mm") + " " + local.timeZoneAbbreviation();
    }
    return ToCp1252Text(texts.join(", "));
}

}  // namespace

CAimingSection::CAimingSection(QWidget* parent) : QGroupBox(Tr("Aiming"), parent) {
    setObjectName("aimingSection");
    m_offset = new QDoubleSpinBox(this);
    m_offset->setObjectName("aimOffset");
    m_offset->setRange(kMinDishOffset, kMaxDishOffset);
    m_offset->setDecimals(1);
    m_offset->setSingleStep(0.1);
    m_offset->setSuffix(QString(QChar(0xB0)));
    m_offset->setKeyboardTracking(false);
    m_offset->setToolTip(
        Tr("The dish's offset angle in degrees: 22.6 for a usual offset dish, 0 for a prime-focus dish"));
    const CProfile* settings = AfxGetAppContext().profile;
    m_offset->setValue(settings ? ReadDishOffset(*settings) : kDefaultDishOffset);
    auto* offsetLabel = new QLabel(Tr("Dish o&ffset:"), this);
    offsetLabel->setBuddy(m_offset);
    m_btnPrint = new QPushButton(Tr("Print &Aiming Sheet..."), this);
    m_btnPrint->setObjectName("printAimingSheet");
    m_btnPrint->setAutoDefault(false);

    auto* top = new QHBoxLayout;
    top->addWidget(offsetLabel);
    top->addWidget(m_offset);
    top->addStretch(1);
    top->addWidget(m_btnPrint);
    m_grid = new QGridLayout;
    m_grid->setColumnStretch(1, 1);
    m_grid->setColumnStretch(4, 1);
    m_grid->setColumnMinimumWidth(2, fontMetrics().averageCharWidth() * 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(m_grid);

    connect(m_offset, &QDoubleSpinBox::valueChanged, this, &CAimingSection::OnOffsetChanged);
    connect(m_btnPrint, &QPushButton::clicked, this, &CAimingSection::OnPrint);
}

CAimingSection::~CAimingSection() = default;

void CAimingSection::SetSite(const CLocation& site, const CSatellite& satellite, bool magnetic) {
    m_site = std::make_unique<CLocation>(site);
    m_satelliteName = satellite.GetName();
    m_slotText = satellite.SlotText();
    m_satLongitude = satellite.SignedLongitude();
    m_magnetic = magnetic;
    const auto now = std::chrono::system_clock::now();
    m_date = SiteDate(site.SignedLongitude(),
                      std::chrono::duration_cast<std::chrono::seconds>(now.time_since_epoch()).count());
    Fill();
}

void CAimingSection::OnOffsetChanged(double offset) {
    if (CProfile* settings = AfxGetAppContext().profile)
        WriteDishOffset(*settings, offset);
    Fill();
}

void CAimingSection::Fill() {
    for (QLabel* label : m_shown)
        delete label;
    m_shown.clear();
    m_lines.clear();
    if (!m_site)
        return;
    AimRequest request;
    request.latitude = m_site->SignedLatitude();
    request.siteLongitude = m_site->SignedLongitude();
    request.satLongitude = m_satLongitude;
    // A variation the site cannot give leaves the magnetic line out; the
    // look angles above already say why.
    if (m_magnetic)
        if (const Outcome<float> variation = m_site->SignedMagVar())
            request.magneticVariation = *variation;
    request.offset = m_offset->value();
    const CProfile* settings = AfxGetAppContext().profile;
    request.frequencyGHz = settings ? ReadDishBeam(*settings).frequencyGHz : kDefaultFrequencyGHz;
    request.date = m_date;
    if (AimInputError(request))
        return;
    m_lines = AimSheetLines(request);
    m_lines.push_back(
        {kAimLocalShadowKey, LocalShadowText(SunShadowTimes(request.latitude, request.siteLongitude,
                                                            request.satLongitude, request.date))});

    const int rows = (static_cast<int>(m_lines.size()) + kColumns - 1) / kColumns;
    for (int i = 0; i < static_cast<int>(m_lines.size()); ++i) {
        const AimLine& line = m_lines[static_cast<std::size_t>(i)];
        auto* caption = new QLabel(FromCp1252(AimLineLabel(line.key)) + ":", this);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* value = new QLabel(KeepNumbersInOrder(FromCp1252(line.value)), this);
        QString name = QString::fromStdString("aim_" + line.key);
        name.replace(' ', '_').remove('(').remove(')');
        value->setObjectName(name);
        value->setTextFormat(Qt::PlainText);
        value->setTextInteractionFlags(Qt::TextSelectableByMouse);
        caption->setBuddy(value);
        const int column = i / rows * 2 + (i / rows > 0 ? 1 : 0);
        m_grid->addWidget(caption, i % rows, column);
        m_grid->addWidget(value, i % rows, column + 1);
        m_shown.push_back(caption);
        m_shown.push_back(value);
    }
}

QString CAimingSection::ValueText(const std::string& key) const {
    for (const AimLine& line : m_lines)
        if (line.key == key)
            return FromCp1252(line.value);
    return QString();
}

AimPageInput CAimingSection::PageInput() const {
    AimPageInput input;
    if (!m_site)
        return input;
    input.siteName = m_site->GetName();
    input.siteText = AimSiteText(*m_site);
    input.satelliteName = m_satelliteName;
    input.slotText = m_slotText;
    input.date = Format("%04d-%02d-%02d", m_date.year, m_date.month, m_date.day);
    input.lines = m_lines;
    return input;
}

void CAimingSection::OnPrint() {
    if (m_lines.empty())
        return;
    PrintAimSheet(PageInput(), window());
}
