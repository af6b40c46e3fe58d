#include "ui/app/MainFrame.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGuiApplication>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QWhatsThis>
#include <algorithm>
#include <utility>

#include "core/display/DragRecords.h"
#include "core/display/StatusText.h"
#include "core/framework/AppMessageBox.h"
#include "core/framework/Profile.h"
#include "core/framework/SafeFile.h"
#include "core/framework/StringTable.h"
#include "core/framework/Translate.h"
#include "core/horizon/HorizonFile.h"
#include "core/locations/LocationDatabase.h"
#include "core/reports/ReportOutput.h"
#include "resources/ids.h"
#include "ui/app/AboutDlg.h"
#include "ui/app/HelpWindow.h"
#include "ui/app/Language.h"
#include "ui/app/SplashWnd.h"
#include "ui/app/TabView.h"
#include "ui/app/TilvexApp.h"
#include "ui/app/UserFolders.h"
#include "ui/display/ArcGrid.h"
#include "ui/display/DialogUnits.h"
#include "ui/display/LocationPane.h"
#include "ui/display/SatellitePane.h"
#include "ui/display/SkyView.h"
#include "ui/display/TilvexView.h"
#include "ui/framework/QtText.h"
#include "ui/horizon/SiteHorizons.h"
#include "ui/locations/LocationEditorDlg.h"
#include "ui/locations/LocationTree.h"
#include "ui/orbits/OrbitsDlg.h"
#include "ui/printing/BidiText.h"
#include "ui/printing/PrintSupport.h"
#include "ui/satellites/SatelliteDetailsDlg.h"
#include "ui/satellites/SatelliteEditorDlg.h"
#include "ui/satellites/SatelliteInfoPane.h"
#include "ui/satellites/SatelliteTree.h"

namespace {

// Menu texts keep the accelerator after a tab, as the string table has them;
// the menus show that text ("Ctrl+X or Del") in place of the first shortcut.
QString MenuText(unsigned id) {
    return FromCp1252(LoadString(id));
}

// A record's name inside a menu text: an "&" stands for itself, not for a
// mnemonic ("AT&T" stays "AT&T").
QString MenuName(const std::string& name) {
    return FromCp1252(name).replace('&', "&&");
}

// The bar between the trees and the view shows that it moves: a raised
// strip with a column of grip dots, in the palette's colours.
class GripHandle : public QSplitterHandle {
public:
    using QSplitterHandle::QSplitterHandle;

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        const QPalette& colours = palette();
        const QRect strip = rect().adjusted(1, 0, -1, 0);
        painter.fillRect(strip,
                         underMouse() ? colours.color(QPalette::Midlight) : colours.color(QPalette::Button));
        painter.setPen(colours.color(QPalette::Mid));
        painter.drawLine(strip.topLeft(), strip.bottomLeft());
        painter.drawLine(strip.topRight(), strip.bottomRight());
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(colours.color(QPalette::WindowText));
        const QPointF centre = QRectF(rect()).center();
        for (int dot = -3; dot <= 3; ++dot)
            painter.drawEllipse(centre + QPointF(0, dot * 5.0), 1.2, 1.2);
    }
    bool event(QEvent* e) override {
        if (e->type() == QEvent::Enter || e->type() == QEvent::Leave)
            update();
        return QSplitterHandle::event(e);
    }
};

class GripSplitter : public QSplitter {
public:
    explicit GripSplitter(QWidget* parent) : QSplitter(Qt::Horizontal, parent) { setHandleWidth(7); }

protected:
    QSplitterHandle* createHandle() override { return new GripHandle(orientation(), this); }
};

}  // namespace

