// "Horizon": the horizon of one location, as points (azimuth, elevation) and
// obstacles (bearing, height, distance, width), each in a table of its own
// with Add, Edit and Delete; Import reads a horizon file (the lines
// "azimuth,elevation" and "obstacle,bearing,height,distance[,width]") and
// adds what it holds, Export writes the tables in that form.
//
//     CHorizonDlg dlg(profile, location.GetName(), parent);
//     if (dlg.Run())
//         store.SetProfile(location.GetName(), dlg.Profile());
//
// Every value goes through the horizon's own checks (HorizonPointError,
// HorizonObstacleError): a refused one is named in a message and the field
// that holds it gets the focus, so nothing that the files could not keep
// reaches the tables.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "core/horizon/HorizonProfile.h"

class QPushButton;
class QTableWidget;

class CHorizonDlg : public QDialog {
    Q_OBJECT
public:
    // `location` is the location's name (Windows-1252), shown in the dialog
    // and offered as the exported file's name.
    CHorizonDlg(const CHorizonProfile& profile, const std::string& location, QWidget* parent = nullptr);

    // Shows the dialog; true when the user closed it with OK.
    bool Run();
    // The horizon as OK left it; the one given while the dialog has not been
    // closed with OK.
    const CHorizonProfile& Profile() const { return m_profile; }

    // The most refused lines an import names; a file with more is not
    // imported at all.
    static constexpr std::size_t kMaxImportProblems = 20;

public slots:
    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnAddPoint();
    void OnEditPoint();
    void OnDeletePoint();
    void OnAddObstacle();
    void OnEditObstacle();
    void OnDeleteObstacle();
    void OnImport();
    void OnExport();

    // Shows m_edited in the tables and selects the given rows (-1: none).
    void Fill(int pointRow, int obstacleRow);
    void UpdateButtons();
    // Adds what `text` holds (the file `name`) to m_edited; names the lines
    // it leaves out.
    void Import(std::string text, const std::string& name);

    CHorizonProfile m_profile;  // what Profile() returns
    CHorizonProfile m_edited;   // what the tables show
    std::string m_location;

    QTableWidget* m_points;
    QTableWidget* m_obstacles;
    QPushButton* m_editPoint;
    QPushButton* m_deletePoint;
    QPushButton* m_editObstacle;
    QPushButton* m_deleteObstacle;
};
