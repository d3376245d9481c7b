#include "appearance/appearancerecord.h"
#include "appearance/cwiat.h"
#include "fakefonts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

const QStringList SomeFonts{QStringLiteral("Courier New"), QStringLiteral("Arial"),
                            QStringLiteral("Times New Roman"), QStringLiteral("times new roman"),
                            QStringLiteral("Verdana")};

// Plain controls standing for the main window's parts that "Запис" writes,
// plus the record that outlives every opening of the window.
class AppearanceWindow : public ::testing::Test {
protected:
    AppearanceWindow() { AppearanceRecord::fill(record); }

    AppearanceTargets targets() {
        return {&form, {&lists[0], &lists[1], &lists[2]}, &instructions, &counter};
    }
    Cwiat& open(const FontPlatform& platform) {
        window = std::make_unique<Cwiat>(record, targets(), platform);
        window->Form_Load();
        return *window;
    }
    Cwiat& open() { return open(fonts); }
    void move(int slider, int value) {
        window->Slider1[static_cast<std::size_t>(slider)].setValue(value);
        window->Slider1_Moved(slider);
    }
    std::array<int, 3> sliders() const {
        return {window->Slider1[0].value(), window->Slider1[1].value(), window->Slider1[2].value()};
    }
    std::vector<std::uint64_t> targetRevisions() const {
        return {form.revision(),     lists[0].revision(),     lists[1].revision(),
                lists[2].revision(), instructions.revision(), counter.revision()};
    }

    FakeFonts fonts{SomeFonts};
    ItemList record;
    WindowModel form;
    std::array<ListBox, 3> lists;
    TextBox instructions;
    Label counter;
    std::unique_ptr<Cwiat> window;
};

QStringList builtinAfterFirstLoad() {
    QStringList expected = AppearanceRecord::builtin();
    expected[8] = expected[9] = expected[10] = QStringLiteral("255");
    return expected;
}

} // namespace

