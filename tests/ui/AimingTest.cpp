// The details dialog's "Aiming" section and its printed sheet.
#include <gtest/gtest.h>

#include <QDoubleSpinBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "EditorSupport.h"
#include "TestSupport.h"
#include "core/aim/AimSettings.h"
#include "core/framework/Cp1252.h"
#include "core/framework/Document.h"
#include "core/framework/Profile.h"
#include "core/horizon/Clearance.h"
#include "core/locations/Location.h"
#include "core/satellites/SatelliteDatabase.h"
#include "ui/framework/QtText.h"
#include "ui/printing/PrintSupport.h"
#include "ui/satellites/AimingSection.h"
#include "ui/satellites/SatelliteDetailsDlg.h"

namespace {

class AimingTest : public ::testing::Test {
protected:
    TempDir dir;
    CProfile settings{(dir / "tilvex.INI").string()};
    CSatelliteDatabase db;
    std::unique_ptr<CLocation> denver = MakeLocation("Denver, CO", 39.74f, true, 104.99f, true);
    std::unique_ptr<CSatelliteDetailsDlg> dlg;

    void SetUp() override {
        AfxGetAppContext().profile = &settings;
        db.Append(MakeSatellite("Galaxy 19", 97.0f, true));
    }
    void TearDown() override {
        dlg.reset();
        AfxGetAppContext() = CAppContext();
    }
    void Open() {
        dlg = std::make_unique<CSatelliteDetailsDlg>();
        dlg->SetData(db.FindSatellite("Galaxy 19"), denver.get(), 0, &db);
        dlg->OnInitDialog();
    }
    // The sheet the dialog should show: today's, with the settings' offset
    // and frequency.
    std::vector<AimLine> Expected(double offset, double frequency) const {
        AimRequest request;
        request.latitude = 39.74f;
        request.siteLongitude = 104.99f;
        request.satLongitude = 97.0f;
        request.offset = offset;
        request.frequencyGHz = frequency;
        request.date =
            SiteDate(request.siteLongitude, std::chrono::duration_cast<std::chrono::seconds>(
                                                std::chrono::system_clock::now().time_since_epoch())
                                                .count());
        return AimSheetLines(request);
    }
    QString Shown(const char* name) { return Child<QLabel>(dlg.get(), name)->text(); }
};

}  // namespace

TEST_F(AimingTest, DetailsShowTheSheetWithTheSettingsOffsetAndFrequency) {
    ASSERT_TRUE(WriteDishBeam(settings, {0.9, 11.7}));
    ASSERT_TRUE(WriteDishOffset(settings, 30.0));
    Open();
    CAimingSection* aiming = dlg->AimingSection();
    EXPECT_DOUBLE_EQ(aiming->OffsetBox()->value(), 30.0);
    const std::vector<AimLine> expected = Expected(30.0, 11.7);
    // Every line of the sheet, then the shadow time on this computer's clock.
    ASSERT_EQ(aiming->Lines().size(), expected.size() + 1);
    for (const AimLine& line : expected)
        EXPECT_EQ(aiming->ValueText(line.key).toStdString(), Cp1252ToUtf8(line.value)) << line.key;
    EXPECT_EQ(aiming->Lines().back().key, kAimLocalShadowKey);
    // Denver to 97 W: 43.3 degrees up, so the face leans 13.3 degrees back;
    // the motor turns East of South, the way the site is West of the slot.
    EXPECT_EQ(Shown("aim_dish_face_tilt"), "13.3\u00B0 back");
    EXPECT_TRUE(Shown("aim_motor_angle").endsWith("East"));
    EXPECT_EQ(Shown("aim_motor_axis_elevation"), "39.7\u00B0");
    EXPECT_FALSE(Shown("aim_path_loss").isEmpty());

    // A prime-focus dish: the offset is saved and the tilt follows.
    aiming->OffsetBox()->setValue(0.0);
    EXPECT_EQ(settings.GetProfileString(kDishSection, kDishOffsetEntry), "0");
    EXPECT_EQ(Shown("aim_dish_face_tilt"), "43.3\u00B0 back");
}

TEST_F(AimingTest, PrintButtonPrintsOnePageWithEveryLine) {
    Open();
    const std::filesystem::path pdf = dir / "sheet.pdf";
    int pagesAsked = 0;
    const PrintDialogRunner previous = SetPrintDialogRunner([&](QPrinter& printer, int pages, QWidget*) {
        pagesAsked = pages;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf.string()));
        return true;
    });
    Click(dlg.get(), "printAimingSheet");
    SetPrintDialogRunner(previous);
    ReportPrinter().setOutputFileName(QString());
    EXPECT_EQ(pagesAsked, 1);
    ASSERT_TRUE(std::filesystem::exists(pdf));
    if (std::system("command -v pdftotext >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "pdftotext is not installed (poppler-utils)";
    const std::filesystem::path txt = dir / "sheet.txt";
    ASSERT_EQ(std::system(("pdftotext '" + pdf.string() + "' '" + txt.string() + "'").c_str()), 0);
    const std::string text = ReadFileBytes(txt);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\f'), 1);
    for (const char* expected : {"Aiming Sheet", "Denver, CO", "Galaxy 19"})
        EXPECT_NE(text.find(expected), std::string::npos) << expected;
    for (const AimLine& line : dlg->AimingSection()->Lines()) {
        EXPECT_NE(text.find(AimLineLabel(line.key)), std::string::npos) << line.key;
        EXPECT_NE(text.find(Cp1252ToUtf8(line.value)), std::string::npos) << line.key;
    }
}
