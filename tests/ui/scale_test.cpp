// The main window under high-DPI scaling. CTest runs this program once for
// each of QT_SCALE_FACTOR=1, 1.5 and 2; every run checks the layout against
// the one the window has at 1x, in the device pixels that are drawn, and
// leaves screenshots in ZIVEN_SCREENSHOT_DIR to look at.

#include "ui/cwiatwindow.h"

#include "uidriver.h"

#include <QApplication>
#include <QDir>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>

using ui::child;
using ui::MainWindow;

namespace {

double expectedScale() {
    bool ok = false;
    const double factor = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    return ok ? factor : 1.0;
}

QString screenshotPath(const QString& name) {
    QDir().mkpath(QStringLiteral(ZIVEN_SCREENSHOT_DIR));
    return QStringLiteral(ZIVEN_SCREENSHOT_DIR "/%1-%2.png")
        .arg(name, QString::number(expectedScale()));
}

// The main window's controls as they stand at 1x, in pixels of the client area.
struct Placed {
    const char* name;
    QRect rect;
};
constexpr Placed mainLayout[] = {
    {"Slowo(0)", {8, 32, 209, 137}},       {"Slowo(1)", {224, 32, 505, 137}},
    {"Slowo(2)", {56, 176, 625, 99}},      {"Uprawl(0)", {80, 280, 81, 25}},
    {"Uprawl(1)", {312, 280, 81, 25}},     {"Uprawl(2)", {560, 280, 81, 25}},
    {"Uprawl(3)", {648, 3, 81, 25}},       {"Ndapis", {296, 0, 97, 25}},
    {"Prowerka(0)", {120, 312, 609, 137}}, {"Prowerka(1)", {696, 208, 33, 33}},
    {"Grafika(0)", {8, 312, 105, 89}},     {"Grafika(1)", {8, 384, 105, 89}},
};

QRect scaled(const QRect& rect, double factor) {
    return {static_cast<int>(std::lround(rect.x() * factor)),
            static_cast<int>(std::lround(rect.y() * factor)),
            static_cast<int>(std::lround(rect.width() * factor)),
            static_cast<int>(std::lround(rect.height() * factor))};
}

bool near(const QRect& a, const QRect& b) {
    return std::abs(a.left() - b.left()) <= 1 && std::abs(a.top() - b.top()) <= 1 &&
           std::abs(a.right() - b.right()) <= 1 && std::abs(a.bottom() - b.bottom()) <= 1;
}

// Where each control is drawn, in device pixels of the client area, matches
// the 1x layout scaled; the client's green shows just outside each control
// that stands free, so none has grown past its place.
void expectLayoutScaled(const ZivenWindow& window, const QImage& image, double factor) {
    const QWidget* client = window.clientArea();
    const QPoint origin = client->mapTo(&window, QPoint(0, 0));
    const QColor green(0, 128, 0);
    QList<QRect> taken;
    for (const Placed& p : mainLayout) {
        const auto* widget = child<QWidget>(window, QLatin1String(p.name));
        if (widget && widget->isVisible()) taken.append(p.rect);
    }
    for (const Placed& p : mainLayout) {
        SCOPED_TRACE(p.name);
        const auto* widget = child<QWidget>(window, QLatin1String(p.name));
        ASSERT_NE(widget, nullptr);
        const QRect logical(widget->mapTo(client, QPoint(0, 0)), widget->size());
        EXPECT_EQ(logical, p.rect);
        const QRect device = scaled(logical, widget->devicePixelRatioF());
        EXPECT_TRUE(near(device, scaled(p.rect, factor)))
            << device.x() << "," << device.y() << " " << device.width() << "x" << device.height();
        if (!widget->isVisible()) continue;

        // Two logical pixels outside the middle of each edge.
        const QPoint centre = p.rect.center();
        const QPoint outside[] = {{p.rect.left() - 2, centre.y()},
                                  {p.rect.right() + 2, centre.y()},
                                  {centre.x(), p.rect.top() - 2},
                                  {centre.x(), p.rect.bottom() + 2}};
        for (const QPoint& point : outside) {
            if (!client->rect().contains(point)) continue;
            const bool free = std::none_of(taken.begin(), taken.end(), [&](const QRect& r) {
                return r.adjusted(-1, -1, 1, 1).contains(point);
            });
            if (!free) continue;
            const QPoint pixel = scaled(QRect(point + origin, QSize(1, 1)), factor).topLeft();
            EXPECT_EQ(image.pixelColor(pixel), green) << point.x() << "," << point.y();
        }
        // Just inside the top edge the control covers the client.
        const QPoint inside =
            scaled(QRect(QPoint(centre.x(), p.rect.top() + 2) + origin, QSize(1, 1)), factor)
                .topLeft();
        EXPECT_NE(image.pixelColor(inside), green);
    }
}

// Each caption, at the control's own font, fits the room the style leaves it;
// so do the longest texts the labels named in `later` come to show.
void expectCaptionsFit(const QWidget& root, const QHash<QString, QStringList>& later = {}) {
    for (const auto* button : root.findChildren<QPushButton*>()) {
        if (!button->isVisible()) continue;
        SCOPED_TRACE(button->objectName().toStdString());
        const QFontMetrics metrics(button->font(), button);
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        EXPECT_LE(metrics.horizontalAdvance(button->text()) + margin, button->width());
        EXPECT_LE(metrics.height(), button->height());
    }
    for (const auto* label : root.findChildren<QLabel*>()) {
        if (!label->isVisible()) continue;
        SCOPED_TRACE(label->objectName().toStdString());
        const QFontMetrics metrics(label->font(), label);
        QStringList texts{label->text()};
        texts += later.value(label->objectName());
        for (const QString& text : texts) {
            EXPECT_LE(metrics.horizontalAdvance(text), label->contentsRect().width())
                << text.toStdString();
        }
        EXPECT_LE(metrics.height(), label->contentsRect().height());
    }
}

} // namespace

