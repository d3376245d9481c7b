#include "ui/pictureboxwidget.h"
#include "ui/picturewindow.h"
#include "ui/qtpicture.h"
#include "ui/units.h"
#include "ui/zivenwindow.h"

#include "uidriver.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include <gtest/gtest.h>

using ui::child;
using ui::MainWindow;

namespace {

QColor colourOf(const QWidget* widget, QPalette::ColorRole role) {
    return widget->palette().color(role);
}

// Rows of a content made by fixtures::makeContent, found by text.
int rowOf(const ItemListView* view, const QString& text) {
    return static_cast<int>(ui::rows(view).indexOf(text));
}

void pair(MainWindow& main, const QString& left, const QString& right) {
    ui::clickRow(main.list(0), rowOf(main.list(0), left));
    ui::clickRow(main.list(1), rowOf(main.list(1), right));
    ui::press(main.button(0));
}

} // namespace

TEST(ZivenWindow, OpensWithEveryControlWhereTheModelPutsIt) {
    MainWindow main;
    const ZivenWindow& window = *main.window;
    EXPECT_EQ(window.windowTitle(), main.model().caption());
    EXPECT_EQ(window.clientArea()->size(), QSize(742, 467));
    EXPECT_EQ(window.clientArea()->mapTo(&window, QPoint(0, 0)).y(), window.menuBar()->height());
    EXPECT_EQ(colourOf(window.clientArea(), QPalette::Window), QColor(0, 128, 0));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowIcon().pixmap(32, 32).isNull());

    const struct {
        const char* name;
        QRect geometry;
        bool visible;
        bool enabled;
        const char* text;
        const char* toolTip;
    } controls[] = {
        {"Slowo(0)", {8, 32, 209, 137}, true, true, "", "Посочете елемента в релацията"},
        {"Slowo(1)", {224, 32, 505, 137}, true, true, "", "Посочете елемента в релацията"},
        {"Slowo(2)", {56, 176, 625, 99}, true, true, "", "Набор от вече въведени отговори"},
        {"Uprawl(0)", {80, 280, 81, 25}, true, true, "Избрах", "Натиснете бутон за избор"},
        {"Uprawl(1)",
         {312, 280, 81, 25},
         true,
         true,
         "Върни",
         "Изтрива / възстановява направения избор"},
        {"Uprawl(2)",
         {560, 280, 81, 25},
         true,
         false,
         "Оцени",
         "Преустановява теста и формира оценка"},
        {"Uprawl(3)", {648, 3, 81, 25}, true, true, "Обясни", "Дава обяснения"},
        {"Ndapis",
         {296, 0, 97, 25},
         true,
         true,
         "Оставащи:",
         "Извежда резултатите в края на теста"},
        {"Prowerka(0)", {120, 312, 609, 137}, true, true, "", ""},
        {"Prowerka(1)", {696, 208, 33, 33}, false, true, "", "зелено - Вярно; червено - Грешно"},
        {"Grafika(0)", {8, 312, 105, 89}, true, true, "", ""},
        {"Grafika(1)", {8, 384, 105, 89}, false, true, "", ""},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        const auto* widget = child<QWidget>(window, QLatin1String(c.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.geometry);
        EXPECT_EQ(widget->isVisible(), c.visible);
        EXPECT_EQ(widget->isEnabled(), c.enabled);
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(c.toolTip));
        EXPECT_EQ(widget->font().family(), QStringLiteral("Times New Roman"));
        EXPECT_EQ(widget->font().pointSizeF(), 12.0);
        if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(c.text));
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            EXPECT_EQ(label->text(), QString::fromUtf8(c.text));
            EXPECT_TRUE(label->alignment() & Qt::AlignHCenter);
        }
    }

    const struct {
        const char* name;
        QPalette::ColorRole role;
        QColor colour;
    } colours[] = {
        {"Uprawl(0)", QPalette::Button, QColor(255, 128, 0)},
        {"Uprawl(1)", QPalette::Button, QColor(255, 255, 128)},
        {"Uprawl(2)", QPalette::Button, QColor(192, 192, 255)},
        {"Uprawl(3)", QPalette::Button, QColor(0, 192, 0)},
        {"Ndapis", QPalette::Window, QColor(255, 192, 128)},
        {"Prowerka(0)", QPalette::Base, QColor(224, 224, 224)},
        {"Prowerka(1)", QPalette::Base, QColor(0, 255, 0)},
    };
    for (const auto& c : colours)
        EXPECT_EQ(colourOf(child<QWidget>(window, QLatin1String(c.name)), c.role), c.colour)
            << c.name;
    // A control without colours of its own keeps the style's, not the window's green.
    const auto* panel = child<QWidget>(window, QStringLiteral("Grafika(0)"));
    EXPECT_EQ(colourOf(panel, QPalette::Window),
              QApplication::palette(panel).color(QPalette::Window));
}

