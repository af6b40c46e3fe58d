// The main window: its remembered placement and the splash before it.
#include <gtest/gtest.h>

#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>

#include "EditorSupport.h"
#include "UiSupport.h"
#include "core/display/StatusText.h"
#include "core/satellites/SatelliteDatabase.h"
#include "resources/ids.h"
#include "ui/app/AboutDlg.h"
#include "ui/app/SplashWnd.h"
#include "ui/app/UserFolders.h"
#include "ui/display/ArcGrid.h"
#include "ui/display/TilvexView.h"
#include "ui/framework/QtText.h"
#include "ui/locations/LocationTree.h"

using FrameTest = ProgramFixture;

TEST_F(FrameTest, PlacementIsSavedOnCloseAndRestoredOnStart) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    const QRect moved(60, 40, 700, 450);
    frame->setGeometry(moved);
    QApplication::processEvents();
    ASSERT_EQ(frame->geometry(), moved);
    const int split = frame->Splitter()->sizes().value(0);
    Stop();

    const CProfile profile(settings.string());
    EXPECT_EQ(profile.GetProfileInt("Startup", "x1", -1), 60);
    EXPECT_EQ(profile.GetProfileInt("Startup", "y1", -1), 40);
    EXPECT_EQ(profile.GetProfileInt("Startup", "x2", -1), 760);
    EXPECT_EQ(profile.GetProfileInt("Startup", "y2", -1), 490);
    EXPECT_EQ(profile.GetProfileInt("Startup", "split", -1), split);
    EXPECT_EQ(profile.GetProfileInt("Startup", "showCmd", -1), SW_SHOWNORMAL);

    frame = Start();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), moved);
    EXPECT_EQ(frame->Splitter()->sizes().value(0), split);
    EXPECT_FALSE(frame->isMaximized());
}

// The bar between the trees and the view can be seen, and the width the
// user gives the trees comes back after a restart.
TEST_F(FrameTest, TreeWidthIsRememberedAcrossRestarts) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    frame->setGeometry(60, 40, 900, 600);
    QSplitter* splitter = frame->Splitter();
    EXPECT_GE(splitter->handleWidth(), 5);
    splitter->setSizes({260, 900 - 260 - splitter->handleWidth()});
    QApplication::processEvents();
    ASSERT_EQ(splitter->sizes().value(0), 260);
    Stop();
    EXPECT_EQ(CProfile(settings.string()).GetProfileInt("Startup", "split", -1), 260);

    frame = Start();
    ASSERT_NE(frame, nullptr);
    QApplication::processEvents();
    EXPECT_EQ(frame->Splitter()->sizes().value(0), 260);
}

// A name too long for one line wraps in the info pane, whole, with the slot
// and the bands still below it.
TEST_F(FrameTest, InfoPaneShowsAWholeLongNameWrapped) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    CTilvexDoc* doc = frame->GetDocument();
    const CSatellite* hispasat = frame->GetSatelliteDatabase()->FindSatellite("Hispasat 36W-1");
    ASSERT_NE(hispasat, nullptr);
    doc->AddSatellite(hispasat, true);
    auto* grid = frame->findChild<CArcGrid*>("arcGrid");
    for (int row = 0; row < grid->count(); ++row)
        if (grid->SatelliteAt(row) == hispasat)
            grid->setCurrentRow(row);
    QApplication::processEvents();
    auto* name = frame->findChild<QLabel*>("infoName");
    auto* slot = frame->findChild<QLabel*>("infoSlot");
    auto* bands = frame->findChild<QLabel*>("infoBands");
    ASSERT_EQ(name->text(), "Hispasat 36W-1");
    // Every word of the name is drawn inside the label.
    const QRect room = name->contentsRect();
    const QRect needed =
        name->fontMetrics().boundingRect(room, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, name->text());
    EXPECT_TRUE(room.contains(needed))
        << needed.width() << "x" << needed.height() << " in " << room.width() << "x" << room.height();
    // The rows follow each other inside the pane, above its button.
    QWidget* button = frame->findChild<QWidget*>("detailedReport");
    EXPECT_LE(name->geometry().bottom(), slot->geometry().top());
    EXPECT_LE(slot->geometry().bottom(), bands->geometry().top());
    EXPECT_LE(bands->geometry().bottom(), button->geometry().top());
    EXPECT_GE(slot->height(), slot->fontMetrics().height());
    EXPECT_GE(bands->height(), bands->fontMetrics().height());
}