CMainFrame::CMainFrame(CProfile* profile, CRecentFileList* recentFiles)
    : m_pProfile(profile), m_pRecentFiles(recentFiles), m_doc(std::make_unique<CTilvexDoc>(this)) {
    setObjectName("mainFrame");
    setWindowIcon(QIcon(":/images/tilvex.png"));
    // Messages of the start-up (the databases load below) belong to this window.
    SetMessageBoxOwner(this);
    // The horizons' clearance takes the dish and frequency of the settings,
    // which go with the window.
    CSiteHorizons& horizons = CSiteHorizons::Current();
    horizons.SetSettings(m_pProfile);
    connect(this, &QObject::destroyed, &horizons, [&horizons] { horizons.SetSettings(nullptr); });

    // The client area first: the views, and with the tabbed pane the databases.
    m_splitter = new GripSplitter(this);
    m_splitter->setObjectName("splitter");
    m_splitter->setChildrenCollapsible(false);
    m_tabView = new CTilvexTabView(m_splitter);
    m_view = new CTilvexView(m_splitter);
    m_splitter->addWidget(m_tabView);
    m_splitter->addWidget(m_view);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    m_splitter->setSizes({kLeftPaneWidth, 600});
    setCentralWidget(m_splitter);
    m_view->SetContext(m_doc.get(), &SatelliteTree()->Database(), &LocationTree()->Database());
    m_doc->AddView(m_view);
    m_doc->AddView(m_tabView);

    CreateActions();
    CreateMenus();
    // Menu status tips show over this text for as long as they last.
    m_idleText = new QLabel(Tr("Ready"), this);
    m_idleText->setObjectName("idleText");
    m_idleText->setTextFormat(Qt::PlainText);
    statusBar()->addWidget(m_idleText, 1);
    m_unsavedText = new QLabel(this);
    m_unsavedText->setObjectName("unsavedText");
    m_unsavedText->setTextFormat(Qt::PlainText);
    m_unsavedText->setVisible(false);
    statusBar()->addPermanentWidget(m_unsavedText);
    m_reloadTimer = new QTimer(this);
    m_reloadTimer->setSingleShot(true);
    m_reloadTimer->setInterval(300);
    connect(m_reloadTimer, &QTimer::timeout, this, &CMainFrame::ReloadChangedDatabases);
    // The databases are read by bare name from the working folder; a save
    // replaces a file, so the folder is watched rather than the files.
    m_dataWatcher = new QFileSystemWatcher(QStringList{QDir::currentPath()}, this);
    connect(m_dataWatcher, &QFileSystemWatcher::directoryChanged, m_reloadTimer, qOverload<>(&QTimer::start));
    m_doc->AddView(&m_statusView);

    connect(SatelliteTree(), &CDatabaseTree::selectionMoved, this,
            [this](bool onRoot) { SetEditTarget(onRoot ? EditTarget::None : EditTarget::AddSatellites); });
    connect(LocationTree(), &CDatabaseTree::selectionMoved, this,
            [this](bool onRoot) { SetEditTarget(onRoot ? EditTarget::None : EditTarget::AddLocations); });
    connect(SatelliteTree(), &CDatabaseTree::recordActivated, this, [this](void* record) {
        CDatabaseEditor(*this).EditSatellites(static_cast<CSatellite*>(record));
    });
    connect(LocationTree(), &CDatabaseTree::recordActivated, this,
            [this](void* record) { CDatabaseEditor(*this).EditLocations(static_cast<CLocation*>(record)); });
    connect(m_view, &CTilvexView::satelliteSelected, this,
            [this] { SetEditTarget(EditTarget::RemoveSatellite); });
    connect(m_view, &CTilvexView::locationSelected, this,
            [this] { SetEditTarget(EditTarget::RemoveLocation); });
    connect(m_view->SatellitePane(), &CSatellitePane::removeRequested, this, &CMainFrame::RemoveSatellite);
    connect(m_view->LocationPane(), &CLocationPane::removeRequested, this, &CMainFrame::RemoveLocation);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
    // Printing: a preview closed without printing takes its options with it.
    connect(m_view, &CTilvexView::printPreviewClosed, this, [this] { m_view->SetPrintOptionsDone(false); });
    connect(m_view, &CTilvexView::contentChanged, this, &CMainFrame::UpdatePrintCommands);
    connect(m_view->Grid(), &CArcGrid::satelliteActivated, this,
            [this](CSatellite* satellite) { CDatabaseEditor(*this).EditSatellites(satellite); });
    connect(m_view->LocationPane(), &CLocationPane::locationActivated, this,
            [this](CLocation* location) { CDatabaseEditor(*this).EditLocations(location); });
    connect(m_view->InfoPane(), &CSatelliteInfoPane::reportRequested, this,
            &CMainFrame::ShowSatelliteDetails);
    connect(m_view->Grid(), &CArcGrid::satellitesDropped, this, &CMainFrame::OnSatellitesDropped);
    connect(m_view->LocationPane(), &CLocationPane::locationsDropped, this, &CMainFrame::OnLocationsDropped);

    // Right clicks anywhere in the window open the shared context menu.
    for (QWidget* w :
         {static_cast<QWidget*>(SatelliteTree()), static_cast<QWidget*>(LocationTree()),
          static_cast<QWidget*>(m_view->Grid()), static_cast<QWidget*>(m_view->LocationPane()->List())}) {
        w->setContextMenuPolicy(Qt::DefaultContextMenu);
        w->installEventFilter(this);
    }
    m_doc->OnNewDocument();
    UpdateFrameTitle();
}

CMainFrame::~CMainFrame() {
    if (m_skyView)
        m_doc->RemoveView(m_skyView);
    // The views go with the window: the workspace must not reach them then.
    m_doc->RemoveView(m_view);
    m_doc->RemoveView(m_tabView);
    m_doc->RemoveView(&m_statusView);
    m_doc->SetHost(nullptr);
}

CSatelliteTree* CMainFrame::SatelliteTree() const {
    return m_tabView->SatelliteTree();
}
CLocationTree* CMainFrame::LocationTree() const {
    return m_tabView->LocationTree();
}

CSatelliteDatabase* CMainFrame::GetSatelliteDatabase() {
    return &SatelliteTree()->Database();
}
CLocationDatabase* CMainFrame::GetLocationDatabase() {
    return &LocationTree()->Database();
}
CView* CMainFrame::GetTabView() {
    return m_tabView;
}
CView* CMainFrame::GetLookAngleView() {
    return m_view;
}
bool CMainFrame::IsSatelliteShown(const CSatellite& satellite) {
    return m_view->Grid()->IsSatelliteShown(&satellite);
}
void CMainFrame::ClearSatelliteGrid() {
    m_view->Grid()->clear();
}
void CMainFrame::ShowCurrentLocation(CLocation* location) {
    m_view->ShowCurrentLocation(location);
    UpdateIdleText();
}
void CMainFrame::RedrawLookAngleView() {
    m_view->RedrawTitle();
    UpdateFrameTitle();
}
// A rebuild after an edit keeps the folders the user had open.
void CMainFrame::FillSatelliteTree() {
    const CDatabaseTree::ViewState state = SatelliteTree()->SaveViewState();
    SatelliteTree()->FillTree();
    SatelliteTree()->RestoreViewState(state);
    UpdateFrameTitle();
}
void CMainFrame::FillLocationTree() {
    const CDatabaseTree::ViewState state = LocationTree()->SaveViewState();
    LocationTree()->FillTree();
    LocationTree()->RestoreViewState(state);
    UpdateFrameTitle();
}
int CMainFrame::RunSatelliteEditor(CSatelliteDatabase& database, CSatellite* initial) {
    CSatelliteEditorDlg editor(this);
    editor.SetDatabase(&database);
    editor.SetCurrent(initial);
    return editor.DoModal();
}

