// The sky view, the export of the look angles, the LNB skew of the details
// dialog and the sun-outage dialog, driven through the program's windows.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QImage>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTest>
#include <QToolBar>
#include <QToolTip>
#include <QTreeWidget>
#include <algorithm>
#include <cmath>
#include <optional>

#include "EditorSupport.h"
#include "UiSupport.h"
#include "core/framework/Cp1252.h"
#include "core/horizon/HorizonFile.h"
#include "core/locations/Location.h"
#include "core/locations/LocationDatabase.h"
#include "core/reports/ReportOutput.h"
#include "core/satellites/LnbSkew.h"
#include "core/satellites/Satellite.h"
#include "core/satellites/SunOutage.h"
#include "resources/ids.h"
#include "ui/app/UserFolders.h"
#include "ui/display/ArcGrid.h"
#include "ui/display/SkyView.h"
#include "ui/display/TilvexView.h"
#include "ui/framework/QtText.h"
#include "ui/horizon/SiteHorizons.h"
#include "ui/locations/LocationTree.h"
#include "ui/satellites/SatelliteDetailsDlg.h"
#include "ui/satellites/SatelliteInfoPane.h"
#include "ui/satellites/SunOutageDlg.h"

class SkyViewTest : public ProgramFixture {
protected:
    CMainFrame* frame = nullptr;
    CSkyView* sky = nullptr;
    CSkyPlot* plot = nullptr;

    void OpenSkyView() {
        frame = Start();
        ASSERT_NE(frame, nullptr);
        frame->show();
        QAction* command = frame->Action(ids::ID_VIEW_SKY_VIEW);
        ASSERT_NE(command, nullptr);
        command->trigger();
        sky = frame->SkyView();
        ASSERT_NE(sky, nullptr);
        ASSERT_TRUE(sky->isVisible());
        plot = sky->Plot();
        plot->resize(500, 500);
        QApplication::processEvents();
    }

    void ChooseLocation(const char* name) {
        auto* list = frame->findChild<QListWidget*>("locationList");
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name;
        list->setCurrentRow(list->row(found.front()));
    }

    // Where the plot must show a satellite: its direction from the current
    // location, turned by the variation when the grid shows magnetic
    // azimuths.
    QPointF Expected(const CSatellite& satellite) const {
        const CLocation* site = frame->GetDocument()->GetCurrentLocation();
        const SkyDirection d = GeostationaryLookAngle(site->SignedLatitude(), site->SignedLongitude(),
                                                      satellite.SignedLongitude());
        const bool magnetic = frame->GetDocument()->GetOptions() & GRID_MAGNETIC;
        const double a = (d.azimuth + (magnetic ? *site->SignedMagVar() : 0.0)) * M_PI / 180.0;
        const PolarPlot p = plot->Plot();
        const double r = p.radius * (90.0 - d.elevation) / 90.0;
        return {p.centreX + r * std::sin(a), p.centreY - r * std::cos(a)};
    }
};