// Workspaces are opened from and saved to the documents folder, not the
// program's hidden data folder; one saved elsewhere keeps its folder.
TEST_F(FrameTest, WorkspaceDialogsStartInTheDocumentsFolder) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    QString folder;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        folder = dialog->directory().absolutePath();
        dialog->reject();
    });
    frame->OnFileOpen();
    EXPECT_EQ(folder, QDir(DocumentsFolder()).absolutePath());

    QString offered;
    auto offeredName = [&] {
        WhenModal<QFileDialog>([&](QFileDialog* dialog) {
            offered = dialog->selectedFiles().value(0);
            dialog->reject();
        });
        frame->OnFileSaveAs();
        return offered;
    };
    // The shipped workspace lies in the data folder: its name, in documents.
    EXPECT_EQ(offeredName(), QDir(DocumentsFolder()).filePath("United States Ku Band Satellites.wrk"));
    const QString mine = QString::fromStdString((dir / "mine.wrk").string());
    ASSERT_TRUE(frame->GetDocument()->DoSave(mine.toStdString()));
    EXPECT_EQ(offeredName(), QDir::fromNativeSeparators(mine));
}

TEST_F(FrameTest, WindowStoredBeyondTheScreenIsBroughtWhollyBack) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    {
        CProfile profile(settings.string());
        WritePlacement(profile,
                       {150, -1, SW_SHOWNORMAL, screen.width() + 300, 30, screen.width() + 800, 430});
    }
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), QRect(screen.width() - 500, 30, 500, 400));
    Stop();

    // Numbers beyond any screen (and beyond an int).
    {
        CProfile profile(settings.string());
        profile.WriteProfileString("Startup", "x1", "99999999999999999999");
        profile.WriteProfileString("Startup", "y2", "-99999999999999999999");
    }
    frame = Start();
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(screen.contains(frame->geometry()))
        << frame->geometry().x() << "," << frame->geometry().width();
    EXPECT_GT(frame->width(), 100);
    EXPECT_GT(frame->height(), 100);
}

// A system font wider than the default window was made for: the first start
// grows the window until the panes show whole; a remembered size is kept.
TEST_F(FrameTest, FirstStartGrowsTheWindowToHoldThePanes) {
    const ScopedFontScale wider(1.25);

    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    QApplication::processEvents();
    const auto* view = frame->findChild<CTilvexView*>("lookAngleView");
    ASSERT_NE(view, nullptr);
    const QRect grown = frame->geometry();
    const QRect outside = frame->frameGeometry();
    const QRect available = frame->screen()->availableGeometry();
    // The panes show whole, or the window is as large as the screen allows.
    EXPECT_TRUE(view->Layout().scrollWidth <= view->width() || outside.width() == available.width())
        << view->Layout().scrollWidth << " in " << view->width();
    EXPECT_TRUE(view->Layout().scrollHeight <= view->height() || outside.height() == available.height())
        << view->Layout().scrollHeight << " in " << view->height();
    const WindowPlacement standard = frame->CurrentDefaultPlacement();
    EXPECT_GT(grown.width(), standard.x2 - standard.x1);
    EXPECT_TRUE(available.contains(outside));
    Stop();

    const QRect small(40, 30, 620, 410);
    {
        CProfile profile(settings.string());
        WritePlacement(profile, {150, -1, SW_SHOWNORMAL, small.left(), small.top(), small.right() + 1,
                                 small.bottom() + 1});
    }
    frame = Start();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(frame->geometry(), small);
}