TEST_F(AppearanceWindow, DefinitionBeforeLoading) {
    Cwiat w(record, targets(), fonts);
    EXPECT_EQ(w.caption(), QStringLiteral("Формиране на цвят/избор на шрифт"));
    EXPECT_EQ(w.clientWidth(), 5535);
    EXPECT_EQ(w.clientHeight(), 4710);
    EXPECT_EQ(w.background(), 8421504);
    EXPECT_EQ(w.font(), (Font{QStringLiteral("Times New Roman"), 12.0}));
    EXPECT_FALSE(w.isClosed());

    struct Row {
        const Control& control;
        Rect rect;
        const char* caption;
        const char* toolTip;
        bool visible;
    };
    const Row rows[] = {
        {w.picColor, {240, 120, 5055, 915}, "", "Получен изходен цвят", true},
        {w.Label_Cv[3],
         {795, 1150, 4020, 255},
         "Цвят",
         "Показва цифровата стойност на формирания цвят в 16-ична бройна система ",
         true},
        {w.Label_Cv[0], {120, 1560, 320, 315}, "Ч", "", true},
        {w.Slider1[0],
         {440, 1560, 3000, 315},
         "",
         "Промяна на стойн остта на червената съставка ",
         true},
        {w.Label_ST[0],
         {3440, 1560, 315, 315},
         "R",
         "Цифрова стойност на червения цвят в обхвата [0 - 255] ",
         true},
        {w.Option1[0],
         {3860, 1560, 345, 285},
         "",
         " За настройване цвета на фона на формата ",
         false},
        {w.Label_Cv[5],
         {4200, 1560, 1155, 285},
         "Цвят форма",
         "За настройване цвета на фона на формата ",
         true},
        {w.Label_Cv[1], {120, 2040, 320, 315}, "З", "", true},
        {w.Slider1[1],
         {440, 2040, 3000, 315},
         "",
         "Промяна на стойн остта на зелената съставка ",
         true},
        {w.Label_ST[1],
         {3440, 2040, 315, 315},
         "G",
         "Цифрова стойност на зеления цвят в обхвата [0 - 255] ",
         true},
        {w.Option1[1],
         {3860, 2040, 345, 285},
         "",
         " За настройване цвета на фона в текстовите полета ",
         true},
        {w.Label_Cv[6],
         {4200, 2040, 1155, 285},
         "Фон текст",
         "За настройване цвета на фона в текстовите полета ",
         true},
        {w.Label_Cv[2], {120, 2520, 320, 315}, "С", "", true},
        {w.Slider1[2],
         {440, 2520, 3000, 315},
         "",
         "Промяна на стойн остта на синята съставка ",
         true},
        {w.Label_ST[2],
         {3440, 2520, 315, 315},
         "B",
         "Цифрова стойност на синия цвят в обхвата [0 - 255] ",
         true},
        {w.Option1[2],
         {3860, 2520, 345, 285},
         "",
         " За настройване цвета на текста в текстовите полета ",
         true},
        {w.Label_Cv[7],
         {4200, 2520, 1155, 285},
         "Цвят текст",
         " За настройване цвета на текста в текстовите полета ",
         true},
        {w.Option1[3],
         {3860, 3000, 345, 285},
         "",
         " За настройване цвета на фона на бутоните ",
         false},
        {w.Label_Cv[8],
         {4200, 3000, 1155, 285},
         "Цвят бутон",
         " За настройване цвета на фона на бутоните ",
         false},
        {w.List_font[0], {600, 2900, 2655, 1200}, "", " Определя избрания шрифт ", false},
        {w.Label_Cv[4],
         {3860, 3450, 1490, 285},
         "Размер  шрифт",
         "Показва размера на буквите във формирания текст ",
         true},
        {w.List_font[1], {3840, 3840, 855, 735}, "", " Определя размера на буквите ", true},
        {w.Text_Cv[0],
         {600, 4200, 2655, 405},
         "Шрифт",
         "Полето илюстрира шрифт, размер на букви, цвят и фон на букви ",
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.toolTip);
        EXPECT_EQ(row.control.rect(), row.rect);
        EXPECT_EQ(row.control.caption(), QString::fromUtf8(row.caption));
        EXPECT_EQ(row.control.toolTip(), QString::fromUtf8(row.toolTip));
        EXPECT_EQ(row.control.isVisible(), row.visible);
    }

    const Font labelFont{QStringLiteral("Times New Roman"), 9.75};
    for (const Label& label : w.Label_Cv)
        EXPECT_EQ(label.font(), labelFont);
    for (const Label& label : w.Label_ST)
        EXPECT_EQ(label.font(), labelFont);
    EXPECT_EQ(w.List_font[1].font(), labelFont);
    EXPECT_EQ(w.Text_Cv[0].font(), w.font());

    const Colour red = 192, green = 49152, blue = 12582912;
    EXPECT_EQ(w.Label_Cv[0].foreground(), red);
    EXPECT_EQ(w.Label_ST[0].foreground(), red);
    EXPECT_EQ(w.Label_Cv[1].foreground(), green);
    EXPECT_EQ(w.Label_ST[1].foreground(), green);
    EXPECT_EQ(w.Label_Cv[2].foreground(), blue);
    EXPECT_EQ(w.Label_ST[2].foreground(), blue);

    EXPECT_TRUE(w.Option1[0].isChecked());
    for (int i = 1; i < 4; ++i)
        EXPECT_FALSE(w.Option1[static_cast<std::size_t>(i)].isChecked());
    EXPECT_EQ(w.List_font[0].list().sorting(), Sorting::Sorted);
    EXPECT_TRUE(w.List_font[0].list().isEmpty());
    EXPECT_EQ(w.List_font[1].list().toStringList(),
              (QStringList{"8", "9", "10", "11", "12", "13", "14"}));
    for (const Slider& slider : w.Slider1) {
        EXPECT_EQ(slider.minimum(), 0);
        EXPECT_EQ(slider.maximum(), 255);
    }
    EXPECT_EQ(record.toStringList(), AppearanceRecord::builtin());
}

