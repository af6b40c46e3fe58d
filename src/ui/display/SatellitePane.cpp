#include "ui/display/SatellitePane.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>

#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/TilvexDoc.h"
#include "ui/display/ArcGrid.h"
#include "ui/display/DialogUnits.h"
#include "ui/display/GridOptionsDlg.h"
#include "ui/display/RemoveKey.h"
#include "ui/framework/QtText.h"
#include "ui/satellites/SatelliteInfoPane.h"

namespace {
// The pane as designed, in dialog units.
constexpr int kWidth = 182, kHeight = 150;
constexpr int kMargin = 5;
constexpr int kButtonWidth = 58, kButtonHeight = 14;
constexpr int kHeadingTop = 24;
constexpr int kGridTop = 44;
}  // namespace

CSatellitePane::CSatellitePane(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setObjectName("satellitePane");
    setAccessibleName(Tr("Satellite List Pane"));
    setAutoFillBackground(true);
    const DialogUnits du = DialogUnits::Current();
    m_stBandFilters = new QLabel(Tr("Band Filters:"), this);
    m_bandFilter = new QLabel(this);
    m_bandFilter->setObjectName("bandFilter");
    m_bandFilter->setAccessibleDescription(Tr("Band Filters"));
    m_bandFilter->setWhatsThis(Tr("The bands whose satellites the grid lists. Grid Options changes them."));
    m_btnOptions = new QPushButton(Tr("&Grid Options..."), this);
    m_btnOptions->setObjectName("gridOptionsButton");
    m_btnOptions->setWhatsThis(
        Tr("Chooses the bands listed, the order of the rows, true or magnetic azimuth, "
           "and whether the slot follows the name."));
    m_headSatellite = new QLabel(Tr("Satellite"), this);
    m_stAzimuthHeading = new QLabel(Tr("Azimuth"), this);
    m_stAzimuthHeading->setAlignment(Qt::AlignHCenter);
    m_azimuthKind = new QLabel(Tr("(Magnetic)"), this);
    m_azimuthKind->setObjectName("azimuthKind");
    m_azimuthKind->setWhatsThis(
        Tr("Whether the azimuths are measured from magnetic north, as a compass shows, "
           "or from true north, as a map shows. Grid Options changes it."));
    m_azimuthKind->setAlignment(Qt::AlignHCenter);
    m_headElevation = new QLabel(Tr("Elevation"), this);
    m_headElevation->setAlignment(Qt::AlignHCenter);
    m_grid = new CArcGrid(this);
    m_grid->setAccessibleName(Tr("Satellite Grid"));
    m_grid->installEventFilter(this);

    // The button keeps the style's room around its text when the font is
    // wider than the design's.
    const int buttonWidth = std::max(du.X(kButtonWidth), m_btnOptions->sizeHint().width());
    const int buttonLeft = du.X(kWidth - kMargin) - buttonWidth;
    m_btnOptions->setGeometry(buttonLeft, du.Y(kMargin), buttonWidth,
                              std::max(du.Y(kButtonHeight), m_btnOptions->sizeHint().height()));
    const int labelWidth = m_stBandFilters->sizeHint().width();
    m_stBandFilters->setGeometry(du.X(kMargin), du.Y(kMargin + 2), labelWidth, du.Y(10));
    const int bandLeft = du.X(kMargin) + labelWidth + du.X(3);
    m_bandFilter->setGeometry(bandLeft, du.Y(kMargin + 2), buttonLeft - du.X(3) - bandLeft, du.Y(10));
    m_grid->setGeometry(du.X(kMargin), du.Y(kGridTop), du.X(kWidth - 2 * kMargin),
                        du.Y(kHeight - kGridTop - 1));
    resize(du.X(kWidth), du.Y(kHeight));
    connect(m_btnOptions, &QPushButton::clicked, this, &CSatellitePane::OnGridOptions);
    m_bReady = true;
    LayoutHeadings();
}

void CSatellitePane::SetContext(CTilvexDoc* doc, CSatelliteDatabase* satellites,
                                CSatelliteInfoPane* infoPane) {
    m_pDoc = doc;
    m_pSatellites = satellites;
    m_pInfoPane = infoPane;
}

