#include "ui/satellites/SunOutageDlg.h"

#include <QComboBox>
#include <QDate>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QStyle>
#include <QTime>
#include <QTimeZone>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cstdlib>

#include "core/framework/Translate.h"
#include "core/locations/Location.h"
#include "core/satellites/LnbSkew.h"
#include "core/satellites/Satellite.h"
#include "core/satellites/SunOutage.h"
#include "ui/app/WindowFit.h"
#include "ui/framework/QtText.h"

namespace {

std::optional<double> NumberIn(const QLineEdit* field) {
    bool ok = false;
    const double value = field->text().trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

// "UTC", "UTC+05:45", "UTC-07:00".
QString OffsetText(int minutes) {
    if (minutes == 0)
        return "UTC";
    return QString("UTC%1%2").arg(minutes < 0 ? "-" : "+",
                                  QTime(0, 0).addSecs(std::abs(minutes) * 60).toString("HH:mm"));
}

int ComputerOffsetMinutes() {
    return QTimeZone::systemTimeZone().standardTimeOffset(QDateTime::currentDateTimeUtc()) / 60;
}

}  // namespace

CSunOutageDlg::CSunOutageDlg(const CSatellite& satellite, const CLocation& location, QWidget* parent)
    : CSunOutageDlg(satellite, location, ComputerOffsetMinutes(), parent) {}

CSunOutageDlg::CSunOutageDlg(const CSatellite& satellite, const CLocation& location,
                             int computerOffsetMinutes, QWidget* parent)
    : QDialog(parent),
      m_latitude(location.SignedLatitude()),
      m_siteLongitude(location.SignedLongitude()),
      m_satLongitude(satellite.SignedLongitude()) {
    setObjectName("sunOutages");
    setWindowTitle(Tr("Sun Outages"));

    auto* title = new QLabel(Tr("%1 (%2) from %3")
                                 .arg(FromCp1252(satellite.GetName()), FromCp1252(satellite.SlotText()),
                                      FromCp1252(location.GetName())),
                             this);
    title->setObjectName("sunOutageTitle");
    title->setWordWrap(true);
    m_dish = new QLineEdit(QString::number(kDefaultDishMetres, 'f', 1), this);
    m_dish->setObjectName("sunOutageDish");
    m_frequency = new QLineEdit(QString::number(kDefaultFrequencyGHz, 'f', 1), this);
    m_frequency->setObjectName("sunOutageFrequency");
    m_year = new QSpinBox(this);
    m_year->setObjectName("sunOutageYear");
    m_year->setRange(1900, 2100);
    m_year->setValue(QDate::currentDate().year());

    // Local times: this computer's clock (summer time included), or a fixed
    // offset from UTC.  A site far from the computer's zone first shows its
    // longitude's time, the nearest a site's clock can be told without
    // knowing its country.
    m_zone = new QComboBox(this);
    m_zone->setObjectName("sunOutageUtcOffset");
    m_zone->addItem(Tr("This computer's time (%1)").arg(QString::fromUtf8(QTimeZone::systemTimeZoneId())));
    const int siteOffset = SiteUtcOffsetMinutes(m_siteLongitude);
    for (int minutes = -12 * 60; minutes <= 14 * 60; minutes += 15) {
        // Whole and half hours, and the three zones that keep a quarter.
        if (minutes % 30 != 0 && minutes != 5 * 60 + 45 && minutes != 8 * 60 + 45 && minutes != 12 * 60 + 45)
            continue;
        m_zone->addItem(minutes == siteOffset ? Tr("%1 (the site's longitude)").arg(OffsetText(minutes))
                                              : OffsetText(minutes),
                        minutes);
    }
    m_zone->setCurrentIndex(
        SiteNearZone(m_siteLongitude, computerOffsetMinutes) ? kComputerZone : m_zone->findData(siteOffset));
    m_zone->setWhatsThis(
        Tr("The clock that the local columns follow: this computer's, or a fixed offset from UTC "
           "such as the site's own."));

    auto* form = new QFormLayout;
    form->addRow(Tr("&Dish diameter (m):"), m_dish);
    form->addRow(Tr("&Frequency (GHz):"), m_frequency);
    form->addRow(Tr("&Year:"), m_year);
    form->addRow(Tr("&Local times:"), m_zone);

    m_list = new QTreeWidget(this);
    m_list->setObjectName("sunOutageList");
    m_list->setAccessibleName(Tr("Outage days"));
    m_list->setRootIsDecorated(false);
    const QStringList headings{Tr("Date (UTC)"),  Tr("Start (UTC)"), Tr("Peak (UTC)"),
                               Tr("End (UTC)"),   Tr("Least Angle"), Tr("Local Date"),
                               Tr("Local Start"), Tr("Local Peak"),  Tr("Local End")};
    m_list->setHeaderLabels(headings);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(false);
    m_status = new QLabel(this);
    m_status->setObjectName("sunOutageStatus");
    m_status->setWordWrap(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(form);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);

    connect(m_dish, &QLineEdit::textChanged, this, &CSunOutageDlg::Recompute);
    connect(m_frequency, &QLineEdit::textChanged, this, &CSunOutageDlg::Recompute);
    connect(m_year, &QSpinBox::valueChanged, this, &CSunOutageDlg::Recompute);
    connect(m_zone, &QComboBox::currentIndexChanged, this, &CSunOutageDlg::Recompute);
    Recompute();

    // Wide enough for every column and tall enough for a season's days
    // where the screen allows; the list scrolls where it does not.
    int width = 0;
    for (const QString& heading : headings)
        width += fontMetrics().horizontalAdvance(heading) + 24;
    const QMargins margins = layout->contentsMargins();
    resize(std::max(sizeHint().width(), width + margins.left() + margins.right() + 2 * m_list->frameWidth() +
                                            style()->pixelMetric(QStyle::PM_ScrollBarExtent)),
           sizeHint().height() - m_list->sizeHint().height() + fontMetrics().height() * 18);
}

std::optional<int> CSunOutageDlg::ChosenOffsetMinutes() const {
    const QVariant data = m_zone->currentData();
    return data.isValid() ? std::optional<int>(data.toInt()) : std::nullopt;
}

void CSunOutageDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FitToScreen(this);
}

