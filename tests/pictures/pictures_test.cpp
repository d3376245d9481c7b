#include "fixtures/testcontents.h"
#include "pictures/picturepanel.h"
#include "pictures/ziven_graphika.h"
#include "testrun/ziven.h"

#include <gtest/gtest.h>

using fixtures::TestWindow;

namespace {

TEST(PictureWindow, BuiltinContent) {
    const PictureContentData data = builtinPictureData();
    const Ziven_Graphika window(data);
    EXPECT_EQ(window.caption(), pictureWindowAddress() + QStringLiteral(" - Ziven picture"));
    EXPECT_NE(pictureWindowAddress(), publisherAddress());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(window.clientWidth(), 11880);
    EXPECT_EQ(window.clientHeight(), 8490);

    const ItemList& flags = window.Spis_graf[0];
    ASSERT_EQ(flags.count(), 31);
    EXPECT_EQ(flags.item(0), QStringLiteral("Utochnenie dali ima grafika - 30 br"));
    for (int k = 1; k <= 30; ++k) {
        const PictureBox& box = window.Graphika[static_cast<std::size_t>(k)];
        EXPECT_EQ(flags.item(k), QStringLiteral("0"));
        EXPECT_FALSE(box.isVisible());
        EXPECT_EQ(box.picture(), nullptr);
        EXPECT_EQ(box.rect().width, 1695);
        EXPECT_EQ(box.rect().height, 1815);
    }
    EXPECT_TRUE(window.Graphika[0].isVisible());
    EXPECT_EQ(window.Graphika[0].rect(), (Rect{0, 0, 1695, 1815}));
    EXPECT_EQ(window.Graphika[0].picture(), nullptr);
}

TEST(PicturePanel, BuiltinTestNeverOpensTheWindow) {
    TestWindow t(builtinContentData());
    Ziven& w = *t.window;
    // Start-up already made the window, hidden.
    ASSERT_NE(w.pictures().window(), nullptr);
    EXPECT_EQ(w.pictures().windowGeneration(), 1u);
    for (int row = 0; row < w.Slowo[0].list().count(); ++row) {
        w.Slowo[0].list().click(row);
        EXPECT_EQ(w.Grafika[0].picture(), nullptr);
        w.Grafika_Click(0);
        EXPECT_FALSE(w.pictures().window()->isVisible());
    }
}

// Questions: 3 a picture larger than the panel, 4 flag -1, 5 a small
// picture with flag 2, 6 a flag that is no number. There are 35 phrases, so
// some have no picture box at all.
class PicturedTest : public testing::Test {
protected:
    static PictureContentData pictureData() {
        PictureContentData data = builtinPictureData();
        data.noPicture = fixtures::makePicture(10, 10);
        const struct {
            int k;
            const char* flag;
            int width;
            int height;
        } pictured[] = {
            {3, "1", 4200, 3300}, {4, "-1", 900, 900}, {5, "2", 600, 450}, {6, "x", 700, 700}};
        for (const auto& p : pictured) {
            const auto k = static_cast<std::size_t>(p.k);
            data.flags[p.k] = QString::fromLatin1(p.flag);
            data.pictures[k] = fixtures::makePicture(p.width / 15, p.height / 15);
            data.widths[k] = p.width;
            data.heights[k] = p.height;
        }
        return data;
    }

    PicturedTest() : t(fixtures::makeContent(35, 35), pictureData()), w(*t.window) {}

    const PictureRef& pictureOf(int k) const {
        return t.pictures.pictures[static_cast<std::size_t>(k)];
    }
    void selectLeft(int phrase) {
        for (int i = 0; i < w.dum_N[0].count(); ++i) {
            if (w.dum_N[0].item(i) == QString::number(phrase)) w.Slowo[0].list().click(i);
        }
        ASSERT_EQ(w.Current_Phrase, phrase);
    }
    const Ziven_Graphika& window() const { return *w.pictures().window(); }