TEST_F(AppearanceWindow, FirstLoadSplitsTargetOneAndShowsTheRecord) {
    Cwiat& w = open();
    EXPECT_EQ(record.toStringList(), builtinAfterFirstLoad());

    EXPECT_EQ(sliders(), (std::array<int, 3>{128, 0, 0}));
    // No movement yet: the labels, the caption and the window keep their
    // defined look.
    EXPECT_EQ(w.Label_ST[0].caption(), QStringLiteral("R"));
    EXPECT_EQ(w.Label_ST[1].caption(), QStringLiteral("G"));
    EXPECT_EQ(w.Label_ST[2].caption(), QStringLiteral("B"));
    EXPECT_EQ(w.Label_Cv[3].caption(), QStringLiteral("Цвят"));
    EXPECT_EQ(w.background(), 8421504);
    EXPECT_EQ(w.Current_Target, 0);
    EXPECT_EQ(w.Current_Colour, 0);

    EXPECT_EQ(w.picColor.background(), 128);
    EXPECT_EQ(w.Option1[0].background(), 128);
    EXPECT_EQ(w.Option1[1].background(), 16777215);
    EXPECT_EQ(w.Option1[2].background(), 8);
    EXPECT_EQ(w.Option1[3].background(), 192);
    EXPECT_EQ(w.Text_Cv[0].background(), 16777215);
    EXPECT_EQ(w.Text_Cv[0].foreground(), 8);

    EXPECT_EQ(w.font().name, QStringLiteral("Times New Roman"));
    const ItemList& names = w.List_font[0].list();
    EXPECT_EQ(names.count(), SomeFonts.size());
    EXPECT_EQ(names.item(names.selected()), QStringLiteral("Times New Roman"));
    EXPECT_EQ(w.List_font[1].list().item(w.List_font[1].list().selected()), QStringLiteral("12"));
    EXPECT_EQ(w.Text_Cv[0].font(), (Font{QStringLiteral("Times New Roman"), 12.0}));
}

TEST_F(AppearanceWindow, MovingGreenRightAfterOpeningMixesTheFormColour) {
    Cwiat& w = open();
    move(1, 200);

    QStringList expected = builtinAfterFirstLoad();
    expected[5] = QStringLiteral("200");
    expected[3] = QStringLiteral("51328");
    EXPECT_EQ(record.toStringList(), expected);

    EXPECT_EQ(w.Label_ST[0].caption(), QStringLiteral("128"));
    EXPECT_EQ(w.Label_ST[1].caption(), QStringLiteral("200"));
    EXPECT_EQ(w.Label_ST[2].caption(), QStringLiteral("0"));
    EXPECT_EQ(w.Current_Colour, 51328);
    EXPECT_EQ(w.background(), 51328);
    EXPECT_EQ(w.Option1[0].background(), 51328);
    EXPECT_EQ(w.picColor.background(), 51328);
    EXPECT_EQ(w.Label_Cv[3].caption(), QStringLiteral("Цвят в 10/16-тичен код = 51328 /HC880"));
    // The other previews stay.
    EXPECT_EQ(w.Text_Cv[0].background(), 16777215);
    EXPECT_EQ(w.Text_Cv[0].foreground(), 8);
    EXPECT_EQ(w.Option1[1].background(), 16777215);
}

TEST_F(AppearanceWindow, ChoosingTextBackgroundShowsItsSplitWhite) {
    Cwiat& w = open();
    w.Option1_Click(1);
    EXPECT_EQ(w.Current_Target, 1);
    EXPECT_TRUE(w.Option1[1].isChecked());
    EXPECT_FALSE(w.Option1[0].isChecked());
    EXPECT_EQ(sliders(), (std::array<int, 3>{255, 255, 255}));
    EXPECT_EQ(w.Label_ST[0].caption(), QStringLiteral("255"));
    EXPECT_EQ(w.Label_Cv[3].caption(),
              QStringLiteral("Цвят в 10/16-тичен код = 16777215 /HFFFFFF"));
    EXPECT_EQ(w.picColor.background(), 16777215);
    EXPECT_EQ(w.background(), 8421504);
}

TEST_F(AppearanceWindow, EachTargetKeepsItsOwnComponents) {
    Cwiat& w = open();
    w.Option1_Click(1);
    move(0, 10);
    move(1, 20);
    move(2, 30);
    w.Option1_Click(2);
    EXPECT_EQ(sliders(), (std::array<int, 3>{8, 0, 0}));
    w.Option1_Click(1);
    EXPECT_EQ(sliders(), (std::array<int, 3>{10, 20, 30}));
    EXPECT_EQ(w.Current_Colour, joinColour(10, 20, 30));
    EXPECT_EQ(record.item(7), decimalText(joinColour(10, 20, 30)));
    EXPECT_EQ(w.Text_Cv[0].background(), joinColour(10, 20, 30));
}

