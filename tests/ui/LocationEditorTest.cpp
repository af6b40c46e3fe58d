// The location database editor, driven through its controls.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <cmath>

#include "EditorSupport.h"
#include "TestSupport.h"
#include "core/framework/Format.h"
#include "core/geomag/GeomagModel.h"
#include "core/locations/LocationDatabase.h"
#include "core/sites/Maidenhead.h"
#include "core/workspace/EditorRules.h"
#include "ui/locations/LocationEditorDlg.h"
#include "ui/sites/FindPlaceDlg.h"

namespace {

class LocationEditorTest : public ::testing::Test {
protected:
    TempDir dir;
    std::unique_ptr<ScopedCwd> cwd;
    CLocationDatabase db;
    MessageCapture messages;
    std::unique_ptr<CLocationEditorDlg> dlg;

    void SetUp() override {
        std::filesystem::copy_file(SourceDataDir() / "MagData.dat", dir / "MagData.dat");
        cwd = std::make_unique<ScopedCwd>(dir.Path());
        db.Append(
            MakeLocation("Denver, CO", 39.74f, true, 104.99f, true, 7.2f, false, LOC_REGION_NORTH_AMERICA));
        db.Append(MakeLocation("Berlin", 52.52f, true, 13.405f, false, MAGVAR_AUTO, true, LOC_REGION_EUROPE));
        db.Append(MakeLocation("Nowhere", 1.0f, false, 2.0f, false, 100.0f, true, 4096));
    }
    void TearDown() override { cwd.reset(); }
    void Open(CLocation* initial = nullptr) {
        dlg = std::make_unique<CLocationEditorDlg>();
        dlg->SetDatabase(&db);
        dlg->SetCurrent(initial);
        dlg->OnInitDialog();
        dlg->show();
    }
    template <class T>
    T* C(const char* name) {
        return Child<T>(dlg.get(), name);
    }
    QLineEdit* Edit(const char* name) { return C<QLineEdit>(name); }
    std::vector<std::string> Save() {
        messages.Clear();
        Click(dlg.get(), "save");
        return messages.Texts();
    }
    // The model's declination, East positive, for a site given North and
    // East positive.
    static float Declination(float lat, float lon) { return *CGeomagModel().Declination(lat, lon); }
};

}  // namespace

TEST_F(LocationEditorTest, ShowsTypedAndAutomaticVariationsWithTheirDirections) {
    Open(db.GetRecords()[0].get());
    EXPECT_EQ(Edit("locationName")->text(), "Denver, CO");
    EXPECT_EQ(Edit("latitude")->text(), "39.74");
    EXPECT_EQ(Edit("longitude")->text(), "104.99");
    EXPECT_EQ(Edit("variation")->text(), "7.2");
    EXPECT_TRUE(C<QRadioButton>("variationEast")->isChecked());
    EXPECT_TRUE(Edit("variation")->isEnabled());
    EXPECT_FALSE(C<QCheckBox>("autoVariation")->isChecked());
    EXPECT_EQ(C<QComboBox>("region")->currentText(), "North America");
    EXPECT_FALSE(C<QPushButton>("save")->isEnabled());

    // Berlin's variation is computed, East, whatever direction the record holds.
    PickEntry(C<QListView>("locationList"), "Berlin");
    const float d = Declination(52.52f, 13.405f);
    ASSERT_GT(d, 0.0f);
    EXPECT_EQ(Edit("variation")->text().toStdString(), Format("%3.1f", static_cast<double>(d)));
    EXPECT_TRUE(C<QRadioButton>("variationEast")->isChecked());
    EXPECT_TRUE(C<QCheckBox>("autoVariation")->isChecked());
    EXPECT_FALSE(Edit("variation")->isEnabled());
    EXPECT_TRUE(C<QRadioButton>("longitudeEast")->isChecked());

    // A region the table does not know selects none and says so.
    PickEntry(C<QListView>("locationList"), "Nowhere");
    EXPECT_EQ(Edit("variation")->text(), "100.0");
    EXPECT_EQ(C<QComboBox>("region")->currentIndex(), -1);
    EXPECT_EQ(C<QComboBox>("region")->placeholderText(), "(unknown region 4096)");
    TypeInto(Edit("locationName"), "Somewhere");
    EXPECT_EQ(Save(), std::vector<std::string>{editor_messages::kLocationNoRegion});
    EXPECT_EQ(db.GetRecords()[2]->GetName(), "Nowhere");
}

