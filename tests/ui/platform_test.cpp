#include "ui/pictureboxwidget.h"
#include "ui/qtfontplatform.h"
#include "ui/qtpicture.h"
#include "ui/qtprogramend.h"
#include "ui/units.h"

#include <QApplication>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>

TEST(Units, TwipsArePixelsOfFifteen) {
    EXPECT_EQ(toPixels(Rect{240, 480, 6105, 2055}), QRect(16, 32, 407, 137));
    EXPECT_EQ(toPixels(50), 3);
    EXPECT_EQ(toPixels(7005), 467);
}

TEST(Units, ColourValuesAreRedGreenBlue) {
    const struct {
        Colour value;
        QColor expected;
    } cases[] = {
        {32768, QColor(0, 128, 0)},
        {33023, QColor(255, 128, 0)},
        {16761024, QColor(192, 192, 255)},
        {192, QColor(192, 0, 0)},
        {0x7F000000 | 255, QColor(255, 0, 0)}, // bits above the colour are ignored
    };
    for (const auto& c : cases)
        EXPECT_EQ(toQColor(c.value), c.expected) << c.value;
}

TEST(Units, CarriageReturnLineFeedBreaksLines) {
    EXPECT_EQ(toDisplayText(QStringLiteral("\r\n\"a\"\r\nb")), QStringLiteral("\n\"a\"\nb"));
}

TEST(QtFontPlatform, RealisesWholePixelsAtNinetySixDots) {
    const QtFontPlatform fonts;
    const struct {
        double asked;
        double realised;
    } cases[] = {{10, 9.75}, {8, 8.25}, {12, 12}, {9, 9}, {14, 14.25}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(fonts.realisedSize(QStringLiteral("Times New Roman"), c.asked), c.realised)
            << c.asked;
}

TEST(QtFontPlatform, ListsInstalledFamiliesAndNamesTheFaceUsed) {
    const QtFontPlatform fonts;
    const QStringList families = fonts.screenFonts();
    ASSERT_FALSE(families.isEmpty());
    // A family that is installed is reported as itself.
    EXPECT_EQ(fonts.realisedFamily(families.first()), families.first());
    EXPECT_FALSE(fonts.realisedFamily(QStringLiteral("Times New Roman")).isEmpty());
}

TEST(PictureBoxWidget, DrawsUnscaledFromTheTopLeftAndClips) {
    QPixmap pixmap(200, 10);
    pixmap.fill(Qt::red);
    const PictureRef picture = QtPicture::fromPixmap(pixmap);
    EXPECT_EQ(picture->widthPixels(), 200);
    EXPECT_EQ(picture->heightPixels(), 10);

    QWidget window;
    PictureBoxWidget box(&window);
    box.setFocusPolicy(Qt::NoFocus); // no focus frame over the pixels
    QPalette palette = box.palette();
    palette.setColor(QPalette::Window, Qt::blue);
    box.setPalette(palette);
    box.setGeometry(0, 0, 50, 40);
    box.setPicture(picture);
    const QImage image = box.grab().toImage();
    EXPECT_EQ(image.size(), QSize(50, 40));
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(49, 9), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(49, 10), QColor(Qt::blue));
}

TEST(PictureBoxWidget, ClickSpaceAndEnterPressIt) {
    PictureBoxWidget box;
    box.resize(20, 20);
    QSignalSpy clicked(&box, &PictureBoxWidget::clicked);
    QTest::mouseClick(&box, Qt::LeftButton);
    QTest::keyClick(&box, Qt::Key_Space);
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::mouseClick(&box, Qt::RightButton);
    QTest::keyClick(&box, Qt::Key_A);
    EXPECT_EQ(clicked.count(), 3);
}

TEST(QtProgramEnd, HidesEveryWindowWithoutClosingAndLeavesTheLoop) {
    struct Window : QWidget {
        int closeEvents = 0;
        void closeEvent(QCloseEvent* event) override {
            ++closeEvents;
            QWidget::closeEvent(event);
        }
    };
    Window first;
    Window second;
    first.show();
    second.show();
    QtProgramEnd end;
    QTimer::singleShot(0, [&end] { end.endNow(); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_FALSE(first.isVisible());
    EXPECT_FALSE(second.isVisible());
    EXPECT_EQ(first.closeEvents + second.closeEvents, 0);
}
