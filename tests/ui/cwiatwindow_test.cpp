#include "appearance/cwiat.h"
#include "ui/cwiatwindow.h"

#include "uidriver.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

using ui::child;
using ui::MainWindow;

namespace {

QColor background(const QWidget* widget) {
    return widget->palette().color(widget->backgroundRole());
}

QSlider* slider(const CwiatWindow& window, int index) {
    return child<QSlider>(window, QStringLiteral("Slider1(%1)").arg(index));
}

QColor mainBackground(const MainWindow& main) {
    return main.window->clientArea()->palette().color(QPalette::Window);
}

} // namespace

TEST(CwiatWindow, OpensWithTheTableOfControls) {
    MainWindow main;
    CwiatWindow* window = main.openAppearance();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Формиране на цвят/избор на шрифт"));
    EXPECT_EQ(window->centralWidget()->size(), QSize(369, 314));
    EXPECT_EQ(background(window->centralWidget()), QColor(128, 128, 128));

    const struct {
        const char* name;
        QRect geometry;
        bool visible;
        const char* text;
    } controls[] = {
        {"picColor", {16, 8, 337, 61}, true, ""},
        {"Label_Cv(3)", {53, 77, 268, 17}, true, "Цвят"},
        {"Label_Cv(0)", {8, 104, 21, 21}, true, "Ч"},
        {"Slider1(0)", {29, 104, 200, 21}, true, ""},
        {"Label_ST(2)", {229, 168, 21, 21}, true, "B"},
        {"Option1(0)", {257, 104, 23, 19}, false, ""},
        {"Option1(1)", {257, 136, 23, 19}, true, ""},
        {"Option1(3)", {257, 200, 23, 19}, false, ""},
        {"Label_Cv(8)", {280, 200, 77, 19}, false, "Цвят бутон"},
        {"Label_Cv(4)", {257, 230, 99, 19}, true, "Размер  шрифт"},
        {"List_font(0)", {40, 193, 177, 80}, false, ""},
        {"List_font(1)", {256, 256, 57, 49}, true, ""},
        {"Text_Cv(0)", {40, 280, 177, 27}, true, "Шрифт"},
    };
    for (const auto& c : controls) {
        SCOPED_TRACE(c.name);
        const auto* widget = child<QWidget>(*window, QLatin1String(c.name));
        ASSERT_NE(widget, nullptr);
        EXPECT_EQ(widget->geometry(), c.geometry);
        EXPECT_EQ(widget->isVisible(), c.visible);
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            EXPECT_EQ(label->text(), QString::fromUtf8(c.text));
        }
        if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            EXPECT_EQ(edit->text(), QString::fromUtf8(c.text));
            EXPECT_EQ(edit->alignment(), Qt::AlignCenter);
        }
    }
    const struct {
        const char* name;
        QColor text;
    } letters[] = {{"Label_Cv(0)", QColor(192, 0, 0)},
                   {"Label_Cv(1)", QColor(0, 192, 0)},
                   {"Label_ST(2)", QColor(0, 0, 192)}};
    for (const auto& c : letters)
        EXPECT_EQ(
            child<QWidget>(*window, QLatin1String(c.name))->palette().color(QPalette::WindowText),
            c.text)
            << c.name;

    auto* sizes = child<ItemListView>(*window, QStringLiteral("List_font(1)"));
    EXPECT_EQ(sizes->currentIndex().data().toString(), QStringLiteral("12"));
    EXPECT_EQ(sizes->font().pointSizeF(), 9.75);
    EXPECT_TRUE(child<QRadioButton>(*window, QStringLiteral("Option1(0)"))->isChecked());
    // Target 0's components, set without telling the mixer.
    EXPECT_EQ(slider(*window, 0)->value(), 128);
    EXPECT_EQ(slider(*window, 1)->value(), 0);
    EXPECT_EQ(child<QLabel>(*window, QStringLiteral("Label_ST(1)"))->text(), QStringLiteral("G"));
}

