#include "ui/display/TilvexView.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>

#include "core/framework/AppMessageBox.h"
#include "core/locations/LocationDatabase.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/TilvexDoc.h"
#include "ui/display/ArcGrid.h"
#include "ui/display/DialogUnits.h"
#include "ui/display/LocationPane.h"
#include "ui/display/SatellitePane.h"
#include "ui/framework/QtText.h"
#include "ui/horizon/SiteHorizons.h"
#include "ui/satellites/SatelliteInfoPane.h"

namespace {

// The grid marks what the location's horizon blocks (nothing without a
// location or a horizon).
void ShowHorizon(CArcGrid* grid, const CLocation* location) {
    CSiteHorizons& horizons = CSiteHorizons::Current();
    grid->SetHorizon(location ? horizons.Find(location->GetName()) : nullptr, horizons.BeamEdge());
}

}  // namespace

// The scrolled area: draws the title band; the panes are its children.
class CTilvexView::Canvas : public QWidget {
public:
    explicit Canvas(CTilvexView* view) : QWidget(view), m_view(view) { setObjectName("lookAngleCanvas"); }

protected:
    void paintEvent(QPaintEvent*) override {
        const LayoutRect& r = m_view->m_layout.title;
        if (r.Width() <= 0)
            return;
        QPainter painter(this);
        const DialogUnits du = DialogUnits::System();
        QFont font("Arial");
        font.setPixelSize(std::max(1, ((du.baseY / 8) * 12) * 2 / 3));
        font.setWeight(QFont::ExtraLight);
        painter.setFont(font);
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect band(r.left, r.top, r.Width(), std::max(r.Height(), 1));
        painter.setClipRect(band);
        painter.drawText(band, Qt::AlignHCenter | Qt::AlignTop, m_view->TitleText());
    }

private:
    CTilvexView* m_view;
};

CTilvexView::CTilvexView(QWidget* parent) : QScrollArea(parent) {
    setObjectName("lookAngleView");
    setAccessibleName(Tr("Look Angles"));
    setWidgetResizable(false);
    setFrameShape(QFrame::NoFrame);
    m_canvas = new Canvas(this);
    m_pSatellitePane = new CSatellitePane(m_canvas);
    m_nSatPaneHeight0 = m_pSatellitePane->height();
    m_pInfoPane = new CSatelliteInfoPane(m_canvas);
    m_pLocationPane = new CLocationPane(m_canvas);
    setWidget(m_canvas);

    connect(m_pSatellitePane->Grid(), &CArcGrid::satelliteSelected, this, [this](CSatellite* satellite) {
        if (!m_pDoc)
            return;
        m_pDoc->SetCurrentSatellite(satellite, false);
        m_pInfoPane->ShowSatellite(m_pDoc->GetSettings().GetCurSatellite());
        emit satelliteSelected(satellite);
    });
    connect(m_pLocationPane, &CLocationPane::locationSelected, this, [this](CLocation* location) {
        if (!m_pDoc)
            return;
        m_pDoc->SetCurrentLocation(location, false);
        emit locationSelected(location);
    });
    connect(m_pSatellitePane, &CSatellitePane::removeRequested, this, &CTilvexView::removeRequested);
    connect(m_pLocationPane, &CLocationPane::removeRequested, this, &CTilvexView::removeRequested);
    // A horizon set, renamed or removed, or the file read again: the marks
    // follow.
    connect(&CSiteHorizons::Current(), &CSiteHorizons::changed, this,
            [this] { ShowHorizon(Grid(), m_pDoc ? m_pDoc->GetCurrentLocation() : nullptr); });
}

void CTilvexView::SetContext(CTilvexDoc* doc, CSatelliteDatabase* satellites, CLocationDatabase* locations) {
    m_pDoc = doc;
    m_pSatellites = satellites;
    m_pLocations = locations;
    m_pSatellitePane->SetContext(doc, satellites, m_pInfoPane);
    m_pInfoPane->SetContext(doc, satellites);
    m_pLocationPane->SetContext(doc, locations);
}

CArcGrid* CTilvexView::Grid() const {
    return m_pSatellitePane->Grid();
}

QString CTilvexView::TitleText() const {
    return Tr("Workspace:  ") + (m_pDoc ? FromCp1252(m_pDoc->GetTitle()) : QString());
}

void CTilvexView::RedrawTitle() {
    const LayoutRect& r = m_layout.title;
    m_canvas->repaint(r.left, r.top, r.Width(), std::max(r.Height(), 1));
}

void CTilvexView::OnUpdate(CView*) {
    if (!m_pDoc || !m_pSatellites || !m_pLocations)
        return;
    const LayoutRect& r = m_layout.title;
    m_canvas->update(r.left, r.top, r.Width(), std::max(r.Height(), 1));
    CArcGrid* grid = Grid();
    grid->SetOptions(m_pDoc->GetOptions());
    grid->Fill(m_pDoc->GetSatelliteNames(), *m_pSatellites);
    m_pLocationPane->FillLocations();
    CLocation* location = m_pDoc->GetCurrentLocation();
    if (!location) {
        m_pDoc->ValidateLocations(false);
        location = m_pDoc->GetCurrentLocation();
    }
    if (location)
        grid->SetSite(location->SignedLatitude(), location->SignedLongitude(),
                      ValueOrShow(location->SignedMagVar(), 0.0f));
    else
        grid->SetSite(0.0f, 0.0f, 0.0f);
    ShowHorizon(grid, location);
    m_pLocationPane->SelectLocation(location);
    m_pInfoPane->SetLocation(location);
    m_pSatellitePane->Refresh();
    grid->viewport()->update();
    emit contentChanged();
}

void CTilvexView::ShowCurrentLocation(CLocation* location) {
    m_pInfoPane->SetLocation(location);
    if (location) {
        Grid()->SetSite(location->SignedLatitude(), location->SignedLongitude(),
                        ValueOrShow(location->SignedMagVar(), 0.0f));
        ShowHorizon(Grid(), location);
    }
    m_pSatellitePane->Refresh();
    Grid()->viewport()->repaint();
    m_pLocationPane->SelectLocation(location);
    emit contentChanged();
}

void CTilvexView::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    LayoutPanes();
}

void CTilvexView::LayoutPanes() {
    auto rectOf = [](const QWidget* w) {
        return LayoutRect{w->x(), w->y(), w->x() + w->width(), w->y() + w->height()};
    };
    const DialogUnits du = DialogUnits::System();
    const int unit = (du.baseY / 8) * 15;
    m_layout = ComputeLookAngleLayout(width(), height(), rectOf(m_pLocationPane), rectOf(m_pSatellitePane),
                                      rectOf(m_pInfoPane), m_nSatPaneHeight0, unit);
    auto place = [](QWidget* w, const LayoutRect& r) {
        w->setGeometry(r.left, r.top, r.Width(), r.Height());
        w->show();
    };
    place(m_pLocationPane, m_layout.locationPane);
    place(m_pSatellitePane, m_layout.satellitePane);
    place(m_pInfoPane, m_layout.infoPane);
    // The scrolled area covers the panes, and at least the visible part.
    m_canvas->resize(std::max(m_layout.scrollWidth, viewport()->width()),
                     std::max(m_layout.scrollHeight, viewport()->height()));
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    m_canvas->update();
}
