// The main window: its remembered placement and the splash before it.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>
#include <QStyle>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <QTimer>

#include "UiSupport.h"
#include "app/AboutDlg.h"
#include "app/SplashWnd.h"
#include "resources/ids.h"
#include "display/ArcGrid.h"

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

TEST_F(FrameTest, WindowStoredBeyondTheScreenIsBroughtWhollyBack) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    {
        CProfile profile(settings.string());
        WritePlacement(profile, {150, -1, SW_SHOWNORMAL, screen.width() + 300, 30, screen.width() + 800, 430});
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
    EXPECT_TRUE(screen.contains(frame->geometry())) << frame->geometry().x() << "," << frame->geometry().width();
    EXPECT_GT(frame->width(), 100);
    EXPECT_GT(frame->height(), 100);
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
    CAboutDlg::SetUrlOpener([&](const QUrl& url) { opened.push_back(url); return false; });
    CAboutDlg about(frame);
    about.show();
    QTest::mouseClick(about.findChild<QPushButton*>("visitWebSite"), Qt::LeftButton);
    ASSERT_EQ(opened.size(), 1u);
    EXPECT_EQ(opened[0].toString(), CAboutDlg::kWebAddress);
    EXPECT_EQ(messages->Texts(), std::vector<std::string>{std::string("Tilvex couldn't locate your browser.  If you want "
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
