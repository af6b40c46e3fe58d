// Importing orbital elements in the running program: the dialog's rows and
// the ones it offers checked, a satellite chosen by hand, the slots written
// to the database file, and the note of an inclined orbit after the import.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTreeWidget>
#include <cmath>
#include <fstream>

#include "EditorSupport.h"
#include "UiSupport.h"
#include "core/orbits/OrbitRecords.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/TilvexDoc.h"
#include "resources/ids.h"
#include "ui/display/TilvexView.h"
#include "ui/orbits/OrbitsDlg.h"
#include "ui/satellites/SatelliteDetailsDlg.h"
#include "ui/satellites/SatelliteInfoPane.h"

namespace {

std::string WithChecksum(std::string line) {
    int sum = 0;
    for (const char c : line)
        sum += c == '-' ? 1 : (c >= '0' && c <= '9' ? c - '0' : 0);
    return line + char('0' + sum % 10);
}

// An object that stays over `east` (degrees) with the given inclination, its
// elements of 2026-12-01 12:00 UTC (GMST 250.3599044 degrees).
std::string Object(const char* name, int number, double east, double inclination) {
    const double anomaly = std::fmod(east + 250.3599044 + 720.0, 360.0);
    char one[80], two[80];
    std::snprintf(one, sizeof one, "1 %05dU 06012A   26335.50000000  .00000089  00000-0  00000+0 0  999",
                  number);
    std::snprintf(two, sizeof two, "2 %05d %8.4f %8.4f 0002000 %8.4f %8.4f %11.8f%5d", number, inclination,
                  0.0, 0.0, anomaly, 1.00273791, 12345);
    return std::string(name) + "\n" + WithChecksum(one) + "\n" + WithChecksum(two) + "\n";
}

}  // namespace

class OrbitsDlgTest : public ProgramFixture {};

