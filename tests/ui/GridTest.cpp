// The satellite grid: its rows and their texts for the current site, the
// grid options dialog, and the keys of the grid and the location list.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStyleOptionViewItem>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "UiSupport.h"
#include "core/satellites/Satellite.h"
#include "resources/ids.h"
#include "ui/display/ArcGrid.h"
#include "ui/framework/QtText.h"
#include "ui/locations/LocationTree.h"
#include "ui/satellites/SatelliteTree.h"

namespace {

// A site as tilvex-cli takes it: latitude, longitude, then the options that
// follow the slot.
struct Site {
    const char* name;
    const char* latitude;
    const char* longitude;
    const char* options;
};
const Site kDenver{"Denver, CO", "39.74N", "104.99W", "--magvar 7.6E --magnetic"};
const Site kNewYork{"New York, NY", "40.71N", "74.01W", "--magvar 12.6W --magnetic"};

// Elevation and azimuth as `tilvex-cli angles` prints them.
QStringList CliAngles(const Site& site, const CSatellite& satellite, bool magnetic) {
    const QString slot =
        QString::number(static_cast<double>(satellite.GetSlot())) + (satellite.IsWest() ? "W" : "E");
    QStringList arguments{"angles", site.latitude, site.longitude, slot};
    if (magnetic)
        arguments += QString(site.options).split(' ');
    QProcess cli;
    cli.start(TILVEX_CLI, arguments);
    cli.waitForFinished();
    const QByteArray out = cli.readAllStandardOutput();
    return QString::fromUtf8(out).trimmed().split('\t');
}

QStringList RowAngles(const CArcGrid* grid, int row) {
    const CArcGridModel::RowTexts texts = grid->RowTexts(row);
    return {FromCp1252(texts.elevation), FromCp1252(texts.azimuth)};
}

}  // namespace

class GridTest : public ProgramFixture {
protected:
    CMainFrame* frame = nullptr;
    CArcGrid* grid = nullptr;
    QListWidget* locations = nullptr;

    void StartProgram() {
        frame = Start();
        ASSERT_NE(frame, nullptr);
        grid = frame->findChild<CArcGrid*>("arcGrid");
        locations = frame->findChild<QListWidget*>("locationList");
        ASSERT_NE(grid, nullptr);
        ASSERT_NE(locations, nullptr);
        ASSERT_GE(grid->count(), 10);
    }

    // Picks a location in the list as a click on it would.
    void ChooseLocation(const char* name) {
        const auto found = locations->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << name;
        locations->setCurrentRow(locations->row(found.front()));
    }

    void ExpectRowsMatchCli(const Site& site, bool magnetic) {
        for (int row = 0; row < grid->count(); ++row) {
            SCOPED_TRACE(FromCp1252(grid->SatelliteAt(row)->GetName()).toStdString());
            EXPECT_EQ(RowAngles(grid, row), CliAngles(site, *grid->SatelliteAt(row), magnetic));
        }
    }

    QStringList RowNames() const {
        QStringList names;
        for (int row = 0; row < grid->count(); ++row)
            names << FromCp1252(grid->RowTexts(row).name);
        return names;
    }

    // Opens the grid options with the pane's button and lets `drive` work the
    // dialog while it runs; a dialog still open afterwards is cancelled.
    void WithGridOptions(const std::function<void(QDialog*)>& drive) {
        bool ran = false;
        QTimer::singleShot(0, frame, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || dialog->objectName() != "gridOptionsDialog")
                return;
            ran = true;
            drive(dialog);
            if (dialog->isVisible())
                dialog->reject();
        });
        QTest::mouseClick(frame->findChild<QPushButton*>("gridOptionsButton"), Qt::LeftButton);
        ASSERT_TRUE(ran) << "the grid options dialog did not come up";
    }

    static void ClickOk(QDialog* dialog) {
        dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
    static void Click(QDialog* dialog, const char* name) {
        dialog->findChild<QAbstractButton*>(name)->click();
    }

    QString Label(const char* name) const { return frame->findChild<QLabel*>(name)->text(); }
};

