#include "ui/sites/FindPlaceDlg.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "core/sites/CountryRegions.h"
#include "core/sites/Gazetteer.h"
#include "core/sites/Maidenhead.h"
#include "core/sites/WorldMap.h"
#include "ui/app/TilvexApp.h"
#include "ui/display/DialogUnits.h"
#include "ui/framework/QtText.h"
#include "ui/sites/SiteData.h"

namespace {

enum Column { kName, kRegion, kCountry, kLatitude, kLongitude, kColumns };

// How far the map zooms in on a place chosen from the list.
constexpr double kPlaceZoom = 6.0;

QString Text(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QLineEdit* MakeField(const QString& accessibleName, const char* objectName, QWidget* parent) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(objectName);
    field->setAccessibleName(accessibleName);
    return field;
}

}  // namespace

CFindPlaceDlg::CFindPlaceDlg(QWidget* parent)
    : CFindPlaceDlg(CTilvexApp::FindDataFile(CGazetteer::kFileName),
                    CTilvexApp::FindDataFile(CWorldMap::kFileName), parent) {}

CFindPlaceDlg::CFindPlaceDlg(const QString& placesFile, const QString& mapFile, QWidget* parent)
    : QDialog(parent) {
    setObjectName("findPlaceDialog");
    setWindowTitle(Tr("Find Place"));
    const DialogUnits du = DialogUnits::Current();

    auto* searchLabel = new QLabel(Tr("&Search:"), this);
    m_search = MakeField(Tr("Search"), "search", this);
    m_search->setPlaceholderText(Tr("The name of a town or city near the site"));
    m_search->setClearButtonEnabled(true);
    searchLabel->setBuddy(m_search);

    m_places = new QTreeWidget(this);
    m_places->setObjectName("places");
    m_places->setAccessibleName(Tr("Places"));
    m_places->setColumnCount(kColumns);
    m_places->setHeaderLabels({Tr("Name"), Tr("Region"), Tr("Country"), Tr("Latitude"), Tr("Longitude")});
    m_places->setRootIsDecorated(false);
    m_places->setUniformRowHeights(true);
    m_places->setAllColumnsShowFocus(true);
    m_places->setSelectionMode(QAbstractItemView::SingleSelection);
    QHeaderView* header = m_places->header();
    header->setStretchLastSection(false);
    header->setSectionResizeMode(kName, QHeaderView::Stretch);
    header->setSectionResizeMode(kRegion, QHeaderView::Stretch);
    for (int column : {kCountry, kLatitude, kLongitude})
        header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    m_places->setMinimumHeight(du.Y(64));

    m_status = new QLabel(this);
    m_status->setObjectName("placesStatus");
    m_status->setWordWrap(true);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_map = new CWorldMapView(this);
    m_map->setObjectName("worldMap");

    auto* latitudeLabel = new QLabel(Tr("Latitude:"), this);
    m_latitude = MakeField(Tr("Latitude"), "pointLatitude", this);
    auto* longitudeLabel = new QLabel(Tr("Longitude:"), this);
    m_longitude = MakeField(Tr("Longitude"), "pointLongitude", this);
    // Wide enough for the longest value, with the frame's margins.
    const auto fitWidth = [](QLineEdit* field, const QString& longest) {
        const int margins =
            field->sizeHint().width() - field->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 17;
        field->setMinimumWidth(field->fontMetrics().horizontalAdvance(longest) + std::max(margins, 0) +
                               field->fontMetrics().averageCharWidth() * 2);
    };
    for (QLineEdit* field : {m_latitude, m_longitude}) {
        field->setReadOnly(true);
        fitWidth(field, LongitudeText(-179.9999));
    }
    latitudeLabel->setBuddy(m_latitude);
    longitudeLabel->setBuddy(m_longitude);
    auto* locatorLabel = new QLabel(Tr("&Locator:"), this);
    m_locator = MakeField(Tr("Maidenhead locator"), "locator", this);
    m_locator->setMaxLength(10);
    fitWidth(m_locator, "MM00mm");
    m_locator->setWhatsThis(
        Tr("The Maidenhead locator of the point (\"JP99lp\"). Type a locator of four or six "
           "characters to move the point to the middle of its square."));
    locatorLabel->setBuddy(m_locator);
    m_wholeWorld = new QPushButton(Tr("&Whole World"), this);
    m_wholeWorld->setObjectName("wholeWorld");
    m_wholeWorld->setAutoDefault(false);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    m_ok = buttons->button(QDialogButtonBox::Ok);
    m_ok->setEnabled(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &CFindPlaceDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &CFindPlaceDlg::reject);

    auto* searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_search, 1);
    auto* pointRow = new QHBoxLayout;
    pointRow->addWidget(latitudeLabel);
    pointRow->addWidget(m_latitude);
    pointRow->addSpacing(du.X(4));
    pointRow->addWidget(longitudeLabel);
    pointRow->addWidget(m_longitude);
    pointRow->addSpacing(du.X(4));
    pointRow->addWidget(locatorLabel);
    pointRow->addWidget(m_locator);
    pointRow->addStretch(1);
    pointRow->addWidget(m_wholeWorld);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(m_places, 2);
    layout->addWidget(m_status);
    layout->addWidget(m_map, 5);
    layout->addLayout(pointRow);
    layout->addWidget(buttons);

    QWidget* order[] = {m_search, m_places, m_map, m_latitude, m_longitude, m_locator, m_wholeWorld};
    for (std::size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(m_search, &QLineEdit::textChanged, this, &CFindPlaceDlg::Search);
    m_search->installEventFilter(this);
    connect(m_places, &QTreeWidget::itemSelectionChanged, this, &CFindPlaceDlg::PlaceChosen);
    connect(m_places, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (m_ok->isEnabled())
            accept();
    });
    connect(m_map, &CWorldMapView::pointPicked, this, &CFindPlaceDlg::MapPicked);
    connect(m_locator, &QLineEdit::textEdited, this, &CFindPlaceDlg::LocatorEdited);
    connect(m_locator, &QLineEdit::editingFinished, this, &CFindPlaceDlg::LocatorDone);
    connect(m_wholeWorld, &QPushButton::clicked, m_map, &CWorldMapView::ResetView);

    // The files, read on the first use in this run.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    QString error;
    m_gazetteer = SharedGazetteer(placesFile, &error);
    if (!m_gazetteer) {
        const QString advice = Tr("Pick the site on the map or type its locator.");
        if (placesFile.isEmpty() || !QFileInfo::exists(placesFile))
            m_status->setText(Tr("The list of places (%1) is not in the data folder, so places cannot be "
                                 "found by name.")
                                  .arg(CGazetteer::kFileName) +
                              " " + advice);
        else
            m_status->setText(
                Tr("The list of places cannot be read (%1), so places cannot be found by name.").arg(error) +
                " " + advice);
        m_search->setEnabled(false);
        m_places->setEnabled(false);
    }
    error.clear();
    std::shared_ptr<const WorldMapShapes> shapes = SharedWorldMap(mapFile, &error);
    if (shapes)
        m_map->SetShapes(std::move(shapes));
    else if (mapFile.isEmpty() || !QFileInfo::exists(mapFile))
        m_map->SetMessage(Tr("The world map (%1) is not in the data folder: only the lines of latitude and "
                             "longitude are shown.")
                              .arg(CWorldMap::kFileName));
    else
        m_map->SetMessage(
            Tr("The world map cannot be read (%1): only the lines of latitude and longitude are shown.")
                .arg(error));
    QGuiApplication::restoreOverrideCursor();
    if (m_gazetteer)
        Search(QString());
    m_search->setFocus();
}