TEST_F(AppearanceWindow, MixingTextColourChangesOnlyItsPositionsAndTheSampleText) {
    Cwiat& w = open();
    w.Option1_Click(2);
    move(2, 50);

    QStringList expected = builtinAfterFirstLoad();
    expected[14] = QStringLiteral("50");
    expected[11] = decimalText(joinColour(8, 0, 50));
    EXPECT_EQ(record.toStringList(), expected);
    EXPECT_EQ(w.Text_Cv[0].foreground(), joinColour(8, 0, 50));
    EXPECT_EQ(w.Option1[2].background(), joinColour(8, 0, 50));
    EXPECT_EQ(w.Text_Cv[0].background(), 16777215);
    EXPECT_EQ(w.background(), 8421504);
}

TEST_F(AppearanceWindow, ButtonColourIsMixedButNeverApplied) {
    Cwiat& w = open();
    w.Option1_Click(3);
    move(1, 7);
    QStringList expected = builtinAfterFirstLoad();
    expected[17] = QStringLiteral("7");
    expected[15] = decimalText(joinColour(192, 7, 0));
    EXPECT_EQ(record.toStringList(), expected);
    EXPECT_EQ(w.Option1[3].background(), joinColour(192, 7, 0));

    w.mnu_zapis_Click();
    EXPECT_EQ(form.background(), 128);
    EXPECT_EQ(counter.background(), 16777215);
}

TEST_F(AppearanceWindow, OutOfRangeIndicesDoNothing) {
    Cwiat& w = open();
    const QStringList before = record.toStringList();
    const auto revision = w.revision();
    w.Option1_Click(4);
    w.Option1_Click(-1);
    w.Slider1_Moved(3);
    w.Slider1_Moved(-1);
    w.List_font_Click(2);
    EXPECT_EQ(record.toStringList(), before);
    EXPECT_EQ(w.Current_Target, 0);
    EXPECT_EQ(w.revision(), revision);
}

TEST_F(AppearanceWindow, SaveAppliesTheBuiltInRecordToExactlyItsTargets) {
    const Font counterFont{QStringLiteral("Arial"), 9.0};
    counter.setFont(counterFont);
    Cwiat& w = open();
    w.mnu_zapis_Click();

    EXPECT_EQ(form.background(), 128);
    EXPECT_FALSE(form.foreground().has_value());
    const Font applied{QStringLiteral("Times New Roman"), 12.0};
    for (const ListBox& list : lists) {
        EXPECT_EQ(list.background(), 16777215);
        EXPECT_EQ(list.foreground(), 8);
        EXPECT_EQ(list.font(), applied);
    }
    EXPECT_EQ(instructions.background(), 16777215);
    EXPECT_EQ(instructions.foreground(), 8);
    EXPECT_EQ(instructions.font(), applied);
    EXPECT_EQ(counter.background(), 16777215);
    EXPECT_EQ(counter.foreground(), 8);
    EXPECT_EQ(counter.font(), counterFont);

    EXPECT_TRUE(w.isClosed());
    EXPECT_FALSE(w.isVisible());
}

TEST_F(AppearanceWindow, SaveAppliesTheChosenSizeAndMixedColours) {
    Cwiat& w = open();
    w.List_font[1].list().click(6); // "14"
    EXPECT_EQ(record.item(2), QStringLiteral("14"));
    EXPECT_EQ(w.Text_Cv[0].font().size, 14.0);
    w.Option1_Click(1);
    move(0, 0);
    w.mnu_zapis_Click();
    for (const ListBox& list : lists) {
        EXPECT_EQ(list.font().size, 14.0);
        EXPECT_EQ(list.background(), joinColour(0, 255, 255));
    }
    EXPECT_EQ(instructions.font().size, 14.0);
}

