// The satellite database editor, driven through its controls.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QListView>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "EditorSupport.h"
#include "TestSupport.h"
#include "core/framework/Cp1252.h"
#include "core/satellites/SatelliteDatabase.h"
#include "core/workspace/EditorRules.h"
#include "ui/satellites/SatelliteEditorDlg.h"

namespace {

class SatelliteEditorTest : public ::testing::Test {
protected:
    CSatelliteDatabase db;
    MessageCapture messages;
    std::unique_ptr<CSatelliteEditorDlg> dlg;

    void SetUp() override {
        db.Append(MakeSatellite("Galaxy 19", 97.0f, true, SAT_BAND_KU | SAT_REGION_AMERICAS));
        db.Append(MakeSatellite("Astra 1KR", 19.2f, false, SAT_BAND_KU | SAT_BAND_DBS | SAT_REGION_EUROPE));
        db.Append(MakeSatellite("AMC 21", 125.0f, true, SAT_BAND_KU | SAT_BAND_C | SAT_REGION_AMERICAS));
    }
    void Open(CSatellite* initial = nullptr) {
        dlg = std::make_unique<CSatelliteEditorDlg>();
        dlg->SetDatabase(&db);
        dlg->SetCurrent(initial);
        dlg->OnInitDialog();
        dlg->show();
    }
    template <class T>
    T* C(const char* name) {
        return Child<T>(dlg.get(), name);
    }
    QListView* List() { return C<QListView>("satelliteList"); }
    QStringList Entries() {
        QStringList texts;
        for (int row = 0; row < ListCount(List()); ++row)
            texts << ListText(List(), row);
        return texts;
    }
    // "Add Satellite" with every field filled in.
    void AddFilled(const QString& name, const QString& slot, const char* side = "west") {
        Click(dlg.get(), "addSatellite");
        TypeInto(C<QLineEdit>("satelliteName"), name);
        Click(dlg.get(), "ku");
        TypeInto(C<QLineEdit>("slot"), slot);
        Click(dlg.get(), side);
        PickCombo(C<QComboBox>("region"), "IntelSat");
    }
    // Presses Save and returns the messages it showed.
    std::vector<std::string> Save() {
        messages.Clear();
        Click(dlg.get(), "save");
        return messages.Texts();
    }
};

}  // namespace

TEST_F(SatelliteEditorTest, OpensEditableOnAGivenRecordAndWaitingWithoutOne) {
    Open(db.GetRecords()[2].get());
    EXPECT_EQ(C<QLineEdit>("satelliteName")->text(), "AMC 21");
    EXPECT_EQ(C<QLineEdit>("slot")->text(), "125");
    EXPECT_TRUE(C<QRadioButton>("west")->isChecked());
    EXPECT_TRUE(C<QCheckBox>("ku")->isChecked() && C<QCheckBox>("c")->isChecked());
    EXPECT_FALSE(C<QCheckBox>("dbs")->isChecked());
    EXPECT_EQ(C<QComboBox>("region")->currentText(), "North & South America");
    EXPECT_EQ(CurrentText(List()), "AMC 21");
    EXPECT_TRUE(C<QLineEdit>("slot")->isEnabled());
    EXPECT_TRUE(C<QPushButton>("delete")->isEnabled());
    EXPECT_FALSE(C<QPushButton>("save")->isEnabled());
    // The list is sorted, letter case aside.
    ASSERT_EQ(ListCount(List()), 3);
    EXPECT_EQ(ListText(List(), 0), "AMC 21");
    EXPECT_EQ(ListText(List(), 2), "Galaxy 19");

    Open();
    EXPECT_FALSE(C<QLineEdit>("satelliteName")->isEnabled());
    EXPECT_FALSE(C<QLineEdit>("slot")->isEnabled());
    EXPECT_FALSE(C<QPushButton>("delete")->isEnabled());
    EXPECT_FALSE(C<QPushButton>("save")->isEnabled());
    EXPECT_TRUE(C<QPushButton>("addSatellite")->isEnabled());
    PickEntry(List(), "Astra 1KR");
    EXPECT_EQ(C<QLineEdit>("slot")->text(), "19.2");
    EXPECT_TRUE(C<QRadioButton>("east")->isChecked());
    EXPECT_TRUE(C<QLineEdit>("satelliteName")->isEnabled());
    EXPECT_FALSE(C<QPushButton>("save")->isEnabled());
    TypeInto(C<QLineEdit>("slot"), "19.3");
    EXPECT_TRUE(C<QPushButton>("save")->isEnabled());
}

