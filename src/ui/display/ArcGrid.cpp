#include "ui/display/ArcGrid.h"

#include <QDragEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>

#include "core/horizon/Clearance.h"
#include "core/satellites/SatelliteDatabase.h"
#include "ui/display/DragSupport.h"
#include "ui/framework/QtText.h"

namespace {

constexpr QRgb kGrey = 0x7F7F7F;
constexpr QRgb kWhite = 0xFFFFFF;
// A blocked satellite's stripe; its row's background is the palette's
// button colour with this mixed in, light on a light palette and dark on a
// dark one, so that the palette's button text stays readable on it.
constexpr QRgb kBlocked = 0xD03030;
constexpr double kBlockedTint = 0.4;
constexpr int kStripeWidth = 3;

QColor Tinted(const QColor& base) {
    const QColor tint(kBlocked);
    const auto mix = [](int a, int b) {
        return static_cast<int>(a * (1.0 - kBlockedTint) + b * kBlockedTint);
    };
    return QColor(mix(base.red(), tint.red()), mix(base.green(), tint.green()),
                  mix(base.blue(), tint.blue()));
}

// Paints a row as three framed cells: the name over half the width, the
// azimuth and the elevation over a quarter each.
class ArcGridDelegate : public QStyledItemDelegate {
public:
    explicit ArcGridDelegate(CArcGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QRect r = option.rect;
        const bool selected = option.state & QStyle::State_Selected;
        const QPalette& palette = m_grid->palette();
        const CSatellite* satellite = m_grid->SatelliteAt(index.row());
        const bool blocked = satellite && m_grid->BlockedMargin(*satellite);
        QColor back = selected ? palette.color(QPalette::Highlight) : palette.color(QPalette::Button);
        if (blocked && !selected)
            back = Tinted(back);
        painter->save();
        painter->setPen(QColor(kGrey));
        painter->setBrush(back);
        painter->drawRect(r.adjusted(0, 0, -1, -1));
        const int q = r.width() / 4;
        const QRect cells[3] = {
            QRect(QPoint(r.left(), r.top()), QPoint(r.left() + 2 * q - 1, r.bottom())),
            QRect(QPoint(r.left() + 2 * q, r.top()), QPoint(r.left() + 3 * q - 1, r.bottom())),
            QRect(QPoint(r.left() + 3 * q, r.top()), r.bottomRight())};
        for (const QRect& cell : cells) {
            painter->setPen(QColor(kWhite));
            painter->drawLine(cell.topLeft(), cell.topRight());
            painter->drawLine(cell.topLeft(), cell.bottomLeft());
            painter->setPen(QColor(kGrey));
            painter->drawLine(cell.bottomLeft(), cell.bottomRight());
            painter->drawLine(cell.topRight(), cell.bottomRight());
        }
        // The stripe at the right end, clear of the name and the centred
        // elevation.
        if (blocked)
            painter->fillRect(QRect(r.right() - kStripeWidth, r.top() + 1, kStripeWidth, r.height() - 2),
                              QColor(kBlocked));
        if (satellite) {
            const CArcGridModel::RowTexts texts = m_grid->Model().TextsFor(*satellite);
            // The texts take the palette's colours for the row's background
            // (black and white in a light palette), so that they stay
            // readable on a dark one.
            painter->setPen(palette.color(selected ? QPalette::HighlightedText : QPalette::ButtonText));
            painter->setFont(m_grid->font());
            const int ascent = painter->fontMetrics().ascent();
            // The name from (left + 2, top + 2), cut off at the end of its
            // cell; the angles centred in theirs, from the same top.
            painter->save();
            painter->setClipRect(cells[0].adjusted(1, 1, -1, -1));
            painter->drawText(QPoint(r.left() + 2, r.top() + 2 + ascent), FromCp1252(texts.name));
            painter->restore();
            const std::string* angles[2] = {&texts.azimuth, &texts.elevation};
            for (int i = 0; i < 2; ++i) {
                const QRect inner = cells[i + 1].adjusted(1, 1, -1, -1);
                painter->save();
                painter->setClipRect(inner);
                painter->drawText(QRect(inner.left(), r.top() + 2, inner.width(), r.height()),
                                  Qt::AlignHCenter | Qt::AlignTop, FromCp1252(*angles[i]));
                painter->restore();
            }
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
        const QFontMetrics metrics(m_grid->font());
        return QSize(m_grid->viewport()->width(), metrics.height() + metrics.leading() + 2);
    }

private:
    CArcGrid* m_grid;
};

// A row: its satellite (not owned), and the row as a screen reader reads
// it: name, azimuth and elevation as shown, worked out when asked, since the
// angles follow the site.
class ArcGridItem : public QListWidgetItem {
public:
    static constexpr int kType = QListWidgetItem::UserType + 1;
    ArcGridItem(CArcGrid* grid, CSatellite* satellite)
        : QListWidgetItem(nullptr, kType), m_grid(grid), m_satellite(satellite) {}
    CSatellite* Satellite() const { return m_satellite; }
    QVariant data(int role) const override {
        if (role == Qt::AccessibleTextRole)
            return FromCp1252(CArcGridModel::RowSummary(m_grid->Model().TextsFor(*m_satellite)));
        // A blocked satellite says so to a screen reader, and in a tooltip.
        if (role == Qt::AccessibleDescriptionRole || role == Qt::ToolTipRole) {
            const QString blocked = m_grid->BlockedText(m_grid->row(this));
            return blocked.isEmpty() ? QVariant() : QVariant(blocked);
        }
        if (role == CArcGrid::kSatelliteRole)
            return QVariant::fromValue(reinterpret_cast<quintptr>(m_satellite));
        return QListWidgetItem::data(role);
    }

private:
    CArcGrid* m_grid;
    CSatellite* m_satellite;
};

}  // namespace

CArcGrid::CArcGrid(QWidget* parent) : QListWidget(parent) {
    setObjectName("arcGrid");
    setItemDelegate(new ArcGridDelegate(this));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setUniformItemSizes(true);
    setFrameShape(QFrame::StyledPanel);
    setAccessibleName(Tr("Satellites"));
    // Satellites and region folders dragged from the satellite tree drop here.
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    QPalette p = palette();
    p.setColor(QPalette::Base, QColor(kBackColor));
    setPalette(p);
    setWhatsThis(
        Tr("The look angles of the workspace's satellites from the current location: "
           "azimuth and elevation; \"--\" means the satellite is below the horizon."));
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_bFilling && row >= 0)
            emit satelliteSelected(SatelliteAt(row));
    });
    // A click on the row that is already selected selects it again.
    connect(this, &QListWidget::itemPressed, this, [this](QListWidgetItem* item) {
        if (item == currentItem())
            emit satelliteSelected(SatelliteAt(row(item)));
    });
    // A row chosen through the accessibility interface is selected without
    // becoming current: make it current, as a click would.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_bFilling)
            return;
        const auto chosen = selectedItems();
        if (chosen.size() == 1 && chosen.front() != currentItem())
            setCurrentItem(chosen.front());
    });
}