int CMainFrame::RunLocationEditor(CLocationDatabase& database, CLocation* initial) {
    CLocationEditorDlg editor(this);
    editor.SetDatabase(&database);
    editor.SetCurrent(initial);
    // "New Location from Place...": a new location, begun with "Find...".
    if (std::exchange(m_newLocationFromPlace, false))
        QTimer::singleShot(0, &editor, [&editor] {
            editor.OnAdd();
            editor.OnFindPlace();
        });
    return editor.DoModal();
}

void CMainFrame::OnNewLocationFromPlace() {
    m_newLocationFromPlace = true;
    CDatabaseEditor(*this).EditLocations(nullptr);
    m_newLocationFromPlace = false;
}

void CMainFrame::ShowSatelliteDetails(CSatellite* satellite, CLocation* location) {
    CSatelliteDetailsDlg details(this);
    details.SetData(satellite, location, m_doc->GetOptions(), GetSatelliteDatabase());
    details.SetEditFunction(
        [this](const CSatellite* record) { CDatabaseEditor(*this).EditSatellites(record); });
    details.DoModal();
}

void CMainFrame::BeginWaitCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}
void CMainFrame::EndWaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

void CMainFrame::CreateActions() {
    struct Command {
        int id;
        const char* text;
        QList<QKeySequence> keys;
        const char* icon;
        const char* tip;
        std::function<void()> run;
    };
    const Command commands[] = {
        {ids::ID_FILE_NEW,
         TrNoop("&New Workspace"),
         {QKeySequence(Qt::CTRL | Qt::Key_N)},
         ":/toolbar/new.png",
         TrNoop("Create a new workspace"),
         [this] { OnFileNew(); }},
        {ids::ID_FILE_OPEN,
         TrNoop("&Open Workspace..."),
         {QKeySequence(Qt::CTRL | Qt::Key_O)},
         ":/toolbar/open.png",
         TrNoop("Open an existing workspace"),
         [this] { OnFileOpen(); }},
        {ids::ID_FILE_SAVE,
         TrNoop("&Save Workspace"),
         {QKeySequence(Qt::CTRL | Qt::Key_S)},
         ":/toolbar/save.png",
         TrNoop("Save the workspace"),
         [this] { OnFileSave(); }},
        {ids::ID_FILE_SAVE_AS,
         TrNoop("Save Workspace &As..."),
         {},
         nullptr,
         TrNoop("Save the workspace under a new name"),
         [this] { OnFileSaveAs(); }},
        {ids::ID_FILE_PRINT,
         TrNoop("&Print..."),
         {QKeySequence(Qt::CTRL | Qt::Key_P)},
         ":/toolbar/print.png",
         TrNoop("Print the look angles"),
         [this] { m_view->OnFilePrint(); }},
        {ids::ID_FILE_PRINT_PREVIEW,
         TrNoop("Print Pre&view"),
         {},
         nullptr,
         TrNoop("Show the printed pages"),
         [this] { m_view->OnFilePrintPreview(); }},
        {ids::ID_FILE_PRINT_DIRECT,
         TrNoop("Print"),
         {},
         nullptr,
         TrNoop("Print the look angles without asking"),
         [this] { m_view->OnFilePrintDirect(); }},
        {ids::ID_FILE_EXPORT,
         TrNoop("&Export Look Angles..."),
         {},
         nullptr,
         TrNoop("Write the look angles of the grid to a CSV file"),
         [this] { OnExportLookAngles(); }},
        {ids::ID_FILE_IMPORT_ORBITS,
         TrNoop("&Import Orbital Elements..."),
         {},
         nullptr,
         TrNoop("Read a TLE or OMM CSV file and bring the satellites' slots to where they really are"),
         [this] {
             const QString path =
                 QFileDialog::getOpenFileName(this, Tr("Import Orbital Elements"), QString(),
                                              Tr("Orbital elements (*.tle *.txt *.csv);;All files (*)"));
             if (!path.isEmpty())
                 ImportOrbitalElements(*this, this, path);
         }},
        {ids::ID_VIEW_SKY_VIEW,
         TrNoop("&Sky View"),
         {},
         ":/toolbar/skyview.png",
         TrNoop("Show the geostationary arc in the sky of the current location"),
         [this] { OnViewSkyView(); }},
        {ids::ID_FILE_PRINT_SETUP,
         TrNoop("P&rint Setup..."),
         {},
         nullptr,
         TrNoop("Choose the printer and its options"),
         [this] { RunPrintSetup(this); }},
        {ids::ID_APP_EXIT, TrNoop("E&xit"), {}, nullptr, TrNoop("Quit Tilvex"), [this] { close(); }},
        {ids::ID_EDIT_REMOVE,
         TrNoop("&Remove from Workspace"),
         {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::Key_Delete)},
         nullptr,
         TrNoop("Remove the selected satellite or location from the workspace"),
         [this] { OnEditRemove(); }},
        {ids::ID_EDIT_ADD,
         TrNoop("&Add to Workspace"),
         {QKeySequence(Qt::CTRL | Qt::Key_V), QKeySequence(Qt::SHIFT | Qt::Key_Insert)},
         nullptr,
         TrNoop("Add the selected database entries to the workspace"),
         [this] { OnEditAdd(); }},
        {ids::ID_EDIT_COPY,
         TrNoop("&Copy"),
         {QKeySequence(Qt::CTRL | Qt::Key_C), QKeySequence(Qt::CTRL | Qt::Key_Insert)},
         nullptr,
         "",
         nullptr},
        {ids::ID_EDIT_UNDO,
         TrNoop("&Undo"),
         {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)},
         nullptr,
         "",
         nullptr},
        {ids::ID_EDIT_SATELLITE_DATA,
         TrNoop("Edit &Satellite Data..."),
         {},
         nullptr,
         TrNoop("Edit the satellite database"),
         [this] { CDatabaseEditor(*this).EditSatellites(SatelliteToEdit()); }},
        {ids::ID_EDIT_LOCATION_DATA,
         TrNoop("Edit &Location Data..."),
         {},
         nullptr,
         TrNoop("Edit the location database"),
         [this] { CDatabaseEditor(*this).EditLocations(LocationToEdit()); }},
        {ids::ID_EDIT_LOCATION_FROM_PLACE,
         TrNoop("New Location from &Place..."),
         {},
         nullptr,
         TrNoop("Find a town by name or on the map and add it to the location database"),
         [this] { OnNewLocationFromPlace(); }},
        {ids::ID_HELP,
         TrNoop("&Help Topics"),
         {QKeySequence(Qt::Key_F1)},
         nullptr,
         TrNoop("Show the help"),
         [this] { OnHelp(); }},
        {ids::ID_CONTEXT_HELP,
         TrNoop("&What's This?"),
         {QKeySequence(Qt::SHIFT | Qt::Key_F1)},
         ":/toolbar/help.png",
         TrNoop("Explain the next item clicked"),
         [] { QWhatsThis::enterWhatsThisMode(); }},
        {ids::ID_APP_ABOUT,
         TrNoop("&About Tilvex..."),
         {},
         nullptr,
         TrNoop("Show the program's version"),
         [this] { OnAbout(); }},
        {ids::ID_NEXT_PANE,
         TrNoop("Next Pane"),
         {QKeySequence(Qt::Key_F6)},
         nullptr,
         "",
         [this] { CycleFocus(1); }},
        {ids::ID_PREV_PANE,
         TrNoop("Previous Pane"),
         {QKeySequence(Qt::SHIFT | Qt::Key_F6)},
         nullptr,
         "",
         [this] { CycleFocus(-1); }},
    };
    for (const Command& c : commands) {
        auto* action = new QAction(Tr(c.text), this);
        action->setObjectName(QString("command%1").arg(c.id));
        action->setShortcuts(c.keys);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setStatusTip(Tr(c.tip));
        action->setWhatsThis(Tr(c.tip));
        if (c.icon)
            action->setIcon(QIcon(c.icon));
        if (c.run)
            connect(action, &QAction::triggered, this, c.run);
        else
            action->setEnabled(false);
        addAction(action);
        m_actions[c.id] = action;
    }
}