TEST_F(SatelliteEditorTest, ValidationStopsAtTheFirstFaultInItsOrder) {
    namespace m = editor_messages;
    Open();
    Click(dlg.get(), "addSatellite");
    EXPECT_FALSE(List()->isEnabled());
    TypeInto(C<QLineEdit>("slot"), "10");
    EXPECT_EQ(Save(), std::vector<std::string>{m::kNoBand});  // before the empty name
    Click(dlg.get(), "c");
    EXPECT_EQ(Save(), std::vector<std::string>{m::kSatelliteNoRegion});
    PickCombo(C<QComboBox>("region"), "Europe, Africa & Middle East");
    EXPECT_EQ(Save(), std::vector<std::string>{m::kSatelliteNoName});
    TypeInto(C<QLineEdit>("satelliteName"), "galaxy 19");
    EXPECT_EQ(Save(),
              std::vector<std::string>{"Satellite galaxy 19 already exists.  Save under a new name."});
    TypeInto(C<QLineEdit>("satelliteName"), "Hot Bird 13G");
    for (const char* slot : {"-1", "360.5"}) {
        TypeInto(C<QLineEdit>("slot"), slot);
        EXPECT_EQ(Save(), std::vector<std::string>{m::kSlotRange}) << slot;
    }
    for (const char* slot : {"abc", "12,5", "1e999", "nan", ""}) {
        TypeInto(C<QLineEdit>("slot"), slot);
        EXPECT_EQ(Save(), std::vector<std::string>{"Please enter a number for the orbital slot."}) << slot;
    }
    EXPECT_EQ(db.GetSize(), 3u);
    TypeInto(C<QLineEdit>("slot"), "  13  ");
    Click(dlg.get(), "east");
    EXPECT_TRUE(Save().empty());
    ASSERT_EQ(db.GetSize(), 4u);
    const CSatellite* added = db.GetRecords()[3].get();
    EXPECT_EQ(added->GetName(), "Hot Bird 13G");
    EXPECT_EQ(added->GetSlot(), 13.0f);
    EXPECT_EQ(added->IsWest(), 0);
    EXPECT_EQ(added->GetFlags(), SAT_BAND_C | SAT_REGION_EUROPE);
    EXPECT_EQ(CurrentText(List()), "Hot Bird 13G");
    EXPECT_TRUE(List()->isEnabled());
    EXPECT_FALSE(C<QPushButton>("save")->isEnabled());
}

TEST_F(SatelliteEditorTest, SlotsAbove180AreTurnedToTheOtherSide) {
    Open();
    AddFilled("Test 1", "256.5", "west");
    EXPECT_EQ(Save(), std::vector<std::string>{SlotConversionNotice()});
    EXPECT_NE(SlotConversionNotice().find("180\xB0 East"), std::string::npos);
    EXPECT_EQ(C<QLineEdit>("slot")->text(), "103.5");
    EXPECT_TRUE(C<QRadioButton>("east")->isChecked());
    const CSatellite* s = db.GetRecords().back().get();
    EXPECT_EQ(s->GetSlot(), 103.5f);
    EXPECT_EQ(s->IsWest(), 0);

    AddFilled("Test 2", "360", "east");
    EXPECT_EQ(Save().size(), 1u);
    EXPECT_EQ(db.GetRecords().back()->GetSlot(), 0.0f);
    EXPECT_EQ(db.GetRecords().back()->IsWest(), 1);

    AddFilled("Test 3", "180", "west");
    EXPECT_TRUE(Save().empty());
    EXPECT_EQ(db.GetRecords().back()->GetSlot(), 180.0f);
    EXPECT_EQ(db.GetRecords().back()->IsWest(), 1);

    AddFilled("Test 4", "-0", "west");
    EXPECT_TRUE(Save().empty());
    EXPECT_FALSE(std::signbit(db.GetRecords().back()->GetSlot()));
}