TEST_F(LocationEditorTest, TickingAutomaticVariationShowsTheModelAndStoresTheMarker) {
    Open(db.GetRecords()[0].get());
    Click(dlg.get(), "autoVariation");
    const float d = Declination(39.74f, -104.99f);
    EXPECT_EQ(Edit("variation")->text().toStdString(), Format("%3.1f", std::fabs(static_cast<double>(d))));
    EXPECT_TRUE(C<QRadioButton>(d < 0 ? "variationWest" : "variationEast")->isChecked());
    EXPECT_FALSE(Edit("variation")->isEnabled());
    EXPECT_TRUE(C<QPushButton>("save")->isEnabled());
    EXPECT_TRUE(Save().empty());
    EXPECT_EQ(db.GetRecords()[0]->GetMagVar(), MAGVAR_AUTO);

    // Cape Town's variation is West.
    TypeInto(Edit("latitude"), "33.92");
    Click(dlg.get(), "south");
    TypeInto(Edit("longitude"), "18.42");
    Click(dlg.get(), "longitudeEast");
    EXPECT_TRUE(Edit("variation")->text().isEmpty());  // a new position empties it
    EXPECT_TRUE(Save().empty());
    const float south = Declination(-33.92f, 18.42f);
    ASSERT_LT(south, 0.0f);
    EXPECT_EQ(Edit("variation")->text().toStdString(), Format("%3.1f", -static_cast<double>(south)));
    EXPECT_TRUE(C<QRadioButton>("variationWest")->isChecked());
    EXPECT_EQ(db.GetRecords()[0]->GetMagVar(), MAGVAR_AUTO);
    EXPECT_EQ(db.GetRecords()[0]->IsNorth(), 0);

    // Unticking asks for a typed value again.
    Click(dlg.get(), "autoVariation");
    EXPECT_TRUE(Edit("variation")->isEnabled());
    EXPECT_TRUE(Edit("variation")->text().isEmpty());
    EXPECT_EQ(Save(), std::vector<std::string>{editor_messages::kBadVariation});
}

TEST_F(LocationEditorTest, TypedVariationsAndCoordinatesAreCheckedAtSave) {
    Open(db.GetRecords()[0].get());
    struct Case {
        const char* text;
        bool accepted;
        float stored;
    };
    for (const Case& c : {Case{"180", true, 180.0f}, Case{"180.1", false, 0}, Case{"-1", false, 0},
                          Case{"nan", true, 0.0f}, Case{"1e999", false, 0}, Case{"abc", true, 0.0f},
                          Case{"12,5", true, 12.0f}, Case{"  3.5", true, 3.5f}}) {
        TypeInto(Edit("variation"), c.text);
        const auto shown = Save();
        if (c.accepted) {
            EXPECT_TRUE(shown.empty()) << c.text;
            EXPECT_EQ(db.GetRecords()[0]->GetMagVar(), c.stored) << c.text;
        } else {
            EXPECT_EQ(shown, std::vector<std::string>{editor_messages::kBadVariation}) << c.text;
        }
    }
    // Latitude and longitude must be whole numbers within their ranges;
    // a bad longitude is reported before a bad latitude.
    TypeInto(Edit("latitude"), "90.5");
    TypeInto(Edit("longitude"), "x");
    TypeInto(Edit("variation"), "1");
    EXPECT_EQ(Save(), std::vector<std::string>{"Please enter a number for the longitude."});
    TypeInto(Edit("longitude"), "180");
    TypeInto(Edit("variation"), "1");
    EXPECT_EQ(Save(), std::vector<std::string>{"Please enter a number between 0 and 90 for the latitude."});
    for (const char* bad : {"12,5", "1e999", "nan", "0x10", ""}) {
        TypeInto(Edit("latitude"), bad);
        EXPECT_EQ(Save(), std::vector<std::string>{"Please enter a number for the latitude."}) << bad;
    }
    TypeInto(Edit("latitude"), "-0");
    TypeInto(Edit("variation"), "1");
    EXPECT_TRUE(Save().empty());
    EXPECT_EQ(db.GetRecords()[0]->GetLongitude(), 180.0f);
    EXPECT_EQ(db.GetRecords()[0]->GetLatitude(), 0.0f);
    EXPECT_FALSE(std::signbit(db.GetRecords()[0]->GetLatitude()));
    EXPECT_EQ(Edit("latitude")->text(), "0");
}