QAction* CMainFrame::Action(int id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

void CMainFrame::CreateMenus() {
    QMenu* file = menuBar()->addMenu(Tr("&File"));
    for (int id : {ids::ID_FILE_NEW, ids::ID_FILE_OPEN, ids::ID_FILE_SAVE, ids::ID_FILE_SAVE_AS,
                   ids::ID_FILE_EXPORT, ids::ID_FILE_IMPORT_ORBITS})
        file->addAction(Action(id));
    file->addSeparator();
    for (int id : {ids::ID_FILE_PRINT, ids::ID_FILE_PRINT_PREVIEW, ids::ID_FILE_PRINT_SETUP})
        file->addAction(Action(id));
    file->addSeparator();
    m_recentMenu = file;
    for (int i = 0; i < CRecentFileList::kSize; ++i) {
        auto* action = new QAction(this);
        action->setObjectName(QString("recentFile%1").arg(i + 1));
        action->setVisible(false);
        connect(action, &QAction::triggered, this, [this, i] { OpenRecentFile(i); });
        file->addAction(action);
        m_recentActions.push_back(action);
    }
    file->addSeparator();
    file->addAction(Action(ids::ID_APP_EXIT));
    connect(file, &QMenu::aboutToShow, this, [this] {
        RebuildRecentFiles();
        UpdateCommands();
    });

    QMenu* edit = menuBar()->addMenu(Tr("&Edit"));
    for (int id : {ids::ID_EDIT_REMOVE, ids::ID_EDIT_ADD})
        edit->addAction(Action(id));
    edit->addSeparator();
    for (int id : {ids::ID_EDIT_SATELLITE_DATA, ids::ID_EDIT_LOCATION_DATA, ids::ID_EDIT_LOCATION_FROM_PLACE})
        edit->addAction(Action(id));
    connect(edit, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommands);

    QMenu* view = menuBar()->addMenu(Tr("&View"));
    view->setObjectName("viewMenu");
    view->addAction(Action(ids::ID_VIEW_SKY_VIEW));

    QMenu* help = menuBar()->addMenu(Tr("&Help"));
    for (int id : {ids::ID_HELP, ids::ID_CONTEXT_HELP})
        help->addAction(Action(id));
    help->addSeparator();
    AddLanguageMenu(help);
    help->addSeparator();
    help->addAction(Action(ids::ID_APP_ABOUT));

    m_contextMenu = new QMenu(this);
    m_contextMenu->setObjectName("contextMenu");
    for (int id : {ids::ID_EDIT_REMOVE, ids::ID_EDIT_ADD})
        m_contextMenu->addAction(Action(id));
    m_contextMenu->addSeparator();
    for (int id : {ids::ID_EDIT_SATELLITE_DATA, ids::ID_EDIT_LOCATION_DATA, ids::ID_EDIT_LOCATION_FROM_PLACE})
        m_contextMenu->addAction(Action(id));

    QToolBar* tools = addToolBar(Tr("Standard"));
    tools->setObjectName("toolBar");
    tools->setIconSize(QSize(16, 16));
    for (int id : {ids::ID_FILE_NEW, ids::ID_FILE_OPEN, ids::ID_FILE_SAVE})
        tools->addAction(Action(id));
    tools->addSeparator();
    for (int id : {ids::ID_FILE_PRINT, ids::ID_CONTEXT_HELP, ids::ID_VIEW_SKY_VIEW})
        tools->addAction(Action(id));
    RebuildRecentFiles();
    UpdateCommands();
}

void CMainFrame::RebuildRecentFiles() {
    const auto& entries = m_pRecentFiles ? m_pRecentFiles->Entries() : std::vector<std::string>{};
    for (int i = 0; i < static_cast<int>(m_recentActions.size()); ++i) {
        QAction* action = m_recentActions[static_cast<std::size_t>(i)];
        if (i < static_cast<int>(entries.size())) {
            const QString path = QString::fromStdString(entries[static_cast<std::size_t>(i)]);
            action->setText(QString("&%1 %2").arg(i + 1).arg(QFileInfo(path).fileName()));
            action->setStatusTip(path);
            action->setVisible(true);
        } else {
            action->setVisible(false);
        }
    }
}

void CMainFrame::UpdateCommands() {
    QAction* remove = Action(ids::ID_EDIT_REMOVE);
    remove->setEnabled(m_editTarget == EditTarget::RemoveLocation ||
                       m_editTarget == EditTarget::RemoveSatellite);
    remove->setText(m_editTarget == EditTarget::RemoveLocation    ? MenuText(ids::IDS_REMOVE_LOCATION)
                    : m_editTarget == EditTarget::RemoveSatellite ? MenuText(ids::IDS_REMOVE_SATELLITE)
                                                                  : Tr("&Remove from Workspace"));
    QAction* add = Action(ids::ID_EDIT_ADD);
    add->setEnabled(m_editTarget == EditTarget::AddLocations || m_editTarget == EditTarget::AddSatellites);
    add->setText(m_editTarget == EditTarget::AddLocations    ? MenuText(ids::IDS_ADD_LOCATIONS)
                 : m_editTarget == EditTarget::AddSatellites ? MenuText(ids::IDS_ADD_SATELLITES)
                                                             : Tr("&Add to Workspace"));
    // The database editors are always at hand; they open on the record the
    // command names, or on none.
    QAction* editSat = Action(ids::ID_EDIT_SATELLITE_DATA);
    editSat->setEnabled(true);
    const CSatellite* sat = SatelliteToEdit();
    editSat->setText(sat ? Tr("Edit data for ") + MenuName(sat->GetName()) + "..."
                         : Tr("Edit &Satellite Data..."));
    QAction* editLoc = Action(ids::ID_EDIT_LOCATION_DATA);
    editLoc->setEnabled(true);
    const CLocation* loc = LocationToEdit();
    editLoc->setText(loc ? Tr("Edit data for ") + MenuName(loc->GetName()) + "..."
                         : Tr("Edit &Location Data..."));
    UpdatePrintCommands();
}

CSatellite* CMainFrame::SatelliteToEdit() const {
    if (m_editTarget == EditTarget::RemoveSatellite)
        if (CSatellite* selected = m_view->Grid()->SelectedSatellite())
            return selected;
    return SatelliteTree()->SatelliteOf(SatelliteTree()->currentItem());
}

CLocation* CMainFrame::LocationToEdit() const {
    if (m_editTarget == EditTarget::RemoveLocation) {
        const int row = m_view->LocationPane()->SelectedRow();
        if (row >= 0)
            if (CLocation* selected = m_view->LocationPane()->LocationAt(row))
                return selected;
    }
    return LocationTree()->LocationOf(LocationTree()->currentItem());
}

void CMainFrame::UpdatePrintCommands() {
    const bool canPrint = m_view->CanPrint();
    for (int id : {ids::ID_FILE_PRINT, ids::ID_FILE_PRINT_PREVIEW, ids::ID_FILE_PRINT_DIRECT})
        Action(id)->setEnabled(canPrint);
}

void CMainFrame::SetEditTarget(EditTarget target) {
    m_editTarget = target;
    UpdateCommands();
}

std::optional<CMainFrame::EditTarget> CMainFrame::FocusedPane() const {
    const QWidget* focus = QApplication::focusWidget();
    if (!focus || focus->window() != this)
        return std::nullopt;
    auto within = [focus](const QWidget* pane) { return pane == focus || pane->isAncestorOf(focus); };
    if (within(m_view->SatellitePane()))
        return EditTarget::RemoveSatellite;
    if (within(m_view->LocationPane()))
        return EditTarget::RemoveLocation;
    return EditTarget::None;
}

void CMainFrame::OnFocusChanged(QWidget* now) {
    if (!now || now->window() != this)
        return;
    auto within = [now](const QWidget* pane) { return pane == now || pane->isAncestorOf(now); };
    if (within(SatelliteTree()) || within(LocationTree())) {
        CDatabaseTree* tree = within(SatelliteTree()) ? static_cast<CDatabaseTree*>(SatelliteTree())
                                                      : static_cast<CDatabaseTree*>(LocationTree());
        QTreeWidgetItem* item = tree->currentItem();
        const bool onRecord = item && !tree->IsRoot(item);
        SetEditTarget(!onRecord                 ? EditTarget::None
                      : tree == SatelliteTree() ? EditTarget::AddSatellites
                                                : EditTarget::AddLocations);
    } else if (within(m_view->SatellitePane())) {
        SetEditTarget(m_view->Grid()->SelectedSatellite() ? EditTarget::RemoveSatellite : EditTarget::None);
    } else if (within(m_view->LocationPane())) {
        SetEditTarget(m_view->LocationPane()->SelectedRow() >= 0 ? EditTarget::RemoveLocation
                                                                 : EditTarget::None);
    }
}

void CMainFrame::OnEditRemove() {
    // The command acts on the pane the user is in; with the focus outside
    // the window (a menu opened with the mouse) the last pane chosen counts.
    const EditTarget pane = FocusedPane().value_or(m_editTarget);
    if (pane != m_editTarget)
        return;
    if (pane == EditTarget::RemoveSatellite)
        RemoveSatellite();
    else if (pane == EditTarget::RemoveLocation)
        RemoveLocation();
}

void CMainFrame::RemoveSatellite() {
    if (CSatellite* sat = m_view->Grid()->SelectedSatellite()) {
        m_doc->RemoveSatellite(sat);
        SetEditTarget(EditTarget::None);
    }
    UpdateFrameTitle();
}

void CMainFrame::RemoveLocation() {
    QListWidget* list = m_view->LocationPane()->List();
    const int row = m_view->LocationPane()->SelectedRow();
    if (list->count() > 0 && row >= 0) {
        m_doc->RemoveLocation(m_view->LocationPane()->LocationAt(row));
        SetEditTarget(EditTarget::None);
    }
    UpdateFrameTitle();
}

void CMainFrame::OnEditAdd() {
    CDatabaseTree* tree =
        m_editTarget == EditTarget::AddSatellites  ? static_cast<CDatabaseTree*>(SatelliteTree())
        : m_editTarget == EditTarget::AddLocations ? static_cast<CDatabaseTree*>(LocationTree())
                                                   : nullptr;
    if (!tree)
        return;
    QTreeWidgetItem* item = tree->currentItem();
    if (!item || tree->IsRoot(item))
        return;
    auto add = [&](void* record, bool broadcast) {
        if (m_editTarget == EditTarget::AddSatellites)
            m_doc->AddSatellite(static_cast<CSatellite*>(record), broadcast);
        else
            m_doc->AddLocation(static_cast<CLocation*>(record), broadcast);
    };
    if (tree->IsFolder(item) && !tree->RecordOf(item)) {
        // A large region's items may not exist yet: its records do.
        for (void* record : tree->FolderRecords(item))
            add(record, false);
        m_doc->UpdateAllViews(m_tabView);
    } else {
        add(tree->RecordOf(item), true);
    }
    SetEditTarget(EditTarget::None);
    UpdateFrameTitle();
}

void CMainFrame::OnSatellitesDropped(const DraggedRecords& records) {
    DropSatellites(*m_doc, SatelliteTree()->Database(), records, m_tabView);
    UpdateFrameTitle();
}

void CMainFrame::OnLocationsDropped(const DraggedRecords& records) {
    DropLocations(*m_doc, LocationTree()->Database(), records, m_tabView);
    UpdateFrameTitle();
}

void CMainFrame::UpdateIdleText() {
    const CLocation* location = m_doc->GetCurrentLocation();
    m_idleText->setText(location ? KeepNumbersInOrder(FromCp1252(SiteStatusText(
                                       *location, ValueOrShow(location->SignedMagVar(), 0.0f))))
                                 : Tr("Ready"));
}

QString CMainFrame::IdleText() const {
    return m_idleText->text();
}

void CMainFrame::OnFileNew() {
    m_doc->NewDocumentFile();
    UpdateFrameTitle();
}

void CMainFrame::OnFileOpen() {
    if (!m_doc->SaveModified())
        return;
    // Where the workspace in use lies, unless that is the program's own
    // data folder: then the documents folder.
    const QString current = QString::fromStdString(m_doc->GetPathName());
    const QString folder =
        current.isEmpty() ? DocumentsFolder() : QFileInfo(InDocumentsFolder(current)).absolutePath();
    const QString path =
        QFileDialog::getOpenFileName(this, Tr("Open Workspace"), folder, Tr("Workspace Files(*.wrk)"));
    if (path.isEmpty())
        return;
    m_doc->SetModifiedFlag(false);
    m_doc->OpenDocumentFile(path.toStdString());
    UpdateFrameTitle();
}

void CMainFrame::OnFileSave() {
    m_doc->DoFileSave();
    UpdateFrameTitle();
}

void CMainFrame::OnFileSaveAs() {
    m_doc->DoSave(std::string());
    UpdateFrameTitle();
}

void CMainFrame::OpenRecentFile(int index) {
    if (!m_pRecentFiles || index >= static_cast<int>(m_pRecentFiles->Entries().size()))
        return;
    const std::string path = m_pRecentFiles->Entries()[static_cast<std::size_t>(index)];
    if (!m_doc->OpenDocumentFile(path) && !QFileInfo::exists(QString::fromStdString(path)))
        m_pRecentFiles->Remove(static_cast<std::size_t>(index));
    RebuildRecentFiles();
    UpdateFrameTitle();
}

void CMainFrame::OnHelp() {
    CHelpWindow::ShowHelp(this);
}

void CMainFrame::AddLanguageMenu(QMenu* help) {
    QMenu* menu = help->addMenu(Tr("&Language"));
    menu->setObjectName("languageMenu");
    auto* group = new QActionGroup(menu);
    const QString chosen =
        m_pProfile
            ? QString::fromStdString(m_pProfile->GetProfileString(language::kSection, language::kEntry))
            : QString();
    auto add = [&](const QString& code, const QString& name) {
        QAction* action = menu->addAction(name);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        action->setStatusTip(Tr("Show the windows in this language the next time Tilvex starts"));
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code, name] { OnLanguage(code, name); });
    };
    add(QString(), Tr("System Default"));
    menu->addSeparator();
    for (const QString& code : language::Available(CTilvexApp::ShippedDataDirs()))
        add(code, language::NativeName(code));
}

