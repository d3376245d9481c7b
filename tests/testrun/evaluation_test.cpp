#include "driving.h"
#include "fixtures/testcontents.h"

#include <gtest/gtest.h>

using namespace driving;
using fixtures::TestWindow;

namespace {

struct PercentCase {
    int left;
    int right;
    int rightAnswers; // phrases 1..n paired correctly
    int wrongAnswers; // the next phrases, each paired with another of them
    int percent;
};

void PrintTo(const PercentCase& c, std::ostream* os) {
    *os << c.left << "x" << c.right << ", " << c.rightAnswers << " right, " << c.wrongAnswers
        << " wrong";
}

class Percentages : public testing::TestWithParam<PercentCase> {};

TEST_P(Percentages, CountsRightAnswersAgainstAllCombinations) {
    const PercentCase& c = GetParam();
    TestWindow t(c.left == 25 && c.right == 25 ? builtinContentData()
                                               : fixtures::makeContent(c.left, c.right));
    Ziven& w = *t.window;
    for (int k = 1; k <= c.rightAnswers; ++k)
        enterPair(w, k, k);
    const int first = c.rightAnswers + 1;
    for (int i = 0; i < c.wrongAnswers; ++i)
        enterPair(w, first + i, first + (i + 1) % c.wrongAnswers);

    w.Evaluate_Test();
    EXPECT_EQ(w.Correct_Count, c.rightAnswers);
    EXPECT_EQ(w.Ndapis.caption(), QStringLiteral("Верни: %1%").arg(c.percent));
    // Each run counts from zero.
    w.Evaluate_Test();
    EXPECT_EQ(w.Correct_Count, c.rightAnswers);
}

INSTANTIATE_TEST_SUITE_P(Evaluation, Percentages,
                         testing::Values(PercentCase{8, 10, 1, 0, 12}, PercentCase{8, 10, 3, 0, 38},
                                         PercentCase{8, 10, 5, 0, 62}, PercentCase{8, 10, 7, 0, 88},
                                         PercentCase{3, 3, 1, 0, 33}, PercentCase{3, 3, 2, 0, 67},
                                         PercentCase{25, 25, 12, 0, 48},
                                         PercentCase{25, 25, 12, 13, 48},
                                         PercentCase{25, 25, 25, 0, 100},
                                         PercentCase{25, 25, 0, 5, 0}));

TEST(Evaluation, PhrasesBeyondTheShorterListNeverCount) {
    TestWindow t(fixtures::makeContent(25, 20));
    Ziven& w = *t.window;
    enterPair(w, 1, 1);
    for (int k = 21; k <= 25; ++k)
        enterPair(w, k, k - 5);
    w.Evaluate_Test();
    EXPECT_EQ(w.Correct_Count, 1);
    EXPECT_EQ(w.Ndapis.caption(), QStringLiteral("Верни: 5%"));
}

TEST(Evaluation, EndsTheTestWithTheFirstAnswerInFocus) {
    TestWindow t(fixtures::makeContent(3, 3));
    Ziven& w = *t.window;
    enterPair(w, 2, 3);
    enterPair(w, 1, 1);
    enterPair(w, 3, 2);
    press(w, Obqsni); // no relation selection: only lets "Оцени" catch up
    ASSERT_TRUE(w.Uprawl[Oceni].isEnabled());
    clickAnswer(w, 1);

    Trace trace(w);
    press(w, Oceni);
    // Once by the change of selection, once directly.
    EXPECT_EQ(trace.count(QStringLiteral("Slowo_Click"), 2), 2);
    EXPECT_EQ(w.Ndapis.caption(), QStringLiteral("Верни: 33%"));
    EXPECT_EQ(w.Slowo[2].list().selected(), 0);
    EXPECT_TRUE(w.Prowerka[1].isVisible());
    EXPECT_EQ(w.Prowerka[1].text(), QStringLiteral("НЕ"));
    EXPECT_EQ(w.Prowerka[1].background(), 255);
    EXPECT_EQ(w.Current_Phrase, 2);
    EXPECT_FALSE(w.Uprawl[Izbrah].isEnabled());
    EXPECT_FALSE(w.Uprawl[Wyrni].isEnabled());
    EXPECT_FALSE(w.Uprawl[Oceni].isEnabled());
    EXPECT_TRUE(w.Uprawl[Obqsni].isEnabled());

    clickAnswer(w, 1);
    EXPECT_EQ(w.Prowerka[1].text(), QStringLiteral("ДА"));
    EXPECT_EQ(w.Prowerka[1].background(), 65280);
}

TEST(Evaluation, FirstAnswerAlreadySelectedStillGetsItsVerdict) {
    TestWindow t(fixtures::makeContent(1, 1));
    Ziven& w = *t.window;
    press(w, Izbrah);
    clickAnswer(w, 0);
    w.Prowerka[0].setText(QStringLiteral("stale"));
    Trace trace(w);
    w.Evaluate_Test();
    EXPECT_EQ(trace.count(QStringLiteral("Slowo_Click"), 2), 1);
    EXPECT_EQ(w.Prowerka[0].text(), QString());
    EXPECT_EQ(w.Ndapis.caption(), QStringLiteral("Верни: 100%"));
}

} // namespace
