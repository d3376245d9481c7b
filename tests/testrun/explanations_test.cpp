#include "driving.h"
#include "fixtures/testcontents.h"

#include <gtest/gtest.h>

using namespace driving;
using fixtures::TestWindow;

namespace {

QString relationLine(const QString& left, const QString& right) {
    return QStringLiteral("\r\n\"") + left + QStringLiteral("\" е във връзка с \"") + right + u'"';
}

TEST(Explanations, AfterEvaluationExplainsTheSelectedAnswer) {
    TestWindow t(builtinContentData());
    Ziven& w = *t.window;
    enterPair(w, 1, 2);
    enterPair(w, 3, 3);
    w.Evaluate_Test(); // as the dispatcher does, then its two changes
    w.Uprawl[Obqsni].setEnabled(true);
    w.Uprawl[Oceni].setEnabled(false);

    press(w, Obqsni);
    EXPECT_EQ(w.Prowerka[0].text(),
              relationLine(QStringLiteral("ne sutor ultra crepidam"),
                           QStringLiteral("не давай мнение по въпроси, които не са по силите ти")));
    EXPECT_TRUE(w.Uprawl[Obqsni].isEnabled());
    EXPECT_FALSE(w.Uprawl[Oceni].isEnabled());

    // Selecting an answer empties the box again.
    clickAnswer(w, 1);
    EXPECT_EQ(w.Prowerka[0].text(), QString());
    press(w, Obqsni);
    EXPECT_EQ(w.Prowerka[0].text(), relationLine(QStringLiteral("noblesse oblige"),
                                                 QStringLiteral("благородството задължава")));
}

TEST(Explanations, TextsForFlagsAndMissingPartners) {
    TestContentData data = fixtures::makeContent(35, 25);
    data.flags[3] = QStringLiteral("1");
    data.lines[3] = {QStringLiteral("first"), QStringLiteral(""), QStringLiteral("third")};
    data.flags[4] = QStringLiteral("-1");
    data.flags[31] = QStringLiteral("2"); // no list of lines above 30
    data.flags[28] = QStringLiteral("0.5");
    TestWindow t(data);
    Ziven& w = *t.window;

    struct Case {
        int p;
        QString expected;
    };
    const Case cases[] = {
        {3, relationLine(fixtures::leftPhrase(3), fixtures::rightPhrase(3)) +
                QStringLiteral("\r\nfirst\r\n\r\nthird")},
        {4, relationLine(fixtures::leftPhrase(4), fixtures::rightPhrase(4))},
        {28, relationLine(fixtures::leftPhrase(28), QString()) + QStringLiteral("\r\nline 28")},
        {31, relationLine(fixtures::leftPhrase(31), QString())},
        {35, relationLine(fixtures::leftPhrase(35), QString())},
    };
    for (const Case& c : cases) {
        w.Write_Explanation(c.p);
        EXPECT_EQ(w.Prowerka[0].text(), c.expected) << "phrase " << c.p;
    }
    EXPECT_TRUE(cases[3].expected.endsWith(QStringLiteral("\"\"")));
}

TEST(Explanations, DuringTheTestExplainsThePhraseSelectedAtThePress) {
    TestContentData data = fixtures::makeContent(10, 10);
    data.flags[6] = QStringLiteral("1");
    TestWindow t(data);
    Ziven& w = *t.window;
    clickPhrase(w, 0, 6);
    clickPhrase(w, 1, 2);
    w.Correct_Count = 5;
    press(w, Obqsni);
    EXPECT_EQ(w.Prowerka[0].text(),
              relationLine(fixtures::leftPhrase(6), fixtures::rightPhrase(6)) +
                  QStringLiteral("\r\nline 6"));
    EXPECT_EQ(w.dum_N[2].toStringList(), QStringList{QStringLiteral("6")});
    EXPECT_EQ(w.dum_N[3].toStringList(), QStringList{QStringLiteral("2")});
    EXPECT_EQ(w.Ndapis.caption(), QStringLiteral("Остават: 9"));
    // Asking for an explanation costs no point.
    EXPECT_EQ(w.Correct_Count, 5);
}

} // namespace