CFindPlaceDlg::~CFindPlaceDlg() = default;

bool CFindPlaceDlg::Run() {
    return exec() == QDialog::Accepted;
}

void CFindPlaceDlg::SetPoint(double latitude, double longitude) {
    ClearPlaceSelection();
    Choose(GeoPoint{latitude, longitude}, QString(), 0, QString());
    m_map->CentreOn(*m_point, kPlaceZoom);
}

void CFindPlaceDlg::Search(const QString& text) {
    {
        const QScopedValueRollback<bool> guard(m_settingSelection, true);
        m_places->clear();
    }
    m_shown.clear();
    if (!m_gazetteer)
        return;
    if (text.trimmed().isEmpty()) {
        m_status->setText(Tr("Type the name of a town or city near the site, or pick the site on the map."));
        return;
    }
    std::vector<PlaceHit> hits = m_gazetteer->Find(text.toUtf8().toStdString(), kMaxShown + 1);
    const bool more = hits.size() > static_cast<std::size_t>(kMaxShown);
    if (more)
        hits.resize(kMaxShown);
    QList<QTreeWidgetItem*> items;
    for (const PlaceHit& hit : hits) {
        const Place& place = *hit.place;
        auto* item = new QTreeWidgetItem;
        item->setText(kName, Text(place.name));
        item->setText(kRegion, Text(place.region));
        item->setText(kCountry, QString::fromLatin1(place.country));
        item->setText(kLatitude, LatitudeText(place.latitude));
        item->setText(kLongitude, LongitudeText(place.longitude));
        item->setTextAlignment(kLatitude, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(kLongitude, Qt::AlignRight | Qt::AlignVCenter);
        items.append(item);
        m_shown.push_back(&place);
    }
    {
        const QScopedValueRollback<bool> guard(m_settingSelection, true);
        m_places->addTopLevelItems(items);
    }
    if (hits.empty())
        m_status->setText(Tr("No place is called \"%1\".").arg(text.trimmed()));
    else if (more)
        m_status->setText(
            Tr("The first %1 places are listed, the most likely first; type more of the name to "
               "find others.")
                .arg(kMaxShown));
    else if (hits.size() == 1)
        m_status->setText(Tr("1 place is listed."));
    else
        m_status->setText(Tr("%1 places are listed, the most likely first.").arg(hits.size()));
}

void CFindPlaceDlg::PlaceChosen() {
    if (m_settingSelection)
        return;
    const QList<QTreeWidgetItem*> selected = m_places->selectedItems();
    if (selected.isEmpty())
        return;
    const int row = m_places->indexOfTopLevelItem(selected.front());
    if (row < 0 || static_cast<std::size_t>(row) >= m_shown.size())
        return;
    const Place& place = *m_shown[static_cast<std::size_t>(row)];
    const QString country = QString::fromLatin1(place.country);
    Choose(GeoPoint{place.latitude, place.longitude}, Text(place.name), CountryRegion(place.country),
           country);
    m_asciiName = Text(place.asciiName);
    m_map->CentreOn(*m_point, kPlaceZoom);
}

void CFindPlaceDlg::MapPicked(double latitude, double longitude) {
    ClearPlaceSelection();
    Choose(GeoPoint{latitude, longitude}, QString(), 0, QString());
}

void CFindPlaceDlg::LocatorEdited(const QString& text) {
    const std::optional<GridPoint> square = ParseMaidenhead(text.toStdString());
    if (!square)
        return;
    const int characters = static_cast<int>(text.trimmed().size());
    const QString locator =
        QString::fromStdString(MaidenheadLocator(square->latitude, square->longitude, characters));
    ClearPlaceSelection();
    Choose(GeoPoint{square->latitude, square->longitude}, locator, 0, QString(), true);
    m_map->CentreOn(*m_point, characters == 4 ? 8.0 : 16.0);
}

void CFindPlaceDlg::LocatorDone() {
    // A text that names no square gives way to the point's locator again.
    if (ParseMaidenhead(m_locator->text().toStdString()))
        return;
    m_locator->setText(
        m_point ? QString::fromStdString(MaidenheadLocator(m_point->latitude, m_point->longitude, 6))
                : QString());
}

void CFindPlaceDlg::Choose(const GeoPoint& point, const QString& name, int region, const QString& country,
                           bool fromLocator) {
    m_map->SetPoint(point);
    m_point = m_map->Point();
    m_name = name;
    m_asciiName = name;
    m_region = region;
    m_country = country;
    m_latitude->setText(LatitudeText(m_point->latitude));
    m_longitude->setText(LongitudeText(m_point->longitude));
    if (!fromLocator)
        m_locator->setText(
            QString::fromStdString(MaidenheadLocator(m_point->latitude, m_point->longitude, 6)));
    m_ok->setEnabled(true);
}

void CFindPlaceDlg::ClearPlaceSelection() {
    const QScopedValueRollback<bool> guard(m_settingSelection, true);
    m_places->clearSelection();
    m_places->setCurrentItem(nullptr);
}

bool CFindPlaceDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_search && event->type() == QEvent::KeyPress && m_places->topLevelItemCount() > 0) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
        // Down goes to the list; Enter takes the first place unless one is
        // chosen already (then it is OK's).
        if (key == Qt::Key_Down || (enter && m_places->selectedItems().isEmpty())) {
            if (m_places->selectedItems().isEmpty())
                m_places->setCurrentItem(m_places->topLevelItem(0));
            if (key == Qt::Key_Down)
                m_places->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
