// The user guide that F1 shows: every step of aiming a dish, and every
// picture it names shipped with it.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTextBrowser>

#include "UiSupport.h"
#include "resources/ids.h"

using HelpTest = ProgramFixture;

TEST_F(HelpTest, GuideCoversAimingAndShowsItsPictures) {
    CMainFrame* frame = Start();
    ASSERT_NE(frame, nullptr);
    frame->Action(ids::ID_HELP)->trigger();
    auto* help = frame->findChild<QTextBrowser*>("helpWindow");
    ASSERT_NE(help, nullptr);
    const QString text = help->toPlainText();
    for (const char* step : {"Find or add your location", "Pick satellites", "Read elevation and azimuth",
                             "True versus magnetic north", "Print a report"})
        EXPECT_TRUE(text.contains(step)) << step;

    QFile page(":/help/index.html");
    ASSERT_TRUE(page.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(page.readAll());
    int pictures = 0;
    const QRegularExpression image(R"re(<img src="([^"]+)")re");
    for (auto it = image.globalMatch(html); it.hasNext(); ++pictures) {
        const QString name = it.next().captured(1);
        // What the browser itself finds for the page's relative name.
        EXPECT_TRUE(help->loadResource(QTextDocument::ImageResource, QUrl(name)).isValid()) << name.toStdString();
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