// While the splash is up the window stays hidden; the first key press
// closes the splash and goes no further.
TEST_F(FrameTest, KeyPressEndsTheSplashAndIsSwallowed) {
    CMainFrame* frame = Start(true);
    ASSERT_NE(frame, nullptr);
    CSplashWnd* splash = CSplashWnd::Instance();
    ASSERT_NE(splash, nullptr);
    if (auto* timer = splash->findChild<QTimer*>())
        timer->stop();  // only the key may end it here
    EXPECT_TRUE(splash->isVisible());
    EXPECT_FALSE(frame->isVisible());

    // A selected satellite, so that a Delete reaching the grid would remove it.
    auto* grid = frame->findChild<CArcGrid*>("arcGrid");
    ASSERT_GT(grid->count(), 1);
    grid->setCurrentRow(1);
    const std::size_t satellites = frame->GetDocument()->GetSatelliteNames().size();

    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(CSplashWnd::Instance(), nullptr);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->GetDocument()->GetSatelliteNames().size(), satellites);

    // With the splash gone the same key does reach the grid.
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(frame->GetDocument()->GetSatelliteNames().size(), satellites - 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST_F(FrameTest, WebSiteHelpAndUnsavedChanges) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);

    // The browser cannot be started: the box says where to go and stays open.
    std::vector<QUrl> opened;
    CAboutDlg::SetUrlOpener([&](const QUrl& url) {
        opened.push_back(url);
        return false;
    });
    CAboutDlg about(frame);
    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>("visitWebSite"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString(), CAboutDlg::kWebAddress);
    EXPECT_EQ(messages->Texts(),
              std::vector<std::string>{std::string("Tilvex couldn't locate your browser.  If you want "
                                                   "to visit the Tilvex web page, go to ") +
                                       CAboutDlg::kWebAddress + "."});
    EXPECT_TRUE(about.isVisible());
    // When it can, the box closes.
    CAboutDlg::SetUrlOpener([](const QUrl&) { return true; });
    QTest::mouseClick(about.findChild<QPushButton*>("visitWebSite"), Qt::LeftButton);
    EXPECT_FALSE(about.isVisible());
    CAboutDlg::SetUrlOpener(nullptr);

    // F1 shows the shipped help page.
    frame->Action(ids::ID_HELP)->trigger();
    auto* help = frame->findChild<QTextBrowser*>("helpWindow");
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(help->toPlainText().contains("Tilvex Help"));

    // A changed workspace asks before it is replaced; Cancel keeps it.
    frame->GetDocument()->SetGridOptions(7);
    messages.reset();  // one capture at a time: each restores the handler it found
    messages = std::make_unique<MessageCapture>(IDCANCEL);
    frame->Action(ids::ID_FILE_NEW)->trigger();
    EXPECT_EQ(messages->Texts(),
              std::vector<std::string>{"Save changes to United States Ku Band Satellites.wrk?"});
    EXPECT_EQ(frame->GetDocument()->GetOptions(), 7);
    EXPECT_EQ(frame->windowTitle(), "United States Ku Band Satellites - Tilvex");
    messages.reset();
    messages = std::make_unique<MessageCapture>(IDNO);
    frame->Action(ids::ID_FILE_NEW)->trigger();
    EXPECT_EQ(frame->windowTitle(), "Untitled - Tilvex");
    EXPECT_EQ(frame->GetDocument()->GetOptions(), 31);
}

