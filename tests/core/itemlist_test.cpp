#include "core/itemlist.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Records what a view would be told, in order.
class RecordingObserver : public ItemListObserver {
public:
    std::vector<std::string> events;
    void aboutToInsert(int first, int last) override { add("+?", first, last); }
    void inserted(int first, int last) override { add("+", first, last); }
    void aboutToRemove(int first, int last) override { add("-?", first, last); }
    void removed(int first, int last) override { add("-", first, last); }
    void aboutToReset() override { events.push_back("reset?"); }
    void reset() override { events.push_back("reset"); }
    void changed(int row) override { events.push_back("changed " + std::to_string(row)); }
    void selectionChanged(int row) override { events.push_back("sel " + std::to_string(row)); }

private:
    void add(const char* what, int first, int last) {
        events.push_back(std::string(what) + " " + std::to_string(first) + "-" +
                         std::to_string(last));
    }
};

QStringList items(const ItemList& list) {
    return list.toStringList();
}

TEST(ItemList, ReadingOutsideTheListGivesTheEmptyText) {
    ItemList list;
    list.add("a");
    for (int position : {1, 2, 32767, -1, -32768})
        EXPECT_EQ(list.item(position), QString()) << position;
    EXPECT_EQ(list.item(0), "a");
}

TEST(ItemList, UnsortedKeepsTheOrderOfAdding) {
    ItemList list;
    for (const char* text : {"b", "A", "c", "a"})
        list.add(text);
    EXPECT_EQ(items(list), QStringList({"b", "A", "c", "a"}));
}

struct SortCase {
    const char* name;
    std::vector<const char*> added;
    QStringList expected;
};

class SortedInsertion : public testing::TestWithParam<SortCase> {};

TEST_P(SortedInsertion, PutsEachTextAtItsAlphabeticalPlace) {
    const SortCase& c = GetParam();
    ItemList list(Sorting::Sorted);
    for (const char* text : c.added)
        list.add(QString::fromUtf8(text));
    EXPECT_EQ(items(list), c.expected);

    // Adding all at once gives the same order, and so does any other order
    // of adding: the order never depends on history.
    ItemList bulk(Sorting::Sorted);
    QStringList reversed;
    for (auto it = c.added.rbegin(); it != c.added.rend(); ++it)
        reversed.append(QString::fromUtf8(*it));
    bulk.addMany(reversed);
    EXPECT_EQ(items(bulk), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SortedInsertion,
    testing::Values(SortCase{"latin_case_ignored",
                             {"nota bene", "De facto", "expressis verbis", "de jure"},
                             {"De facto", "de jure", "expressis verbis", "nota bene"}},
                    SortCase{"cyrillic_case_ignored",
                             {"човек търся", "Безделието", "благородството", "в пълен състав"},
                             {"Безделието", "благородството", "в пълен състав", "човек търся"}},
                    SortCase{"same_letters_other_case_fixed_order",
                             {"abc", "ABC", "Abc"},
                             {"ABC", "Abc", "abc"}},
                    SortCase{"cyrillic_other_case", {"да", "ДА", "Да"}, {"ДА", "Да", "да"}},
                    SortCase{"prefix_first",
                             {"in corpore sano", "in corpore", "in"},
                             {"in", "in corpore", "in corpore sano"}},
                    SortCase{"duplicates_and_empty", {"b", "", "b", "a"}, {"", "a", "b", "b"}}),
    [](const testing::TestParamInfo<SortCase>& info) { return info.param.name; });

TEST(ItemList, SelectionStaysOnItsItem) {
    ItemList list(Sorting::Sorted);
    list.addMany({"b", "d", "f"});
    list.setSelected(1); // "d"
    list.add("a");
    EXPECT_EQ(list.selected(), 2);
    list.add("e");
    EXPECT_EQ(list.selected(), 2);
    list.removeAt(0);
    EXPECT_EQ(list.selected(), 1);
    EXPECT_EQ(list.item(list.selected()), "d");
    list.addMany({"c", "c", "z"});
    EXPECT_EQ(list.item(list.selected()), "d");
    list.removeAt(list.count() - 1);
    EXPECT_EQ(list.item(list.selected()), "d");
    list.removeAt(list.selected());
    EXPECT_EQ(list.selected(), -1);
}

TEST(ItemList, OnlyARealChangeByProgramRaisesTheClickHandling) {
    ItemList list;
    list.addMany({"a", "b", "c"});
    int clicks = 0;
    list.setClickHandler([&] { ++clicks; });

    list.setSelected(1);
    EXPECT_EQ(clicks, 1);
    list.setSelected(1);
    EXPECT_EQ(clicks, 1);
    list.setSelected(3);  // outside: ignored
    list.setSelected(-2); // outside: ignored
    EXPECT_EQ(list.selected(), 1);
    EXPECT_EQ(clicks, 1);

    // Adding, removing and clearing raise nothing, even when they move or
    // drop the selection.
    list.add("d");
    list.removeAt(0);
    list.removeAt(0);
    list.clear();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(list.selected(), -1);
}

TEST(ItemList, APupilsClickRaisesTheHandlingEveryTime) {
    ItemList list;
    list.addMany({"a", "b"});
    int clicks = 0;
    list.setClickHandler([&] { ++clicks; });
    list.click(0);
    list.click(0);
    EXPECT_EQ(clicks, 2);
    list.click(5); // no such row
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(list.selected(), 0);
}

TEST(ItemList, ClickHandlingRunsNestedBeforeSetSelectedReturns) {
    ItemList a;
    ItemList b;
    a.addMany({"x", "y"});
    b.addMany({"x", "y"});
    std::vector<std::string> order;
    a.setClickHandler([&] {
        order.push_back("a in");
        b.setSelected(a.selected());
        order.push_back("a out");
    });
    b.setClickHandler([&] {
        order.push_back("b");
        a.setSelected(b.selected()); // already there: the echo ends here
    });
    a.setSelected(1);
    EXPECT_EQ(order, (std::vector<std::string>{"a in", "b", "a out"}));
}

TEST(ItemList, TellsAViewRowByRow) {
    ItemList list(Sorting::Sorted);
    RecordingObserver view;
    list.setObserver(&view);
    list.add("m");
    list.add("a");
    list.setSelected(1);
    list.setItem(0, "b");
    list.setItem(0, "b"); // no change, no event
    list.removeAt(0);
    list.clear();
    EXPECT_EQ(view.events,
              (std::vector<std::string>{"+? 0-0", "+ 0-0", "+? 0-0", "+ 0-0", "sel 1", "changed 0",
                                        "-? 0-0", "- 0-0", "reset?", "reset"}));
}

TEST(ItemList, HoldsAtMost32767Items) {
    ItemList list;
    QStringList many;
    for (int i = 0; i < ItemList::MaxCount + 5; ++i)
        many.append(QString::number(i));
    list.addMany(many);
    EXPECT_EQ(list.count(), ItemList::MaxCount);
    EXPECT_EQ(list.add("more"), -1);
    EXPECT_EQ(list.count(), ItemList::MaxCount);
    list.setSelected(ItemList::MaxCount - 1);
    EXPECT_EQ(list.selected(), ItemList::MaxCount - 1);
}

} // namespace