TEST_F(SkyViewTest, PointsAreDrawnWhereTheSatellitesStand) {
    OpenSkyView();
    ChooseLocation("Denver, CO");
    EXPECT_EQ(plot->Title(), "Denver, CO");
    // Every row of the grid above the horizon, none other.
    const CArcGrid* grid = frame->GetLookAngleViewPane()->Grid();
    int visible = 0;
    for (int row = 0; row < grid->count(); ++row)
        if (grid->RowTexts(row).elevation != "--")
            ++visible;
    ASSERT_EQ(static_cast<int>(plot->Points().size()), visible);
    ASSERT_GE(visible, 5);
    const QImage image = plot->grab().toImage();
    for (const SkyPoint& point : plot->Points()) {
        SCOPED_TRACE(point.label);
        const QPointF at = Expected(*point.satellite);
        const PolarPlot::Point drawn = plot->Plot().Place(point.direction);
        EXPECT_NEAR(drawn.x, at.x(), 1e-6);
        EXPECT_NEAR(drawn.y, at.y(), 1e-6);
        // The point's own colour is painted there: dark grey, or red for
        // the current satellite.
        const QColor pixel = image.pixelColor(qRound(at.x()), qRound(at.y()));
        // Two satellites in one slot: the current one is drawn on top.
        bool underCurrent = false;
        for (const SkyPoint& other : plot->Points())
            if (other.current && !point.current) {
                const QPointF o = Expected(*other.satellite);
                underCurrent = std::hypot(o.x() - at.x(), o.y() - at.y()) < 8.0;
            }
        if (underCurrent)
            continue;
        if (point.current)
            EXPECT_GT(pixel.red(), 150) << pixel.name().toStdString();
        else
            EXPECT_LT(pixel.lightness(), 80) << pixel.name().toStdString();
    }
    // The arc ends on the horizon, at the rim.
    const PolarPlot p = plot->Plot();
    const PolarPlot::Point end = p.Place(plot->Arc().front());
    EXPECT_NEAR(std::hypot(end.x - p.centreX, end.y - p.centreY), p.radius, 1e-6);
}

TEST_F(SkyViewTest, ClickingAPointMakesItCurrentAndTheViewFollowsChanges) {
    OpenSkyView();
    ChooseLocation("Denver, CO");
    const std::vector<SkyPoint> before = plot->Points();
    ASSERT_GE(before.size(), 3u);
    // A satellite that is not current.
    const SkyPoint* target = nullptr;
    for (const SkyPoint& point : before)
        if (!point.current)
            target = &point;
    ASSERT_NE(target, nullptr);
    CSatellite* satellite = target->satellite;
    const QPointF at = Expected(*satellite);
    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, at.toPoint());
    EXPECT_EQ(frame->GetDocument()->GetCurrentSatellite(), satellite);
    EXPECT_EQ(frame->GetLookAngleViewPane()->Grid()->SelectedSatellite(), satellite);
    EXPECT_EQ(frame->findChild<QLabel*>("infoName")->text(), FromCp1252(satellite->GetName()));
    for (const SkyPoint& point : plot->Points())
        EXPECT_EQ(point.current, point.satellite == satellite);
    // A click on empty sky changes nothing.
    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, QPoint(5, plot->height() - 5));
    EXPECT_EQ(frame->GetDocument()->GetCurrentSatellite(), satellite);

    // A grid selection moves the highlight too.
    CArcGrid* grid = frame->GetLookAngleViewPane()->Grid();
    grid->setCurrentRow(grid->count() - 1);
    for (const SkyPoint& point : plot->Points())
        EXPECT_EQ(point.current, point.satellite == grid->SatelliteAt(grid->count() - 1));

    // Another location moves every point.
    ChooseLocation("New York, NY");
    EXPECT_EQ(plot->Title(), "New York, NY");
    ASSERT_FALSE(plot->Points().empty());
    for (const SkyPoint& point : plot->Points()) {
        const QPointF expected = Expected(*point.satellite);
        const PolarPlot::Point drawn = plot->Plot().Place(point.direction);
        EXPECT_NEAR(drawn.x, expected.x(), 1e-6);
        EXPECT_NEAR(drawn.y, expected.y(), 1e-6);
    }
}

