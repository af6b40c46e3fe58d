#include "ui/app/TabView.h"

#include <QPainter>
#include <QResizeEvent>
#include <QTabBar>

#include "ui/framework/QtText.h"
#include "ui/locations/LocationTree.h"
#include "ui/satellites/SatelliteTree.h"

namespace {
// The database tabs carry a picture each and no text, 22 by 20 pixels.  The
// style's tab leaves no room for a 20-pixel picture inside its frame, so the
// pictures are drawn over the tabs, fitted inside the frame.
class CDatabaseTab : public QTabBar {
public:
    using QTabBar::QTabBar;
    void AddImageTab(const QIcon& icon, const QString& name) {
        const int index = addTab(QString());
        m_icons.append(icon);
        setTabToolTip(index, name);
        setAccessibleTabName(index, name);
    }

protected:
    QSize tabSizeHint(int) const override { return QSize(22, 20); }
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent* event) override {
        QTabBar::paintEvent(event);
        QPainter painter(this);
        for (int i = 0; i < count() && i < m_icons.size(); ++i)
            m_icons[i].paint(&painter, tabRect(i).adjusted(2, 2, -2, -2));
    }

private:
    QList<QIcon> m_icons;
};

constexpr int kMargin = 5;
constexpr int kTabHeight = 25;
constexpr int kTreeInset = 3;
}  // namespace

CTilvexTabView::CTilvexTabView(QWidget* parent) : QWidget(parent) {
    setObjectName("tabView");
    m_pTab = new CDatabaseTab(this);
    m_pTab->setObjectName("databaseTab");
    m_pTab->setIconSize(QSize(20, 20));
    m_pTab->setExpanding(false);
    m_pTab->setDrawBase(true);
    auto* tab = static_cast<CDatabaseTab*>(m_pTab);
    tab->AddImageTab(QIcon(":/images/tab_satellites.png"), Tr("Satellite Database"));
    tab->AddImageTab(QIcon(":/images/tab_locations.png"), Tr("Location Database"));
    m_pTab->setTabWhatsThis(0, Tr("Shows the satellite database by coverage region."));
    m_pTab->setTabWhatsThis(1, Tr("Shows the location database by region."));

    m_pSatTree = new CSatelliteTree(this);
    m_pLocTree = new CLocationTree(this);
    m_pSatTree->LoadDatabase();
    m_pSatTree->FillTree();
    m_pLocTree->LoadDatabase();
    m_pLocTree->FillTree();
    m_pLocTree->hide();
    m_pSatTree->show();
    connect(m_pTab, &QTabBar::currentChanged, this, &CTilvexTabView::OnSelChange);
}

void CTilvexTabView::OnSelChange(int index) {
    if (index == m_nCurTab || (index != 0 && index != 1))
        return;
    QWidget* trees[] = {m_pSatTree, m_pLocTree};
    trees[m_nCurTab]->hide();
    trees[index]->show();
    m_nCurTab = index;
}

void CTilvexTabView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QRect area = rect().adjusted(kMargin, kMargin, -kMargin, -kMargin);
    m_pTab->setGeometry(area.left(), area.top(), area.width(), kTabHeight);
    const QRect trees = area.adjusted(kTreeInset, kTabHeight, -kTreeInset, -kTreeInset);
    m_pSatTree->setGeometry(trees);
    m_pLocTree->setGeometry(trees);
}