TEST_F(GridTest, RowsFollowTheSlotsAndShowTheAnglesOfTheSite) {
    StartProgram();
    ChooseLocation(kDenver.name);
    EXPECT_EQ(frame->GetDocument()->GetOptions(), 31);
    EXPECT_EQ(Label("azimuthKind"), "(Magnetic)");
    EXPECT_EQ(Label("bandFilter"), "Ku, C, DBS");
    EXPECT_EQ(grid->count(), static_cast<int>(frame->GetDocument()->GetSatelliteNames().size()));

    // A satellite East of Greenwich, added from the tree: its signed slot is
    // negative, so it leads; from Denver it is below the horizon.
    const auto astra = frame->SatelliteTree()->findItems("Astra 1KR", Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(astra.size(), 1);
    frame->SatelliteTree()->setCurrentItem(astra.front());
    frame->Action(ids::ID_EDIT_ADD)->trigger();
    ASSERT_EQ(grid->count(), static_cast<int>(frame->GetDocument()->GetSatelliteNames().size()));
    EXPECT_EQ(grid->RowTexts(0).name, "Astra 1KR");
    EXPECT_EQ(RowAngles(grid, 0), QStringList({"--", "--"}));
    ExpectRowsMatchCli(kDenver, true);

    // Ascending signed slot; of two satellites in one slot the later
    // workspace entry (AMC-21 after Galaxy 30) comes first.
    for (int row = 1; row < grid->count(); ++row)
        EXPECT_LE(grid->SatelliteAt(row - 1)->SignedLongitude(), grid->SatelliteAt(row)->SignedLongitude())
            << row;
    const QStringList names = RowNames();
    EXPECT_EQ(names.indexOf("AMC-21") + 1, names.indexOf("Galaxy 30"));
}

TEST_F(GridTest, ChoosingALocationRecomputesEveryRow) {
    StartProgram();
    ChooseLocation(kDenver.name);
    std::vector<QStringList> before;
    for (int row = 0; row < grid->count(); ++row)
        before.push_back(RowAngles(grid, row));

    ChooseLocation(kNewYork.name);
    EXPECT_EQ(frame->findChild<QLineEdit*>("currentLocation")->text(), kNewYork.name);
    for (int row = 0; row < grid->count(); ++row)
        EXPECT_NE(RowAngles(grid, row), before[static_cast<std::size_t>(row)]) << row;
    ExpectRowsMatchCli(kNewYork, true);
}

TEST_F(GridTest, OptionsDialogFiltersSortsAndLabelsTheRows) {
    StartProgram();
    ChooseLocation(kDenver.name);
    EXPECT_FALSE(frame->GetDocument()->IsModified());

    WithGridOptions([](QDialog* dialog) {
        Click(dialog, "ku");
        Click(dialog, "dbs");
        ClickOk(dialog);
    });
    EXPECT_TRUE(frame->GetDocument()->IsModified());
    EXPECT_EQ(Label("bandFilter"), "C");
    EXPECT_EQ(frame->GetDocument()->GetOptions(), GRID_C | GRID_MAGNETIC | GRID_SORT_BY_SLOT);
    int withC = 0;
    for (const auto& name : frame->GetDocument()->GetSatelliteNames())
        withC += (frame->SatelliteTree()->FindSatellite(name)->GetFlags() & GRID_C) != 0;
    EXPECT_EQ(grid->count(), withC);
    EXPECT_LT(withC, static_cast<int>(frame->GetDocument()->GetSatelliteNames().size()));
    for (int row = 0; row < grid->count(); ++row)
        EXPECT_TRUE(grid->SatelliteAt(row)->GetFlags() & GRID_C) << row;

    WithGridOptions([](QDialog* dialog) {
        Click(dialog, "ku");
        Click(dialog, "byName");
        Click(dialog, "showSlot");
        ClickOk(dialog);
    });
    EXPECT_EQ(Label("bandFilter"), "Ku, C");
    const QStringList names = RowNames();
    ASSERT_EQ(names.size(), static_cast<int>(frame->GetDocument()->GetSatelliteNames().size()));
    for (int row = 1; row < names.size(); ++row)
        EXPECT_LE(QString::compare(names[row - 1], names[row], Qt::CaseInsensitive), 0)
            << names[row].toStdString();
    EXPECT_TRUE(names.contains(QString::fromUtf8("Galaxy 19  97\u00B0W")));
    EXPECT_TRUE(names.contains(QString::fromUtf8("Anik F3  119\u00B0W")));
    // The degree sign painted is the single Windows-1252 byte.
    EXPECT_NE(grid->RowTexts(0).name.find('\xB0'), std::string::npos);
}

TEST_F(GridTest, TrueAzimuthFromTheOptionsDialog) {
    StartProgram();
    ChooseLocation(kDenver.name);
    WithGridOptions([](QDialog* dialog) {
        Click(dialog, "true");
        ClickOk(dialog);
    });
    EXPECT_EQ(Label("azimuthKind"), "(True)");
    EXPECT_FALSE(frame->GetDocument()->GetOptions() & GRID_MAGNETIC);
    ExpectRowsMatchCli(kDenver, false);
}

TEST_F(GridTest, OptionsDialogRefusesNoBandAtAll) {
    StartProgram();
    const int rows = grid->count();
    bool stayedOpen = false;
    WithGridOptions([&](QDialog* dialog) {
        for (const char* band : {"ku", "c", "dbs"})
            Click(dialog, band);
        ClickOk(dialog);
        stayedOpen = dialog->isVisible();
    });
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(messages->Texts(), std::vector<std::string>{"At least one band must be selected."});
    // Cancelled afterwards: nothing changed.
    EXPECT_EQ(frame->GetDocument()->GetOptions(), 31);
    EXPECT_FALSE(frame->GetDocument()->IsModified());
    EXPECT_EQ(grid->count(), rows);
}

TEST_F(GridTest, DeleteInTheGridRemovesTheSelectedSatellite) {
    StartProgram();
    const int rows = grid->count();
    grid->setCurrentRow(3);
    const std::string removed = grid->SatelliteAt(3)->GetName();
    QTest::keyClick(grid, Qt::Key_Delete);

    EXPECT_EQ(grid->count(), rows - 1);
    EXPECT_FALSE(RowNames().contains(FromCp1252(removed)));
    const auto& names = frame->GetDocument()->GetSatelliteNames();
    EXPECT_EQ(std::find(names.begin(), names.end(), removed), names.end());
    EXPECT_TRUE(frame->GetDocument()->IsModified());
}

TEST_F(GridTest, KeysDoNotMoveThroughTheLocationList) {
    StartProgram();
    ChooseLocation("Houston, TX");
    const int row = locations->currentRow();
    const int current = frame->GetDocument()->GetSettings().GetCurLocation();
    locations->setFocus();
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_End, Qt::Key_Home, Qt::Key_S}) {
        QTest::keyClick(locations, key);
        EXPECT_EQ(locations->currentRow(), row) << key;
    }
    EXPECT_EQ(frame->GetDocument()->GetSettings().GetCurLocation(), current);
    EXPECT_EQ(frame->findChild<QLineEdit*>("currentLocation")->text(), "Houston, TX");
}

