#include "content/ziven_danni.h"

#include <gtest/gtest.h>

namespace {

TEST(BuiltinTest, HasTwentyFivePhrasesASideCharacterForCharacter) {
    const Ziven_danni& content = builtinContent();
    ASSERT_EQ(content.Danni(0).count(), 25);
    ASSERT_EQ(content.Danni(1).count(), 25);
    const struct {
        int number;
        const char* left;
        const char* right;
    } rows[] = {
        {1, "ne sutor ultra crepidam", "не давай мнение по въпроси, които не са по силите ти"},
        {2, "facta loquuntur", "делата говорят"},
        {5, "non omnia possumas omnes", "всички не можем всичко"},
        {10, "maiores pennae nido", "криле, по големи от гнездото"},
        {12, "de facto", "според действителността"},
        {14, "magna charta libertatum",
         "великата харта на свободите - конституцията на Англия от 1215 г."},
        {15, "otia dant vitia", "безделието ражда пороци"},
        {18, "modus faciendi", "начин на извършване/постъпване"},
        {25, "semper idem", "винаги едно и също"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(content.Danni(0).item(row.number - 1), QString::fromUtf8(row.left));
        EXPECT_EQ(content.Danni(1).item(row.number - 1), QString::fromUtf8(row.right));
    }
    qsizetype longestLeft = 0;
    qsizetype longestRight = 0;
    for (int i = 0; i < 25; ++i) {
        longestLeft = std::max(longestLeft, content.Danni(0).item(i).size());
        longestRight = std::max(longestRight, content.Danni(1).item(i).size());
    }
    EXPECT_EQ(longestLeft, 25);
    EXPECT_EQ(longestRight, 64);
}

TEST(BuiltinTest, PhrasesAreDistinctWithinEachList) {
    const Ziven_danni& content = builtinContent();
    for (int side : {0, 1})
        for (int i = 0; i < 25; ++i)
            EXPECT_EQ(content.firstPositionOf(side, content.Danni(side).item(i)), i);
}

TEST(BuiltinTest, TitleAndLayout) {
    const ItemList& layout = builtinContent().Danni(3);
    ASSERT_EQ(layout.count(), 6);
    const QString title = layout.item(0);
    EXPECT_TRUE(title.startsWith(publisherAddress() + " "));
    EXPECT_TRUE(title.endsWith(" Ziven  по BEL - латински пословици"));
    EXPECT_TRUE(publisherAddress().contains(".example"));
    EXPECT_EQ(layout.toStringList().mid(1), QStringList({"11250", "120", "3135", "3360", "7575"}));
}

TEST(BuiltinTest, InstructionsAreSevenCrLfLines) {
    const QString text = builtinContent().Ukazanie(0);
    EXPECT_EQ(text.size(), 376);
    QStringList lines = text.split("\r\n");
    ASSERT_EQ(lines.size(), 8);
    EXPECT_EQ(lines.takeLast(), QString()); // the last line ends with CR LF too
    EXPECT_EQ(lines[0], "Това е релационен тест.");
    EXPECT_EQ(lines[6],
              "брой верни комбинации. Липсата на комбинация се отчита като грешен отговор");
    for (int i = 0; i < 7; ++i) {
        EXPECT_EQ(lines[i].endsWith(' '), i % 2 == 1) << "line " << i + 1;
        EXPECT_FALSE(lines[i].contains('\n') || lines[i].contains('\r'));
    }
    EXPECT_EQ(lines[1],
              "Трябва да се подберат всички правилни комбинация от двойки изрази от лявото и ");
}

TEST(BuiltinTest, ExplanationFlagsAndLines) {
    const Ziven_danni& content = builtinContent();
    const ItemList& flags = content.Otgowor(0);
    ASSERT_EQ(flags.count(), 42);
    EXPECT_EQ(flags.item(0), "Ima li obqsneniq");
    for (int p = 1; p <= 41; ++p)
        EXPECT_EQ(flags.item(p), "0");
    EXPECT_EQ(flags.item(42), QString()); // past the last flag
    for (int p = 1; p <= 30; ++p) {
        const ItemList& lines = content.Otgowor(p);
        ASSERT_EQ(lines.count(), 20) << p;
        EXPECT_EQ(lines.item(0), "Otgowor " + QString::number(p));
        for (int i = 1; i < 20; ++i) {
            const QString expected = (p == 6 && i == 19) ? "5" : QString::number(p);
            EXPECT_EQ(lines.item(i), expected) << p << " " << i;
        }
    }
    EXPECT_EQ(content.Otgowor(31).count(), 0);
    EXPECT_EQ(content.Otgowor(-1).count(), 0);
}

TEST(BuiltinTest, IsOneInstanceAndOtherContentsLeaveItAlone) {
    const Ziven_danni* first = &builtinContent();
    TestContentData data = builtinContentData();
    data.left = {"a", "b"};
    data.layout.removeLast();
    const Ziven_danni other(data);
    EXPECT_EQ(other.Danni(0).count(), 2);
    EXPECT_EQ(other.Danni(3).item(5), QString());
    EXPECT_EQ(&builtinContent(), first);
    EXPECT_EQ(builtinContent().Danni(0).count(), 25);
}

} // namespace