TEST_F(SatelliteEditorTest, RenamingKeepsTheRecordsOwnNameInOtherLettersButRefusesAnother) {
    CSatellite* galaxy = db.GetRecords()[0].get();
    Open(galaxy);
    TypeInto(C<QLineEdit>("satelliteName"), "GALAXY 19");
    EXPECT_TRUE(Save().empty());
    EXPECT_EQ(galaxy->GetName(), "GALAXY 19");
    EXPECT_EQ(db.FindSatellite("galaxy 19"), galaxy);
    TypeInto(C<QLineEdit>("satelliteName"), "amc 21");
    EXPECT_EQ(Save(), std::vector<std::string>{"Satellite amc 21 already exists.  Save under a new name."});
    EXPECT_EQ(galaxy->GetName(), "GALAXY 19");
    // A rename moves the entry to its sorted place and keeps it selected.
    TypeInto(C<QLineEdit>("satelliteName"), "Aaa");
    EXPECT_TRUE(Save().empty());
    EXPECT_EQ(ListText(List(), 0), "Aaa");
    EXPECT_EQ(CurrentRow(List()), 0);
    EXPECT_EQ(db.FindSatellite("aaa"), galaxy);
}

// The list is sorted once when the editor opens; each save, addition and
// deletion then moves only its own entry, and the name check sees the names
// as they are now.
TEST_F(SatelliteEditorTest, EntriesKeepTheirOrderThroughRenamesAdditionsAndDeletions) {
    Open(db.GetRecords()[2].get());  // AMC 21, first in the list
    TypeInto(C<QLineEdit>("satelliteName"), "Zeta");
    EXPECT_TRUE(Save().empty());
    EXPECT_EQ(Entries(), (QStringList{"Astra 1KR", "Galaxy 19", "Zeta"}));
    EXPECT_EQ(CurrentRow(List()), 2);
    TypeInto(C<QLineEdit>("satelliteName"), "b");
    EXPECT_TRUE(Save().empty());
    EXPECT_EQ(Entries(), (QStringList{"Astra 1KR", "b", "Galaxy 19"}));
    EXPECT_EQ(CurrentRow(List()), 1);

    AddFilled("astra 2", "10");
    EXPECT_TRUE(Save().empty());
    EXPECT_EQ(Entries(), (QStringList{"Astra 1KR", "astra 2", "b", "Galaxy 19"}));
    EXPECT_EQ(CurrentText(List()), "astra 2");
    messages.Script({IDYES});
    Click(dlg.get(), "delete");
    EXPECT_EQ(Entries(), (QStringList{"Astra 1KR", "b", "Galaxy 19"}));
    EXPECT_EQ(CurrentText(List()), "Astra 1KR");

    // The old name is free again; the new one is taken.
    PickEntry(List(), "Galaxy 19");
    TypeInto(C<QLineEdit>("satelliteName"), "B");
    EXPECT_EQ(Save(), std::vector<std::string>{"Satellite B already exists.  Save under a new name."});
    TypeInto(C<QLineEdit>("satelliteName"), "amc 21");
    EXPECT_TRUE(Save().empty());
    EXPECT_EQ(Entries(), (QStringList{"amc 21", "Astra 1KR", "b"}));
    EXPECT_EQ(CurrentRow(List()), 0);
}

TEST_F(SatelliteEditorTest, NamesAndCommentsOutsideTheirLimitsAreRefused) {
    Open(db.GetRecords()[0].get());
    QLineEdit* name = C<QLineEdit>("satelliteName");
    TypeInto(name, QString(31, 'x'));
    EXPECT_EQ(name->text().size(), 30);                             // the field takes no more
    TypeInto(name, QString::fromUtf8("\xE6\x9D\xB1\xE4\xBA\xAC"));  // characters outside Windows-1252
    const auto refused = Save();
    ASSERT_EQ(refused.size(), 1u);
    EXPECT_NE(refused[0].find("Tilvex cannot store some of the characters in the satellite name."),
              std::string::npos);
    EXPECT_EQ(db.GetRecords()[0]->GetName(), "Galaxy 19");

    TypeInto(name, QString::fromUtf8("Caf\xC3\xA9 \xE2\x82\xAC"));  // é and € are in Windows-1252
    QPlainTextEdit* comments = C<QPlainTextEdit>("comments");
    TypeInto(comments, QString(256, 'c'));
    EXPECT_EQ(Save(), std::vector<std::string>{"Please enter no more than 255 characters."});
    TypeInto(comments, QString(255, 'c'));
    EXPECT_TRUE(Save().empty());
    EXPECT_EQ(db.GetRecords()[0]->GetName(), "Caf\xE9 \x80");
    EXPECT_EQ(db.GetRecords()[0]->GetComments(), std::string(255, 'c'));
}

