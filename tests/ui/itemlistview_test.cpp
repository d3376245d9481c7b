#include "ui/itemlistmodel.h"
#include "ui/itemlistview.h"

#include "uidriver.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

QStringList letters(int count) {
    QStringList texts;
    for (int i = 0; i < count; ++i)
        texts.append(QStringLiteral("item %1").arg(i, 3, 10, QLatin1Char('0')));
    return texts;
}

} // namespace

TEST(ItemListModel, ReportsEveryChangeRowByRow) {
    ItemList list(Sorting::Sorted);
    ItemListModel model(list);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QSignalSpy resets(&model, &QAbstractItemModel::modelReset);

    list.add(QStringLiteral("b"));
    list.add(QStringLiteral("a"));
    ASSERT_EQ(inserted.count(), 2);
    EXPECT_EQ(inserted.at(1).at(1).toInt(), 0); // "a" went in before "b"
    list.setItem(1, QStringLiteral("c"));
    EXPECT_EQ(model.index(1).data().toString(), QStringLiteral("c"));
    list.removeAt(0);
    ASSERT_EQ(removed.count(), 1);
    EXPECT_EQ(removed.at(0).at(1).toInt(), 0);
    list.addMany(letters(5));
    list.clear();
    EXPECT_EQ(resets.count(), 2);
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(ItemListModel, LetsGoOfTheListWhenDetached) {
    ItemList list;
    list.addMany(letters(3));
    {
        ItemListModel model(list);
        EXPECT_EQ(list.observer(), &model);
        model.detach();
        EXPECT_EQ(list.observer(), nullptr);
        EXPECT_EQ(model.rowCount(), 0);
    }
    ItemListModel model(list);
    EXPECT_EQ(model.rowCount(), 3);
}

class ItemListViewTest : public ::testing::Test {
protected:
    ItemListViewTest() : view(list) {
        list.addMany(letters(40));
        list.setClickHandler([this] { ++clicks; });
        view.resize(200, 100);
        view.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&view));
    }

    ItemList list;
    ItemListView view;
    int clicks = 0;
};

TEST_F(ItemListViewTest, AClickIsThePupilsClickEveryTime) {
    ui::clickRow(&view, 2);
    ui::clickRow(&view, 2);
    EXPECT_EQ(list.selected(), 2);
    EXPECT_EQ(clicks, 2);
    // The view shows the list's selection only when told to.
    view.showSelection();
    EXPECT_EQ(ui::selectedRow(&view), 2);
}

TEST_F(ItemListViewTest, NavigationKeysMoveTheListsSelection) {
    const struct {
        Qt::Key key;
        int from;
        int expected;
    } cases[] = {
        {Qt::Key_Down, -1, 0}, {Qt::Key_Down, 3, 4}, {Qt::Key_Up, 3, 2},    {Qt::Key_Up, 0, 0},
        {Qt::Key_Home, 7, 0},  {Qt::Key_End, 7, 39}, {Qt::Key_End, -1, 39}, {Qt::Key_Down, 39, 39},
    };
    for (const auto& c : cases) {
        list.setSelected(c.from);
        view.showSelection();
        QTest::keyClick(&view, c.key);
        EXPECT_EQ(list.selected(), c.expected) << c.key << " from " << c.from;
    }
    list.setSelected(0);
    QTest::keyClick(&view, Qt::Key_PageDown);
    EXPECT_GT(list.selected(), 1);
    EXPECT_LT(list.selected(), 39);
}

TEST_F(ItemListViewTest, FollowsTheListsSelectionAndItsRemoval) {
    list.setSelected(30);
    view.showSelection();
    EXPECT_EQ(ui::selectedRow(&view), 30);
    EXPECT_TRUE(view.viewport()->rect().intersects(view.visualRect(view.model()->index(30, 0))));
    list.removeAt(0);
    view.showSelection();
    EXPECT_EQ(ui::selectedRow(&view), 29);
    list.removeAt(29);
    view.showSelection();
    EXPECT_EQ(ui::selectedRow(&view), -1);
    EXPECT_FALSE(view.currentIndex().isValid());
}