// The mouse resting on a point shows the satellite's name, whether its label
// found room or not; over empty sky no name shows.
TEST_F(SkyViewTest, ThePointUnderTheMouseShowsItsName) {
    OpenSkyView();
    ChooseLocation("Denver, CO");
    // A point with no other near it.
    const SkyPoint* target = nullptr;
    for (const SkyPoint& point : plot->Points()) {
        const QPointF at = Expected(*point.satellite);
        bool alone = true;
        for (const SkyPoint& other : plot->Points()) {
            const QPointF o = Expected(*other.satellite);
            if (&other != &point && std::hypot(o.x() - at.x(), o.y() - at.y()) < 10.0)
                alone = false;
        }
        if (alone)
            target = &point;
    }
    ASSERT_NE(target, nullptr);
    const QPoint at = (Expected(*target->satellite) + QPointF(3, -2)).toPoint();
    QHelpEvent hover(QEvent::ToolTip, at, plot->mapToGlobal(at));
    QApplication::sendEvent(plot, &hover);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), FromCp1252(target->label));

    const QPoint empty(5, plot->height() - 5);
    QHelpEvent away(QEvent::ToolTip, empty, plot->mapToGlobal(empty));
    QApplication::sendEvent(plot, &away);
    EXPECT_TRUE(QTest::qWaitFor([] { return !QToolTip::isVisible(); }, 3000));
}

TEST_F(SkyViewTest, OptionsSwitchTheCaptionTheLabelsAndTheNorth) {
    OpenSkyView();
    ChooseLocation("New York, NY");
    CTilvexDoc* doc = frame->GetDocument();
    ASSERT_TRUE(doc->GetOptions() & GRID_MAGNETIC);
    EXPECT_EQ(plot->Caption(), "Azimuth (Magnetic)");
    const std::vector<SkyPoint> magnetic = plot->Points();
    ASSERT_FALSE(magnetic.empty());
    const QPointF magneticAt = Expected(*magnetic.front().satellite);
    EXPECT_EQ(magnetic.front().label, magnetic.front().satellite->GetName());

    doc->SetGridOptions((doc->GetOptions() & ~GRID_MAGNETIC) | GRID_SHOW_SLOT);
    EXPECT_EQ(plot->Caption(), "Azimuth (True)");
    ASSERT_EQ(plot->Points().size(), magnetic.size());
    const SkyPoint& first = plot->Points().front();
    EXPECT_EQ(first.label, frame->GetLookAngleViewPane()->Grid()->Model().TextsFor(*first.satellite).name);
    EXPECT_NE(first.label.find("  "), std::string::npos) << first.label;
    // New York's variation is 12.6W: the true azimuth is 12.6 degrees less,
    // so the point moves on the plot.
    const QPointF trueAt = Expected(*first.satellite);
    const PolarPlot::Point drawn = plot->Plot().Place(first.direction);
    EXPECT_NEAR(drawn.x, trueAt.x(), 1e-6);
    EXPECT_GT(std::hypot(trueAt.x() - magneticAt.x(), trueAt.y() - magneticAt.y()), 5.0);

    // Only the C band: the Ku-only satellites leave the sky as they leave the
    // grid.
    doc->SetGridOptions(GRID_C | GRID_SORT_BY_SLOT);
    const CArcGrid* grid = frame->GetLookAngleViewPane()->Grid();
    for (const SkyPoint& point : plot->Points())
        EXPECT_TRUE(point.satellite->GetFlags() & SAT_BAND_C);
    EXPECT_LE(static_cast<int>(plot->Points().size()), grid->count());
}

TEST_F(SkyViewTest, SavePictureWritesPngAndSvg) {
    OpenSkyView();
    ChooseLocation("Denver, CO");
    const QString png = QString::fromStdString((dir / "sky.png").string());
    const QString svg = QString::fromStdString((dir / "sky.svg").string());
    ASSERT_TRUE(sky->SavePicture(png));
#ifdef TILVEX_NO_SVG
    // Built without Qt SVG: an SVG picture is refused, and nothing written.
    EXPECT_FALSE(sky->SavePicture(svg));
    EXPECT_FALSE(std::filesystem::exists(dir / "sky.svg"));
#else
    ASSERT_TRUE(sky->SavePicture(svg));
#endif
    const QImage image(png);
    EXPECT_EQ(image.size(), plot->size());
    // The current satellite's red point is in the picture where it is on
    // the screen.
    for (const SkyPoint& point : plot->Points())
        if (point.current) {
            const QPointF at = Expected(*point.satellite);
            EXPECT_GT(image.pixelColor(qRound(at.x()), qRound(at.y())).red(), 150);
        }
#ifndef TILVEX_NO_SVG
    const std::string text = ReadFileBytes(dir / "sky.svg");
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("Denver, CO"), std::string::npos);
#endif
}