TEST(ZivenWindow, ShowsTheContentAfterStartUp) {
    MainWindow main;
    const TestContentData data = builtinContentData();
    const ItemListView* left = main.list(0);
    QStringList sortedLeft = data.left;
    std::sort(sortedLeft.begin(), sortedLeft.end(), &ItemList::lessThan);
    EXPECT_EQ(ui::rows(left), sortedLeft);
    EXPECT_EQ(ui::rows(main.list(1)).size(), data.right.size());
    EXPECT_EQ(ui::selectedRow(left), 0);
    EXPECT_EQ(left->currentIndex().data().toString(), QStringLiteral("de facto"));
    EXPECT_EQ(ui::selectedRow(main.list(1)), 0);
    EXPECT_TRUE(ui::rows(main.list(2)).isEmpty());
    EXPECT_TRUE(left->uniformItemSizes());

    const auto* instructions = child<QPlainTextEdit>(*main.window, QStringLiteral("Prowerka(0)"));
    EXPECT_EQ(instructions->toPlainText(), toDisplayText(data.instructions));
    EXPECT_EQ(instructions->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_TRUE(instructions->isReadOnly());
    EXPECT_EQ(QApplication::focusWidget(), left);
}

TEST(ZivenWindow, TabWalksTheControlsInTheirOrderSkippingHiddenAndDisabled) {
    MainWindow main;
    const char* const expected[] = {"Slowo(1)",    "Slowo(2)",  "Uprawl(0)",  "Uprawl(1)",
                                    "Prowerka(0)", "Uprawl(3)", "Grafika(0)", "Slowo(0)"};
    for (const char* name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_NE(QApplication::focusWidget(), nullptr);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), QLatin1String(name));
    }
}

TEST(ZivenWindow, APupilDoesAWholeTestWithMouseAndKeys) {
    using fixtures::leftPhrase;
    using fixtures::rightPhrase;
    MainWindow main(fixtures::makeContent(3, 3));
    auto* counter = child<QLabel>(*main.window, QStringLiteral("Ndapis"));
    auto* verdict = child<QLineEdit>(*main.window, QStringLiteral("Prowerka(1)"));
    auto* explanation = child<QPlainTextEdit>(*main.window, QStringLiteral("Prowerka(0)"));

    pair(main, leftPhrase(1), rightPhrase(1));
    EXPECT_EQ(ui::rows(main.list(2)),
              QStringList{leftPhrase(1) + QLatin1Char(' ') + rightPhrase(1)});
    EXPECT_EQ(counter->text(), QStringLiteral("Остават: 2"));
    EXPECT_EQ(ui::selectedRow(main.list(0)), -1);
    EXPECT_EQ(ui::selectedRow(main.list(1)), -1);

    // Taking the answer back puts both phrases back in their places.
    ui::clickRow(main.list(2), 0);
    ui::press(main.button(1));
    EXPECT_TRUE(ui::rows(main.list(2)).isEmpty());
    EXPECT_EQ(ui::rows(main.list(0)).size(), 3);
    EXPECT_EQ(counter->text(), QStringLiteral("Остават: 3"));

    pair(main, leftPhrase(1), rightPhrase(1));
    pair(main, leftPhrase(2), rightPhrase(3));
    pair(main, leftPhrase(3), rightPhrase(2));
    EXPECT_FALSE(main.button(2)->isEnabled());
    // "Върни" with no answer selected only lets "Оцени" see the lists.
    ui::press(main.button(1));
    ASSERT_TRUE(main.button(2)->isEnabled());
    ui::press(main.button(2));

    EXPECT_EQ(counter->text(), QStringLiteral("Верни: 33%"));
    EXPECT_FALSE(main.button(0)->isEnabled());
    EXPECT_FALSE(main.button(1)->isEnabled());
    EXPECT_FALSE(main.button(2)->isEnabled());
    EXPECT_TRUE(main.button(3)->isEnabled());
    EXPECT_TRUE(verdict->isVisible());

    // Walking the answers with the arrow keys shows each one's verdict.
    main.list(2)->setFocus();
    const struct {
        Qt::Key key;
        int row;
        const char* verdict;
        QColor colour;
    } walk[] = {
        {Qt::Key_Home, 0, "ДА", QColor(0, 255, 0)}, {Qt::Key_Down, 1, "НЕ", QColor(255, 0, 0)},
        {Qt::Key_Down, 2, "НЕ", QColor(255, 0, 0)}, {Qt::Key_Up, 1, "НЕ", QColor(255, 0, 0)},
        {Qt::Key_Home, 0, "ДА", QColor(0, 255, 0)},
    };
    for (const auto& step : walk) {
        QTest::keyClick(main.list(2), step.key);
        EXPECT_EQ(ui::selectedRow(main.list(2)), step.row);
        EXPECT_EQ(verdict->text(), QString::fromUtf8(step.verdict));
        EXPECT_EQ(colourOf(verdict, QPalette::Base), step.colour);
    }

    QTest::keyClick(main.list(2), Qt::Key_Down);
    ui::press(main.button(3));
    EXPECT_EQ(explanation->toPlainText(),
              QStringLiteral("\n\"%1\" е във връзка с \"%2\"").arg(leftPhrase(2), rightPhrase(2)));
}

