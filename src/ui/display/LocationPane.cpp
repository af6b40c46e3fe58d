#include "ui/display/LocationPane.h"

#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include "core/locations/LocationDatabase.h"
#include "core/workspace/TilvexDoc.h"
#include "ui/display/DialogUnits.h"
#include "ui/display/DragSupport.h"
#include "ui/display/RemoveKey.h"
#include "ui/framework/QtText.h"

namespace {
// Rows sort by name without regard to letter case.
class LocationItem : public QListWidgetItem {
public:
    using QListWidgetItem::QListWidgetItem;
    bool operator<(const QListWidgetItem& other) const override {
        return text().compare(other.text(), Qt::CaseInsensitive) < 0;
    }
};

// The list takes the location tree's drags, and nothing else.
class LocationList : public QListWidget {
public:
    explicit LocationList(CLocationPane* pane) : QListWidget(pane), m_pane(pane) {
        setAcceptDrops(true);
        viewport()->setAcceptDrops(true);
    }

protected:
    void dragEnterEvent(QDragEnterEvent* event) override { AcceptDragOf(event, kLocationDragType); }
    void dragMoveEvent(QDragMoveEvent* event) override { AcceptDragOf(event, kLocationDragType); }
    void dropEvent(QDropEvent* event) override {
        if (const auto records = TakeDrop(event, kLocationDragType))
            emit m_pane->locationsDropped(*records);
    }

private:
    CLocationPane* m_pane;
};

constexpr int kWidth = 108, kHeight = 92;
constexpr int kMargin = 5;
}  // namespace

CLocationPane::CLocationPane(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setObjectName("locationPane");
    setAccessibleName(Tr("Location Pane"));
    setAutoFillBackground(true);
    const DialogUnits du = DialogUnits::Current();
    m_label = new QLabel(Tr("Calculate Look Angles For:"), this);
    m_current = new QLineEdit(this);
    m_current->setObjectName("currentLocation");
    m_current->setReadOnly(true);
    m_label->setBuddy(m_current);  // screen readers name the field after the label
    m_current->setFocusPolicy(Qt::NoFocus);
    m_current->setAccessibleName(Tr("Calculate Look Angles For:"));
    m_current->setWhatsThis(
        Tr("The location whose look angles the grid shows. Choose another in the list below."));
    m_list = new LocationList(this);
    m_list->setObjectName("locationList");
    m_list->setAccessibleName(Tr("Locations"));
    m_list->setSortingEnabled(true);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setWhatsThis(Tr("The workspace's locations. Click one to compute the look angles from it."));
    m_list->installEventFilter(this);

    // The label takes a second line when the font is too wide for one.
    const int inner = du.X(kWidth - 2 * kMargin);
    const int labelLines = m_label->fontMetrics().horizontalAdvance(m_label->text()) > inner ? 2 : 1;
    m_label->setWordWrap(labelLines > 1);
    const int labelHeight = labelLines * m_label->fontMetrics().lineSpacing() + 2;
    m_label->setGeometry(du.X(kMargin), du.Y(kMargin), inner, labelHeight);
    const int editTop = du.Y(kMargin) + labelHeight + du.Y(2);
    m_current->setGeometry(du.X(kMargin), editTop, inner, du.Y(13));
    const int listTop = editTop + du.Y(16);
    resize(du.X(kWidth), du.Y(kHeight) + labelHeight - du.Y(10));
    m_list->setGeometry(du.X(kMargin), listTop, inner, height() - du.Y(2) - listTop);

    connect(m_list, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_bFilling && row >= 0)
            emit locationSelected(LocationAt(row));
    });
    connect(m_list, &QListWidget::itemPressed, this, [this](QListWidgetItem* item) {
        if (item == m_list->currentItem())
            emit locationSelected(LocationAt(m_list->row(item)));
    });
    // A row chosen through the accessibility interface is selected without
    // becoming current: make it current, as a click would.
    connect(m_list, &QListWidget::itemSelectionChanged, this, [this] {
        if (m_bFilling)
            return;
        const auto chosen = m_list->selectedItems();
        if (chosen.size() == 1 && chosen.front() != m_list->currentItem())
            m_list->setCurrentItem(chosen.front());
    });
    connect(m_list, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { emit locationActivated(LocationAt(m_list->row(item))); });
}

void CLocationPane::SetContext(CTilvexDoc* doc, CLocationDatabase* locations) {
    m_pDoc = doc;
    m_pLocations = locations;
}

CLocation* CLocationPane::LocationAt(int row) const {
    const QListWidgetItem* item = m_list->item(row);
    return item ? reinterpret_cast<CLocation*>(item->data(kLocationRole).value<quintptr>()) : nullptr;
}

int CLocationPane::SelectedRow() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? -1 : m_list->row(selected.front());
}

void CLocationPane::FillLocations() {
    m_bFilling = true;
    m_list->clear();
    if (m_pDoc && m_pLocations) {
        for (const auto& name : m_pDoc->GetLocationNames()) {
            CLocation* location = m_pLocations->FindLocation(name);
            if (!location)
                continue;
            auto* item = new LocationItem(FromCp1252(name));
            item->setData(kLocationRole, QVariant::fromValue(reinterpret_cast<quintptr>(location)));
            item->setData(Qt::AccessibleTextRole, item->text());
            m_list->addItem(item);
        }
    }
    m_bFilling = false;
}

void CLocationPane::SelectLocation(const CLocation* location) {
    m_bFilling = true;
    if (m_list->count() == 0 || !location) {
        m_current->clear();
    } else if (const std::string name = location->GetName(); !name.empty()) {
        const auto found = m_list->findItems(FromCp1252(name), Qt::MatchFixedString);
        const int row = found.isEmpty() ? 0 : m_list->row(found.front());
        m_list->setCurrentRow(row);
        m_current->setText(m_list->item(row)->text());
    }
    m_bFilling = false;
}

void CLocationPane::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    const DialogUnits du = DialogUnits::System();
    m_list->setGeometry(m_list->x(), m_list->y(), m_list->width(), height() - du.Y(2) - m_list->y());
}

bool CLocationPane::eventFilter(QObject* watched, QEvent* event) {
    // Delete and Ctrl+X typed in the list are the list's own, before the
    // window's shortcuts: they remove the list's location.
    if (watched == m_list && event->type() == QEvent::ShortcutOverride &&
        IsRemoveKey(static_cast<QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    if (watched == m_list && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        if (IsRemoveKey(key))
            emit removeRequested();
        // No other key moves through the list.
        return true;
    }
    return QFrame::eventFilter(watched, event);
}