TEST_F(GridTest, ClickingTheSelectedRowMakesItTheTargetOfDelete) {
    StartProgram();
    // A location is picked, then the satellite row that is already selected
    // is clicked again: Delete now removes that satellite, not the location.
    ChooseLocation("Houston, TX");
    ASSERT_EQ(frame->GetEditTarget(), CMainFrame::EditTarget::RemoveLocation);
    const int row = grid->currentRow();
    ASSERT_GE(row, 0);
    const std::string selected = grid->SatelliteAt(row)->GetName();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(row)).center());
    EXPECT_EQ(frame->GetEditTarget(), CMainFrame::EditTarget::RemoveSatellite);
    const std::size_t locationsBefore = frame->GetDocument()->GetLocationNames().size();
    QTest::keyClick(grid, Qt::Key_Delete);
    EXPECT_EQ(frame->GetDocument()->GetLocationNames().size(), locationsBefore);
    EXPECT_FALSE(RowNames().contains(FromCp1252(selected)));
}

TEST_F(GridTest, DeleteActsOnlyOnThePaneThatHasTheFocus) {
    StartProgram();
    frame->activateWindow();
    QApplication::setActiveWindow(frame);
    frame->findChild<QTabBar*>()->setCurrentIndex(1);  // the location tree's tab
    CLocationTree* tree = frame->LocationTree();
    ASSERT_TRUE(tree->isVisible());
    tree->expandAll();
    const auto regions = tree->findItems("North America", Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(regions.size(), 1);
    // The region is highlighted first, then a satellite is clicked, then the
    // region, which is still highlighted, is clicked again.
    tree->setCurrentItem(regions[0]);
    const int row = 2;
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(row)).center());
    ASSERT_EQ(frame->GetEditTarget(), CMainFrame::EditTarget::RemoveSatellite);
    tree->scrollToItem(regions[0]);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(regions[0]).center());
    ASSERT_EQ(QApplication::focusWidget(), tree);
    const std::size_t satellites = frame->GetDocument()->GetSatelliteNames().size();
    QTest::keyClick(tree, Qt::Key_Delete);
    frame->Action(ids::ID_EDIT_REMOVE)->trigger();
    EXPECT_EQ(frame->GetDocument()->GetSatelliteNames().size(), satellites);
    // Back in the grid, the command removes its satellite.
    grid->setFocus();
    EXPECT_EQ(frame->GetEditTarget(), CMainFrame::EditTarget::RemoveSatellite);
    frame->Action(ids::ID_EDIT_REMOVE)->trigger();
    EXPECT_EQ(frame->GetDocument()->GetSatelliteNames().size(), satellites - 1);
}