TEST_F(AppearanceWindow, CancelLeavesTheMainWindowButKeepsTheRecord) {
    const auto revisions = targetRevisions();
    {
        Cwiat& w = open();
        move(0, 1);
        move(2, 3);
        w.Option1_Click(2);
        move(1, 40);
        w.List_font[1].list().click(0);
        w.mnu_Otkaz_Click();
        EXPECT_TRUE(w.isClosed());
        EXPECT_FALSE(w.isVisible());
    }
    EXPECT_EQ(targetRevisions(), revisions);
    const QStringList mixed = record.toStringList();
    EXPECT_EQ(mixed[3], decimalText(joinColour(1, 0, 3)));
    EXPECT_EQ(mixed[11], decimalText(joinColour(8, 40, 0)));
    EXPECT_EQ(mixed[2], QStringLiteral("8"));

    // A new opening starts fresh on target 0 with what was mixed before.
    Cwiat& again = open();
    EXPECT_EQ(record.toStringList(), mixed);
    EXPECT_EQ(again.Current_Target, 0);
    EXPECT_TRUE(again.Option1[0].isChecked());
    EXPECT_EQ(sliders(), (std::array<int, 3>{1, 0, 3}));
    EXPECT_EQ(again.Text_Cv[0].foreground(), joinColour(8, 40, 0));
    EXPECT_EQ(again.List_font[1].list().selected(), 0);
    EXPECT_EQ(again.Text_Cv[0].font().size, 8.0);

    // Target 0 is edited again, not the text colour chosen last time.
    move(1, 9);
    EXPECT_EQ(record.item(3), decimalText(joinColour(1, 9, 3)));
    EXPECT_EQ(record.item(11), mixed[11]);

    again.mnu_zapis_Click();
    EXPECT_EQ(form.background(), joinColour(1, 9, 3));
    EXPECT_EQ(lists[0].foreground(), joinColour(8, 40, 0));
    EXPECT_EQ(lists[2].font().size, 8.0);
}

