#include "app/TabView.h"

#include <QResizeEvent>
#include <QTabBar>

#include "locations/LocationTree.h"
#include "satellites/SatelliteTree.h"

namespace {
constexpr int kMargin = 5;
constexpr int kTabHeight = 25;
constexpr int kTreeInset = 3;
}  // namespace

CTilvexTabView::CTilvexTabView(QWidget* parent) : QWidget(parent) {
    setObjectName("tabView");
    m_pTab = new QTabBar(this);
    m_pTab->setObjectName("databaseTab");
    m_pTab->setIconSize(QSize(20, 20));
    m_pTab->setExpanding(false);
    m_pTab->setDrawBase(true);
    m_pTab->addTab(QIcon(":/images/tab_satellites.png"), QString());
    m_pTab->addTab(QIcon(":/images/tab_locations.png"), QString());
    m_pTab->setTabToolTip(0, "Satellite Database");
    m_pTab->setTabToolTip(1, "Location Database");
    // The tabs show only pictures; screen readers say these names.
    m_pTab->setAccessibleTabName(0, "Satellite Database");
    m_pTab->setAccessibleTabName(1, "Location Database");
    m_pTab->setTabWhatsThis(0, "Shows the satellite database by coverage region.");
    m_pTab->setTabWhatsThis(1, "Shows the location database by region.");

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
    if (index == m_nCurTab || (index != 0 && index != 1)) return;
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
