// "Find Place": a site found by a town's name, picked on the world map or
// given as a Maidenhead locator.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <filesystem>
#include <memory>

#include "TestSupport.h"
#include "core/locations/Location.h"
#include "ui/sites/FindPlaceDlg.h"
#include "ui/sites/WorldMapView.h"

namespace {

QString BuildData(const char* name) {
    return QString::fromStdString((std::filesystem::path(TILVEX_BUILD_DATA_DIR) / name).string());
}

class FindPlaceTest : public ::testing::Test {
protected:
    std::unique_ptr<CFindPlaceDlg> dlg;

    void Open(const QString& places = BuildData("places.tsv"),
              const QString& map = BuildData("world-map.txt")) {
        dlg = std::make_unique<CFindPlaceDlg>(places, map);
        dlg->resize(760, 640);
        dlg->show();
        QApplication::processEvents();
    }
    template <typename T>
    T* Child(const char* name) const {
        T* child = dlg->findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QPushButton* Ok() const { return dlg->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok); }
    void ClickRow(int row) {
        auto* places = Child<QTreeWidget>("places");
        const QRect rect = places->visualItemRect(places->topLevelItem(row));
        QTest::mouseClick(places->viewport(), Qt::LeftButton, {}, rect.center());
    }
    // The default view shows the whole world, centred, as large as it fits.
    static QPoint PixelOf(const CWorldMapView* map, double latitude, double longitude) {
        const double scale = std::min(map->width() / 360.0, map->height() / 180.0);
        return QPoint(static_cast<int>(map->width() / 2.0 + longitude * scale),
                      static_cast<int>(map->height() / 2.0 - latitude * scale));
    }
};

TEST_F(FindPlaceTest, TypingFindsThePlaceAndOkReturnsIt) {
    Open();
    EXPECT_FALSE(Ok()->isEnabled());
    QTest::keyClicks(Child<QLineEdit>("search"), "tromso");
    auto* places = Child<QTreeWidget>("places");
    ASSERT_GT(places->topLevelItemCount(), 0);
    const QTreeWidgetItem* first = places->topLevelItem(0);
    EXPECT_EQ(first->text(0), QString::fromUtf8("Tromsø"));
    EXPECT_EQ(first->text(1), "Troms");
    EXPECT_EQ(first->text(2), "NO");
    EXPECT_EQ(first->text(3), QString::fromUtf8("69.6489° N"));

    // A common word lists the most likely hundred.
    QLineEdit* search = Child<QLineEdit>("search");
    search->clear();
    QTest::keyClicks(search, "san");
    EXPECT_EQ(places->topLevelItemCount(), CFindPlaceDlg::kMaxShown);
    search->clear();
    QTest::keyClicks(search, "tromso");

    QTimer::singleShot(0, dlg.get(), [this] {
        ClickRow(0);
        QTest::mouseClick(Ok(), Qt::LeftButton);
    });
    ASSERT_TRUE(dlg->Run());
    EXPECT_EQ(dlg->PlaceName(), QString::fromUtf8("Tromsø"));
    EXPECT_EQ(dlg->AsciiName(), "Tromso");
    EXPECT_NEAR(dlg->Latitude(), 69.65, 0.01);
    EXPECT_NEAR(dlg->Longitude(), 18.96, 0.01);
    EXPECT_EQ(dlg->Region(), LOC_REGION_EUROPE);
    EXPECT_EQ(dlg->Country(), "NO");
}

TEST_F(FindPlaceTest, ClickOnTheMapPicksTheProjectedPointInsteadOfThePlace) {
    Open();
    QTest::keyClicks(Child<QLineEdit>("search"), "tromso");
    ClickRow(0);
    auto* map = Child<CWorldMapView>("worldMap");
    EXPECT_GT(map->Zoom(), 1.0);  // on Tromsø
    QTest::mouseClick(Child<QPushButton>("wholeWorld"), Qt::LeftButton);

    // New York, as near as a pixel allows.
    const QPoint pixel = PixelOf(map, 40.7, -74.0);
    const double scale = std::min(map->width() / 360.0, map->height() / 180.0);
    QTest::mouseClick(map, Qt::LeftButton, {}, pixel);
    EXPECT_NEAR(dlg->Latitude(), (map->height() / 2.0 - pixel.y()) / scale, 1e-9);
    EXPECT_NEAR(dlg->Longitude(), (pixel.x() - map->width() / 2.0) / scale, 1e-9);
    EXPECT_NEAR(dlg->Latitude(), 40.7, 1.0 / scale);
    EXPECT_TRUE(dlg->PlaceName().isEmpty());
    EXPECT_EQ(dlg->Region(), 0);
    EXPECT_TRUE(Child<QTreeWidget>("places")->selectedItems().isEmpty());
    EXPECT_TRUE(Child<QLineEdit>("locator")->text().startsWith("FN"))
        << Child<QLineEdit>("locator")->text().toStdString();
    EXPECT_TRUE(map->accessibleDescription().contains(Child<QLineEdit>("pointLatitude")->text()));
    EXPECT_TRUE(Ok()->isEnabled());
}

TEST_F(FindPlaceTest, DraggingAndKeysMoveTheMapWithoutPicking) {
    Open();
    auto* map = Child<CWorldMapView>("worldMap");
    map->setFocus();
    QTest::keyClick(map, Qt::Key_Plus);
    EXPECT_DOUBLE_EQ(map->Zoom(), 2.0);
    const double before = map->Centre().longitude;
    const QPoint from(map->width() / 2, map->height() / 2);
    QTest::mousePress(map, Qt::LeftButton, {}, from);
    QTest::mouseMove(map, from + QPoint(20, 0));
    QTest::mouseMove(map, from + QPoint(60, 0));
    QTest::mouseRelease(map, Qt::LeftButton, {}, from + QPoint(60, 0));
    EXPECT_NEAR(map->Centre().longitude, before - 60.0 / map->Scale(), 1e-9);
    EXPECT_FALSE(map->Point().has_value());
    EXPECT_FALSE(Ok()->isEnabled());

    QTest::keyClick(map, Qt::Key_Home);
    EXPECT_DOUBLE_EQ(map->Zoom(), 1.0);
    EXPECT_DOUBLE_EQ(map->Centre().longitude, 0.0);
    QTest::keyClick(map, Qt::Key_Space);  // picks the middle
    ASSERT_TRUE(map->Point().has_value());
    EXPECT_NEAR(dlg->Latitude(), 0.0, 1e-9);
}

TEST_F(FindPlaceTest, TypedLocatorMovesThePoint) {
    Open();
    QTest::keyClicks(Child<QLineEdit>("locator"), "jp99lp");
    // The middle of subsquare lp of square JP99: 69°37.5' + 1.25' N, 18°55' + 2.5' E.
    EXPECT_NEAR(dlg->Latitude(), 69.0 + 38.75 / 60.0, 1e-9);
    EXPECT_NEAR(dlg->Longitude(), 18.0 + 57.5 / 60.0, 1e-9);
    EXPECT_EQ(dlg->PlaceName(), "JP99lp");
    EXPECT_EQ(Child<QLineEdit>("pointLatitude")->text(), QString::fromUtf8("69.6458° N"));
    EXPECT_EQ(Child<QLineEdit>("pointLongitude")->text(), QString::fromUtf8("18.9583° E"));
    EXPECT_TRUE(Ok()->isEnabled());
    auto* map = Child<CWorldMapView>("worldMap");
    EXPECT_NEAR(map->Centre().latitude, dlg->Latitude(), 1e-9);
}

TEST_F(FindPlaceTest, MissingOrDamagedDataIsReportedAndTheMapStillPicks) {
    MessageCapture messages;
    TempDir dir;
    Open(QString::fromStdString((dir / "places.tsv").string()),
         QString::fromStdString((dir / "none.txt").string()));
    EXPECT_TRUE(Child<QLabel>("placesStatus")->text().contains("places.tsv"));
    EXPECT_FALSE(Child<QLineEdit>("search")->isEnabled());
    auto* map = Child<CWorldMapView>("worldMap");
    EXPECT_TRUE(map->Message().contains("world-map.txt"));
    QTest::mouseClick(map, Qt::LeftButton, {}, PixelOf(map, -33.9, 18.4));
    EXPECT_NEAR(dlg->Latitude(), -33.9, 1.0);
    EXPECT_TRUE(Ok()->isEnabled());

    WriteFileBytes(dir / "places.tsv", "tilvex-places 1\nnonsense\n");
    WriteFileBytes(dir / "map.txt", "not a map\n");
    Open(QString::fromStdString((dir / "places.tsv").string()),
         QString::fromStdString((dir / "map.txt").string()));
    EXPECT_TRUE(Child<QLabel>("placesStatus")->text().contains("cannot be read"));
    EXPECT_TRUE(Child<CWorldMapView>("worldMap")->Message().contains("cannot be read"));
    EXPECT_TRUE(messages.Texts().empty());
}

}  // namespace