TEST_F(SkyViewTest, MenusHoldTheNewCommands) {
    frame = Start();
    ASSERT_NE(frame, nullptr);
    QStringList menus;
    for (QAction* action : frame->menuBar()->actions())
        menus << action->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&View", "&Help"}));
    QMenu* file = frame->menuBar()->actions().front()->menu();
    EXPECT_TRUE(file->actions().contains(frame->Action(ids::ID_FILE_EXPORT)));
    EXPECT_EQ(frame->Action(ids::ID_FILE_EXPORT)->text(), "&Export Look Angles...");
    EXPECT_TRUE(
        frame->findChild<QToolBar*>("toolBar")->actions().contains(frame->Action(ids::ID_VIEW_SKY_VIEW)));
}

TEST_F(SkyViewTest, ExportWritesTheGridsRowsForOneOrEveryLocation) {
    frame = Start();
    ASSERT_NE(frame, nullptr);
    CTilvexDoc* doc = frame->GetDocument();
    const CArcGridModel& grid = frame->GetLookAngleViewPane()->Grid()->Model();
    const QString path = QString::fromStdString((dir / "angles.csv").string());

    ASSERT_TRUE(frame->ExportLookAngles(path, false));
    const std::string one = ReadFileBytes(dir / "angles.csv");
    EXPECT_EQ(one, LookAnglesCsv(grid, {doc->GetCurrentLocation()}));
    // A header and one line per grid row.
    EXPECT_EQ(std::count(one.begin(), one.end(), '\n'), frame->GetLookAngleViewPane()->Grid()->count() + 1);
    EXPECT_EQ(one.rfind("Location,Latitude,Longitude,Magnetic Variation,Satellite,Slot,Azimuth "
                        "(Magnetic),Elevation,LNB Skew,",
                        0),
              0u);

    ASSERT_TRUE(frame->ExportLookAngles(path, true));
    const std::string all = ReadFileBytes(dir / "angles.csv");
    const auto locations = ListedLocations(doc->GetLocationNames(), *frame->GetLocationDatabase());
    EXPECT_EQ(locations.size(), doc->GetLocationNames().size());
    EXPECT_EQ(all, LookAnglesCsv(grid, locations));
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'),
              static_cast<long>(locations.size()) * frame->GetLookAngleViewPane()->Grid()->count() + 1);

    // The current location's horizon adds the Clearance column, with the
    // settings' beam.
    CHorizonProfile level;
    ASSERT_FALSE(level.AddPoint({0.0, 30.0}));
    CHorizonStore horizons;
    ASSERT_TRUE(horizons.SetProfile(doc->GetCurrentLocation()->GetName(), level));
    ASSERT_TRUE(CSiteHorizons::Current().SetProfile(doc->GetCurrentLocation()->GetName(), level));
    ASSERT_TRUE(frame->ExportLookAngles(path, false));
    const std::string clearance = ReadFileBytes(dir / "angles.csv");
    EXPECT_EQ(clearance, LookAnglesCsv(grid, {doc->GetCurrentLocation()}, &horizons, DishBeam()));
    EXPECT_NE(clearance.find(",Clearance,Clearance (degrees)\n"), std::string::npos);

    // A folder that does not exist: a message, and false.
    messages->Clear();
    EXPECT_FALSE(frame->ExportLookAngles(QString::fromStdString((dir / "no" / "such.csv").string()), false));
    ASSERT_EQ(messages->Texts().size(), 1u);
}