void CMainFrame::OnLanguage(const QString& code, const QString& name) {
    const bool saved =
        m_pProfile && (code.isEmpty() ? m_pProfile->DeleteProfileEntry(language::kSection, language::kEntry)
                                      : m_pProfile->WriteProfileString(language::kSection, language::kEntry,
                                                                       code.toStdString()));
    if (!saved) {
        AppMessageBox(ToCp1252Text(Tr("The language could not be kept in the settings file.")), MB_OK,
                      MB_ICONEXCLAMATION);
        return;
    }
    AppMessageBox(ToCp1252Text(Tr("Tilvex will show its windows in %1 the next time it starts.").arg(name)),
                  MB_OK, MB_ICONINFORMATION);
}

void CMainFrame::OnAbout() {
    CAboutDlg about(this);
    about.exec();
}

void CMainFrame::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        m_reloadTimer->start();
}

void CMainFrame::ReloadChangedDatabases() {
    // Not under an open dialog, which may hold records: once it is closed.
    if (QApplication::activeModalWidget()) {
        m_reloadTimer->start(1000);
        return;
    }
    m_reloadTimer->setInterval(300);
    if (CDatabaseEditor(*this).ReloadChangedDatabases()) {
        statusBar()->showMessage(Tr("A database changed by another program was read again."), 5000);
        UpdateFrameTitle();
    }
}