    TestWindow t;
    Ziven& w;
};

TEST_F(PicturedTest, PanelShowsAnyNonZeroFlagAndOnlyNumbers) {
    const struct {
        int p;
        int expectedPicture; // 0: the no-picture image
    } cases[] = {{3, 3}, {4, 4}, {5, 5}, {6, 0}, {1, 0}, {0, 0}, {-2, 0}, {31, 0}, {35, 0}};
    for (const auto& c : cases) {
        w.Show_Pictures(c.p);
        const PictureRef& expected =
            c.expectedPicture ? pictureOf(c.expectedPicture) : t.pictures.noPicture;
        EXPECT_EQ(w.Grafika[0].picture(), expected) << "phrase " << c.p;
        EXPECT_EQ(w.Grafika[0].rect(), (Rect{120, 4680, 1575, 1335}));
    }
    EXPECT_EQ(w.Grafika[1].picture(), t.pictures.noPicture);
}

TEST_F(PicturedTest, ClickOpensTheWindowOnlyForAFlagAboveZero) {
    for (int phrase : {4, 6, 1, 31, 33}) {
        selectLeft(phrase);
        w.Grafika_Click(0);
        EXPECT_FALSE(window().isVisible()) << "phrase " << phrase;
    }

    selectLeft(3);
    EXPECT_EQ(w.Grafika[0].picture(), pictureOf(3));
    w.Grafika_Click(1);
    ASSERT_TRUE(window().isVisible());
    const PictureBox& display = window().Graphika[0];
    EXPECT_EQ(display.picture(), pictureOf(3)); // the same picture, shared
    EXPECT_EQ(display.rect(), (Rect{0, 0, 4200, 3300}));
    EXPECT_EQ(window().outerWidth(), 4300);
    EXPECT_EQ(window().outerHeight(), 3550);
    EXPECT_EQ(window().clientWidth(), 4200);
    EXPECT_EQ(window().clientHeight(), 3300);

    selectLeft(5);
    EXPECT_FALSE(window().isVisible());
    w.Grafika_Click(0);
    EXPECT_EQ(window().Graphika[0].rect(), (Rect{0, 0, 600, 450}));
    EXPECT_EQ(window().outerWidth(), 700);
    EXPECT_EQ(window().outerHeight(), 700);
}

TEST_F(PicturedTest, ClosedWindowIsMadeAfresh) {
    selectLeft(3);
    w.Grafika_Click(0);
    const std::uint64_t generation = w.pictures().windowGeneration();
    w.pictures().windowClosed();
    EXPECT_EQ(w.pictures().window(), nullptr);

    selectLeft(5);
    ASSERT_NE(w.pictures().window(), nullptr);
    EXPECT_EQ(w.pictures().windowGeneration(), generation + 1);
    EXPECT_FALSE(window().isVisible());
    EXPECT_EQ(window().Graphika[0].rect(), (Rect{0, 0, 1695, 1815}));
    EXPECT_EQ(w.Grafika[0].picture(), pictureOf(5));

    w.pictures().windowClosed();
    w.Grafika_Click(0); // the click alone makes it again to read the flags
    EXPECT_TRUE(window().isVisible());
}

// The explanation shows the phrase selected when it was asked for, while a
// click on the panel still enlarges the phrase in focus.
TEST_F(PicturedTest, ExplanationAndFocusCanDiffer) {
    // Answer 0 pairs left phrase 5.
    selectLeft(5);
    w.Slowo[1].list().click(0);
    w.Uprawl_Click(0);

    selectLeft(3);
    w.Slowo[2].list().click(0);
    EXPECT_EQ(w.Current_Phrase, 5);
    w.Slowo[1].list().click(1);
    w.Uprawl_Click(3);
    EXPECT_TRUE(w.Prowerka[0].text().contains(fixtures::leftPhrase(3)));
    EXPECT_EQ(w.Grafika[0].picture(), pictureOf(3));
    EXPECT_EQ(w.Current_Phrase, 5);

    w.Grafika_Click(0);
    EXPECT_TRUE(window().isVisible());
    EXPECT_EQ(window().Graphika[0].picture(), pictureOf(5));
}

} // namespace
