// The whole test and the appearance window with the keyboard alone: every key
// goes to whatever widget has the focus, as it would for a pupil without a
// mouse.

#include "appearance/cwiat.h"
#include "ui/cwiatwindow.h"
#include "ui/picturewindow.h"
#include "ui/units.h"

#include "uidriver.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

using ui::child;
using ui::MainWindow;

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

QString focusName() {
    const QWidget* widget = focused();
    return widget ? widget->objectName() : QStringLiteral("<nothing>");
}

void key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* widget = focused();
    ASSERT_NE(widget, nullptr) << "the focus got lost";
    QTest::keyClick(widget, key, modifiers);
}

// Tabs forward (or back) until the named control has the focus; fails
// rather than loops when the control is not in the chain.
void tabTo(const QString& name, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (int step = 0; step < 12 && focusName() != name; ++step)
        key(Qt::Key_Tab, modifiers);
    ASSERT_EQ(focusName(), name);
}

// Selects `text` in the focused list with Home and Down only.
void selectWithKeys(const ItemListView* view, const QString& text) {
    const int row = static_cast<int>(ui::rows(view).indexOf(text));
    ASSERT_GE(row, 0) << text.toStdString();
    key(Qt::Key_Home);
    for (int i = 0; i < row; ++i)
        key(Qt::Key_Down);
    ASSERT_EQ(ui::selectedRow(view), row);
}

// Opens a window's menu bar with F10 or Alt and chooses the item with the
// arrow keys and Enter.
void chooseMenu(QMainWindow& window, Qt::Key opener, int rightPresses) {
    QTest::keyClick(focused(), opener);
    ASSERT_EQ(focused(), window.menuBar()) << "the menu bar did not take the keys";
    for (int i = 0; i < rightPresses; ++i)
        key(Qt::Key_Right);
    key(Qt::Key_Return);
}

} // namespace

TEST(Keyboard, TheWholeBuiltInTestFromTheFirstPairToTheLastExplanation) {
    MainWindow main;
    const TestContentData data = builtinContentData();
    auto* counter = child<QLabel>(*main.window, QStringLiteral("Ndapis"));
    auto* verdict = child<QLineEdit>(*main.window, QStringLiteral("Prowerka(1)"));
    auto* explanation = child<QPlainTextEdit>(*main.window, QStringLiteral("Prowerka(0)"));
    ASSERT_EQ(focusName(), QStringLiteral("Slowo(0)"));

    // Every pair right: the first left phrase left with its own meaning.
    for (int pairs = 0; !ui::rows(main.list(0)).isEmpty(); ++pairs) {
        SCOPED_TRACE(pairs);
        tabTo(QStringLiteral("Slowo(0)"), Qt::ShiftModifier);
        const QString left = ui::rows(main.list(0)).first();
        selectWithKeys(main.list(0), left);
        tabTo(QStringLiteral("Slowo(1)"));
        selectWithKeys(main.list(1), data.right.at(data.left.indexOf(left)));
        tabTo(QStringLiteral("Uprawl(0)"));
        key(pairs % 2 ? Qt::Key_Space : Qt::Key_Return);
        ASSERT_EQ(ui::rows(main.list(2)).size(), pairs + 1);
    }
    EXPECT_EQ(counter->text(), QStringLiteral("Остават: 0"));

    // "Оцени" sees the counts on the next press of any button.
    tabTo(QStringLiteral("Uprawl(1)"));
    key(Qt::Key_Space);
    tabTo(QStringLiteral("Uprawl(2)"));
    key(Qt::Key_Return);
    EXPECT_EQ(counter->text(), QStringLiteral("Верни: 100%"));
    // The pressed button went grey under the focus; the focus moved on to a
    // control that can take it.
    ASSERT_NE(focused(), nullptr);
    EXPECT_TRUE(focused()->isEnabled() && focused()->isVisible()) << focusName().toStdString();
    EXPECT_EQ(focused()->window(), main.window.get());

    tabTo(QStringLiteral("Slowo(2)"), Qt::ShiftModifier);
    const int answers = static_cast<int>(ui::rows(main.list(2)).size());
    for (int row = 0; row < answers; ++row) {
        SCOPED_TRACE(row);
        key(row == 0 ? Qt::Key_Home : Qt::Key_Down);
        ASSERT_EQ(ui::selectedRow(main.list(2)), row);
        EXPECT_EQ(verdict->text(), QStringLiteral("ДА"));
        EXPECT_TRUE(explanation->toPlainText().isEmpty());

        // Tab skips the three grey buttons on its way to "Обясни".
        key(Qt::Key_Tab);
        EXPECT_EQ(focusName(), QStringLiteral("Prowerka(1)"));
        tabTo(QStringLiteral("Uprawl(3)"));
        key(Qt::Key_Space);
        const int p = main.model().dum_N[2].item(row).toInt();
        EXPECT_TRUE(explanation->toPlainText().startsWith(
            QStringLiteral("\n\"%1\" е във връзка с \"%2\"")
                .arg(data.left.at(p - 1), data.right.at(p - 1))))
            << explanation->toPlainText().toStdString();
        tabTo(QStringLiteral("Slowo(2)"), Qt::ShiftModifier);
    }
}