// The menus show the string table's whole accelerator text.
TEST_F(FrameTest, RemoveAndAddShowTheirWholeAcceleratorText) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    // What a menu paints for an action.
    struct Probe : QMenu {
        QString Shown(QAction* action) {
            addAction(action);
            QStyleOptionMenuItem option;
            initStyleOption(&option, action);
            return option.text;
        }
    } menu;
    const std::pair<CMainFrame::EditTarget, const char*> cases[] = {
        {CMainFrame::EditTarget::RemoveSatellite, "&Remove Satellite from Workspace\tCtrl+X or Del"},
        {CMainFrame::EditTarget::RemoveLocation, "&Remove Location from Workspace\tCtrl+X or Del"}};
    for (const auto& [target, text] : cases) {
        frame->SetEditTarget(target);
        EXPECT_EQ(menu.Shown(frame->Action(ids::ID_EDIT_REMOVE)), text);
    }
    frame->SetEditTarget(CMainFrame::EditTarget::AddLocations);
    EXPECT_EQ(menu.Shown(frame->Action(ids::ID_EDIT_ADD)), "&Add Location(s) to Workspace\tCtrl+V");
}

// A message shown while the splash is up belongs to the main window and stays
// in front of it when it appears.
TEST_F(FrameTest, StartupMessageBelongsToTheMainWindowAndStaysOnTop) {
    WriteFileBytes(data / "United States Ku Band Satellites.wrk", "not a workspace");
    messages.reset();
    InstallQtMessageBoxes();
    struct Seen {
        QString text;
        QWidget* parent = nullptr;
        bool onTop = false, frameHidden = false, splashUp = false, inFrontAfterwards = false;
    } seen;
    QTimer poll;  // looks for the message while it is up
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        CMainFrame* frame = app->MainFrame();
        seen = {box->text(), box->parentWidget(), (box->windowFlags() & Qt::WindowStaysOnTopHint) != 0,
                !frame->isVisible(), CSplashWnd::Instance() != nullptr};
        CSplashWnd::HideSplash();  // the splash's time is up: the window appears
        // Activation is posted: wait for it (a while at most).
        const bool active = QTest::qWaitFor([&] { return QApplication::activeWindow() == box; }, 2000);
        seen.inFrontAfterwards = frame->isVisible() && box->isVisible() && active;
        box->accept();
    });
    poll.start(10);
    CMainFrame* frame = Start(true);
    SetMessageBoxHandler(nullptr);
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(seen.text, "Unexpected file format.\nOpening empty workspace.");
    EXPECT_EQ(seen.parent, frame);
    EXPECT_TRUE(seen.onTop);
    EXPECT_TRUE(seen.frameHidden);
    EXPECT_TRUE(seen.splashUp);
    EXPECT_TRUE(seen.inFrontAfterwards);
}

// While idle the status bar names the current site with its coordinates and
// the variation in use; a menu's status tip shows over it for a while.
TEST_F(FrameTest, StatusBarShowsTheSiteWhileIdle) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    auto* idle = frame->findChild<QLabel*>("idleText");
    ASSERT_NE(idle, nullptr);
    EXPECT_EQ(idle->text(),
              QString::fromUtf8("Denver, CO: 39.74\u00B0N 104.99\u00B0W, variation 7.6\u00B0E"));

    // Chicago's variation comes from the geomagnetic model.
    auto* list = frame->findChild<QListWidget*>("locationList");
    list->setCurrentRow(list->row(list->findItems("Chicago, IL", Qt::MatchExactly).front()));
    CLocation* chicago = frame->LocationTree()->FindLocation("Chicago, IL");
    ASSERT_TRUE(chicago->IsMagVarAuto());
    EXPECT_EQ(idle->text(), FromCp1252(SiteStatusText(*chicago, *chicago->SignedMagVar())));
    EXPECT_TRUE(idle->text().endsWith(" (automatic)"));

    QAction* open = frame->Action(ids::ID_FILE_OPEN);
    open->showStatusText(frame);
    EXPECT_EQ(frame->statusBar()->currentMessage(), "Open an existing workspace");
    EXPECT_FALSE(idle->isVisible());
    frame->statusBar()->clearMessage();
    EXPECT_TRUE(idle->isVisible());

    frame->Action(ids::ID_FILE_NEW)->trigger();
    EXPECT_EQ(idle->text(), "Ready");
}
