// A database tree over a large region: the region's items are made when it
// is first opened, and until then its records still drag and add as a
// folder's do.
#include <gtest/gtest.h>

#include <QApplication>

#include "TestSupport.h"
#include "core/display/DragRecords.h"
#include "ui/satellites/SatelliteTree.h"

TEST(DatabaseTreeTest, ALargeRegionGetsItsItemsWhenFirstOpened) {
    CSatelliteTree tree;
    const int large = static_cast<int>(CDatabaseTree::kItemsWhenOpened) + 1;
    for (int i = large; i-- > 0;)
        tree.Database().Append(
            MakeSatellite("Big " + std::to_string(100000 + i), 97.0f, true, SAT_BAND_KU | SAT_REGION_ASIA));
    tree.Database().Append(MakeSatellite("Small b", 97.0f, true, SAT_BAND_KU | SAT_REGION_EUROPE));
    tree.Database().Append(MakeSatellite("small A", 97.0f, true, SAT_BAND_KU | SAT_REGION_EUROPE));
    tree.FillTree();
    tree.show();
    QTreeWidgetItem* root = tree.RootItem();
    ASSERT_EQ(root->childCount(), 4);
    QTreeWidgetItem* asia = root->child(0);
    QTreeWidgetItem* europe = root->child(1);
    ASSERT_EQ(asia->text(0).toStdString(), "Asia & South Pacific");
    ASSERT_EQ(europe->text(0).toStdString(), "Europe, Africa & Middle East");

    // A small region is filled at once; the large one waits, with its
    // expander showing, and still knows its records in order.
    ASSERT_EQ(europe->childCount(), 2);
    EXPECT_EQ(europe->child(0)->text(0), "small A");
    EXPECT_EQ(asia->childCount(), 0);
    EXPECT_EQ(asia->childIndicatorPolicy(), QTreeWidgetItem::ShowIndicator);
    const std::vector<void*> records = tree.FolderRecords(asia);
    ASSERT_EQ(records.size(), static_cast<std::size_t>(large));
    EXPECT_EQ(static_cast<CSatellite*>(records.front())->GetName(), "Big 100000");
    const auto dragged = tree.DragRecordsOf(asia);
    ASSERT_TRUE(dragged && dragged->folder);
    ASSERT_EQ(dragged->names.size(), static_cast<std::size_t>(large));
    EXPECT_EQ(dragged->names.back(), "Big " + std::to_string(100000 + large - 1));

    // Opening it makes the items, which then stand for the same records.
    root->setExpanded(true);
    asia->setExpanded(true);
    ASSERT_EQ(asia->childCount(), large);
    EXPECT_EQ(asia->child(0)->text(0), "Big 100000");
    EXPECT_EQ(tree.SatelliteOf(asia->child(large - 1)), records.back());
    EXPECT_EQ(tree.FolderRecords(asia), records);
    EXPECT_EQ(*tree.DragRecordsOf(asia), *dragged);

    // A rebuild keeps the folder open, with its items.
    const CDatabaseTree::ViewState state = tree.SaveViewState();
    tree.FillTree();
    tree.RestoreViewState(state);
    EXPECT_EQ(tree.RootItem()->child(0)->childCount(), large);
}
