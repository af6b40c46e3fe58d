// The "Horizon" dialog, driven through its controls: points and obstacles
// added, refused, imported from a horizon file and exported to one.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <fstream>
#include <sstream>
#include <utility>
#include <vector>

#include "EditorSupport.h"
#include "TestSupport.h"
#include "core/horizon/HorizonFile.h"
#include "ui/horizon/HorizonDlg.h"

namespace {

using Fields = std::vector<std::pair<const char*, QString>>;

class HorizonDlgTest : public ::testing::Test {
protected:
    TempDir dir;
    MessageCapture messages;

    static void PressOk(QDialog* dialog) {
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
    // Clicks `button` of `dlg` and fills the form it opens with `fields`, then
    // presses OK; a form that stays up (a refused value) is cancelled.
    // Returns the field that has the focus then.
    static QString Enter(QWidget* dlg, const char* button, const Fields& fields) {
        QString focused;
        WhenModal<QDialog>([&](QDialog* form) {
            for (const auto& [name, text] : fields)
                TypeInto(Child<QLineEdit>(form, name), text);
            PressOk(form);
            if (form->isVisible()) {
                focused = QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
                form->reject();
            }
        });
        Click(dlg, button);
        return focused;
    }
    static QStringList Rows(QWidget* dlg, const char* table) {
        auto* view = Child<QTableWidget>(dlg, table);
        QStringList rows;
        for (int row = 0; row < view->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < view->columnCount(); ++column)
                cells << view->item(row, column)->text();
            rows << cells.join(",");
        }
        return rows;
    }
    static void ChooseFile(const QString& path) {
        WhenModal<QFileDialog>([path](QFileDialog* dialog) {
            dialog->selectFile(path);
            static_cast<QDialog*>(dialog)->accept();
        });
    }
};

TEST_F(HorizonDlgTest, PointsAndObstaclesAddedThroughTheFormsAreWhatOkReturns) {
    CHorizonDlg dlg(CHorizonProfile(), "K\xF6ln", nullptr);
    EXPECT_EQ(dlg.windowTitle(), "Horizon");
    EXPECT_FALSE(Child<QPushButton>(&dlg, "editPoint")->isEnabled());
    WhenModal<CHorizonDlg>([&](CHorizonDlg* shown) {
        Enter(shown, "addPoint", {{"pointAzimuth", "270"}, {"pointElevation", "3.5"}});
        Enter(shown, "addPoint", {{"pointAzimuth", "360"}, {"pointElevation", "-1"}});
        Enter(shown, "addObstacle",
              {{"obstacleBearing", "180"}, {"obstacleHeight", "12"}, {"obstacleDistance", "20"}});
        // Points show in azimuth order, North as 0; a new obstacle is 10 degrees wide.
        EXPECT_EQ(Rows(shown, "horizonPoints"), QStringList({"0,-1", "270,3.5"}));
        EXPECT_EQ(Rows(shown, "horizonObstacles"), QStringList({"180,12,20,10"}));
        // The selected obstacle edited in its form keeps its place.
        Enter(shown, "editObstacle", {{"obstacleWidth", "25"}});
        EXPECT_EQ(Rows(shown, "horizonObstacles"), QStringList({"180,12,20,25"}));
        PressOk(shown);
    });
    ASSERT_TRUE(dlg.Run());
    EXPECT_EQ(dlg.Profile().Points(), (std::vector<HorizonPoint>{{0, -1}, {270, 3.5}}));
    EXPECT_EQ(dlg.Profile().Obstacles(), (std::vector<HorizonObstacle>{{180, 12, 20, 25}}));
    EXPECT_TRUE(messages.Texts().empty());
}

TEST_F(HorizonDlgTest, RefusedValuesAreNamedAtTheirFieldAndNotAdded) {
    CHorizonDlg dlg(CHorizonProfile(), "Home", nullptr);
    dlg.show();
    EXPECT_EQ(Enter(&dlg, "addPoint", {{"pointAzimuth", "90"}, {"pointElevation", "95"}}), "pointElevation");
    EXPECT_EQ(Enter(&dlg, "addPoint", {{"pointAzimuth", "east"}, {"pointElevation", "5"}}), "pointAzimuth");
    EXPECT_EQ(Enter(&dlg, "addObstacle",
                    {{"obstacleBearing", "10"},
                     {"obstacleHeight", "5"},
                     {"obstacleDistance", "8"},
                     {"obstacleWidth", "0"}}),
              "obstacleWidth");
    EXPECT_EQ(messages.Texts(),
              (std::vector<std::string>{"The elevation must be from -5 to 90.",
                                        "Please enter a number for the azimuth.",
                                        "The width must be greater than 0 and at most 360."}));
    EXPECT_TRUE(Rows(&dlg, "horizonPoints").isEmpty());
    EXPECT_TRUE(Rows(&dlg, "horizonObstacles").isEmpty());
}

// A bad line of an imported file is named and left out; the other lines
// join what the tables held, and Export writes a file that reads back the same.
TEST_F(HorizonDlgTest, ImportLeavesOutTheBadLineAndExportReadsBack) {
    CHorizonProfile profile;
    profile.AddPoint({45, 2});
    CHorizonDlg dlg(profile, "Home", nullptr);
    dlg.show();
    const auto file = dir / "roof.csv";
    std::ofstream(file) << "azimuth,elevation\n180,4\n200,95\nobstacle,120,6,10\n";
    ChooseFile(QString::fromStdString(file.string()));
    Click(&dlg, "importHorizon");
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_NE(messages.Texts()[0].find("roof.csv line 3: the elevation must be from -5 to 90"),
              std::string::npos)
        << messages.Texts()[0];
    EXPECT_EQ(Rows(&dlg, "horizonPoints"), QStringList({"45,2", "180,4"}));
    EXPECT_EQ(Rows(&dlg, "horizonObstacles"), QStringList({"120,6,10,10"}));

    const auto exported = dir / "out.csv";
    ChooseFile(QString::fromStdString(exported.string()));
    Click(&dlg, "exportHorizon");
    std::stringstream text;
    text << std::ifstream(exported).rdbuf();
    const Outcome<CHorizonProfile> back = HorizonFromText(text.str(), "out.csv");
    ASSERT_TRUE(back.Ok()) << back.Message();
    PressOk(&dlg);
    EXPECT_EQ(*back, dlg.Profile());
    EXPECT_EQ(messages.Texts().size(), 1u);
}

TEST_F(HorizonDlgTest, CancelLeavesTheProfileAsItWas) {
    CHorizonProfile profile;
    profile.AddPoint({10, 1});
    profile.AddObstacle({200, 3, 4, 15});
    CHorizonDlg dlg(profile, "Home", nullptr);
    WhenModal<CHorizonDlg>([&](CHorizonDlg* shown) {
        Child<QTableWidget>(shown, "horizonPoints")->selectRow(0);
        Click(shown, "deletePoint");
        Enter(shown, "addObstacle",
              {{"obstacleBearing", "90"}, {"obstacleHeight", "1"}, {"obstacleDistance", "2"}});
        EXPECT_TRUE(Rows(shown, "horizonPoints").isEmpty());
        shown->reject();
    });
    EXPECT_FALSE(dlg.Run());
    EXPECT_EQ(dlg.Profile(), profile);
}

}  // namespace
