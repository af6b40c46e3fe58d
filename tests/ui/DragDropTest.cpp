// Dragging from the database trees into the workspace, through the real drop
// handlers with the trees' own drag data.
#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QListWidget>
#include <QMimeData>

#include "UiSupport.h"
#include "core/display/DragRecords.h"
#include "ui/display/ArcGrid.h"
#include "ui/framework/QtText.h"
#include "ui/locations/LocationTree.h"
#include "ui/satellites/SatelliteTree.h"

namespace {

// Counts the workspace's updates for as long as it lives.
class UpdateCounter : public CView {
public:
    explicit UpdateCounter(CTilvexDoc* doc) : m_pDoc(doc) { doc->AddView(this); }
    ~UpdateCounter() override { m_pDoc->RemoveView(this); }
    void OnUpdate(CView*) override { ++count; }
    int count = 0;

private:
    CTilvexDoc* m_pDoc;
};

struct DropOutcome {
    bool entered = false;  // the pointer over the target shows that it takes the drop
    bool moved = false;
    bool dropped = false;
};

// Drags `data` over `target` (a list's viewport) and releases it there, as
// Qt's drag and drop delivers it.
DropOutcome DropOn(QWidget* target, const QMimeData* data) {
    const QPoint pos = target->rect().center();
    DropOutcome outcome;
    QDragEnterEvent enter(pos, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    outcome.entered = enter.isAccepted();
    QDragMoveEvent move(pos, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    outcome.moved = move.isAccepted();
    QDropEvent drop(QPointF(pos), Qt::CopyAction, data, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    outcome.dropped = drop.isAccepted();
    return outcome;
}

QTreeWidgetItem* Find(QTreeWidget* tree, const char* text) {
    const auto found = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.size() == 1 ? found.front() : nullptr;
}

}  // namespace

class DragDropTest : public ProgramFixture {
protected:
    CMainFrame* frame = nullptr;
    CTilvexDoc* doc = nullptr;
    CArcGrid* grid = nullptr;
    QListWidget* locations = nullptr;
    std::unique_ptr<UpdateCounter> updates;

    void SetUp() override {
        ProgramFixture::SetUp();
        frame = Start();
        ASSERT_NE(frame, nullptr);
        doc = frame->GetDocument();
        grid = frame->findChild<CArcGrid*>("arcGrid");
        locations = frame->findChild<QListWidget*>("locationList");
        ASSERT_TRUE(grid && locations);
        ASSERT_FALSE(doc->IsModified());
        updates = std::make_unique<UpdateCounter>(doc);
    }
    void TearDown() override {
        updates.reset();
        ProgramFixture::TearDown();
    }

    std::unique_ptr<QMimeData> SatelliteDrag(const char* item) {
        QTreeWidgetItem* it = Find(frame->SatelliteTree(), item);
        EXPECT_NE(it, nullptr) << item;
        return std::unique_ptr<QMimeData>(frame->SatelliteTree()->DragData(it));
    }
    std::unique_ptr<QMimeData> LocationDrag(const char* item) {
        QTreeWidgetItem* it = Find(frame->LocationTree(), item);
        EXPECT_NE(it, nullptr) << item;
        return std::unique_ptr<QMimeData>(frame->LocationTree()->DragData(it));
    }
    QStringList RowNames() const {
        QStringList names;
        for (int row = 0; row < grid->count(); ++row)
            names << FromCp1252(grid->SatelliteAt(row)->GetName());
        return names;
    }
};

TEST_F(DragDropTest, SatelliteDroppedOnTheGridIsAddedOnce) {
    const auto data = SatelliteDrag("Astra 1KR");
    ASSERT_NE(data, nullptr);
    const DropOutcome outcome = DropOn(grid->viewport(), data.get());
    EXPECT_TRUE(outcome.entered && outcome.moved && outcome.dropped);
    EXPECT_EQ(doc->GetSatelliteNames().back(), "Astra 1KR");
    EXPECT_TRUE(RowNames().contains("Astra 1KR"));
    EXPECT_EQ(updates->count, 1);
    EXPECT_TRUE(doc->IsModified());

    // Again: already in the workspace, so nothing changes.
    const std::size_t size = doc->GetSatelliteNames().size();
    doc->SetModifiedFlag(false);
    DropOn(grid->viewport(), data.get());
    EXPECT_EQ(doc->GetSatelliteNames().size(), size);
    EXPECT_EQ(updates->count, 1);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DragDropTest, RegionFolderAddsItsNewSatellitesInTreeOrderWithOneUpdate) {
    QTreeWidgetItem* americas = Find(frame->SatelliteTree(), "North & South America");
    ASSERT_NE(americas, nullptr);
    const std::vector<std::string> before = doc->GetSatelliteNames();
    std::vector<std::string> expected = before;
    int duplicates = 0;
    for (int i = 0; i < americas->childCount(); ++i) {
        const std::string name = ToCp1252(americas->child(i)->text(0));
        if (std::find(before.begin(), before.end(), name) != before.end())
            ++duplicates;
        else
            expected.push_back(name);
    }
    ASSERT_GT(duplicates, 5);  // the workspace holds many American satellites already

    const auto data = SatelliteDrag("North & South America");
    EXPECT_TRUE(DropOn(grid->viewport(), data.get()).dropped);
    EXPECT_EQ(doc->GetSatelliteNames(), expected);
    EXPECT_EQ(updates->count, 1);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(grid->count(), static_cast<int>(expected.size()));  // every band is listed

    // Leaving asks about the change.
    messages.reset();
    messages = std::make_unique<MessageCapture>(IDNO);
    updates.reset();
    Stop();
    EXPECT_EQ(messages->Texts(),
              std::vector<std::string>{"Save changes to United States Ku Band Satellites.wrk?"});
}

TEST_F(DragDropTest, EmptyRegionAddsNothingButUpdatesOnce) {
    // Take every IntelSat satellite out of the database.
    CSatelliteDatabase& db = frame->SatelliteTree()->Database();
    std::vector<const CSatellite*> intelsat;
    for (const auto& sat : db.GetRecords())
        if (sat->GetFlags() & SAT_REGION_INTELSAT)
            intelsat.push_back(sat.get());
    ASSERT_FALSE(intelsat.empty());
    for (const CSatellite* sat : intelsat)
        db.Erase(sat);
    frame->SatelliteTree()->FillTree();
    ASSERT_EQ(Find(frame->SatelliteTree(), "IntelSat")->childCount(), 0);

    const std::vector<std::string> before = doc->GetSatelliteNames();
    const auto data = SatelliteDrag("IntelSat");
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(DropOn(grid->viewport(), data.get()).dropped);
    EXPECT_EQ(doc->GetSatelliteNames(), before);
    EXPECT_EQ(updates->count, 1);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DragDropTest, RootCannotBeDraggedAndRecordsAndFoldersCan) {
    for (CDatabaseTree* tree : {static_cast<CDatabaseTree*>(frame->SatelliteTree()),
                                static_cast<CDatabaseTree*>(frame->LocationTree())}) {
        QTreeWidgetItem* root = tree->RootItem();
        ASSERT_NE(root, nullptr);
        EXPECT_FALSE(root->flags() & Qt::ItemIsDragEnabled);
        EXPECT_EQ(tree->DragData(root), nullptr);
        EXPECT_TRUE(root->child(0)->flags() & Qt::ItemIsDragEnabled);
        EXPECT_TRUE(root->child(0)->child(0)->flags() & Qt::ItemIsDragEnabled);
    }
    // The drag image shows the item's picture and text.
    const QPixmap image = frame->SatelliteTree()->DragPixmap(Find(frame->SatelliteTree(), "Astra 1KR"));
    EXPECT_GT(image.deviceIndependentSize().width(),
              16 + frame->SatelliteTree()->fontMetrics().horizontalAdvance("Astra"));
}

TEST_F(DragDropTest, LocationsDropOnTheLocationListOnly) {
    // A location record, then a region folder.
    auto data = LocationDrag("Phoenix, AZ");
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(DropOn(locations->viewport(), data.get()).dropped);
    EXPECT_EQ(doc->GetLocationNames().back(), "Phoenix, AZ");
    EXPECT_FALSE(locations->findItems("Phoenix, AZ", Qt::MatchExactly).isEmpty());
    EXPECT_EQ(updates->count, 1);
    EXPECT_TRUE(doc->IsModified());

    QTreeWidgetItem* europe = Find(frame->LocationTree(), "Europe");
    data = LocationDrag("Europe");
    EXPECT_TRUE(DropOn(locations->viewport(), data.get()).dropped);
    EXPECT_EQ(doc->GetLocationNames().size(), 8u + static_cast<std::size_t>(europe->childCount()));
    EXPECT_EQ(doc->GetLocationNames()[8], ToCp1252(europe->child(0)->text(0)));
    EXPECT_EQ(updates->count, 2);

    // A location on the grid, a satellite on the location list: refused,
    // nothing added.
    const std::vector<std::string> sats = doc->GetSatelliteNames(), locs = doc->GetLocationNames();
    data = LocationDrag("Tokyo");
    ASSERT_NE(data, nullptr);
    const DropOutcome onGrid = DropOn(grid->viewport(), data.get());
    EXPECT_FALSE(onGrid.entered || onGrid.moved || onGrid.dropped);
    data = SatelliteDrag("Astra 1KR");
    const DropOutcome onList = DropOn(locations->viewport(), data.get());
    EXPECT_FALSE(onList.entered || onList.moved || onList.dropped);
    EXPECT_EQ(doc->GetSatelliteNames(), sats);
    EXPECT_EQ(doc->GetLocationNames(), locs);
    EXPECT_EQ(updates->count, 2);
}

TEST_F(DragDropTest, TreesTakeOnlyTheSatelliteTreesOwnDragAndAddNothing) {
    const auto satellite = SatelliteDrag("Astra 1KR");
    const auto location = LocationDrag("Tokyo");
    const std::vector<std::string> sats = doc->GetSatelliteNames();
    // The satellite tree shows the ordinary pointer for its own drag (the
    // drag is taken) and adds nothing when it is released there.
    QWidget* satTree = frame->SatelliteTree()->viewport();
    const DropOutcome back = DropOn(satTree, satellite.get());
    EXPECT_TRUE(back.entered && back.moved);
    EXPECT_FALSE(back.dropped);
    EXPECT_FALSE(DropOn(satTree, location.get()).entered);
    // The location tree takes no drop at all, its own included.
    EXPECT_FALSE(frame->LocationTree()->viewport()->acceptDrops());
    EXPECT_FALSE(DropOn(frame->LocationTree()->viewport(), location.get()).entered);
    EXPECT_EQ(doc->GetSatelliteNames(), sats);
    EXPECT_EQ(updates->count, 0);
    EXPECT_FALSE(doc->IsModified());
}

TEST_F(DragDropTest, DataFromElsewhereIsRefused) {
    const std::vector<std::string> sats = doc->GetSatelliteNames(), locs = doc->GetLocationNames();
    QMimeData text;
    text.setText("Astra 1KR");
    QMimeData uris;
    uris.setUrls({QUrl::fromLocalFile("/tmp/Astra 1KR")});
    for (QMimeData* data : {&text, &uris}) {
        for (QWidget* target : {grid->viewport(), locations->viewport()}) {
            const DropOutcome outcome = DropOn(target, data);
            EXPECT_FALSE(outcome.entered || outcome.moved || outcome.dropped);
        }
    }
    // Our own type with bytes that the trees never write.
    QMimeData forged;
    forged.setData(kSatelliteDragType, QByteArray("Astra 1KR"));
    forged.setData(kLocationDragType, QByteArray("RTokyo", 6));
    EXPECT_FALSE(DropOn(grid->viewport(), &forged).dropped);
    EXPECT_FALSE(DropOn(locations->viewport(), &forged).dropped);
    EXPECT_EQ(doc->GetSatelliteNames(), sats);
    EXPECT_EQ(doc->GetLocationNames(), locs);
    EXPECT_EQ(updates->count, 0);
    EXPECT_FALSE(doc->IsModified());
}

// The drag carries names: a record renamed or deleted after the drag began is
// looked up again on the drop, and a pointer is never followed.
TEST_F(DragDropTest, DropLooksTheNamesUpAgain) {
    auto data = SatelliteDrag("Astra 1KR");
    CSatelliteDatabase& db = frame->SatelliteTree()->Database();
    db.Erase(db.FindSatellite("Astra 1KR"));
    frame->SatelliteTree()->FillTree();
    const std::vector<std::string> sats = doc->GetSatelliteNames();
    DropOn(grid->viewport(), data.get());
    EXPECT_EQ(doc->GetSatelliteNames(), sats);
    EXPECT_FALSE(doc->IsModified());
}
