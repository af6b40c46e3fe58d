// The main window: menus, toolbar, status bar, the database tabs on the left
// and the look-angle view on the right, the workspace commands that act on
// the last selection, and the remembered placement.
#pragma once

#include <QMainWindow>
#include <memory>
#include <optional>

#include "core/app/Placement.h"
#include "core/workspace/DatabaseEditor.h"
#include "core/workspace/TilvexDoc.h"

class QAction;
class QFileSystemWatcher;
class QLabel;
class QTimer;
struct DraggedRecords;
class QMenu;
class QSplitter;
class CProfile;
class CRecentFileList;
class CTilvexTabView;
class CTilvexView;
class CSatelliteTree;
class CLocationTree;
class CSkyView;

class CMainFrame : public QMainWindow, public IWorkspaceHost, public IDatabaseEditorHost {
    Q_OBJECT
public:
    // What Edit > Remove from Workspace and Add to Workspace act on: the
    // pane or tree chosen last.  One at a time: choosing one clears the
    // other.
    enum class EditTarget { None, RemoveSatellite, RemoveLocation, AddSatellites, AddLocations };
    static constexpr int kLeftPaneWidth = 158;

    CMainFrame(CProfile* profile, CRecentFileList* recentFiles);
    ~CMainFrame() override;

    CTilvexDoc* GetDocument() override { return m_doc.get(); }
    CTilvexTabView* GetTabViewPane() const { return m_tabView; }
    CTilvexView* GetLookAngleViewPane() const { return m_view; }
    CSatelliteTree* SatelliteTree() const;
    CLocationTree* LocationTree() const;
    QSplitter* Splitter() const { return m_splitter; }

    // IWorkspaceHost
    CSatelliteDatabase* GetSatelliteDatabase() override;
    CLocationDatabase* GetLocationDatabase() override;
    CView* GetTabView() override;
    CView* GetLookAngleView() override;
    bool IsSatelliteShown(const CSatellite& satellite) override;
    void ClearSatelliteGrid() override;
    void ShowCurrentLocation(CLocation* location) override;
    void RedrawLookAngleView() override;

    // IDatabaseEditorHost
    int RunSatelliteEditor(CSatelliteDatabase& database, CSatellite* initial) override;
    int RunLocationEditor(CLocationDatabase& database, CLocation* initial) override;
    void FillSatelliteTree() override;
    void FillLocationTree() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;

    void SetEditTarget(EditTarget target);
    EditTarget GetEditTarget() const { return m_editTarget; }

    // Placement: the first-run defaults follow the font and the screen.
    WindowPlacement CurrentDefaultPlacement() const;
    void RestorePlacement();
    void GrowToFitTheView();
    void SavePlacement();
    // "<workspace> - Tilvex".
    void UpdateFrameTitle();
    // The status bar's text while idle: "Ready", or the current site with
    // its coordinates and the magnetic variation in use.
    void UpdateIdleText();
    QString IdleText() const;

    QAction* Action(int id) const;
    // Updates every command's enabled state and text, as before a menu shows.
    void UpdateCommands();
    // The records that "Edit Satellite Data..." and "Edit Location Data..."
    // open their editors on: the grid's or the location list's selection
    // when it was the last one made, else the tree's selected record; null
    // (the editor opens on none) where that is a folder or nothing.
    CSatellite* SatelliteToEdit() const;
    CLocation* LocationToEdit() const;
    // Print and Print Preview: enabled with a current location and a grid row.
    void UpdatePrintCommands();

    // File commands.
    void OnFileNew();
    void OnFileOpen();
    void OnFileSave();
    void OnFileSaveAs();
    void OpenRecentFile(int index);
    // Workspace commands.
    // Removes the focused pane's highlighted entry from the workspace: the
    // grid's satellite or the location list's location; nothing where the
    // focus is elsewhere (a tree) or the pane highlights nothing.
    void OnEditRemove();
    void OnEditAdd();
    void OnHelp();
    void OnAbout();
    // Help > Language: the system's language or one with a translation, kept
    // in the settings file for the next start.
    void AddLanguageMenu(QMenu* help);
    void OnLanguage(const QString& code, const QString& name);
    // "Detailed Report..." of the info pane: the details dialog.
    void ShowSatelliteDetails(CSatellite* satellite, CLocation* location);

    // View > "Sky View": shows the sky view window (made on first use).
    void OnViewSkyView();
    CSkyView* SkyView() const { return m_skyView; }
    // File > "Export Look Angles...": asks which locations and where, then
    // writes the CSV.
    void OnExportLookAngles();
    // Edit > "New Location from Place...": the location editor, on a new
    // location, with "Find..." open.
    void OnNewLocationFromPlace();
    // Writes the grid's rows for the current location, or for every location
    // of the workspace, as CSV to `path`; false (with a message) on failure.
    bool ExportLookAngles(const QString& path, bool everyLocation);

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void RebuildRecentFiles();
    void ShowContextMenu(const QPoint& globalPos);
    void CycleFocus(int step);
    void OnSatellitesDropped(const DraggedRecords& records);
    void OnLocationsDropped(const DraggedRecords& records);

    // Follows the workspace's updates for the status bar.
    class StatusView : public CView {
    public:
        explicit StatusView(CMainFrame* frame) : m_pFrame(frame) {}
        void OnUpdate(CView*) override { m_pFrame->UpdateIdleText(); }

    private:
        CMainFrame* m_pFrame;
    };

    CProfile* m_pProfile;
    CRecentFileList* m_pRecentFiles;
    std::unique_ptr<CTilvexDoc> m_doc;
    QSplitter* m_splitter = nullptr;
    CTilvexTabView* m_tabView = nullptr;
    CTilvexView* m_view = nullptr;
    QMenu* m_recentMenu = nullptr;
    QMenu* m_contextMenu = nullptr;
    QLabel* m_idleText = nullptr;
    // "location database not saved: ..." while a database's save failed.
    QLabel* m_unsavedText = nullptr;
    // Another program's change to a database file is read once no dialog is
    // up (the folder is watched; activation checks too).
    QFileSystemWatcher* m_dataWatcher = nullptr;
    QTimer* m_reloadTimer = nullptr;
    void ReloadChangedDatabases();
    StatusView m_statusView{this};
    std::map<int, QAction*> m_actions;
    std::vector<QAction*> m_recentActions;
    // Which pane Remove acts on, from the focus (RemoveSatellite,
    // RemoveLocation, or None in a tree), or nothing when the focus is in no
    // pane of the window.
    std::optional<EditTarget> FocusedPane() const;
    // The edit target follows the focus between the trees and the panes, so
    // a click on an entry that was already highlighted counts.
    void OnFocusChanged(QWidget* now);
    void RemoveSatellite();
    void RemoveLocation();

    EditTarget m_editTarget = EditTarget::None;
    // The next location editor begins a new location with "Find...".
    bool m_newLocationFromPlace = false;

    // The sky view and the look-angle export.
    CSkyView* m_skyView = nullptr;
};