TEST_F(LocationEditorTest, ANewLocationIsValidatedInOrderThenAdded) {
    namespace m = editor_messages;
    Open();
    EXPECT_FALSE(Edit("latitude")->isEnabled());
    Click(dlg.get(), "addLocation");
    EXPECT_TRUE(C<QCheckBox>("autoVariation")->isChecked());
    EXPECT_FALSE(Edit("variation")->isEnabled());
    EXPECT_TRUE(Edit("latitude")->text().isEmpty());
    TypeInto(Edit("locationName"), "denver, co");
    TypeInto(Edit("latitude"), "40");
    TypeInto(Edit("longitude"), "105");
    EXPECT_EQ(Save(),
              std::vector<std::string>{"Location denver, co already exists.  Save under a new name."});
    TypeInto(Edit("locationName"), "");
    EXPECT_EQ(Save(), std::vector<std::string>{m::kLocationNoRegion});
    PickCombo(C<QComboBox>("region"), "South Pacific");
    EXPECT_EQ(Save(), std::vector<std::string>{m::kLocationNoName});
    TypeInto(Edit("locationName"), "Boulder, CO");
    EXPECT_TRUE(Save().empty());
    ASSERT_EQ(db.GetSize(), 4u);
    const CLocation* added = db.GetRecords()[3].get();
    EXPECT_EQ(added->GetName(), "Boulder, CO");
    EXPECT_EQ(added->GetLatitude(), 40.0f);
    EXPECT_EQ(added->IsWest(), 1);
    EXPECT_EQ(added->GetMagVar(), MAGVAR_AUTO);
    EXPECT_EQ(added->GetRegion(), LOC_REGION_SOUTH_PACIFIC);
    EXPECT_EQ(CurrentText(C<QListView>("locationList")), "Boulder, CO");
    EXPECT_TRUE(dlg->HasChanged());
}

TEST_F(LocationEditorTest, DeletingEveryLocationLeavesNothingToSave) {
    Open(db.GetRecords()[0].get());
    messages.Script({IDYES, IDYES, IDYES});
    Click(dlg.get(), "delete");
    EXPECT_EQ(messages.Texts().front(), "Are you sure you want to delete location Denver, CO?");
    Click(dlg.get(), "delete");
    Click(dlg.get(), "delete");
    EXPECT_TRUE(db.IsEmpty());
    EXPECT_EQ(ListCount(C<QListView>("locationList")), 0);
    EXPECT_TRUE(Edit("locationName")->text().isEmpty());
    EXPECT_FALSE(Edit("locationName")->isEnabled());
    EXPECT_FALSE(C<QPushButton>("save")->isEnabled());
    dlg->OnSave();
    EXPECT_TRUE(db.IsEmpty());
    Click(dlg.get(), "close");
    EXPECT_EQ(dlg->result(), 1);
}

// "Find..." fills a new location from a place of the list: a name that
// Windows-1252 cannot hold comes in ASCII letters, the sides follow the
// signs, the region the country.  The locator follows the point, and a typed
// locator moves it.
TEST_F(LocationEditorTest, FindAndLocatorFillTheSite) {
    Open();
    Click(dlg.get(), "addLocation");
    WhenModal<CFindPlaceDlg>([](CFindPlaceDlg* find) {
        QTest::keyClicks(Child<QLineEdit>(find, "search"), "lodz");
        auto* places = Child<QTreeWidget>(find, "places");
        QTest::mouseClick(places->viewport(), Qt::LeftButton, {},
                          places->visualItemRect(places->topLevelItem(0)).center());
        QTest::mouseClick(find->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    Click(dlg.get(), "findPlace");
    EXPECT_EQ(Edit("locationName")->text(), "Lodz");
    EXPECT_EQ(Edit("latitude")->text(), "51.7706");
    EXPECT_EQ(Edit("longitude")->text(), "19.4739");
    EXPECT_TRUE(C<QRadioButton>("north")->isChecked());
    EXPECT_TRUE(C<QRadioButton>("longitudeEast")->isChecked());
    EXPECT_EQ(C<QComboBox>("region")->currentText(), "Europe");
    EXPECT_EQ(Edit("locator")->text().toStdString(), MaidenheadLocator(51.7706, 19.4739));
    EXPECT_TRUE(Save().empty());
    ASSERT_EQ(db.GetSize(), 4u);
    const CLocation* added = db.GetRecords()[3].get();
    EXPECT_EQ(added->GetName(), "Lodz");
    EXPECT_EQ(added->IsWest(), 0);
    EXPECT_EQ(added->GetRegion(), LOC_REGION_EUROPE);
    EXPECT_EQ(added->GetMagVar(), MAGVAR_AUTO);

    // A typed locator moves the point to its square's centre, name and
    // region kept; one that is no locator is refused with a message.
    QLineEdit* locator = Edit("locator");
    TypeInto(locator, "jp99lp");
    QTest::keyClick(locator, Qt::Key_Return);
    EXPECT_EQ(Edit("latitude")->text(), "69.6458");
    EXPECT_EQ(Edit("longitude")->text(), "18.9583");
    EXPECT_EQ(Edit("locationName")->text(), "Lodz");
    EXPECT_TRUE(C<QPushButton>("save")->isEnabled());
    EXPECT_EQ(locator->text(), "JP99lp");
    messages.Clear();
    TypeInto(locator, "ZZ99");
    QTest::keyClick(locator, Qt::Key_Return);
    ASSERT_EQ(messages.Texts().size(), 1u);
    EXPECT_NE(messages.Texts()[0].find("Maidenhead locator"), std::string::npos);
    EXPECT_EQ(Edit("latitude")->text(), "69.6458");
}