// Sizes the platform draws slightly off are stored as the whole size asked for.
TEST_F(AppearanceWindow, SizeChoiceStoresTheRoundedRealisedSize) {
    Cwiat& w = open();
    struct Case {
        int row;
        const char* stored;
        double sampleSize;
    };
    const Case cases[] = {{2, "10", 10.0}, {0, "8", 8.0}, {6, "14", 14.0}, {4, "12", 12.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        w.List_font[1].list().click(c.row);
        EXPECT_EQ(record.item(2), QString::fromLatin1(c.stored));
        EXPECT_EQ(w.Text_Cv[0].font().size, c.sampleSize);
    }
}

TEST_F(AppearanceWindow, SizeIsStoredAsAskedWhenThePlatformCannotTell) {
    class NoRealisedSize : public FakeFonts {
    public:
        using FakeFonts::FakeFonts;
        double realisedSize(const QString&, double) const override {
            return std::numeric_limits<double>::quiet_NaN();
        }
    } platform{SomeFonts};
    Cwiat& w = open(platform);
    w.List_font[1].list().click(3);
    EXPECT_EQ(record.item(2), QStringLiteral("11"));
}

// On a machine that draws 12 points a size larger, selecting "12" at load
// stores "13"; the size list is compared with the record as it now stands,
// so "13" is selected next, and so on while the record keeps changing.
TEST_F(AppearanceWindow, LoadComparesSizesWithTheRecordAsItChanges) {
    class OneSizeUp : public FakeFonts {
    public:
        using FakeFonts::FakeFonts;
        double realisedSize(const QString&, double points) const override {
            return points == 12.0 || points == 13.0 ? points + 1.0 : points;
        }
    } platform{SomeFonts};
    Cwiat& w = open(platform);
    EXPECT_EQ(w.List_font[1].list().item(w.List_font[1].list().selected()), QStringLiteral("14"));
    EXPECT_EQ(record.item(2), QStringLiteral("14"));
    EXPECT_EQ(w.Text_Cv[0].font().size, 14.0);
}

TEST_F(AppearanceWindow, FontListWithoutAnyFonts) {
    FakeFonts none{{}};
    Cwiat& w = open(none);
    EXPECT_TRUE(w.List_font[0].list().isEmpty());
    EXPECT_EQ(w.List_font[0].list().selected(), -1);
    EXPECT_EQ(w.List_font[1].list().item(w.List_font[1].list().selected()), QStringLiteral("12"));
    EXPECT_EQ(record.toStringList(), builtinAfterFirstLoad());
    w.List_font[1].list().click(2);
    EXPECT_EQ(record.item(2), QStringLiteral("10"));
}

TEST_F(AppearanceWindow, MissingRecordFontSelectsNothingAndIsStillApplied) {
    // Only a case variant is installed: names match exactly or not at all.
    FakeFonts platform{{QStringLiteral("Arial"), QStringLiteral("times new roman")}};
    Cwiat& w = open(platform);
    EXPECT_EQ(w.List_font[0].list().selected(), -1);
    EXPECT_EQ(record.item(1), QStringLiteral("Times New Roman"));
    EXPECT_EQ(w.Text_Cv[0].font().name, QStringLiteral("Times New Roman"));
    w.mnu_zapis_Click();
    EXPECT_EQ(lists[1].font().name, QStringLiteral("Times New Roman"));
}

TEST_F(AppearanceWindow, FontNameComesOnlyFromTheInstalledList) {
    record.setItem(1, QStringLiteral("Verdana"));
    Cwiat& w = open();
    const ItemList& names = w.List_font[0].list();
    EXPECT_EQ(names.toStringList(), (QStringList{"Arial", "Courier New", "Times New Roman",
                                                 "times new roman", "Verdana"}));
    EXPECT_EQ(names.item(names.selected()), QStringLiteral("Verdana"));
    EXPECT_EQ(w.Text_Cv[0].font().name, QStringLiteral("Verdana"));
    w.List_font[0].list().click(0);
    EXPECT_EQ(record.item(1), QStringLiteral("Arial"));
    EXPECT_EQ(w.Text_Cv[0].font().name, QStringLiteral("Arial"));
}

TEST_F(AppearanceWindow, DuplicateFontEntriesLeaveTheLastSelected) {
    int fontClicks = 0;
    FakeFonts platform{{QStringLiteral("Times New Roman"), QStringLiteral("Arial"),
                        QStringLiteral("Times New Roman")}};
    window = std::make_unique<Cwiat>(record, targets(), platform);
    window->Fill_Font_List();
    EXPECT_EQ(window->List_font[0].list().selected(), 2);
    window->List_font[0].list().setClickHandler([&fontClicks] { ++fontClicks; });
    window->Fill_Font_List();
    EXPECT_EQ(fontClicks, 2);
}

// A damaged record never makes the window read or write outside it, and its
// numbers are held within their ranges.
TEST_F(AppearanceWindow, DamagedRecordsAreReadSafely) {
    const auto withFormColour = [](const QString& text) {
        QStringList items = AppearanceRecord::builtin();
        items[3] = text;
        return items;
    };
    struct Case {
        const char* name;
        QStringList items;
        std::array<int, 3> sliders;
        Colour form;
        Colour textBackground;
    };
    const Case cases[] = {
        {"empty", {}, {0, 0, 0}, 0, 0},
        {"short", {"x", "Arial", "12", "65280"}, {0, 0, 0}, 65280, 0},
        {"garbage",
         {"", "", "abc", "-7", "x", "x", "x", "  99999999", "", "", "", "1.5e3"},
         {0, 0, 0},
         0,
         16777215},
        {"fraction", withFormColour("  258.5 px"), {2, 1, 0}, 258, 16777215},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        record.clear();
        record.addMany(c.items);
        Cwiat& w = open();
        EXPECT_EQ(record.count(), c.items.size());
        EXPECT_EQ(sliders(), c.sliders);
        EXPECT_EQ(w.picColor.background(), c.form);
        EXPECT_GT(w.Text_Cv[0].font().size, 0.0);
        w.Option1_Click(1);
        move(0, 255);
        w.mnu_zapis_Click();
        EXPECT_EQ(form.background(), c.form);
        EXPECT_EQ(lists[0].background(), c.textBackground);
        // A missing name or size is not applied as an empty font.
        EXPECT_FALSE(lists[0].font().name.isEmpty());
        EXPECT_GT(lists[0].font().size, 0.0);
    }
}
