// The user guide that F1 shows: every step of aiming a dish, and every
// picture it names shipped with it.
#include <gtest/gtest.h>

#include <QAction>
#include <QFile>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QTextBrowser>
#include <map>

#include "UiSupport.h"
#include "resources/ids.h"
#include "ui/app/HelpWindow.h"
#include "ui/display/SkyView.h"

using HelpTest = ProgramFixture;

TEST_F(HelpTest, GuideCoversAimingAndShowsItsPictures) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    frame->Action(ids::ID_HELP)->trigger();
    auto* help = frame->findChild<QTextBrowser*>("helpWindow");
    ASSERT_NE(help, nullptr);
    const QString text = help->toPlainText();
    for (const char* step : {"Find or add your location", "Pick satellites", "Read elevation and azimuth",
                             "True versus magnetic north", "Print a report", "LNB skew", "Sun outages",
                             "The sky view", "Exporting the look angles"})
        EXPECT_TRUE(text.contains(step)) << step;

    QFile page(":/help/index.html");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    int pictures = 0;
    const QRegularExpression image(R"re(<img src="([^"]+)")re");
    for (auto it = image.globalMatch(html); it.hasNext(); ++pictures) {
        const QString name = it.next().captured(1);
        // What the browser itself finds for the page's relative name.
        EXPECT_TRUE(help->loadResource(QTextDocument::ImageResource, QUrl(name)).isValid())
            << name.toStdString();
        EXPECT_FALSE(QImage(":/help/" + name).isNull()) << name.toStdString();
    }
    EXPECT_GE(pictures, 4);
    // The links of the step list lead to anchors of the page.
    const QRegularExpression link(R"re(<a href="#([a-z]+)")re");
    for (auto it = link.globalMatch(html); it.hasNext();) {
        const QString anchor = it.next().captured(1);
        EXPECT_TRUE(html.contains("<a name=\"" + anchor + "\">")) << anchor.toStdString();
    }
}

// Every menu command the guide sends the reader to ("Edit > Edit Location
// Data...") is there, and can be chosen in the window as it starts: in
// English, and in each language the guide is translated into, by the menus'
// translated names.
TEST_F(HelpTest, GuideNamesOnlyCommandsThatCanBeChosen) {
    for (const QString code : {"en", "de", "es"}) {
        SCOPED_TRACE(code.toStdString());
        const ScopedLanguage language(code);
        const QString guide = CHelpWindow::GuideFor(code);
        EXPECT_EQ(guide,
                  code == "en" ? QString("qrc:/help/index.html") : "qrc:/help/index_" + code + ".html");
        CMainFrame* frame = Start();
        ASSERT_NE(frame, nullptr);
        frame->Action(ids::ID_VIEW_SKY_VIEW)->trigger();
        frame->UpdateCommands();
        // The menus of the main window and of the sky view, by their titles.
        std::multimap<QString, QMenu*> menus;
        for (QMenuBar* bar : {frame->menuBar(), frame->SkyView()->menuBar()})
            for (QAction* action : bar->actions())
                if (action->menu())
                    menus.emplace(action->text().remove('&'), action->menu());
        const QString addToWorkspace = Tr("&Add to Workspace").remove('&');

        QFile page(guide.mid(3));
        ASSERT_TRUE(page.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(page.readAll()).simplified();
        QStringList titles;
        for (const auto& [title, menu] : menus)
            titles << QRegularExpression::escape(title);
        const QRegularExpression command("<span class=\"ui\">(" + titles.join('|') + ") &gt; ([^<]+)</span>");
        int named = 0;
        for (auto it = command.globalMatch(html); it.hasNext(); ++named) {
            const auto match = it.next();
            const QString item = match.captured(2).trimmed();
            // Adding acts on the entry the guide has the reader select first.
            if (item == addToWorkspace)
                continue;
            SCOPED_TRACE((match.captured(1) + " > " + item).toStdString());
            QAction* found = nullptr;
            for (auto [begin, end] = menus.equal_range(match.captured(1).trimmed()); begin != end; ++begin)
                for (QAction* action : begin->second->actions())
                    if (action->text().remove('&').section('\t', 0, 0).startsWith(item))
                        found = action;
            ASSERT_NE(found, nullptr);
            EXPECT_TRUE(found->isEnabled());
        }
        EXPECT_GE(named, 8);
        // The translated page shows the same pictures.
        const QRegularExpression image(R"re(<img src="([^"]+)")re");
        for (auto it = image.globalMatch(html); it.hasNext();) {
            const QString name = it.next().captured(1);
            EXPECT_FALSE(QImage(":/help/" + name).isNull()) << name.toStdString();
        }
        Stop();
    }
}