TEST_F(SatelliteEditorTest, ChoosingAnotherEntryAsksAboutUnsavedEdits) {
    Open(db.GetRecords()[0].get());
    TypeInto(C<QLineEdit>("slot"), "98");
    messages.Script({IDNO});
    PickEntry(List(), "AMC 21");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Do you want to save changes to Galaxy 19?"});
    EXPECT_EQ(db.GetRecords()[0]->GetSlot(), 97.0f);
    EXPECT_EQ(C<QLineEdit>("satelliteName")->text(), "AMC 21");
    EXPECT_FALSE(C<QPushButton>("save")->isEnabled());

    TypeInto(C<QLineEdit>("slot"), "126");
    messages.Clear();
    messages.Script({IDYES});
    PickEntry(List(), "Galaxy 19");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{"Do you want to save changes to AMC 21?"});
    EXPECT_EQ(db.GetRecords()[2]->GetSlot(), 126.0f);
    EXPECT_EQ(C<QLineEdit>("satelliteName")->text(), "Galaxy 19");
    EXPECT_EQ(CurrentText(List()), "Galaxy 19");

    // Edits that do not validate keep the entry where it was.
    Click(dlg.get(), "ku");  // no band left
    messages.Clear();
    PickEntry(List(), "Astra 1KR");
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{editor_messages::kNoBand});
    EXPECT_EQ(CurrentText(List()), "Galaxy 19");
    EXPECT_EQ(C<QLineEdit>("satelliteName")->text(), "Galaxy 19");
}

TEST_F(SatelliteEditorTest, DeletingTheLastRecordClearsTheFormAndCloseReportsTheChange) {
    Open(db.GetRecords()[1].get());
    messages.Script({IDNO});
    Click(dlg.get(), "delete");
    EXPECT_EQ(db.GetSize(), 3u);
    EXPECT_EQ(messages.Texts(),
              std::vector<std::string>{"Are you sure you want to delete satellite Astra 1KR?"});
    messages.Script({IDYES, IDYES, IDYES});
    Click(dlg.get(), "delete");
    EXPECT_EQ(db.GetSize(), 2u);
    EXPECT_EQ(ListCount(List()), 2);
    EXPECT_EQ(C<QLineEdit>("satelliteName")->text(), "AMC 21");  // the entry above was first
    Click(dlg.get(), "delete");
    EXPECT_EQ(C<QLineEdit>("satelliteName")->text(), "Galaxy 19");
    Click(dlg.get(), "delete");
    EXPECT_TRUE(db.IsEmpty());
    EXPECT_EQ(ListCount(List()), 0);
    EXPECT_TRUE(C<QLineEdit>("satelliteName")->text().isEmpty());
    EXPECT_FALSE(C<QPushButton>("delete")->isEnabled());
    EXPECT_FALSE(C<QPushButton>("save")->isEnabled());
    dlg->OnSave();  // nothing to save into: nothing happens
    EXPECT_TRUE(db.IsEmpty());
    Click(dlg.get(), "close");
    EXPECT_EQ(dlg->result(), 1);
}

TEST_F(SatelliteEditorTest, CloseAndEscapeAfterFieldEditsOnlyReportNoChange) {
    Open(db.GetRecords()[0].get());
    TypeInto(C<QLineEdit>("satelliteName"), "Renamed");
    Click(dlg.get(), "close");
    EXPECT_EQ(dlg->result(), 0);
    EXPECT_EQ(db.GetRecords()[0]->GetName(), "Galaxy 19");
    Open(db.GetRecords()[0].get());
    TypeInto(C<QLineEdit>("slot"), "1");
    QTest::keyClick(dlg.get(), Qt::Key_Escape);
    EXPECT_EQ(dlg->result(), 0);
    EXPECT_EQ(db.GetRecords()[0]->GetSlot(), 97.0f);
}