TEST(CwiatWindow, AMovedSliderMixesTheWindowsColour) {
    MainWindow main;
    CwiatWindow* window = main.openAppearance();
    ASSERT_NE(window, nullptr);
    QSlider* green = slider(*window, 1);
    green->setFocus();
    QTest::keyClick(green, Qt::Key_End);
    EXPECT_EQ(main.model().Cweta[0].item(5), QStringLiteral("255"));
    EXPECT_EQ(child<QLabel>(*window, QStringLiteral("Label_ST(1)"))->text(), QStringLiteral("255"));
    EXPECT_EQ(background(window->centralWidget()), QColor(128, 255, 0));
    EXPECT_EQ(background(child<QWidget>(*window, QStringLiteral("picColor"))), QColor(128, 255, 0));
    EXPECT_EQ(child<QLabel>(*window, QStringLiteral("Label_Cv(3)"))->text(),
              QStringLiteral("Цвят в 10/16-тичен код = 65408 /HFF80"));
    // The main window waits for "Запис".
    EXPECT_EQ(mainBackground(main), QColor(0, 128, 0));

    QTest::mouseClick(child<QRadioButton>(*window, QStringLiteral("Option1(1)")), Qt::LeftButton);
    EXPECT_EQ(slider(*window, 0)->value(), 255);
    EXPECT_EQ(child<QLabel>(*window, QStringLiteral("Label_Cv(3)"))->text(),
              QStringLiteral("Цвят в 10/16-тичен код = 16777215 /HFFFFFF"));
}

TEST(CwiatWindow, SaveOnTheMenuBarAppliesTheRecordToTheMainWindow) {
    MainWindow main;
    CwiatWindow* window = main.openAppearance();
    ASSERT_NE(window, nullptr);
    auto* sizes = child<ItemListView>(*window, QStringLiteral("List_font(1)"));
    ui::clickRow(sizes, static_cast<int>(ui::rows(sizes).indexOf(QStringLiteral("14"))));
    EXPECT_EQ(child<QLineEdit>(*window, QStringLiteral("Text_Cv(0)"))->font().pointSizeF(), 14.0);

    ui::clickMenu(*window, QStringLiteral("Запис"));
    EXPECT_EQ(main.window->appearanceWindow(), nullptr);
    EXPECT_EQ(mainBackground(main), QColor(128, 0, 0));
    const struct {
        const char* name;
        QPalette::ColorRole background;
        QPalette::ColorRole text;
        double points;
    } targets[] = {
        {"Slowo(0)", QPalette::Base, QPalette::Text, 14},
        {"Slowo(2)", QPalette::Base, QPalette::Text, 14},
        {"Prowerka(0)", QPalette::Base, QPalette::Text, 14},
        {"Ndapis", QPalette::Window, QPalette::WindowText, 12},
    };
    for (const auto& t : targets) {
        SCOPED_TRACE(t.name);
        const auto* widget = child<QWidget>(*main.window, QLatin1String(t.name));
        EXPECT_EQ(widget->palette().color(t.background), QColor(255, 255, 255));
        EXPECT_EQ(widget->palette().color(t.text), QColor(8, 0, 0));
        EXPECT_EQ(widget->font().pointSizeF(), t.points);
    }
    // The buttons keep their colours.
    EXPECT_EQ(main.button(0)->palette().color(QPalette::Button), QColor(255, 128, 0));
}

TEST(CwiatWindow, ClosingOrEscapeActsAsCancel) {
    MainWindow main;
    for (const bool byEscape : {false, true}) {
        SCOPED_TRACE(byEscape ? "Escape" : "close button");
        CwiatWindow* window = main.openAppearance();
        ASSERT_NE(window, nullptr);
        QSlider* red = slider(*window, 0);
        red->setFocus();
        QTest::keyClick(red, Qt::Key_PageUp);
        const int mixed = red->value();
        EXPECT_GT(mixed, 0);
        if (byEscape)
            QTest::keyClick(red, Qt::Key_Escape);
        else
            window->close();
        EXPECT_EQ(main.window->appearanceWindow(), nullptr);
        EXPECT_EQ(main.model().appearanceWindow(), nullptr);
        EXPECT_EQ(mainBackground(main), QColor(0, 128, 0));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        // The record kept the mix; the next opening shows it.
        CwiatWindow* again = main.openAppearance();
        ASSERT_NE(again, nullptr);
        EXPECT_EQ(slider(*again, 0)->value(), mixed);
        ui::clickMenu(*again, QStringLiteral("Отказ"));
        EXPECT_EQ(main.window->appearanceWindow(), nullptr);
    }
}