TEST_F(GridTest, LocationListIgnoresLetterCaseInItsOrder) {
    StartProgram();
    CLocationDatabase& db = frame->LocationTree()->Database();
    for (const char* name : {"athens", "Zurich", "Boston"}) {
        auto loc = std::make_unique<CLocation>();
        loc->SetName(name);
        frame->GetDocument()->AddLocation(loc.get(), false);
        db.Append(std::move(loc));
    }
    frame->GetDocument()->UpdateAllViews(nullptr);
    QStringList shown;
    for (int i = 0; i < locations->count(); ++i)
        shown << locations->item(i)->text();
    QStringList sorted = shown;
    std::sort(sorted.begin(), sorted.end(),
              [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    EXPECT_EQ(shown, sorted);
    EXPECT_EQ(shown.front(), "athens");
}

// A click on the empty part of the grid or of the location list takes the
// highlight away; Delete then removes nothing, though Qt keeps a current row.
TEST_F(GridTest, DeleteAfterTheHighlightWasClearedRemovesNothing) {
    StartProgram();
    frame->resize(frame->width(), 1400);  // room below the rows
    for (const char* name : {"Chicago, IL", "Houston, TX", "Miami, FL"})
        frame->GetDocument()->RemoveLocation(frame->LocationTree()->FindLocation(name));
    const std::size_t sats = frame->GetDocument()->GetSatelliteNames().size();
    const std::size_t locs = frame->GetDocument()->GetLocationNames().size();
    for (QListWidget* list : {static_cast<QListWidget*>(grid), locations}) {
        SCOPED_TRACE(list->objectName().toStdString());
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
        ASSERT_EQ(list->selectedItems().size(), 1);
        const QPoint empty(10, list->viewport()->height() - 3);
        ASSERT_EQ(list->itemAt(empty), nullptr);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, empty);
        EXPECT_TRUE(list->selectedItems().isEmpty());
        EXPECT_EQ(list->currentRow(), 1);
        QTest::keyClick(list, Qt::Key_Delete);
        frame->Action(ids::ID_EDIT_REMOVE)->trigger();
    }
    EXPECT_EQ(frame->GetDocument()->GetSatelliteNames().size(), sats);
    EXPECT_EQ(frame->GetDocument()->GetLocationNames().size(), locs);
}

// Each heading's text fits its place and keeps clear of the others; the
// options button keeps room around its text.  At the default font and at one
// and a half and twice its size.
TEST_F(GridTest, HeadingsFitAtEveryFontSize) {
    for (const double scale : {1.0, 1.5, 2.0}) {
        SCOPED_TRACE(scale);
        const ScopedFontScale font(scale);
        StartProgram();
        std::vector<QRect> texts;
        for (QLabel* label :
             {frame->findChild<QLabel*>("azimuthKind"), frame->findChild<QLabel*>("bandFilter")})
            ASSERT_NE(label, nullptr);
        for (const QString& text :
             {QString("Satellite"), QString("Azimuth"), QString("(Magnetic)"), QString("Elevation")}) {
            QLabel* label = nullptr;
            for (QLabel* l : frame->findChildren<QLabel*>())
                if (l->text() == text && l->parentWidget()->objectName() == "satellitePane")
                    label = l;
            ASSERT_NE(label, nullptr) << text.toStdString();
            const int width = QFontMetrics(label->font()).horizontalAdvance(text);
            EXPECT_LE(width, label->width()) << text.toStdString();
            const int left = label->alignment() & Qt::AlignHCenter ? label->x() + (label->width() - width) / 2
                                                                   : label->x();
            texts.push_back(QRect(left, label->y(), width, label->height()));
        }
        for (std::size_t i = 0; i < texts.size(); ++i)
            for (std::size_t j = i + 1; j < texts.size(); ++j)
                EXPECT_FALSE(texts[i].adjusted(-2, 0, 2, 0).intersects(texts[j])) << i << " and " << j;
        auto* button = frame->findChild<QPushButton*>("gridOptionsButton");
        EXPECT_GE(button->width(), button->sizeHint().width());
        EXPECT_LE(frame->findChild<QLabel*>("bandFilter")->geometry().right(), button->x());
        Stop();
    }
}

// A name is drawn whole from the top left of its cell (left + 2, top + 2) and
// cut off by the cell, so that the slot of a long name shows as far as there
// is room; it is not shortened with "...".
TEST_F(GridTest, LongNamesAreClippedNotShortened) {
    StartProgram();
    frame->GetDocument()->SetGridOptions(frame->GetDocument()->GetOptions() | GRID_SHOW_SLOT);
    const QStringList names = RowNames();
    const int row = static_cast<int>(
        std::max_element(names.begin(), names.end(),
                         [](const QString& a, const QString& b) { return a.size() < b.size(); }) -
        names.begin());
    const QString name = names[row];
    const QModelIndex index = grid->model()->index(row, 0);
    QStyleOptionViewItem option;
    option.initFrom(grid->viewport());
    option.state &= ~QStyle::State_Selected;
    option.rect = QRect(QPoint(0, 0), grid->itemDelegate()->sizeHint(option, index));
    // As wide as the grid, but never so wide that the name fits half of it
    // (styles differ in the width they leave the rows).
    option.rect.setWidth(std::min(grid->viewport()->width(), grid->fontMetrics().horizontalAdvance(name)));
    const QRect r = option.rect;
    const int q = r.width() / 4;
    const QRect nameCell(QPoint(r.left() + 1, r.top() + 1), QPoint(r.left() + 2 * q - 2, r.bottom() - 1));
    ASSERT_GT(grid->fontMetrics().horizontalAdvance(name), nameCell.width()) << name.toStdString();

    QImage painted(r.size(), QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::white);
    {
        QPainter painter(&painted);
        grid->itemDelegate()->paint(&painter, option, index);
    }
    QImage expected = painted;
    {
        QPainter painter(&expected);
        painter.fillRect(nameCell, grid->palette().color(QPalette::Button));
        painter.setClipRect(nameCell);
        painter.setFont(grid->font());
        painter.setPen(Qt::black);
        painter.drawText(QPoint(r.left() + 2, r.top() + 2 + painter.fontMetrics().ascent()), name);
    }
    EXPECT_EQ(painted.copy(nameCell), expected.copy(nameCell));
}

// A screen reader reads each grid row as it is shown, and each location by
// its name.
TEST_F(GridTest, RowsAndLocationsHaveAccessibleNames) {
    StartProgram();
    ChooseLocation(kDenver.name);
    auto accessibleNames = [](QWidget* list) {
        QStringList out;
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(list);
        for (int i = 0; iface && i < iface->childCount(); ++i)
            if (QAccessibleInterface* child = iface->child(i);
                child && child->role() == QAccessible::ListItem)
                out << child->text(QAccessible::Name);
        return out;
    };
    const QStringList rows = accessibleNames(grid);
    ASSERT_EQ(rows.size(), grid->count());
    EXPECT_TRUE(rows.contains(QString::fromUtf8("Galaxy 18, 199.4\u00B0, 40.4\u00B0")));
    for (int row = 0; row < grid->count(); ++row) {
        const CArcGridModel::RowTexts texts = grid->RowTexts(row);
        EXPECT_EQ(rows[row], FromCp1252(texts.name + ", " + texts.azimuth + ", " + texts.elevation));
    }
    // The names follow the site.
    ChooseLocation(kNewYork.name);
    EXPECT_NE(accessibleNames(grid), rows);
    EXPECT_EQ(accessibleNames(grid)[0], FromCp1252(CArcGridModel::RowSummary(grid->RowTexts(0))));

    QStringList listed;
    for (int i = 0; i < locations->count(); ++i)
        listed << locations->item(i)->text();
    EXPECT_EQ(accessibleNames(locations), listed);
}
