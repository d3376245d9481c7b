#include "appearance/appearancerecord.h"
#include "content/ziven_danni.h"
#include "fakefonts.h"
#include "pictures/picturecontent.h"
#include "testrun/ziven.h"

#include <gtest/gtest.h>

namespace {

class CountingEnd : public ProgramEnd {
public:
    void endNow() override { ++ends; }
    int ends = 0;
};

class MainWindowMenu : public ::testing::Test {
protected:
    FakeFonts fonts{{QStringLiteral("Arial"), QStringLiteral("Times New Roman")}};
    PictureContentData pictures = builtinPictureData();
    CountingEnd programEnd;
    Ziven main{builtinContent(), pictures, fonts, programEnd};
};

} // namespace

TEST_F(MainWindowMenu, ExitEndsTheProgramEvenWithTheAppearanceWindowOpen) {
    main.Cwqt_Click();
    main.Izhod_Click();
    EXPECT_EQ(programEnd.ends, 1);
}

TEST_F(MainWindowMenu, ColorTwiceKeepsOneWindowAndItsState) {
    EXPECT_EQ(main.appearanceWindow(), nullptr);
    main.Cwqt_Click();
    Cwiat* first = main.appearanceWindow();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(main.appearanceGeneration(), 1u);
    EXPECT_EQ(first->Slider1[0].value(), 128);

    first->Option1_Click(2);
    first->Slider1[1].setValue(77);
    first->Slider1_Moved(1);
    const auto raised = first->raiseCount();

    main.Cwqt_Click();
    EXPECT_EQ(main.appearanceWindow(), first);
    EXPECT_EQ(main.appearanceGeneration(), 1u);
    EXPECT_GT(first->raiseCount(), raised);
    // No second load: the pupil's target and sliders stay.
    EXPECT_EQ(first->Current_Target, 2);
    EXPECT_EQ(first->Slider1[1].value(), 77);
    EXPECT_EQ(first->Label_ST[1].caption(), QStringLiteral("77"));
}

TEST_F(MainWindowMenu, ClosedWindowIsMadeAfreshAndSaveReachesTheMainWindow) {
    main.Cwqt_Click();
    main.appearanceWindow()->Slider1[2].setValue(64);
    main.appearanceWindow()->Slider1_Moved(2);
    main.appearanceWindow()->mnu_Otkaz_Click();
    EXPECT_EQ(main.appearanceWindow(), nullptr);

    main.Cwqt_Click();
    Cwiat* second = main.appearanceWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(main.appearanceGeneration(), 2u);
    EXPECT_EQ(second->Current_Target, 0);
    EXPECT_EQ(second->Slider1[2].value(), 64);

    const QStringList shown = main.Slowo[0].list().toStringList();
    const int selected = main.Slowo[0].list().selected();
    const QString counter = main.Ndapis.caption();
    const auto buttonColour = main.Uprawl[0].background();
    const auto verdictColour = main.Prowerka[1].background();
    second->mnu_zapis_Click();
    EXPECT_EQ(main.appearanceWindow(), nullptr);

    const Colour form = joinColour(128, 0, 64);
    EXPECT_EQ(main.background(), form);
    for (const ListBox& list : main.Slowo) {
        EXPECT_EQ(list.background(), 16777215);
        EXPECT_EQ(list.foreground(), 8);
        EXPECT_EQ(list.font(), (Font{QStringLiteral("Times New Roman"), 12.0}));
    }
    EXPECT_EQ(main.Prowerka[0].background(), 16777215);
    EXPECT_EQ(main.Prowerka[0].foreground(), 8);
    EXPECT_EQ(main.Ndapis.background(), 16777215);
    EXPECT_EQ(main.Ndapis.foreground(), 8);
    // Buttons, the verdict box and the lists' contents are not the record's.
    EXPECT_EQ(main.Uprawl[0].background(), buttonColour);
    EXPECT_EQ(main.Prowerka[1].background(), verdictColour);
    EXPECT_EQ(main.Slowo[0].list().toStringList(), shown);
    EXPECT_EQ(main.Slowo[0].list().selected(), selected);
    EXPECT_EQ(main.Ndapis.caption(), counter);
}
