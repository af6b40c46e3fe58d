// "Calculate Look Angles For:": the workspace's locations, sorted, and the
// current one, which is the site of every look angle.
#pragma once

#include <QFrame>

#include "core/display/DragRecords.h"

class QLabel;
class QLineEdit;
class QListWidget;
class CLocation;
class CLocationDatabase;
class CTilvexDoc;

class CLocationPane : public QFrame {
    Q_OBJECT
public:
    static constexpr int kLocationRole = Qt::UserRole + 1;

    explicit CLocationPane(QWidget* parent = nullptr);

    void SetContext(CTilvexDoc* doc, CLocationDatabase* locations);
    QListWidget* List() const { return m_list; }
    QLineEdit* CurrentName() const { return m_current; }
    // Refills the list from the workspace's location names.
    void FillLocations();
    // Selects the row of `location` (row 0 when it is not listed) and shows
    // its name.
    void SelectLocation(const CLocation* location);
    CLocation* LocationAt(int row) const;
    // The row that is highlighted, or -1 (a click on the empty area clears
    // the highlight but leaves the list's current row).
    int SelectedRow() const;

signals:
    // Delete or Ctrl+X in the list.
    void removeRequested();
    // The user picked a location.
    void locationSelected(CLocation* location);
    void locationActivated(CLocation* location);
    // Locations dragged from the location tree were dropped on the list.
    void locationsDropped(const DraggedRecords& records);

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CTilvexDoc* m_pDoc = nullptr;
    CLocationDatabase* m_pLocations = nullptr;
    QLabel* m_label;
    QLineEdit* m_current;
    QListWidget* m_list;
    bool m_bFilling = false;
};
