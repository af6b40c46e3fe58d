// The editors and the details dialog inside the running program: every way
// in, what is written, and how the windows follow a change.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "EditorSupport.h"
#include "UiSupport.h"
#include "core/display/ArcGridModel.h"
#include "core/locations/LocationDatabase.h"
#include "core/workspace/DatabaseEditor.h"
#include "resources/ids.h"
#include "ui/display/ArcGrid.h"
#include "ui/display/LocationPane.h"
#include "ui/display/TilvexView.h"
#include "ui/locations/LocationEditorDlg.h"
#include "ui/locations/LocationTree.h"
#include "ui/satellites/SatelliteDetailsDlg.h"
#include "ui/satellites/SatelliteEditorDlg.h"
#include "ui/satellites/SatelliteInfoPane.h"
#include "ui/satellites/SatelliteTree.h"

namespace {

class EditingFlowTest : public ProgramFixture {
protected:
    CMainFrame* frame = nullptr;

    void SetUp() override {
        ProgramFixture::SetUp();
        frame = Start();
        ASSERT_NE(frame, nullptr);
    }
    CTilvexView* View() { return frame->GetLookAngleViewPane(); }
    CArcGrid* Grid() { return View()->Grid(); }
    int GridRow(const QString& name) {
        for (int row = 0; row < Grid()->count(); ++row)
            if (Grid()->item(row)->text() == name || Grid()->RowTexts(row).name == name.toStdString())
                return row;
        return -1;
    }
    void DoubleClickGridRow(int row) {
        const QRect r = Grid()->visualItemRect(Grid()->item(row));
        QTest::mouseDClick(Grid()->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    }
    void DoubleClickLocation(const QString& name) {
        QListWidget* list = View()->LocationPane()->List();
        const auto items = list->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        list->scrollToItem(items[0]);
        const QPoint at = list->visualItemRect(items[0]).center();
        ASSERT_TRUE(list->viewport()->rect().contains(at));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    QTreeWidgetItem* TreeItem(CDatabaseTree* tree, const QString& text) {
        const auto items = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        return items.size() == 1 ? items[0] : nullptr;
    }
    std::filesystem::path File(const char* name) { return data / name; }
    // "Add Location" and a new location typed into the editor's fields.
    static void TypeNewLocation(CLocationEditorDlg* dlg, const QString& name, const QString& latitude,
                                const QString& longitude, const QString& region) {
        Click(dlg, "addLocation");
        TypeInto(Child<QLineEdit>(dlg, "locationName"), name);
        TypeInto(Child<QLineEdit>(dlg, "latitude"), latitude);
        TypeInto(Child<QLineEdit>(dlg, "longitude"), longitude);
        PickCombo(Child<QComboBox>(dlg, "region"), region);
    }
};

}  // namespace

TEST_F(EditingFlowTest, LocationAddedFromThePaneIsWrittenAndShownInTheTree) {
    CLocationEditorDlg* seen = nullptr;
    QString preselected;
    WhenModal<CLocationEditorDlg>([&](CLocationEditorDlg* dlg) {
        seen = dlg;
        preselected = Child<QLineEdit>(dlg, "locationName")->text();
        TypeNewLocation(dlg, "Boulder, CO", "40.01", "105.27", "North America");
        Click(dlg, "save");
        Click(dlg, "close");
    });
    DoubleClickLocation("Houston, TX");
    ASSERT_NE(seen, nullptr);
    EXPECT_EQ(preselected, "Houston, TX");
    EXPECT_TRUE(messages->Texts().empty());

    CLocationDatabase written;
    ASSERT_EQ(written.LoadDatabase(), CLocationDatabase::LoadResult::Loaded);
    const CLocation* boulder = written.FindLocation("Boulder, CO");
    ASSERT_NE(boulder, nullptr);
    EXPECT_EQ(boulder->GetMagVar(), MAGVAR_AUTO);
    EXPECT_FLOAT_EQ(boulder->GetLongitude(), 105.27f);
    QTreeWidgetItem* item = TreeItem(frame->LocationTree(), "Boulder, CO");
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->parent()->text(0), "North America");
    EXPECT_EQ(frame->LocationTree()->LocationOf(item), frame->LocationTree()->FindLocation("Boulder, CO"));
}

TEST_F(EditingFlowTest, SatelliteCommentsChangedFromAGridRowAreWritten) {
    const int row = GridRow("SES-2");
    ASSERT_GE(row, 0);
    WhenModal<CSatelliteEditorDlg>([&](CSatelliteEditorDlg* dlg) {
        EXPECT_EQ(Child<QLineEdit>(dlg, "satelliteName")->text(), "SES-2");
        TypeInto(Child<QPlainTextEdit>(dlg, "comments"), "Checked on the roof.");
        Click(dlg, "save");
        Click(dlg, "close");
    });
    DoubleClickGridRow(row);
    CSatelliteDatabase written;
    ASSERT_EQ(written.LoadDatabase(), CSatelliteDatabase::LoadResult::Loaded);
    ASSERT_NE(written.FindSatellite("SES-2"), nullptr);
    EXPECT_EQ(written.FindSatellite("SES-2")->GetComments(), "Checked on the roof.");
}

TEST_F(EditingFlowTest, ClosingAfterFieldEditsOnlyLeavesTheFileAlone) {
    const std::string before = ReadFileBytes(File("satdemo.tdb"));
    const auto stamp = std::filesystem::last_write_time(File("satdemo.tdb"));
    WhenModal<CSatelliteEditorDlg>([&](CSatelliteEditorDlg* dlg) {
        TypeInto(Child<QLineEdit>(dlg, "satelliteName"), "Not Saved");
        TypeInto(Child<QLineEdit>(dlg, "slot"), "1");
        Click(dlg, "close");
    });
    DoubleClickGridRow(0);
    EXPECT_EQ(ReadFileBytes(File("satdemo.tdb")), before);
    EXPECT_EQ(std::filesystem::last_write_time(File("satdemo.tdb")), stamp);
    EXPECT_EQ(frame->SatelliteTree()->FindSatellite("Not Saved"), nullptr);
}

TEST_F(EditingFlowTest, ARenameFromTheDetailsDialogReachesTreeGridPaneAndDialog) {
    CSatelliteInfoPane* info = View()->InfoPane();
    ASSERT_TRUE(info->ReportButton()->isEnabled());
    const QString shown = info->NameText();
    ASSERT_FALSE(shown.isEmpty());
    QString before, after, afterElevation;
    QString gridElevation;
    WhenModal<CSatelliteDetailsDlg>([&](CSatelliteDetailsDlg* details) {
        before = details->NameText();
        WhenModal<CSatelliteEditorDlg>([&](CSatelliteEditorDlg* dlg) {
            TypeInto(Child<QLineEdit>(dlg, "satelliteName"), "Renamed Bird");
            Click(dlg, "save");
            Click(dlg, "close");
        });
        Click(details, "editData");
        after = details->NameText();
        afterElevation = details->ElevationText();
        const int row = GridRow("Renamed Bird");
        if (row >= 0)
            gridElevation = QString::fromLatin1(Grid()->RowTexts(row).elevation.c_str());
        Click(details, "ok");
    });
    QTest::mouseClick(info->ReportButton(), Qt::LeftButton);
    EXPECT_EQ(before, shown);
    EXPECT_EQ(after, "Renamed Bird");
    EXPECT_GE(GridRow("Renamed Bird"), 0);
    EXPECT_LT(GridRow(shown), 0);
    EXPECT_NE(TreeItem(frame->SatelliteTree(), "Renamed Bird"), nullptr);
    EXPECT_EQ(TreeItem(frame->SatelliteTree(), shown), nullptr);
    EXPECT_EQ(info->NameText(), "Renamed Bird");
    EXPECT_FALSE(afterElevation.isEmpty());
    const auto& names = frame->GetDocument()->GetSatelliteNames();
    EXPECT_NE(std::find(names.begin(), names.end(), "Renamed Bird"), names.end());
}

TEST_F(EditingFlowTest, DetailsShowTheGridsAnglesBelowTheHorizonAndBothAzimuthKinds) {
    CTilvexDoc* doc = frame->GetDocument();
    CSatellite* astra = frame->SatelliteTree()->FindSatellite("Astra 1KR");
    ASSERT_NE(astra, nullptr);
    CLocation* denver = frame->LocationTree()->FindLocation("Denver, CO");
    ASSERT_NE(denver, nullptr);
    doc->AddSatellite(astra, true);

    auto detailsOf = [&](CSatellite* satellite) {
        std::array<QString, 4> texts;
        WhenModal<CSatelliteDetailsDlg>([&](CSatelliteDetailsDlg* details) {
            texts = {details->ElevationText(), details->AzimuthText(), details->AzimuthLabelText(),
                     details->LocationText()};
            Click(details, "ok");
        });
        frame->ShowSatelliteDetails(satellite, denver);
        return texts;
    };
    const auto below = detailsOf(astra);
    EXPECT_EQ(below[0], "--");
    EXPECT_EQ(below[1], "--");
    EXPECT_EQ(below[3], "Denver, CO:");

    CSatellite* galaxy = frame->SatelliteTree()->FindSatellite("Galaxy 19");
    ASSERT_NE(galaxy, nullptr);
    doc->SetCurrentLocation(denver, true);
    for (int options : {GRID_KU | GRID_C | GRID_DBS | GRID_MAGNETIC, GRID_KU | GRID_C | GRID_DBS}) {
        doc->SetGridOptions(options);
        const auto texts = detailsOf(galaxy);
        EXPECT_EQ(texts[2], options & GRID_MAGNETIC ? "Azimuth (Magnetic):" : "Azimuth (True):");
        const int row = GridRow("Galaxy 19");
        ASSERT_GE(row, 0);
        const auto grid = Grid()->RowTexts(row);
        EXPECT_EQ(texts[0].toStdString(), Cp1252ToUtf8(grid.elevation));
        EXPECT_EQ(texts[1].toStdString(), Cp1252ToUtf8(grid.azimuth));
    }
}

TEST_F(EditingFlowTest, ReportButtonNeedsASatelliteAndALocation) {
    CTilvexDoc* doc = frame->GetDocument();
    CSatelliteInfoPane* info = View()->InfoPane();
    EXPECT_TRUE(info->ReportButton()->isEnabled());
    while (!doc->GetLocationNames().empty())
        doc->RemoveLocation(frame->LocationTree()->FindLocation(doc->GetLocationNames().front()));
    QApplication::processEvents();
    EXPECT_FALSE(info->NameText().isEmpty());
    EXPECT_FALSE(info->ReportButton()->isEnabled());
    doc->AddLocation(frame->LocationTree()->FindLocation("Miami, FL"), true);
    EXPECT_TRUE(info->ReportButton()->isEnabled());
}

// The editors are always at hand: they open on the record last chosen in a
// tree, the grid or the location list, and on none for a folder.
TEST_F(EditingFlowTest, EditCommandsOpenOnTheChosenRecordAndAreAlwaysEnabled) {
    QAction* editSat = frame->Action(ids::ID_EDIT_SATELLITE_DATA);
    QAction* editLoc = frame->Action(ids::ID_EDIT_LOCATION_DATA);
    CSatelliteTree* tree = frame->SatelliteTree();
    tree->setCurrentItem(tree->RootItem());
    frame->UpdateCommands();
    EXPECT_TRUE(editSat->isEnabled());
    EXPECT_TRUE(editLoc->isEnabled());
    EXPECT_EQ(editSat->text(), "Edit &Satellite Data...");
    QTreeWidgetItem* galaxy = TreeItem(tree, "Galaxy 19");
    ASSERT_NE(galaxy, nullptr);
    tree->setCurrentItem(galaxy);
    frame->UpdateCommands();
    EXPECT_TRUE(editSat->isEnabled());
    EXPECT_EQ(editSat->text(), "Edit data for Galaxy 19...");
    EXPECT_TRUE(editLoc->isEnabled());

    WhenModal<CSatelliteEditorDlg>([&](CSatelliteEditorDlg* dlg) {
        EXPECT_EQ(Child<QLineEdit>(dlg, "satelliteName")->text(), "Galaxy 19");
        Click(dlg, "close");
    });
    editSat->trigger();

    // A region folder opens the editor with nothing chosen.
    tree->setCurrentItem(galaxy->parent());
    frame->UpdateCommands();
    EXPECT_TRUE(editSat->isEnabled());
    EXPECT_EQ(editSat->text(), "Edit &Satellite Data...");
    QString name = "unset";
    WhenModal<CSatelliteEditorDlg>([&](CSatelliteEditorDlg* dlg) {
        name = Child<QLineEdit>(dlg, "satelliteName")->text();
        Click(dlg, "close");
    });
    editSat->trigger();
    EXPECT_TRUE(name.isEmpty());

    // A row of the grid, chosen last, is the one the command edits.
    const int row = GridRow("SES-3");
    ASSERT_GE(row, 0);
    Grid()->setCurrentRow(row);
    frame->UpdateCommands();
    EXPECT_EQ(editSat->text(), "Edit data for SES-3...");
    WhenModal<CSatelliteEditorDlg>([&](CSatelliteEditorDlg* dlg) {
        name = Child<QLineEdit>(dlg, "satelliteName")->text();
        Click(dlg, "close");
    });
    editSat->trigger();
    EXPECT_EQ(name, "SES-3");

    // So is a location of the list.
    QListWidget* places = View()->LocationPane()->List();
    places->setCurrentRow(places->row(places->findItems("Miami, FL", Qt::MatchExactly).value(0)));
    frame->UpdateCommands();
    EXPECT_EQ(editLoc->text(), "Edit data for Miami, FL...");
}

// A screen reader selects a row through the accessibility interface, which
// changes the selection alone: the row still becomes the current one.
TEST_F(EditingFlowTest, ARowSelectedWithoutAClickBecomesCurrent) {
    QListWidget* places = View()->LocationPane()->List();
    const auto miami = places->findItems("Miami, FL", Qt::MatchExactly);
    ASSERT_EQ(miami.size(), 1);
    places->selectionModel()->select(places->indexFromItem(miami[0]), QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(frame->GetDocument()->GetCurrentLocation()->GetName(), "Miami, FL");
    const int row = GridRow("SES-3");
    ASSERT_GE(row, 0);
    Grid()->selectionModel()->select(Grid()->model()->index(row, 0), QItemSelectionModel::ClearAndSelect);
    EXPECT_EQ(frame->GetDocument()->GetCurrentSatellite()->GetName(), "SES-3");
    EXPECT_EQ(View()->InfoPane()->NameText(), "SES-3");
}

// Deleting the shown satellite from the details dialog's editor closes the
// dialog: nothing is left for it, or for "Sun Outages...", to show.
TEST_F(EditingFlowTest, DetailsCloseWhenTheirSatelliteIsDeleted) {
    CSatelliteInfoPane* info = View()->InfoPane();
    const QString shown = info->NameText();
    ASSERT_FALSE(shown.isEmpty());
    bool openAfterDelete = true;
    WhenModal<CSatelliteDetailsDlg>([&](CSatelliteDetailsDlg* details) {
        WhenModal<CSatelliteEditorDlg>([&](CSatelliteEditorDlg* dlg) {
            messages->Script({IDYES});
            Click(dlg, "delete");
            Click(dlg, "close");
        });
        Click(details, "editData");
        openAfterDelete = details->isVisible();
        if (openAfterDelete) {
            details->OnSunOutages();  // what a user could press next
            Click(details, "ok");
        }
    });
    QTest::mouseClick(info->ReportButton(), Qt::LeftButton);
    EXPECT_FALSE(openAfterDelete);
    EXPECT_LT(GridRow(shown), 0);
    EXPECT_EQ(TreeItem(frame->SatelliteTree(), shown), nullptr);
}

// The grid and the tree may draw while the editor is still open (another
// window moved away uncovers them): a satellite deleted there is still a
// record they can draw until they are refilled.
TEST_F(EditingFlowTest, WindowsDrawWhileTheEditorHoldsADeletedSatellite) {
    const int rows = Grid()->count();
    ASSERT_GT(rows, 0);
    WhenModal<CSatelliteEditorDlg>([&](CSatelliteEditorDlg* dlg) {
        for (int row = 0; row < rows; ++row) {
            messages->Script({IDYES});
            Click(dlg, "delete");
        }
        Grid()->viewport()->repaint();
        for (int row = 0; row < rows; ++row)
            EXPECT_FALSE(Grid()->RowTexts(row).name.empty());
        frame->SatelliteTree()->viewport()->repaint();
        Click(dlg, "close");
    });
    DoubleClickGridRow(0);
    EXPECT_LT(Grid()->count(), rows);
}

// Close with a typed new record asks first; Cancel keeps the dialog and the
// typing, Yes saves it.
TEST_F(EditingFlowTest, CloseOffersToSaveATypedNewLocation) {
    bool openAfterCancel = false;
    QString keptName;
    std::vector<std::string> asked;
    WhenModal<CLocationEditorDlg>([&](CLocationEditorDlg* dlg) {
        TypeNewLocation(dlg, "Berlin Two", "52.5", "13.4", "Europe");
        Click(dlg, "longitudeEast");
        messages->Script({IDCANCEL});
        Click(dlg, "close");
        openAfterCancel = dlg->isVisible();
        keptName = Child<QLineEdit>(dlg, "locationName")->text();
        messages->Script({IDYES});
        Click(dlg, "close");
        asked = messages->Texts();
    });
    DoubleClickLocation("Houston, TX");
    EXPECT_TRUE(openAfterCancel);
    EXPECT_EQ(keptName, "Berlin Two");
    EXPECT_EQ(asked, std::vector<std::string>(2, "Do you want to save changes to Berlin Two?"));

    CLocationDatabase written;
    ASSERT_EQ(written.LoadDatabase(), CLocationDatabase::LoadResult::Loaded);
    const CLocation* berlin = written.FindLocation("Berlin Two");
    ASSERT_NE(berlin, nullptr);
    // The automatic variation is stored with the side the editor showed.
    EXPECT_EQ(berlin->GetMagVar(), MAGVAR_AUTO);
    EXPECT_EQ(berlin->IsMagVarWest(), 0);
}

// A check box or radio button changed through the accessibility interface
// (which toggles without a click) counts as an edit.
TEST_F(EditingFlowTest, TogglesThroughTheAccessibilityInterfaceAreEdits) {
    bool saveEnabled = false;
    WhenModal<CSatelliteEditorDlg>([&](CSatelliteEditorDlg* dlg) {
        auto* c = Child<QCheckBox>(dlg, "c");
        QAccessibleInterface* button = QAccessible::queryAccessibleInterface(c);
        ASSERT_NE(button, nullptr);
        ASSERT_NE(button->actionInterface(), nullptr);
        button->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        saveEnabled = Child<QPushButton>(dlg, "save")->isEnabled();
        Click(dlg, "save");
        Click(dlg, "close");
    });
    CSatellite* galaxy = frame->SatelliteTree()->FindSatellite("Galaxy 19");
    ASSERT_NE(galaxy, nullptr);
    const bool hadC = galaxy->GetFlags() & SAT_BAND_C;
    CDatabaseEditor(*frame).EditSatellites(galaxy);
    EXPECT_TRUE(saveEnabled);
    CSatelliteDatabase written;
    ASSERT_EQ(written.LoadDatabase(), CSatelliteDatabase::LoadResult::Loaded);
    ASSERT_NE(written.FindSatellite("Galaxy 19"), nullptr);
    EXPECT_EQ(bool(written.FindSatellite("Galaxy 19")->GetFlags() & SAT_BAND_C), !hadC);
}

// Names and comments are shown as typed, never as markup, wherever they
// appear; a full name field says that it is full.
TEST_F(EditingFlowTest, RecordTextsAreShownAsPlainText) {
    CSatellite* galaxy = frame->SatelliteTree()->FindSatellite("Galaxy 19");
    ASSERT_NE(galaxy, nullptr);
    WhenModal<CSatelliteEditorDlg>([&](CSatelliteEditorDlg* dlg) {
        auto* note = Child<QLabel>(dlg, "nameLengthNote");
        EXPECT_FALSE(note->isVisibleTo(dlg));
        TypeInto(Child<QLineEdit>(dlg, "satelliteName"), QString(40, 'x'));
        EXPECT_EQ(Child<QLineEdit>(dlg, "satelliteName")->text().size(), 30);
        EXPECT_TRUE(note->isVisibleTo(dlg));
        TypeInto(Child<QLineEdit>(dlg, "satelliteName"), "<i>Galaxy</i> 19");
        EXPECT_FALSE(note->isVisibleTo(dlg));
        TypeInto(Child<QPlainTextEdit>(dlg, "comments"), "<C-band> beam");
        Click(dlg, "save");
        Click(dlg, "close");
    });
    CDatabaseEditor(*frame).EditSatellites(galaxy);
    ASSERT_GE(GridRow("<i>Galaxy</i> 19"), 0);
    Grid()->setCurrentRow(GridRow("<i>Galaxy</i> 19"));
    QApplication::processEvents();

    auto checkLabels = [](QWidget* window) {
        int shown = 0;
        for (QLabel* label : window->findChildren<QLabel*>()) {
            if (!label->text().contains("<i>") && !label->text().contains("<C-band>"))
                continue;
            ++shown;
            EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
        }
        return shown;
    };
    EXPECT_GE(checkLabels(frame), 1);
    int inDetails = 0;
    WhenModal<CSatelliteDetailsDlg>([&](CSatelliteDetailsDlg* details) {
        inDetails = checkLabels(details);
        Click(details, "ok");
    });
    QTest::mouseClick(View()->InfoPane()->ReportButton(), Qt::LeftButton);
    EXPECT_EQ(inDetails, 2);
}

// A save rebuilds the trees; the folders the user had open stay open.
TEST_F(EditingFlowTest, TreesKeepTheirOpenFoldersAcrossASave) {
    CSatelliteTree* tree = frame->SatelliteTree();
    QTreeWidgetItem* galaxy = TreeItem(tree, "Galaxy 19");
    ASSERT_NE(galaxy, nullptr);
    const QString region = galaxy->parent()->text(0);
    tree->RootItem()->setExpanded(true);
    galaxy->parent()->setExpanded(true);
    WhenModal<CSatelliteEditorDlg>([&](CSatelliteEditorDlg* dlg) {
        TypeInto(Child<QPlainTextEdit>(dlg, "comments"), "Seen from the yard.");
        Click(dlg, "save");
        Click(dlg, "close");
    });
    CDatabaseEditor(*frame).EditSatellites(tree->FindSatellite("Galaxy 19"));
    QTreeWidgetItem* after = TreeItem(tree, "Galaxy 19");
    ASSERT_NE(after, nullptr);
    EXPECT_TRUE(tree->RootItem()->isExpanded());
    EXPECT_TRUE(after->parent()->isExpanded());
    EXPECT_EQ(after->parent()->text(0), region);
    int open = 0;
    for (int i = 0; i < tree->RootItem()->childCount(); ++i)
        open += tree->RootItem()->child(i)->isExpanded();
    EXPECT_EQ(open, 1);
}

// A location added while the file cannot be written: the reason is given,
// the window says the database is not saved, and the exit asks.
TEST_F(EditingFlowTest, AFailedSaveIsShownAndAskedAboutAtExit) {
    std::filesystem::permissions(File("locdemo.tdb"), std::filesystem::perms::owner_read);
    WhenModal<CLocationEditorDlg>([&](CLocationEditorDlg* dlg) {
        TypeNewLocation(dlg, "Alpha, AA", "10", "20", "Europe");
        Click(dlg, "save");
        Click(dlg, "close");
    });
    DoubleClickLocation("Houston, TX");
    EXPECT_EQ(messages->Texts(), std::vector<std::string>{"Unable to create locdemo.tdb: Permission denied"});
    EXPECT_TRUE(frame->windowTitle().contains("(not saved)")) << frame->windowTitle().toStdString();
    auto* unsaved = frame->findChild<QLabel*>("unsavedText");
    ASSERT_NE(unsaved, nullptr);
    EXPECT_TRUE(unsaved->isVisibleTo(frame));
    EXPECT_EQ(unsaved->text(), "location database not saved: Permission denied");
    EXPECT_NE(TreeItem(frame->LocationTree(), "Alpha, AA"), nullptr);

    messages->Clear();
    messages->Script({IDCANCEL});
    EXPECT_FALSE(frame->close());
    EXPECT_EQ(messages->Texts(),
              std::vector<std::string>{
                  "The location database could not be saved: Permission denied\n\nSave again, or discard?"});
    std::filesystem::permissions(File("locdemo.tdb"),
                                 std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    messages->Script({IDYES});
    EXPECT_TRUE(frame->close());
    CLocationDatabase written;
    ASSERT_EQ(written.LoadDatabase(), CLocationDatabase::LoadResult::Loaded);
    EXPECT_NE(written.FindLocation("Alpha, AA"), nullptr);
}

// Another program rewrites the location database while the window holds no
// unsaved change to it: the window reads it again.
TEST_F(EditingFlowTest, ADatabaseRewrittenByAnotherProgramIsReadAgain) {
    CLocationDatabase other;
    ASSERT_EQ(other.LoadDatabase(), CLocationDatabase::LoadResult::Loaded);
    auto beta = std::make_unique<CLocation>(*other.FindLocation("Houston, TX"));
    beta->SetName("Beta, BB");
    other.Append(std::move(beta));
    ASSERT_TRUE(other.SaveDatabase());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return TreeItem(frame->LocationTree(), "Beta, BB") != nullptr; }, 5000));
    EXPECT_NE(frame->LocationTree()->FindLocation("Beta, BB"), nullptr);
}