void CMainFrame::UpdateFrameTitle() {
    // A database whose save failed says so in the title and the status bar.
    const QString unsaved = FromCp1252(CDatabaseEditor(*this).UnsavedText());
    m_unsavedText->setText(unsaved);
    m_unsavedText->setVisible(!unsaved.isEmpty());
    const QString marker = unsaved.isEmpty() ? QString() : " (" + Tr("not saved") + ")";
    setWindowTitle(
        QString("%1%2 - %3")
            .arg(FromCp1252(m_doc->GetTitle()), marker, FromCp1252(LoadString(ids::IDR_MAINFRAME_TITLE))));
    m_view->RedrawTitle();
}

WindowPlacement CMainFrame::CurrentDefaultPlacement() const {
    const DialogUnits du = DialogUnits::System();
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1024, 768);
    return DefaultPlacement(du.baseX, du.baseY, size.width(), size.height());
}

void CMainFrame::RestorePlacement() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(1024, 768);
    const WindowPlacement p =
        m_pProfile ? ReadPlacement(*m_pProfile, CurrentDefaultPlacement(), size.width(), size.height())
                   : CurrentDefaultPlacement();
    m_splitter->setSizes({std::max(1, p.split), std::max(1, p.x2 - p.x1 - p.split)});
    setGeometry(QRect(QPoint(p.x1, p.y1), QPoint(p.x2 - 1, p.y2 - 1)));
    const bool placedBefore = m_pProfile && !m_pProfile->GetProfileString("Startup", "x1", "").empty();
    if (p.showCmd == SW_SHOWMAXIMIZED) {
        showMaximized();
    } else {
        showNormal();
        if (!placedBefore)
            GrowToFitTheView();
    }
    // A message still open from the start-up stays in front of the window.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->raise();
        modal->activateWindow();
    }
    UpdateFrameTitle();
}