void CSunOutageDlg::Recompute() {
    m_list->clear();
    const std::optional<double> dish = NumberIn(m_dish);
    const std::optional<double> frequency = NumberIn(m_frequency);
    if (!dish || !frequency) {
        m_status->setText(Tr("Please enter a number for the dish diameter and the frequency."));
        return;
    }
    const int year = m_year->value();
    if (const auto error = SunOutageInputError(*dish, *frequency, year)) {
        QString text = FromCp1252(*error);
        text[0] = text[0].toUpper();
        m_status->setText(text + ".");
        return;
    }
    const std::optional<int> offset = ChosenOffsetMinutes();
    auto local = [&offset](long long utcSeconds) {
        return offset ? QDateTime::fromSecsSinceEpoch(utcSeconds + *offset * 60LL, Qt::UTC)
                      : QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC).toLocalTime();
    };
    const auto days = ComputeSunOutages(m_latitude, m_siteLongitude, m_satLongitude, year, *dish, *frequency);
    for (const SunOutageDay& day : days) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, QString::asprintf("%04d-%02d-%02d", day.year, day.month, day.day));
        item->setText(1, QString::fromStdString(UtcTimeText(day.start)));
        item->setText(2, QString::fromStdString(UtcTimeText(day.peak)));
        item->setText(3, QString::fromStdString(UtcTimeText(day.end)));
        item->setText(4, QString::asprintf("%.2f", day.leastSeparation) + QChar(0xB0));
        item->setText(5, local(day.peak).toString("yyyy-MM-dd"));
        item->setText(6, local(day.start).toString("HH:mm:ss"));
        item->setText(7, local(day.peak).toString("HH:mm:ss"));
        item->setText(8, local(day.end).toString("HH:mm:ss"));
        for (int column = 1; column < 9; ++column)
            item->setTextAlignment(column, Qt::AlignHCenter);
    }
    const bool below = LnbSkew(m_latitude, m_siteLongitude, m_satLongitude) == std::nullopt;
    m_status->setText(below ? QString("The satellite is below the horizon: no sun outages.")
                      : days.empty()
                          ? QString("No sun outages in %1.").arg(year)
                          : QString("%1 days with sun outages in %2; the Sun is in the beam while it is "
                                    "within %3\u00B0 of the satellite.")
                                .arg(days.size())
                                .arg(year)
                                .arg(SunOutageThreshold(*dish, *frequency), 0, 'f', 2));
}

QString CSunOutageDlg::StatusText() const {
    return m_status->text();
}
