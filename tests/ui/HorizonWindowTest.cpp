// The horizons in the running program: the grid marks what a location's
// horizon blocks, the details give the clearance, and the location editor
// carries a horizon to a new name and drops it with the location.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "EditorSupport.h"
#include "UiSupport.h"
#include "core/horizon/HorizonFile.h"
#include "core/locations/LocationDatabase.h"
#include "core/workspace/DatabaseEditor.h"
#include "core/workspace/TilvexDoc.h"
#include "ui/app/Appearance.h"
#include "ui/display/ArcGrid.h"
#include "ui/display/LocationPane.h"
#include "ui/display/TilvexView.h"
#include "ui/horizon/SiteHorizons.h"
#include "ui/locations/LocationEditorDlg.h"
#include "ui/locations/LocationTree.h"
#include "ui/satellites/SatelliteDetailsDlg.h"
#include "ui/satellites/SatelliteTree.h"

namespace {

// A level horizon at 40 degrees, which from Denver blocks some of the
// workspace's satellites (37.8 to 44.0 degrees up); with the default dish (0.9 m, 12 GHz) the
// beam's edge adds 35 * 0.0249827 / 0.9 = 0.9716 degrees.
constexpr double kLevel = 40.0;
constexpr double kBlockedBelow = kLevel + 0.9716;

class HorizonWindowTest : public ProgramFixture {
protected:
    CMainFrame* frame = nullptr;
    CLocation* denver = nullptr;

    void SetUp() override {
        ProgramFixture::SetUp();
        CHorizonProfile level;
        ASSERT_FALSE(level.AddPoint({0.0, kLevel}));
        CHorizonStore store;
        ASSERT_TRUE(store.SetProfile("Denver, CO", level));
        ASSERT_TRUE(store.Save((data / kHorizonFile).string()));
        frame =
            Start(false, QString::fromStdString((data / "United States Ku Band Satellites.wrk").string()));
        ASSERT_NE(frame, nullptr);
        denver = frame->LocationTree()->FindLocation("Denver, CO");
        ASSERT_NE(denver, nullptr);
        frame->GetDocument()->SetCurrentLocation(denver, true);
    }
    CArcGrid* Grid() { return frame->GetLookAngleViewPane()->Grid(); }
    int BlockedRows() {
        int n = 0;
        for (int row = 0; row < Grid()->count(); ++row)
            n += !Description(row).isEmpty();
        return n;
    }
    QString Description(int row) { return Grid()->item(row)->data(Qt::AccessibleDescriptionRole).toString(); }
    // The horizon's rows, read back from the data folder's file.
    CHorizonStore Written() {
        CHorizonStore store;
        EXPECT_FALSE(store.Load((data / kHorizonFile).string()));
        return store;
    }
};

}  // namespace

TEST_F(HorizonWindowTest, GridMarksBlockedRowsAndFollowsChanges) {
    int blocked = 0, clear = 0;
    for (int row = 0; row < Grid()->count(); ++row) {
        const std::string elevation = Grid()->RowTexts(row).elevation;
        SCOPED_TRACE(Grid()->RowTexts(row).name + " " + elevation);

        if (elevation == "--" || elevation.empty()) {
            EXPECT_EQ(Description(row), "");
            continue;
        }
        const double e = std::stod(elevation);
        if (e < kBlockedBelow - 0.1) {
            ++blocked;
            EXPECT_EQ(Description(row),
                      QString("blocked by the horizon by %1\u00B0").arg(kBlockedBelow - e, 0, 'f', 1));
        } else if (e > kBlockedBelow + 0.1) {
            ++clear;
            EXPECT_EQ(Description(row), "");
        }
    }
    EXPECT_GT(blocked, 0);
    EXPECT_GT(clear, 0);

    // A blocked row on a dark palette: tinted, its text still the palette's.
    int blockedRow = -1;
    for (int row = 0; row < Grid()->count() && blockedRow < 0; ++row)
        if (!Description(row).isEmpty())
            blockedRow = row;
    QPalette dark = DarkPalette();
    dark.setColor(QPalette::Base, Grid()->palette().color(QPalette::Base));
    Grid()->setPalette(dark);
    const QModelIndex index = Grid()->model()->index(blockedRow, 0);
    QStyleOptionViewItem option;
    option.initFrom(Grid()->viewport());
    option.state &= ~QStyle::State_Selected;
    option.rect = QRect(QPoint(0, 0), Grid()->itemDelegate()->sizeHint(option, index));
    QImage image(option.rect.size(), QImage::Format_ARGB32);
    QPainter painter(&image);
    Grid()->itemDelegate()->paint(&painter, option, index);
    painter.end();
    const QColor back = image.pixelColor(image.width() / 2 + 3, 2);
    EXPECT_NE(back, dark.color(QPalette::Button));
    EXPECT_GT(back.red(), back.green() + 20);
    EXPECT_LT(back.lightness(), 128);

    // The horizon removed: no row is marked any more.
    ASSERT_TRUE(CSiteHorizons::Current().SetProfile("Denver, CO", CHorizonProfile()));
    EXPECT_EQ(BlockedRows(), 0);
}