TEST(Scale, TheMainWindowKeepsItsLayoutAndItsCaptionsFit) {
    const double factor = expectedScale();
    MainWindow main;
    ZivenWindow& window = *main.window;
    ASSERT_DOUBLE_EQ(window.devicePixelRatioF(), factor);

    const QImage start = window.grab().toImage();
    ASSERT_TRUE(start.save(screenshotPath(QStringLiteral("main"))));
    EXPECT_EQ(start.width(), std::lround(window.width() * factor));
    expectLayoutScaled(window, start, factor);
    expectCaptionsFit(window, {{QStringLiteral("Ndapis"),
                                {QStringLiteral("Остават: 25"), QStringLiteral("Верни: 100%")}}});

    // A few pairs and an answer selected.
    for (int i = 0; i < 3; ++i) {
        ui::clickRow(main.list(0), 0);
        ui::clickRow(main.list(1), i);
        ui::press(main.button(0));
    }
    ui::clickRow(main.list(2), 1);
    const QImage pairs = window.grab().toImage();
    ASSERT_TRUE(pairs.save(screenshotPath(QStringLiteral("main-pairs"))));
    expectLayoutScaled(window, pairs, factor);
    expectCaptionsFit(window);

    // The verdict fits its small box.
    const auto* verdict = child<QLineEdit>(window, QStringLiteral("Prowerka(1)"));
    const QFontMetrics verdictMetrics(verdict->font(), verdict);
    const int frame = verdict->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, verdict);
    for (const char* text : {"ДА", "НЕ"})
        EXPECT_LE(verdictMetrics.horizontalAdvance(QString::fromUtf8(text)) + 2 * frame,
                  verdict->width())
            << text;

    // List rows are tall enough for their letters.
    for (int i = 0; i < 3; ++i) {
        const ItemListView* list = main.list(i);
        ASSERT_GT(list->model()->rowCount(), 0);
        const QFontMetrics metrics(list->font(), list);
        EXPECT_GE(list->visualRect(list->model()->index(0, 0)).height(), metrics.height());
    }
}

TEST(Scale, TheAppearanceWindowsCaptionsFit) {
    MainWindow main;
    CwiatWindow* window = main.openAppearance();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->grab().save(screenshotPath(QStringLiteral("appearance"))));
    expectCaptionsFit(*window, {{QStringLiteral("Label_Cv(3)"),
                                 {QStringLiteral("Цвят в 10/16-тичен код = 16777215 /HFFFFFF")}},
                                {QStringLiteral("Label_ST(0)"), {QStringLiteral("255")}}});
}

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    return RUN_ALL_TESTS();
}