// The first start: where the system's font makes the panes wider or taller
// than the default window holds, the window grows to show them whole, as far
// as the screen allows, and stays centred.
void CMainFrame::GrowToFitTheView() {
    const LookAngleLayout& layout = m_view->Layout();
    const QSize missing(std::max(0, layout.scrollWidth - m_view->width()),
                        std::max(0, layout.scrollHeight - m_view->height()));
    const QScreen* shown = screen();
    if (missing.isNull() || !shown)
        return;
    const QRect available = shown->availableGeometry();
    const QSize frameExtra = frameGeometry().size() - geometry().size();
    QRect grown = geometry();
    grown.setSize((grown.size() + missing).boundedTo(available.size() - frameExtra));
    grown.moveCenter(geometry().center());
    grown.moveLeft(std::clamp(grown.left(), available.left(), available.right() + 1 - grown.width()));
    grown.moveTop(std::clamp(grown.top(), available.top(), available.bottom() + 1 - grown.height()));
    setGeometry(grown);
}

void CMainFrame::SavePlacement() {
    if (!m_pProfile)
        return;
    WindowPlacement p;
    p.split = m_splitter->sizes().value(0);
    p.flags = -1;
    p.showCmd = isMaximized() ? SW_SHOWMAXIMIZED : SW_SHOWNORMAL;
    const QRect normal = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    p.x1 = normal.left();
    p.y1 = normal.top();
    p.x2 = normal.right() + 1;
    p.y2 = normal.bottom() + 1;
    WritePlacement(*m_pProfile, p);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    SavePlacement();
    if (!m_doc->SaveModified() || !CDatabaseEditor(*this).SaveUnsavedDatabases()) {
        event->ignore();
        UpdateFrameTitle();
        return;
    }
    if (m_pRecentFiles)
        m_pRecentFiles->WriteList();
    event->accept();
}