TEST(ZivenWindow, KeysAloneEnterPairs) {
    MainWindow main(fixtures::makeContent(4, 4));
    const auto tab = [](int times, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
    };
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    EXPECT_EQ(main.model().Slowo[0].list().selected(), 1);
    tab(1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
    EXPECT_EQ(main.model().Slowo[1].list().selected(), 3);
    tab(2);
    ASSERT_EQ(QApplication::focusWidget(), main.button(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    EXPECT_EQ(ui::rows(main.list(2)).size(), 1);

    tab(3, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), main.list(0));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    tab(1);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Home);
    tab(2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(ui::rows(main.list(2)).size(), 2);
    EXPECT_EQ(ui::rows(main.list(0)).size(), 2);
}

TEST(ZivenWindow, ADisabledButtonCannotBePressed) {
    MainWindow main;
    int presses = 0;
    main.model().setTrace([&presses](const char* handler, int) {
        presses += QLatin1String(handler) == QLatin1String("Uprawl_Click");
    });
    ASSERT_FALSE(main.button(2)->isEnabled());
    ui::press(main.button(2));
    main.button(2)->setFocus();
    QTest::keyClick(main.button(2), Qt::Key_Space);
    EXPECT_EQ(presses, 0);
    ui::press(main.button(3));
    EXPECT_EQ(presses, 1);
}

TEST(ZivenWindow, ExitAndTheCloseButtonEndTheProgramWithOtherWindowsOpen) {
    MainWindow main;
    ASSERT_NE(main.openAppearance(), nullptr);
    ui::clickMenu(*main.window, QStringLiteral("Exit"));
    EXPECT_EQ(main.test.end.calls, 1);
    main.window->close();
    EXPECT_EQ(main.test.end.calls, 2);
}

TEST(ZivenWindow, ColorTwiceOpensOneAppearanceWindow) {
    MainWindow main;
    CwiatWindow* first = main.openAppearance();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(main.openAppearance(), first);
    int shown = 0;
    for (const QWidget* window : QApplication::topLevelWidgets())
        shown += qobject_cast<const CwiatWindow*>(window) && window->isVisible();
    EXPECT_EQ(shown, 1);
    // The main window stays usable meanwhile.
    ui::clickRow(main.list(0), 2);
    EXPECT_EQ(main.model().Slowo[0].list().selected(), 2);
}

TEST(ZivenWindow, ThePanelShowsThePictureAndAClickEnlargesIt) {
    QPixmap pixmap(300, 200);
    pixmap.fill(Qt::yellow);
    PictureContentData pictures = builtinPictureData();
    // Phrase 1 comes first in the sorted left list and so is in focus.
    pictures.flags[1] = QStringLiteral("1");
    pictures.pictures[1] = QtPicture::fromPixmap(pixmap);
    pictures.widths[1] = 3000;
    pictures.heights[1] = 2400;
    MainWindow main(fixtures::makeContent(3, 3), pictures);
    auto* panel = child<PictureBoxWidget>(*main.window, QStringLiteral("Grafika(0)"));
    EXPECT_EQ(panel->picture(), pictures.pictures[1]);
    EXPECT_EQ(main.window->pictureWindow()->isVisible(), false);

    QTest::mouseClick(panel, Qt::LeftButton);
    PictureWindow* window = main.window->pictureWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(200, 160));
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::Tool));
    const auto* display = child<PictureBoxWidget>(*window, QStringLiteral("Graphika(0)"));
    EXPECT_EQ(display->geometry(), QRect(0, 0, 200, 160));
    EXPECT_EQ(display->picture(), pictures.pictures[1]);

    // Another question in focus hides it; its own close button ends it.
    ui::clickRow(main.list(0), 1);
    EXPECT_FALSE(window->isVisible());
    ui::clickRow(main.list(0), 0);
    main.window->clientArea()
        ->findChild<PictureBoxWidget*>(QStringLiteral("Grafika(0)"))
        ->setFocus();
    QTest::keyClick(panel, Qt::Key_Space);
    ASSERT_TRUE(window->isVisible());
    window->close();
    EXPECT_EQ(main.model().pictures().window(), nullptr);
    EXPECT_EQ(main.window->pictureWindow(), nullptr);
    QTest::mouseClick(panel, Qt::LeftButton);
    ASSERT_NE(main.window->pictureWindow(), nullptr);
    EXPECT_TRUE(main.window->pictureWindow()->isVisible());
}