TEST(Keyboard, PageKeysAndEndMoveTheSelectionAndRaiseTheClickHandling) {
    MainWindow main;
    int clicks = 0;
    main.model().setTrace([&clicks](const char* handler, int index) {
        clicks += QLatin1String(handler) == QLatin1String("Slowo_Click") && index == 0;
    });
    const struct {
        Qt::Key key;
        bool moves;
    } steps[] = {{Qt::Key_End, true},  {Qt::Key_End, false},     {Qt::Key_PageUp, true},
                 {Qt::Key_Home, true}, {Qt::Key_PageDown, true}, {Qt::Key_Up, true},
                 {Qt::Key_Home, true}, {Qt::Key_Up, false}};
    int expectedClicks = 0;
    int previous = ui::selectedRow(main.list(0));
    for (const auto& step : steps) {
        key(step.key);
        const int row = ui::selectedRow(main.list(0));
        EXPECT_EQ(row != previous, step.moves) << step.key;
        expectedClicks += step.moves;
        EXPECT_EQ(clicks, expectedClicks) << step.key;
        EXPECT_EQ(main.model().Slowo[0].list().selected(), row);
        // The hidden number list follows, as after a click.
        EXPECT_EQ(main.model().dum_N[0].selected(), row);
        previous = row;
    }
}

TEST(Keyboard, ThePicturePanelTakesTheFocusAndOpensItsWindow) {
    PictureContentData pictures = builtinPictureData();
    // The first phrase in the left list's order has a picture here.
    pictures.flags[1] = QStringLiteral("1");
    pictures.pictures[1] = fixtures::makePicture(40, 30);
    pictures.widths[1] = 600;
    pictures.heights[1] = 450;
    MainWindow main(fixtures::makeContent(3, 3), pictures);
    tabTo(QStringLiteral("Grafika(0)"));
    key(Qt::Key_Return);
    ASSERT_NE(main.window->pictureWindow(), nullptr);
    EXPECT_TRUE(main.window->pictureWindow()->isVisible());
}

TEST(Keyboard, TheAppearanceWindowFromColorToSaveAndEscape) {
    MainWindow main;
    // "Color" is the second item of the main window's bar; F10 opens it.
    chooseMenu(*main.window, Qt::Key_F10, 1);
    CwiatWindow* window = main.window->appearanceWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    // The bar gave the focus back to where it was.
    EXPECT_EQ(focused(), main.list(0));

    // Keys reach the appearance window once it is active.
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* green = child<QSlider>(*window, QStringLiteral("Slider1(1)"));
    tabTo(QStringLiteral("Slider1(1)"));
    key(Qt::Key_Right);
    key(Qt::Key_PageUp);
    const int mixed = green->value();
    EXPECT_GT(mixed, 1);
    // The move counts as the pupil's: the record and the label follow.
    EXPECT_EQ(main.model().Cweta[0].item(5), QString::number(mixed));
    EXPECT_EQ(child<QLabel>(*window, QStringLiteral("Label_ST(1)"))->text(),
              QString::number(mixed));

    // The size list and the option buttons answer keys too.
    tabTo(QStringLiteral("List_font(1)"));
    key(Qt::Key_End);
    EXPECT_EQ(main.model().Cweta[0].item(2), QStringLiteral("14"));
    // Space picks an option; from a picked one the arrows move the pick.
    tabTo(QStringLiteral("Option1(1)"), Qt::ShiftModifier);
    key(Qt::Key_Space);
    EXPECT_TRUE(child<QAbstractButton>(*window, QStringLiteral("Option1(1)"))->isChecked());
    EXPECT_EQ(child<QSlider>(*window, QStringLiteral("Slider1(0)"))->value(), 255);
    key(Qt::Key_Down);
    EXPECT_EQ(focusName(), QStringLiteral("Option1(2)"));
    EXPECT_TRUE(child<QAbstractButton>(*window, QStringLiteral("Option1(2)"))->isChecked());
    EXPECT_EQ(child<QSlider>(*window, QStringLiteral("Slider1(0)"))->value(), 8);

    // "Запис" is the first item of the appearance window's bar; Alt opens it.
    chooseMenu(*window, Qt::Key_Alt, 0);
    EXPECT_EQ(main.window->appearanceWindow(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    const Rgb applied = splitColour(static_cast<Colour>(main.model().Cweta[0].item(3).toInt()));
    EXPECT_EQ(applied.green, mixed);
    EXPECT_EQ(main.window->clientArea()->palette().color(QPalette::Window),
              QColor(applied.red, applied.green, applied.blue));
    EXPECT_EQ(main.list(0)->font().pointSizeF(), 14.0);

    // A second opening; Escape from wherever the focus is acts as "Отказ".
    QApplication::setActiveWindow(main.window.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.window.get()));
    chooseMenu(*main.window, Qt::Key_Alt, 1);
    window = main.window->appearanceWindow();
    ASSERT_NE(window, nullptr);
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    tabTo(QStringLiteral("Slider1(0)"));
    key(Qt::Key_Left);
    const QString before = main.model().Cweta[0].item(3);
    key(Qt::Key_Escape);
    EXPECT_EQ(main.window->appearanceWindow(), nullptr);
    EXPECT_EQ(main.model().appearanceWindow(), nullptr);
    // The main window keeps what "Запис" gave it; the record keeps the move.
    EXPECT_EQ(main.window->clientArea()->palette().color(QPalette::Window),
              QColor(applied.red, applied.green, applied.blue));
    EXPECT_EQ(main.model().Cweta[0].item(3), before);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
