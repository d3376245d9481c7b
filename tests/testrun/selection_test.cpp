#include "driving.h"
#include "fixtures/testcontents.h"

#include <gtest/gtest.h>

using namespace driving;
using fixtures::TestWindow;

namespace {

using Calls = std::vector<std::pair<QString, int>>;

std::pair<QString, int> call(const char* name, int index) {
    return {QString::fromLatin1(name), index};
}

// Each pupil click runs its list's handling once and echoes at most once.
TEST(Selection, PupilClicksRunEachHandlerOnce) {
    TestWindow t(builtinContentData());
    Ziven& w = *t.window;
    enterPair(w, 1, 1);
    enterPair(w, 2, 3);

    struct Step {
        const char* name;
        int list;
        int row;
        Calls expected;
    };
    const Step steps[] = {
        {"new left row", 0, 3, {call("Slowo_Click", 0), call("dum_N_Click", 0)}},
        {"same left row", 0, 3, {call("Slowo_Click", 0)}},
        {"new right row", 1, 2, {call("Slowo_Click", 1), call("dum_N_Click", 1)}},
        {"same right row", 1, 2, {call("Slowo_Click", 1)}},
        {"new answer", 2, 1, {call("Slowo_Click", 2), call("dum_N_Click", 2)}},
        {"same answer", 2, 1, {call("Slowo_Click", 2)}},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        Trace trace(w);
        w.Slowo[static_cast<std::size_t>(step.list)].list().click(step.row);
        EXPECT_EQ(trace.calls, step.expected);
        EXPECT_EQ(w.dum_N[static_cast<std::size_t>(step.list)].selected(), step.row);
        EXPECT_EQ(w.Slowo[static_cast<std::size_t>(step.list)].list().selected(), step.row);
    }
}

TEST(Selection, LeftClickSetsCurrentPhraseRightClickDoesNot) {
    TestWindow t(builtinContentData());
    Ziven& w = *t.window;
    clickPhrase(w, 0, 7);
    EXPECT_EQ(w.Current_Phrase, 7);
    clickPhrase(w, 1, 9);
    EXPECT_EQ(w.Current_Phrase, 7);
}

TEST(Selection, AnswerClickShowsVerdictAndEmptiesTheBox) {
    TestWindow t(builtinContentData());
    Ziven& w = *t.window;
    enterPair(w, 7, 7);
    enterPair(w, 7 + 1, 9);
    ASSERT_FALSE(w.Prowerka[0].text().isEmpty()); // the instructions

    struct Case {
        int answer;
        const char16_t* verdict;
        Colour background;
        int phrase;
    };
    for (const Case& c :
         {Case{0, u"ДА", 65280, 7}, Case{1, u"НЕ", 255, 8}, Case{0, u"ДА", 65280, 7}}) {
        clickAnswer(w, c.answer);
        EXPECT_EQ(w.Prowerka[1].text(), QString::fromUtf16(c.verdict));
        EXPECT_EQ(w.Prowerka[1].background(), c.background);
        EXPECT_EQ(w.Current_Phrase, c.phrase);
        EXPECT_EQ(w.Prowerka[0].text(), QString());
        EXPECT_FALSE(w.Prowerka[1].isVisible());
    }
}

// Handlings called with nothing in focus must neither crash nor judge.
TEST(Selection, NoSelectionIsHarmless) {
    TestWindow t(builtinContentData());
    Ziven& w = *t.window;
    enterPair(w, 3, 4);
    const QString verdict = w.Prowerka[1].text();
    const std::int16_t phrase = w.Current_Phrase;
    for (int index = -1; index <= 3; ++index) {
        w.Slowo_Click(index);
        w.dum_N_Click(index);
    }
    EXPECT_EQ(w.Prowerka[1].text(), verdict);
    EXPECT_EQ(w.Current_Phrase, phrase);
    EXPECT_EQ(w.Slowo[0].list().selected(), -1);
    EXPECT_EQ(w.Slowo[1].list().selected(), -1);
}

} // namespace