void CSatellitePane::LayoutHeadings() {
    // The headings stand over the grid's columns: the name over the left
    // half of the rows, azimuth and elevation over a quarter each.
    const DialogUnits du = DialogUnits::Current();
    const int left = m_grid->x() + m_grid->frameWidth();
    // The vertical scroll bar is always there, so the rows' width is known
    // before the grid is first shown.
    const int rowWidth =
        m_grid->width() - 2 * m_grid->frameWidth() - m_grid->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const int q = rowWidth / 4;
    const int lineHeight = du.Y(9);
    const int top = du.Y(kHeadingTop);
    // "Satellite", "Azimuth" and "Elevation" on the first line, the kind of
    // azimuth under "Azimuth" on the second, where it may reach a little
    // beyond its column without meeting another heading.
    m_headSatellite->setGeometry(left + 2, top, 2 * q - 2, lineHeight);
    m_stAzimuthHeading->setGeometry(left + 2 * q, top, q, lineHeight);
    m_headElevation->setGeometry(left + 3 * q, top, rowWidth - 3 * q, lineHeight);
    m_azimuthKind->setGeometry(left + 2 * q - q / 4, top + lineHeight, q + q / 2, lineHeight);
    for (QLabel* heading : {m_headSatellite, m_stAzimuthHeading, m_headElevation, m_azimuthKind})
        FitText(heading);
}

void CSatellitePane::FitText(QLabel* label) {
    // A heading too wide for its place takes a smaller font.
    QFont font = this->font();
    while (QFontMetrics(font).horizontalAdvance(label->text()) > label->width() && font.pointSizeF() > 5.0)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    label->setFont(font);
}

void CSatellitePane::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    if (!m_bReady)
        return;
    const DialogUnits du = DialogUnits::System();
    m_grid->setGeometry(m_grid->x(), m_grid->y(), m_grid->width(), height() - du.Y(1) - m_grid->y());
    LayoutHeadings();
}

bool CSatellitePane::eventFilter(QObject* watched, QEvent* event) {
    // Delete and Ctrl+X typed in the grid are the grid's own, before the
    // window's shortcuts: they remove the grid's satellite.
    if (watched == m_grid && event->type() == QEvent::ShortcutOverride &&
        IsRemoveKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    if (watched == m_grid && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsRemoveKey(key)) {
            emit removeRequested();
            return true;
        }
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
            return true;
    }
    return QFrame::eventFilter(watched, event);
}

QString CSatellitePane::BandFilterText() const {
    return m_bandFilter->text();
}
QString CSatellitePane::AzimuthKindText() const {
    return m_azimuthKind->text();
}

void CSatellitePane::Refresh() {
    m_azimuthKind->setText(FromCp1252(::AzimuthKindText(m_grid->GetOptions())));
    FitText(m_azimuthKind);
    m_bandFilter->setText(FromCp1252(::BandFilterText(m_grid->GetOptions())));
    if (!m_pDoc || !m_pSatellites)
        return;
    const int index =
        ChooseCurrentSatellite(m_pDoc->GetSatelliteNames(), m_pDoc->GetSettings().GetCurSatellite(),
                               *m_pSatellites, m_grid->Model());
    if (index >= 0) {
        m_pDoc->SetCurrentSatelliteIndex(index);
        SelectSatelliteAt(index);
    }
    if (m_pInfoPane)
        m_pInfoPane->ShowSatellite(index);
}

void CSatellitePane::SelectSatelliteAt(int index) {
    if (!m_pDoc)
        return;
    const auto& names = m_pDoc->GetSatelliteNames();
    if (index < 0 || index >= static_cast<int>(names.size()))
        return;
    const std::string& name = names[static_cast<std::size_t>(index)];
    if (name.empty() || m_grid->count() == 0)
        return;
    m_grid->SelectByName(name);
}

void CSatellitePane::OnGridOptions() {
    CGridOptionsDlg dialog(m_grid->GetOptions(), this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_grid->SetOptions(dialog.Options());
    if (m_pDoc)
        m_pDoc->SetGridOptions(dialog.Options());
}