TEST_F(OrbitsDlgTest, ImportChecksTheRowsOffAndUpdatesTheCheckedSlots) {
    CMainFrame* frame =
        Start(false, QString::fromStdString((data / "United States Ku Band Satellites.wrk").string()));
    ASSERT_NE(frame, nullptr);
    ASSERT_TRUE(frame->Action(ids::ID_FILE_IMPORT_ORBITS));
    std::string broken = Object("BROKEN", 11111, -97.0, 0.0);
    broken[broken.size() - 2] = broken[broken.size() - 2] == '0' ? '1' : '0';  // its second line's checksum
    const std::filesystem::path path = dir / "geo.tle";
    std::ofstream(path) << Object("GALAXY 19", 33376, -97.30, 0.02)   // by name, 0.30 off: checked
                        << Object("GALAXY-28", 28644, -89.02, 0.01)   // by name, 0.02 off
                        << broken                                     // lines 7 to 9
                        << Object("UNKNOWN 7", 40000, -105.30, 0.05)  // by slot: SES-11, 0.30 off
                        << Object("GALAXY 30", 46114, -125.00, 3.5)   // inclined
                        << Object("FAR AWAY", 41000, 175.0, 0.03);    // no satellite near

    WhenModal<COrbitsDlg>([](COrbitsDlg* dialog) {
        QTreeWidget* rows = dialog->Rows();
        ASSERT_EQ(rows->topLevelItemCount(), 5);
        auto text = [rows](int row, int column) {
            return rows->topLevelItem(row)->text(column).toStdString();
        };
        auto checked = [rows](int row) {
            return rows->topLevelItem(row)->data(COrbitsDlg::ColObject, Qt::CheckStateRole);
        };
        EXPECT_EQ(text(0, COrbitsDlg::ColObject), "GALAXY 19 (33376)");
        EXPECT_EQ(text(0, COrbitsDlg::ColSatellite), "Galaxy 19");
        EXPECT_EQ(text(0, COrbitsDlg::ColSlot), "97.0\u00B0W");
        EXPECT_EQ(text(0, COrbitsDlg::ColLongitude), "97.30\u00B0W");
        EXPECT_EQ(text(0, COrbitsDlg::ColDifference), "-0.30\u00B0");
        EXPECT_EQ(text(0, COrbitsDlg::ColDrift), "+0.000\u00B0/day");
        EXPECT_EQ(text(1, COrbitsDlg::ColSatellite), "Galaxy 28");
        EXPECT_EQ(text(2, COrbitsDlg::ColSatellite), "SES-11");
        EXPECT_EQ(text(3, COrbitsDlg::ColInclination), "3.50\u00B0");
        EXPECT_EQ(text(4, COrbitsDlg::ColSatellite), "-");
        EXPECT_EQ(checked(0), Qt::Checked);
        EXPECT_EQ(checked(1), Qt::Unchecked);
        EXPECT_EQ(checked(2), Qt::Checked);
        EXPECT_EQ(checked(3), Qt::Unchecked);
        EXPECT_FALSE(checked(4).isValid());  // nothing to update
        // Only matched objects are shown until asked for all.
        EXPECT_TRUE(rows->topLevelItem(4)->isHidden());
        Click(dialog, "orbitsShowUnmatched");
        EXPECT_FALSE(rows->topLevelItem(4)->isHidden());

        // The far object given Galaxy 31 by hand: checked for its update.
        rows->setCurrentItem(rows->topLevelItem(4));
        QComboBox* choice = dialog->SatelliteChoice();
        ASSERT_TRUE(choice->isEnabled());
        EXPECT_EQ(choice->currentIndex(), 0);
        const int galaxy31 = choice->findText("Galaxy 31", Qt::MatchStartsWith);
        ASSERT_GT(galaxy31, 0);
        choice->setCurrentIndex(galaxy31);
        emit choice->activated(galaxy31);
        EXPECT_EQ(text(4, COrbitsDlg::ColSatellite), "Galaxy 31");
        EXPECT_EQ(checked(4), Qt::Checked);
        Click(dialog, "updateSlots");
    });
    EXPECT_EQ(ImportOrbitalElements(*frame, frame, QString::fromStdString(path.string())), 3u);
    ASSERT_EQ(messages->Texts().size(), 1u);
    EXPECT_NE(messages->Texts()[0].find("geo.tle"), std::string::npos);
    EXPECT_NE(messages->Texts()[0].find("line 9: "), std::string::npos) << messages->Texts()[0];

    // The file holds the new slots.
    CRecordDatabase<CSatellite> disk((data / kSatelliteDatabaseFile).string());
    ASSERT_EQ(disk.LoadDatabase(), CRecordDatabase<CSatellite>::LoadResult::Loaded);
    auto slot = [&disk](const char* name) {
        const CSatellite* satellite = disk.Find(name);
        return satellite ? satellite->SignedLongitude() : 999.0f;
    };
    EXPECT_FLOAT_EQ(slot("Galaxy 19"), 97.3f);
    EXPECT_FLOAT_EQ(slot("SES-11"), 105.3f);
    EXPECT_FLOAT_EQ(slot("Galaxy 31"), -175.0f);
    EXPECT_FLOAT_EQ(slot("Galaxy 28"), 89.0f);
    EXPECT_FLOAT_EQ(slot("Galaxy 30"), 125.0f);

    // The inclined satellite's note, in the details and the info pane, from
    // orbits.csv as a restart would read it.
    COrbitRecords kept;
    EXPECT_FALSE(kept.Load((data / kOrbitRecordsFile).string()));
    ASSERT_TRUE(kept.Find("Galaxy 30"));
    EXPECT_DOUBLE_EQ(kept.Find("Galaxy 30")->inclination, 3.5);
    CSatelliteDatabase* database = frame->GetSatelliteDatabase();
    const std::string note =
        "inclined orbit: moves \u00B13.5\u00B0 north and south each day; a fixed dish may lose it";
    CSatelliteDetailsDlg details(frame);
    const CLocation* site = frame->GetDocument()->GetCurrentLocation();
    ASSERT_TRUE(site);
    for (const char* name : {"Galaxy 30", "Galaxy 19"}) {
        details.SetData(database->FindSatellite(name), site, 0, database);
        details.OnInitDialog();
        EXPECT_EQ(Child<QLabel>(&details, "detailsOrbitNote")->text().toStdString(),
                  name[7] == '3' ? note : "")
            << name;
    }
    const auto& names = frame->GetDocument()->GetSatelliteNames();
    const auto galaxy30 = std::find(names.begin(), names.end(), "Galaxy 30");
    ASSERT_NE(galaxy30, names.end());
    CSatelliteInfoPane* pane = frame->GetLookAngleViewPane()->InfoPane();
    pane->ShowSatellite(static_cast<int>(galaxy30 - names.begin()));
    EXPECT_EQ(pane->SlotText().toStdString(), "125.0\u00B0W \u2195");
    EXPECT_EQ(Child<QLabel>(pane, "infoSlot")->toolTip().toStdString(), note);
}
