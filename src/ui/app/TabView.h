// The left pane: a tab for each database, each showing its tree.  Creating it
// loads both databases.
#pragma once

#include <QWidget>

#include "core/framework/Document.h"

class QTabBar;
class CSatelliteTree;
class CLocationTree;

class CTilvexTabView : public QWidget, public CView {
    Q_OBJECT
public:
    explicit CTilvexTabView(QWidget* parent = nullptr);

    CSatelliteTree* SatelliteTree() const { return m_pSatTree; }
    CLocationTree* LocationTree() const { return m_pLocTree; }
    QTabBar* Tab() const { return m_pTab; }
    int CurrentTab() const { return m_nCurTab; }

    // The workspace changed: the pane is simply repainted.
    void OnUpdate(CView*) override { update(); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void OnSelChange(int index);

    CSatelliteTree* m_pSatTree = nullptr;
    CLocationTree* m_pLocTree = nullptr;
    QTabBar* m_pTab = nullptr;
    int m_nCurTab = 0;
};