void CMainFrame::contextMenuEvent(QContextMenuEvent* event) {
    ShowContextMenu(event->globalPos());
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu) {
        ShowContextMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::ShowContextMenu(const QPoint& globalPos) {
    QWidget* under = QApplication::widgetAt(globalPos);
    auto isIn = [under](QWidget* w) { return under && (under == w || w->isAncestorOf(under)); };
    QListWidget* locations = m_view->LocationPane()->List();
    CArcGrid* grid = m_view->Grid();
    if (isIn(locations) && locations->count() > 0) {
        SetEditTarget(EditTarget::RemoveLocation);
        QListWidgetItem* item = locations->itemAt(locations->viewport()->mapFromGlobal(globalPos));
        const int row = item ? locations->row(item) : locations->count() - 1;
        locations->setCurrentRow(row);
        m_doc->SetCurrentLocation(m_view->LocationPane()->LocationAt(row), true);
    } else if (isIn(grid) && grid->count() > 0) {
        SetEditTarget(EditTarget::RemoveSatellite);
        QListWidgetItem* item = grid->itemAt(grid->viewport()->mapFromGlobal(globalPos));
        const int row = item ? grid->row(item) : grid->count() - 1;
        grid->setCurrentRow(row);
        m_doc->SetCurrentSatellite(grid->SatelliteAt(row), false);
    } else if (isIn(SatelliteTree())) {
        if (QTreeWidgetItem* item = SatelliteTree()->currentItem())
            SetEditTarget(SatelliteTree()->IsRoot(item) ? EditTarget::None : EditTarget::AddSatellites);
    } else if (isIn(LocationTree())) {
        if (QTreeWidgetItem* item = LocationTree()->currentItem())
            SetEditTarget(LocationTree()->IsRoot(item) ? EditTarget::None : EditTarget::AddLocations);
    } else {
        SetEditTarget(EditTarget::None);
    }
    UpdateCommands();
    m_contextMenu->popup(globalPos);
}

void CMainFrame::CycleFocus(int step) {
    QWidget* panes[] = {m_tabView->CurrentTab() == 0 ? static_cast<QWidget*>(SatelliteTree())
                                                     : static_cast<QWidget*>(LocationTree()),
                        m_view->LocationPane()->List(), m_view->Grid()};
    int current = -1;
    for (int i = 0; i < 3; ++i)
        if (panes[i]->hasFocus())
            current = i;
    const int next = ((current < 0 ? 0 : current + step) % 3 + 3) % 3;
    panes[next]->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------------------
// The sky view and the export of the look angles.

void CMainFrame::OnViewSkyView() {
    if (!m_skyView) {
        m_skyView = new CSkyView(&m_view->Grid()->Model(), m_doc.get(), this);
        m_doc->AddView(m_skyView);
        connect(m_skyView->Plot(), &CSkyPlot::satelliteClicked, this, [this](CSatellite* satellite) {
            // The grid's own selection makes it current, as a click on its row.
            CArcGrid* grid = m_view->Grid();
            for (int row = 0; row < grid->count(); ++row) {
                if (grid->SatelliteAt(row) != satellite)
                    continue;
                if (grid->currentRow() == row)
                    emit grid->satelliteSelected(satellite);
                else
                    grid->setCurrentRow(row);
                break;
            }
        });
        connect(m_view, &CTilvexView::satelliteSelected, m_skyView->Plot(), &CSkyPlot::Refresh);
        connect(m_view, &CTilvexView::locationSelected, m_skyView->Plot(), &CSkyPlot::Refresh);
    }
    m_skyView->show();
    m_skyView->raise();
    m_skyView->activateWindow();
}

void CMainFrame::OnExportLookAngles() {
    const QStringList choices{Tr("Current location"), Tr("Every location of the workspace")};
    bool ok = false;
    const QString choice = QInputDialog::getItem(this, Tr("Export Look Angles"), Tr("Look angles from:"),
                                                 choices, 0, false, &ok);
    if (!ok)
        return;
    const QString path = QFileDialog::getSaveFileName(this, Tr("Export Look Angles"),
                                                      InDocumentsFolder(Tr("Look Angles") + ".csv"),
                                                      Tr("CSV Files (*.csv);;All Files (*)"));
    if (path.isEmpty())
        return;
    ExportLookAngles(path, choice == choices[1]);
}

bool CMainFrame::ExportLookAngles(const QString& path, bool everyLocation) {
    std::vector<const CLocation*> locations;
    if (everyLocation) {
        locations = ListedLocations(m_doc->GetLocationNames(), *GetLocationDatabase());
    } else if (const CLocation* current = m_doc->GetCurrentLocation()) {
        locations.push_back(current);
    }
    if (locations.empty()) {
        AppMessageBox(CoreTr("The workspace has no location to export."), MB_OK, MB_ICONEXCLAMATION);
        return false;
    }
    // The horizons of the exported locations and the dish's beam, so that a
    // location with a horizon gets its "Clearance" column.
    CSiteHorizons& siteHorizons = CSiteHorizons::Current();
    CHorizonStore horizons;
    for (const CLocation* location : locations)
        if (const CHorizonProfile* profile = siteHorizons.Find(location->GetName()))
            horizons.SetProfile(location->GetName(), *profile);
    const std::vector<LocationReport> reports =
        BuildLocationReports(m_view->Grid()->Model(), locations, &horizons, siteHorizons.Beam());
    for (const LocationReport& report : reports)
        if (!report.magVarMessage.empty())
            AppMessageBox(report.magVarMessage);
    const std::string csv = ReportAsCsv(reports, m_view->Grid()->Model().GetOptions());
    const SafeWriteResult result =
        SafeWriteFile(path.toStdString(), [&csv](CFile& file) { file.Write(csv.data(), csv.size()); });
    if (!result.ok) {
        AppMessageBox(ToCp1252Text(Tr("Could not write %1.").arg(path)), MB_OK, MB_ICONEXCLAMATION);
        return false;
    }
    return true;
}