TEST_F(SkyViewTest, DetailsShowTheSkewAndOpenTheSunOutages) {
    frame = Start();
    ASSERT_NE(frame, nullptr);
    CTilvexDoc* doc = frame->GetDocument();
    CLocation* site = doc->GetCurrentLocation();
    CSatellite* satellite = doc->GetCurrentSatellite();
    ASSERT_TRUE(site && satellite);
    const std::string expectedSkew =
        LnbSkewDirectionText(site->SignedLatitude(), site->SignedLongitude(), satellite->SignedLongitude());
    ASSERT_NE(expectedSkew, "--");

    QString skew;
    int defaultRows = -1, smallDishRows = -1, badRows = -1;
    QString dish, frequency, badStatus, firstRow, firstLocal;
    std::optional<int> localOffset;
    std::vector<SunOutageDay> expected;
    WhenModal<CSatelliteDetailsDlg>([&](CSatelliteDetailsDlg* details) {
        skew = details->SkewText();
        WhenModal<CSunOutageDlg>([&](CSunOutageDlg* outages) {
            auto* list = outages->List();
            dish = Child<QLineEdit>(outages, "sunOutageDish")->text();
            frequency = Child<QLineEdit>(outages, "sunOutageFrequency")->text();
            auto* year = Child<QSpinBox>(outages, "sunOutageYear");
            year->setValue(2026);
            expected = ComputeSunOutages(site->SignedLatitude(), site->SignedLongitude(),
                                         satellite->SignedLongitude(), 2026);
            defaultRows = list->topLevelItemCount();
            if (defaultRows > 0) {
                QTreeWidgetItem* item = list->topLevelItem(0);
                for (int c = 0; c < 5; ++c)
                    firstRow += (c ? "\t" : "") + item->text(c);
                firstLocal = item->text(7);
            }
            localOffset = outages->ChosenOffsetMinutes();
            TypeInto(Child<QLineEdit>(outages, "sunOutageDish"), "0.45");
            smallDishRows = list->topLevelItemCount();
            TypeInto(Child<QLineEdit>(outages, "sunOutageDish"), "0");
            badRows = list->topLevelItemCount();
            badStatus = outages->StatusText();
            outages->reject();
        });
        Click(details, "sunOutagesButton");
        Click(details, "ok");
    });
    frame->ShowSatelliteDetails(satellite, site);

    EXPECT_EQ(skew, FromCp1252(expectedSkew));
    EXPECT_TRUE(skew.endsWith("clockwise (seen from behind the dish)")) << skew.toStdString();
    EXPECT_EQ(dish, "0.9");
    EXPECT_EQ(frequency, "12.0");
    ASSERT_FALSE(expected.empty());
    EXPECT_EQ(defaultRows, static_cast<int>(expected.size()));
    // The dialog's first row as the command line prints it.
    EXPECT_EQ(firstRow, QString::fromUtf8(Cp1252ToUtf8(SunOutageLine(expected.front())).c_str()));
    const QDateTime peak = QDateTime::fromSecsSinceEpoch(expected.front().peak, Qt::UTC);
    EXPECT_EQ(firstLocal,
              (localOffset ? peak.addSecs(*localOffset * 60LL) : peak.toLocalTime()).toString("HH:mm:ss"));
    EXPECT_GT(smallDishRows, defaultRows);
    EXPECT_EQ(badRows, 0);
    EXPECT_EQ(badStatus, "The dish diameter must be greater than 0 metres.");
}