TEST_F(HorizonWindowTest, DetailsGiveTheClearanceOnlyWithAHorizon) {
    const auto clearanceOf = [&](const char* name, CLocation* location) {
        QString text;
        bool shown = false;
        WhenModal<CSatelliteDetailsDlg>([&](CSatelliteDetailsDlg* details) {
            text = details->ClearanceText();
            shown = Child<QLabel>(details, "detailsClearance")->isVisible();
            Click(details, "ok");
        });
        CSatellite* satellite = frame->SatelliteTree()->FindSatellite(name);
        EXPECT_NE(satellite, nullptr);
        frame->ShowSatelliteDetails(satellite, location);
        EXPECT_EQ(shown, !text.isEmpty());
        return text;
    };
    // From Denver Galaxy 19 stands at 43.3 degrees, SES-15 at 37.8, and
    // Astra 1KR is below the level horizon.
    EXPECT_EQ(clearanceOf("Galaxy 19", denver), "2.3\u00B0 (clear)");
    EXPECT_EQ(clearanceOf("SES-15", denver), "-3.2\u00B0 (blocked)");
    EXPECT_EQ(clearanceOf("Astra 1KR", denver), "-- (below the horizon)");
    EXPECT_EQ(clearanceOf("Galaxy 19", frame->LocationTree()->FindLocation("Houston, TX")), "");
}

TEST_F(HorizonWindowTest, EditorRenameCarriesTheHorizonAndDeleteDropsIt) {
    bool enabledForSaved = false, enabledWhileAdding = true, enabledAfterSave = false;
    QString whyNot;
    WhenModal<CLocationEditorDlg>([&](CLocationEditorDlg* dlg) {
        auto* horizon = Child<QPushButton>(dlg, "horizon");
        enabledForSaved = horizon->isEnabled();
        TypeInto(Child<QLineEdit>(dlg, "locationName"), "Denver West, CO");
        Click(dlg, "save");
        Click(dlg, "addLocation");
        enabledWhileAdding = horizon->isEnabled();
        whyNot = horizon->toolTip();
        // Once the new location is saved it can have a horizon.
        TypeInto(Child<QLineEdit>(dlg, "locationName"), "Golden, CO");
        TypeInto(Child<QLineEdit>(dlg, "latitude"), "39.76");
        TypeInto(Child<QLineEdit>(dlg, "longitude"), "105.22");
        PickCombo(Child<QComboBox>(dlg, "region"), "North America");
        Click(dlg, "save");
        enabledAfterSave = horizon->isEnabled();
        Click(dlg, "close");
    });
    CDatabaseEditor(*frame).EditLocations(denver);
    EXPECT_TRUE(enabledForSaved);
    EXPECT_FALSE(enabledWhileAdding);
    EXPECT_TRUE(enabledAfterSave);
    EXPECT_TRUE(whyNot.contains("Save the new location first")) << whyNot.toStdString();
    EXPECT_EQ(Written().Locations(), std::vector<std::string>{"Denver West, CO"});
    EXPECT_GT(BlockedRows(), 0);

    WhenModal<CLocationEditorDlg>([&](CLocationEditorDlg* dlg) {
        messages->Script({IDYES});
        Click(dlg, "delete");
        Click(dlg, "close");
    });
    CDatabaseEditor(*frame).EditLocations(frame->LocationTree()->FindLocation("Denver West, CO"));
    EXPECT_TRUE(Written().Locations().empty());
}
