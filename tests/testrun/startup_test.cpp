#include "driving.h"
#include "fixtures/testcontents.h"

#include <gtest/gtest.h>

using fixtures::TestWindow;

namespace {

QStringList countingUpTo(int n) {
    QStringList numbers;
    for (int k = 1; k <= n; ++k)
        numbers.append(QString::number(k));
    return numbers;
}

// Each shown phrase is the content phrase its map entry names.
void expectMapsConsistent(const Ziven& w) {
    for (int side = 0; side < 2; ++side) {
        const auto& shown = w.Slowo[static_cast<std::size_t>(side)].list();
        const auto& map = w.dum_N[static_cast<std::size_t>(side)];
        ASSERT_EQ(shown.count(), map.count()) << "side " << side;
        for (int i = 0; i < shown.count(); ++i)
            EXPECT_EQ(w.content().Danni(side).item(map.item(i).toInt() - 1), shown.item(i))
                << "side " << side << " position " << i;
    }
}

TEST(StartUp, BuiltinTestIsReadyForThePupil) {
    TestWindow t(builtinContentData());
    const Ziven& w = *t.window;

    EXPECT_EQ(w.caption(),
              publisherAddress() + QStringLiteral(" Ziven  по BEL - латински пословици"));
    EXPECT_EQ(w.outerWidth(), 11250);
    EXPECT_EQ(w.clientWidth(), 11130);
    EXPECT_EQ(w.clientHeight(), 7005);
    EXPECT_EQ(w.background(), 32768);
    EXPECT_EQ(w.Slowo[0].rect(), (Rect{120, 480, 3135, 2055}));
    EXPECT_EQ(w.Slowo[1].rect(), (Rect{3360, 480, 7575, 2055}));
    EXPECT_EQ(w.Ndapis.caption(), QStringLiteral("Оставащи:"));

    const QString instructions = QStringLiteral(
        "Това е релационен тест.\r\n"
        "Трябва да се подберат всички правилни комбинация от двойки изрази от лявото и \r\n"
        "дясното списъчно поле.\r\n"
        "Не е задължително броят фрази в лявата част да е непременно равен на тези в \r\n"
        "дясната част.\r\n"
        "При оценяване се отчита броя въведени верни комбинации съотнесени към общия \r\n"
        "брой верни комбинации. Липсата на комбинация се отчита като грешен отговор\r\n");
    EXPECT_EQ(instructions.size(), 376);
    EXPECT_EQ(w.Prowerka[0].text(), instructions);

    EXPECT_EQ(w.Nastroiki.toStringList(), QStringList{QStringLiteral("25")});
    EXPECT_TRUE(w.Uprawl[0].isEnabled());
    EXPECT_TRUE(w.Uprawl[1].isEnabled());
    EXPECT_FALSE(w.Uprawl[2].isEnabled());
    EXPECT_TRUE(w.Uprawl[3].isEnabled());
    EXPECT_FALSE(w.Prowerka[1].isVisible());
    EXPECT_EQ(w.Prowerka[1].text(), QString());

    EXPECT_EQ(w.Slowo[0].list().selected(), 0);
    EXPECT_EQ(w.Slowo[0].list().item(0), QStringLiteral("de facto"));
    EXPECT_EQ(w.dum_N[0].item(0), QStringLiteral("12"));
    EXPECT_EQ(w.Current_Phrase, 12);
    EXPECT_EQ(w.Slowo[1].list().selected(), 0);
    EXPECT_EQ(w.Slowo[1].list().item(0), QStringLiteral("безделието ражда пороци"));
    EXPECT_EQ(w.dum_N[0].selected(), 0);
    EXPECT_EQ(w.dum_N[1].selected(), 0);

    EXPECT_EQ(w.dum_N[4].toStringList(), countingUpTo(25));
    EXPECT_EQ(w.dum_N[5].toStringList(), countingUpTo(25));
    EXPECT_TRUE(w.Slowo[2].list().isEmpty());
    EXPECT_TRUE(w.dum_N[2].isEmpty());
    EXPECT_TRUE(w.dum_N[3].isEmpty());
    EXPECT_EQ(w.Cweta[0].count(), 19);
    expectMapsConsistent(w);
}

TEST(StartUp, ControlsAsDefined) {
    TestWindow t(builtinContentData());
    const Ziven& w = *t.window;
    struct Expected {
        const Control* control;
        Rect rect;
        std::optional<Colour> background;
        const char16_t* caption;
        const char16_t* toolTip;
    };
    const Expected table[] = {
        {&w.Uprawl[0], {1200, 4200, 1215, 375}, 33023, u"Избрах", u"Натиснете бутон за избор"},
        {&w.Uprawl[1],
         {4680, 4200, 1215, 375},
         8454143,
         u"Върни",
         u"Изтрива / възстановява направения избор"},
        {&w.Uprawl[2],
         {8400, 4200, 1215, 375},
         16761024,
         u"Оцени",
         u"Преустановява теста и формира оценка"},
        {&w.Uprawl[3], {9720, 50, 1215, 375}, 49152, u"Обясни", u"Дава обяснения"},
        {&w.Ndapis,
         {4440, 0, 1455, 375},
         8438015,
         u"Оставащи:",
         u"Извежда резултатите в края на теста"},
        {&w.Slowo[0], {120, 480, 3135, 2055}, std::nullopt, u"", u"Посочете елемента в релацията"},
        {&w.Slowo[1], {3360, 480, 7575, 2055}, std::nullopt, u"", u"Посочете елемента в релацията"},
        {&w.Slowo[2],
         {840, 2640, 9375, 1485},
         std::nullopt,
         u"",
         u"Набор от вече въведени отговори"},
        {&w.Prowerka[1], {10440, 3120, 495, 495}, 65280, u"", u"зелено - Вярно; червено - Грешно"},
        {&w.Grafika[0], {120, 4680, 1575, 1335}, std::nullopt, u"", u""},
        {&w.Grafika[1], {120, 5760, 1575, 1335}, std::nullopt, u"", u""},
    };
    for (const Expected& e : table) {
        const QString caption = QString::fromUtf16(e.caption);
        SCOPED_TRACE(caption.isEmpty() ? QString::fromUtf16(e.toolTip).toStdString()
                                       : caption.toStdString());
        EXPECT_EQ(e.control->rect(), e.rect);
        EXPECT_EQ(e.control->background(), e.background);
        EXPECT_EQ(e.control->caption(), caption);
        EXPECT_EQ(e.control->toolTip(), QString::fromUtf16(e.toolTip));
        EXPECT_EQ(e.control->font(), Font{});
    }
    EXPECT_EQ(w.Prowerka[0].rect(), (Rect{1800, 4680, 9135, 2055}));
    EXPECT_EQ(w.Prowerka[0].background(), 14737632);
    EXPECT_FALSE(w.Grafika[1].isVisible());
    EXPECT_TRUE(w.Grafika[0].isVisible());
}

TEST(StartUp, MissingLayoutItemsGiveZero) {
    TestContentData data = fixtures::makeContent(3, 3);
    data.layout = {QStringLiteral("Short"), QStringLiteral("9000"), QStringLiteral("abc")};
    TestWindow t(data);
    const Ziven& w = *t.window;
    EXPECT_EQ(w.caption(), QStringLiteral("Short"));
    EXPECT_EQ(w.outerWidth(), 9000);
    EXPECT_EQ(w.Slowo[0].rect().left, 0);
    EXPECT_EQ(w.Slowo[0].rect().width, 0);
    EXPECT_EQ(w.Slowo[1].rect().left, 0);
    EXPECT_EQ(w.Slowo[1].rect().width, 0);
}

TEST(StartUp, UnequalCountsUseTheSmaller) {
    TestWindow t(fixtures::makeContent(30, 25));
    Ziven& w = *t.window;
    EXPECT_EQ(w.Nastroiki.toStringList(), QStringList{QStringLiteral("25")});
    EXPECT_EQ(w.dum_N[4].toStringList(), countingUpTo(30));
    EXPECT_EQ(w.dum_N[5].toStringList(), countingUpTo(25));
    expectMapsConsistent(w);
    w.Show_Remaining();
    EXPECT_EQ(w.Ndapis.caption(), QStringLiteral("Остават: 25"));
    // The scrambled phrases do not sort in Phrase-number order.
    EXPECT_NE(w.dum_N[0].item(0), QStringLiteral("1"));
    EXPECT_EQ(w.Current_Phrase, w.dum_N[0].item(0).toInt());
}

TEST(StartUp, MapsRebuiltTwiceAreTheSame) {
    TestWindow t(fixtures::makeContent(40, 33));
    Ziven& w = *t.window;
    const QStringList left = w.dum_N[0].toStringList();
    const QStringList right = w.dum_N[1].toStringList();
    w.Map_Shown_Numbers();
    w.Map_Shown_Numbers();
    EXPECT_EQ(w.dum_N[0].toStringList(), left);
    EXPECT_EQ(w.dum_N[1].toStringList(), right);
}

// More than 10922 right phrases: three times the count does not fit 16 bits,
// which must not enable "Оцени" with no answer given.
TEST(StartUp, EvaluateStaysDisabledForALongRightList) {
    TestWindow t(fixtures::makeContent(2, 11000));
    EXPECT_FALSE(t.window->Uprawl[2].isEnabled());
}

TEST(StartUp, StrayShownTextMapsToNoPhrase) {
    TestWindow t(fixtures::makeContent(3, 3));
    Ziven& w = *t.window;
    const QStringList before = w.dum_N[0].toStringList();
    w.Slowo[0].list().add(QStringLiteral("aaa not in the content"));
    w.Map_Shown_Numbers();
    EXPECT_EQ(w.dum_N[0].toStringList(), QStringList{QStringLiteral("0")} + before);
}

} // namespace