// Local times: this computer's clock when the site lies near its zone, else
// the site's longitude time; any fixed offset may be chosen instead.
TEST_F(SkyViewTest, SunOutageLocalTimesFollowTheSiteOrTheComputer) {
    frame = Start();
    ASSERT_NE(frame, nullptr);
    CLocationDatabase& locations = *frame->GetLocationDatabase();
    const CLocation* denver = locations.FindLocation("Denver, CO");
    ASSERT_NE(denver, nullptr);
    const CSatellite* satellite = frame->GetDocument()->GetCurrentSatellite();
    ASSERT_NE(satellite, nullptr);

    // A computer in Berlin: Denver's times are shown at UTC-07:00.
    CSunOutageDlg fromBerlin(*satellite, *denver, 60);
    EXPECT_EQ(fromBerlin.ChosenOffsetMinutes(), std::optional<int>(-7 * 60));
    EXPECT_EQ(fromBerlin.LocalTime()->currentText(), "UTC-07:00 (the site's longitude)");
    QTreeWidget* list = fromBerlin.List();
    ASSERT_GT(list->topLevelItemCount(), 0);
    auto utcPeak = [&](int row) {
        return QDateTime(QDate::fromString(list->topLevelItem(row)->text(0), "yyyy-MM-dd"),
                         QTime::fromString(list->topLevelItem(row)->text(2), "HH:mm:ss"), Qt::UTC);
    };
    auto localPeak = [&](int row) {
        return QDateTime(QDate::fromString(list->topLevelItem(row)->text(5), "yyyy-MM-dd"),
                         QTime::fromString(list->topLevelItem(row)->text(7), "HH:mm:ss"), Qt::UTC);
    };
    EXPECT_EQ(utcPeak(0).secsTo(localPeak(0)), -7 * 3600);
    // Another offset chosen: the local columns follow at once.
    fromBerlin.LocalTime()->setCurrentIndex(fromBerlin.LocalTime()->findText("UTC+05:45"));
    EXPECT_EQ(utcPeak(0).secsTo(localPeak(0)), 5 * 3600 + 45 * 60);
    // This computer's clock.
    fromBerlin.LocalTime()->setCurrentIndex(CSunOutageDlg::kComputerZone);
    EXPECT_EQ(fromBerlin.ChosenOffsetMinutes(), std::nullopt);
    EXPECT_EQ(localPeak(0).toString("HH:mm:ss"), utcPeak(0).toLocalTime().toString("HH:mm:ss"));

    // A computer in Denver's own zone keeps its clock, summer time and all.
    CSunOutageDlg atHome(*satellite, *denver, -7 * 60);
    EXPECT_EQ(atHome.ChosenOffsetMinutes(), std::nullopt);
    EXPECT_TRUE(atHome.LocalTime()->currentText().startsWith("This computer's time"));
}

// However large the contents or the scale, the windows open wholly on the
// screen's available area.
TEST_F(SkyViewTest, SunOutagesAndSkyViewOpenWhollyOnTheScreen) {
    frame = Start();
    ASSERT_NE(frame, nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    CLocation* site = frame->GetDocument()->GetCurrentLocation();
    CSatellite* satellite = frame->GetDocument()->GetCurrentSatellite();
    ASSERT_TRUE(site && satellite);
    CSunOutageDlg outages(*satellite, *site, 0, frame);
    // Wider than the screen before it shows (every column at full width).
    outages.resize(screen.width() + 400, screen.height() + 300);
    outages.show();
    QApplication::processEvents();
    EXPECT_TRUE(screen.contains(outages.frameGeometry())) << outages.frameGeometry().width();
    auto* close = outages.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Close);
    EXPECT_TRUE(screen.contains(QRect(close->mapToGlobal(QPoint(0, 0)), close->size())));
    outages.hide();

    frame->Action(ids::ID_VIEW_SKY_VIEW)->trigger();
    sky = frame->SkyView();
    ASSERT_NE(sky, nullptr);
    sky->hide();
    sky->setGeometry(screen.right() - 100, screen.bottom() - 100, screen.width() * 2, screen.height() * 2);
    sky->show();
    QApplication::processEvents();
    EXPECT_TRUE(screen.contains(sky->frameGeometry()))
        << sky->frameGeometry().x() << "," << sky->frameGeometry().y() << " " << sky->frameGeometry().width()
        << "x" << sky->frameGeometry().height();
}