void CArcGrid::SetHorizon(const CHorizonProfile* horizon, double beamEdge) {
    m_horizon = horizon ? std::optional<CHorizonProfile>(*horizon) : std::nullopt;
    m_beamEdge = beamEdge;
    viewport()->update();
}

std::optional<double> CArcGrid::BlockedMargin(const CSatellite& satellite) const {
    // No site, no angles (the rows show none): nothing is marked either.
    if (!m_horizon || (m_model.Latitude() == 0.0f && m_model.Longitude() == 0.0f))
        return std::nullopt;
    const std::optional<double> margin = SatelliteClearance(*m_horizon, m_beamEdge, m_model.Latitude(),
                                                            m_model.Longitude(), satellite.SignedLongitude());
    if (!margin || IsClear(*margin))
        return std::nullopt;
    return margin;
}

QString CArcGrid::BlockedText(int row) const {
    const CSatellite* satellite = SatelliteAt(row);
    const std::optional<double> margin = satellite ? BlockedMargin(*satellite) : std::nullopt;
    if (!margin)
        return QString();
    // The shortfall with one decimal and a degree sign: "2.1°".
    return Tr("blocked by the horizon by %1").arg(QString::number(-*margin, 'f', 1) + QChar(0xB0));
}

void CArcGrid::Fill(const std::vector<std::string>& names, const CSatelliteDatabase& database) {
    m_bFilling = true;
    clear();
    m_model.Fill(names, database);
    for (CSatellite* sat : m_model.Rows())
        addItem(new ArcGridItem(this, sat));
    m_bFilling = false;
}

CSatellite* CArcGrid::SatelliteAt(int row) const {
    const QListWidgetItem* it = item(row);
    return it && it->type() == ArcGridItem::kType ? static_cast<const ArcGridItem*>(it)->Satellite()
                                                  : nullptr;
}

CSatellite* CArcGrid::SelectedSatellite() const {
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? nullptr : SatelliteAt(row(selected.front()));
}

void CArcGrid::SelectByName(const std::string& name) {
    m_bFilling = true;
    int found = -1;
    for (int row = 0; row < count(); ++row) {
        if (SatelliteAt(row)->GetName() == name) {
            found = row;
            break;
        }
    }
    setCurrentRow(found);
    if (found < 0)
        clearSelection();
    m_bFilling = false;
}

CArcGridModel::RowTexts CArcGrid::RowTexts(int row) const {
    const CSatellite* sat = SatelliteAt(row);
    return sat ? m_model.TextsFor(*sat) : CArcGridModel::RowTexts{};
}

void CArcGrid::mouseDoubleClickEvent(QMouseEvent* event) {
    if (QListWidgetItem* it = itemAt(event->position().toPoint()))
        emit satelliteActivated(SatelliteAt(row(it)));
    QListWidget::mouseDoubleClickEvent(event);
}

void CArcGrid::dragEnterEvent(QDragEnterEvent* event) {
    AcceptDragOf(event, kSatelliteDragType);
}

void CArcGrid::dragMoveEvent(QDragMoveEvent* event) {
    AcceptDragOf(event, kSatelliteDragType);
}

void CArcGrid::dropEvent(QDropEvent* event) {
    if (const auto records = TakeDrop(event, kSatelliteDragType))
        emit satellitesDropped(*records);
}
