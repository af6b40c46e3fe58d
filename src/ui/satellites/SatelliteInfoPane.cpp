#include "ui/satellites/SatelliteInfoPane.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

#include "core/framework/Translate.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/TilvexDoc.h"
#include "ui/display/DialogUnits.h"
#include "ui/framework/QtText.h"
#include "ui/orbits/SatelliteOrbits.h"
#include "ui/printing/BidiText.h"

namespace {
constexpr int kWidth = 108, kHeight = 56;
constexpr int kMargin = 5, kLabelWidth = 40, kLine = 11;
}  // namespace

CSatelliteInfoPane::CSatelliteInfoPane(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setObjectName("satelliteInfoPane");
    setAccessibleName(Tr("Satellite Info Pane"));
    setWhatsThis(Tr("The satellite selected in the grid: its name, orbital slot and bands."));
    setAutoFillBackground(true);
    const DialogUnits du = DialogUnits::Current();
    QLabel** values[] = {&m_name, &m_slot, &m_bands};
    const char* labels[] = {TrNoop("Satellite:"), TrNoop("Slot:"), TrNoop("Bands:")};
    const char* names[] = {"infoName", "infoSlot", "infoBands"};
    for (int i = 0; i < 3; ++i) {
        m_captions[i] = new QLabel(Tr(labels[i]), this);
        m_captions[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        *values[i] = new QLabel(this);
        (*values[i])->setObjectName(names[i]);
        (*values[i])->setTextFormat(Qt::PlainText);  // a record's text, never markup
        (*values[i])->setAccessibleDescription(Tr(labels[i]));
    }
    // A long name wraps onto more lines rather than losing its end.
    m_name->setWordWrap(true);
    LayoutRows();
    m_btnReport = new QPushButton(Tr("&Detailed Report..."), this);
    m_btnReport->setObjectName("detailedReport");
    m_btnReport->setWhatsThis(
        Tr("Shows the selected satellite's data and its look angles from the current location."));
    m_btnReport->setGeometry(du.X(kMargin), du.Y(kHeight - kMargin - 14), du.X(kWidth - 2 * kMargin),
                             du.Y(14));
    m_btnReport->setEnabled(false);
    connect(m_btnReport, &QPushButton::clicked, this, [this] {
        if (m_pSatellite && m_pLocation)
            emit reportRequested(m_pSatellite, m_pLocation);
    });
    resize(du.X(kWidth), du.Y(kHeight));
}

void CSatelliteInfoPane::SetContext(CTilvexDoc* doc, CSatelliteDatabase* satellites) {
    m_pDoc = doc;
    m_pSatellites = satellites;
}

QString CSatelliteInfoPane::NameText() const {
    return m_name->text();
}
QString CSatelliteInfoPane::SlotText() const {
    return m_slot->text();
}
QString CSatelliteInfoPane::BandsText() const {
    return m_bands->text();
}

void CSatelliteInfoPane::ShowSatellite(int index) {
    m_name->clear();
    m_slot->clear();
    m_bands->clear();
    m_slot->setToolTip(QString());
    m_slot->setAccessibleDescription(Tr("Slot:"));
    m_pSatellite = nullptr;
    if (m_pDoc && m_pSatellites) {
        const auto& names = m_pDoc->GetSatelliteNames();
        if (index >= 0 && index < static_cast<int>(names.size()))
            m_pSatellite = m_pSatellites->FindSatellite(names[static_cast<std::size_t>(index)]);
    }
    if (m_pSatellite) {
        m_name->setText(FromCp1252(m_pSatellite->GetName()));
        m_slot->setText(KeepNumbersInOrder(FromCp1252(m_pSatellite->SlotText())));
        // An inclined orbit: an up-down arrow beside the slot (the pane has
        // no room for words), the whole note on hover and for screen readers.
        const QString note = InclinedOrbitNoteFor(m_pSatellite->GetName());
        if (!note.isEmpty()) {
            m_slot->setText(m_slot->text() + " " + QChar(0x2195));
            m_slot->setToolTip(note);
            m_slot->setAccessibleDescription(note);
        }
        m_bands->setText(FromCp1252(m_pSatellite->BandText()));
    }
    LayoutRows();
    UpdateReportButton();
}

void CSatelliteInfoPane::LayoutRows() {
    const DialogUnits du = DialogUnits::Current();
    const int valueX = du.X(kMargin + kLabelWidth + 3),
              valueWidth = du.X(kWidth - 2 * kMargin - kLabelWidth - 3);
    const int top = du.Y(kMargin), room = du.Y(kHeight - kMargin - 14) - top;
    const int line = m_name->fontMetrics().height();
    // The lines the whole name takes at the value column's width, and the
    // lines that fit above the button beside the slot's and the bands'.
    const int needed = std::max(1, (m_name->heightForWidth(valueWidth) + line - 1) / line);
    const int lines = std::clamp(needed, 1, std::max(1, room / line - 2));
    m_name->setToolTip(needed > lines ? m_name->text() : QString());
    int y[3], height[3];
    if (lines == 1) {
        // One line each, as the pane was drawn.
        for (int i = 0; i < 3; ++i) {
            y[i] = du.Y(kMargin + i * kLine);
            height[i] = du.Y(10);
        }
    } else {
        // The name's lines, then the two rows close below them.
        y[0] = top;
        height[0] = lines * line;
        const int row = std::min(du.Y(10), (room - height[0]) / 2);
        for (int i = 1; i < 3; ++i) {
            y[i] = y[i - 1] + height[i - 1];
            height[i] = row;
        }
    }
    QLabel* values[] = {m_name, m_slot, m_bands};
    for (int i = 0; i < 3; ++i) {
        // The caption stands level with the first line of its value.
        m_captions[i]->setGeometry(du.X(kMargin), y[i], du.X(kLabelWidth),
                                   i == 0 && lines > 1 ? line : height[i]);
        values[i]->setGeometry(valueX, y[i], valueWidth, height[i]);
        values[i]->setAlignment(Qt::AlignLeft | (i == 0 && lines > 1 ? Qt::AlignTop : Qt::AlignVCenter));
    }
}

void CSatelliteInfoPane::SetLocation(CLocation* location) {
    // Without a location the pane lets go of the old one, which an edit of
    // the location database may have deleted.
    m_pLocation = m_pDoc && !m_pDoc->GetLocationNames().empty() ? location : nullptr;
    UpdateReportButton();
}

void CSatelliteInfoPane::UpdateReportButton() {
    m_btnReport->setEnabled(m_pSatellite && m_pLocation && m_pDoc && !m_pDoc->GetLocationNames().empty());
}