// The picture and the look angles are offered in the documents folder, not
// in the program's hidden data folder.
TEST_F(SkyViewTest, PictureAndExportAreOfferedInTheDocumentsFolder) {
    OpenSkyView();
    QString offered;
    WhenModal<QFileDialog>([&](QFileDialog* dialog) {
        offered = dialog->selectedFiles().value(0);
        dialog->reject();
    });
    sky->OnSavePicture();
    EXPECT_EQ(offered, QDir(DocumentsFolder()).filePath("Sky View.png"));

    offered.clear();
    WhenModal<QInputDialog>([&](QInputDialog* choice) {
        WhenModal<QFileDialog>([&](QFileDialog* dialog) {
            offered = dialog->selectedFiles().value(0);
            dialog->reject();
        });
        choice->accept();
    });
    frame->OnExportLookAngles();
    EXPECT_EQ(offered, QDir(DocumentsFolder()).filePath("Look Angles.csv"));
}

TEST_F(SkyViewTest, HorizonIsASilhouetteWhosePointsAreDraggedAndSaved) {
    // Denver's horizon: 40 degrees to the North, 10 to the South.
    CHorizonProfile horizon;
    ASSERT_FALSE(horizon.AddPoint({0.0, 40.0}));
    ASSERT_FALSE(horizon.AddPoint({180.0, 10.0}));
    CHorizonStore written;
    ASSERT_TRUE(written.SetProfile("Denver, CO", horizon));
    ASSERT_TRUE(written.Save((data / kHorizonFile).string()));
    OpenSkyView();
    ChooseLocation("Denver, CO");
    ASSERT_EQ(plot->Horizon(), horizon);
    EXPECT_TRUE(sky->findChild<QAction*>("skyHorizon")->isEnabled());
    // Below the horizon to the North the sky is earth-coloured; above it,
    // and low in the South, the sky's own colour.
    const PolarPlot p = plot->Plot();
    auto pixel = [&](double azimuth, double elevation) {
        const PolarPlot::Point at = p.Place({azimuth, elevation});
        return plot->grab().toImage().pixelColor(qRound(at.x), qRound(at.y));
    };
    // (Off the spokes and circles of the frame.)
    const QColor earth = pixel(15.0, 20.0), sky = pixel(15.0, 45.0), south = pixel(195.0, 20.0);
    EXPECT_GT(sky.blue(), earth.blue() + 40) << earth.name().toStdString();
    EXPECT_EQ(south, sky);

    // The North point dragged to azimuth 90, elevation 30 is saved there.
    const PolarPlot::Point from = p.Place({0.0, 40.0}), to = p.Place({90.0, 30.0});
    ASSERT_EQ(plot->HorizonPointAt(QPointF(from.x, from.y)), 0);
    const QPoint start(qRound(from.x), qRound(from.y)), end(qRound(to.x), qRound(to.y));
    QTest::mousePress(plot, Qt::LeftButton, Qt::NoModifier, start);
    QMouseEvent move(QEvent::MouseMove, QPointF(end), plot->mapToGlobal(QPointF(end)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(plot, &move);
    QTest::mouseRelease(plot, Qt::LeftButton, Qt::NoModifier, end);
    CHorizonStore saved;
    ASSERT_FALSE(saved.Load((data / kHorizonFile).string()));
    const CHorizonProfile* now = saved.Find("Denver, CO");
    ASSERT_NE(now, nullptr);
    ASSERT_EQ(now->Points().size(), 2u);
    EXPECT_NEAR(now->Points()[0].azimuth, 90.0, 0.6);
    EXPECT_NEAR(now->Points()[0].elevation, 30.0, 0.6);
    EXPECT_EQ(now->Points()[1], (HorizonPoint{180.0, 10.0}));
    EXPECT_EQ(plot->Horizon(), *now);
    // Nothing was chosen by the press: the current satellite stays.
    EXPECT_EQ(plot->HorizonPointAt(QPointF(from.x, from.y)), -1);
}
