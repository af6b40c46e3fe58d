#include "satellites/SunOutageDlg.h"

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <cstdlib>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <optional>

#include "framework/QtText.h"
#include "framework/Translate.h"
#include "locations/Location.h"
#include "satellites/LnbSkew.h"
#include "satellites/Satellite.h"
#include "satellites/SunOutage.h"

namespace {

std::optional<double> NumberIn(const QLineEdit* field) {
    bool ok = false;
    const double value = field->text().trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

QDateTime Local(long long utcSeconds) { return QDateTime::fromSecsSinceEpoch(utcSeconds, Qt::UTC).toLocalTime(); }

}  // namespace

CSunOutageDlg::CSunOutageDlg(const CSatellite& satellite, const CLocation& location, QWidget* parent)
    : QDialog(parent),
      m_latitude(location.SignedLatitude()),
      m_siteLongitude(location.SignedLongitude()),
      m_satLongitude(satellite.SignedLongitude()) {
    setObjectName("sunOutages");
    setWindowTitle(Tr("Sun Outages"));

    auto* title = new QLabel(FromCp1252(satellite.GetName() + " (" + satellite.SlotText() + ") from " +
                                        location.GetName()),
                             this);
    title->setObjectName("sunOutageTitle");
    m_dish = new QLineEdit(QString::number(kDefaultDishMetres, 'f', 1), this);
    m_dish->setObjectName("sunOutageDish");
    m_frequency = new QLineEdit(QString::number(kDefaultFrequencyGHz, 'f', 1), this);
    m_frequency->setObjectName("sunOutageFrequency");
    m_year = new QSpinBox(this);
    m_year->setObjectName("sunOutageYear");
    m_year->setRange(1900, 2100);
    m_year->setValue(QDate::currentDate().year());
    auto* form = new QFormLayout;
    form->addRow(Tr("&Dish diameter (m):"), m_dish);
    form->addRow(Tr("&Frequency (GHz):"), m_frequency);
    form->addRow(Tr("&Year:"), m_year);

    m_list = new QTreeWidget(this);
    m_list->setObjectName("sunOutageList");
    m_list->setAccessibleName(Tr("Outage days"));
    m_list->setRootIsDecorated(false);
    const QStringList headings{"Date (UTC)", "Start (UTC)", "Peak (UTC)", "End (UTC)", "Least Angle",
                               "Local Date", "Local Start", "Local Peak", "Local End"};
    m_list->setHeaderLabels(headings);
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->header()->setStretchLastSection(false);
    int width = 0;
    for (const QString& heading : headings) width += fontMetrics().horizontalAdvance(heading) + 24;
    m_list->setMinimumSize(width, fontMetrics().height() * 18);
    // The machine's zone, by name and offset from UTC now.
    const QDateTime now = QDateTime::currentDateTime();
    auto* zone = new QLabel(Tr("Local times are those of this computer (%1, UTC%2%3).")
                                .arg(now.timeZoneAbbreviation(), now.offsetFromUtc() < 0 ? "-" : "+",
                                     QTime(0, 0).addSecs(std::abs(now.offsetFromUtc())).toString("HH:mm")),
                            this);
    zone->setObjectName("sunOutageZone");
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
    layout->addWidget(zone);
    layout->addWidget(buttons);

    connect(m_dish, &QLineEdit::textChanged, this, &CSunOutageDlg::Recompute);
    connect(m_frequency, &QLineEdit::textChanged, this, &CSunOutageDlg::Recompute);
    connect(m_year, &QSpinBox::valueChanged, this, &CSunOutageDlg::Recompute);
    Recompute();
}

void CSunOutageDlg::Recompute() {
    m_list->clear();
    const std::optional<double> dish = NumberIn(m_dish);
    const std::optional<double> frequency = NumberIn(m_frequency);
    if (!dish || !frequency) {
        m_status->setText("Please enter a number.");
        return;
    }
    const int year = m_year->value();
    if (const auto error = SunOutageInputError(*dish, *frequency, year)) {
        QString text = QString::fromStdString(*error);
        text[0] = text[0].toUpper();
        m_status->setText(text + ".");
        return;
    }
    const auto days = ComputeSunOutages(m_latitude, m_siteLongitude, m_satLongitude, year, *dish, *frequency);
    for (const SunOutageDay& day : days) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, QString::asprintf("%04d-%02d-%02d", day.year, day.month, day.day));
        item->setText(1, QString::fromStdString(UtcTimeText(day.start)));
        item->setText(2, QString::fromStdString(UtcTimeText(day.peak)));
        item->setText(3, QString::fromStdString(UtcTimeText(day.end)));
        item->setText(4, QString::asprintf("%.2f", day.leastSeparation) + QChar(0xB0));
        item->setText(5, Local(day.peak).toString("yyyy-MM-dd"));
        item->setText(6, Local(day.start).toString("HH:mm:ss"));
        item->setText(7, Local(day.peak).toString("HH:mm:ss"));
        item->setText(8, Local(day.end).toString("HH:mm:ss"));
        for (int column = 1; column < 9; ++column) item->setTextAlignment(column, Qt::AlignHCenter);
    }
    const bool below = LnbSkew(m_latitude, m_siteLongitude, m_satLongitude) == std::nullopt;
    m_status->setText(below         ? QString("The satellite is below the horizon: no sun outages.")
                      : days.empty() ? QString("No sun outages in %1.").arg(year)
                                   : QString("%1 days with sun outages in %2; the Sun is in the beam while it is "
                                             "within %3\u00B0 of the satellite.")
                                         .arg(days.size())
                                         .arg(year)
                                         .arg(SunOutageThreshold(*dish, *frequency), 0, 'f', 2));
}

QString CSunOutageDlg::StatusText() const { return m_status->text(); }
