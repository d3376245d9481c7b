// What a screen reader gets from the windows through Qt's accessibility
// interfaces: a name, a role and a description for every control, the items
// of the lists with their selection, the verdict as text, and an event when
// the counter or the explanation changes.

#include "ui/cwiatwindow.h"
#include "ui/pictureboxwidget.h"
#include "ui/picturewindow.h"

#include "uidriver.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSet>
#include <QSlider>
#include <QTest>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <gtest/gtest.h>

#include <vector>

using ui::child;
using ui::MainWindow;

// Qt raises accessibility events only while a screen reader listens, which
// the platform tells it; the offscreen platform never does, so the test
// flips the platform's switch itself.
namespace {

void setScreenReaderListening(bool listening) {
    QGuiApplicationPrivate::platform_integration->accessibility()->setActive(listening);
}

QAccessibleInterface* accessible(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    EXPECT_NE(iface, nullptr) << object->objectName().toStdString();
    return iface;
}

// The role a screen reader should announce for each kind of control.
QAccessible::Role expectedRole(const QWidget* widget) {
    if (qobject_cast<const QListView*>(widget)) return QAccessible::List;
    if (qobject_cast<const QRadioButton*>(widget)) return QAccessible::RadioButton;
    if (qobject_cast<const QAbstractButton*>(widget)) return QAccessible::Button;
    if (qobject_cast<const QLabel*>(widget)) return QAccessible::StaticText;
    if (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget))
        return QAccessible::EditableText;
    if (qobject_cast<const QSlider*>(widget)) return QAccessible::Slider;
    if (qobject_cast<const PictureBoxWidget*>(widget)) return QAccessible::Graphic;
    return QAccessible::NoRole;
}

// Every visible control of a window's client area: a name of its own, the
// right role, and its tool-tip as its description.
void expectEveryControlDescribed(QWidget& client) {
    QSet<QString> names;
    int controls = 0;
    for (QWidget* widget : client.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!widget->isVisible()) continue;
        SCOPED_TRACE(widget->objectName().toStdString());
        ++controls;
        QAccessibleInterface* iface = accessible(widget);
        ASSERT_NE(iface, nullptr);
        const QString name = iface->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty());
        EXPECT_FALSE(names.contains(name)) << "shared name " << name.toStdString();
        names.insert(name);
        EXPECT_EQ(iface->role(), expectedRole(widget));
        EXPECT_NE(iface->role(), QAccessible::NoRole);
        if (!widget->toolTip().isEmpty()) {
            EXPECT_EQ(iface->text(QAccessible::Description), widget->toolTip());
        }
    }
    EXPECT_GT(controls, 3);
}

QString verdictText(QLineEdit* verdict) {
    QAccessibleInterface* iface = accessible(verdict);
    QAccessibleTextInterface* text = iface->textInterface();
    EXPECT_NE(text, nullptr);
    EXPECT_EQ(iface->text(QAccessible::Value), text ? text->text(0, text->characterCount()) : "");
    return iface->text(QAccessible::Value);
}

// Collects the accessibility events Qt raises while it lives.
class EventLog {
public:
    EventLog() {
        s_log = this;
        m_previous = QAccessible::installUpdateHandler(&EventLog::record);
        setScreenReaderListening(true);
        EXPECT_TRUE(QAccessible::isActive());
    }
    ~EventLog() {
        setScreenReaderListening(false);
        QAccessible::installUpdateHandler(m_previous);
        s_log = nullptr;
    }
    EventLog(const EventLog&) = delete;
    EventLog& operator=(const EventLog&) = delete;

    // Whether `object` announced a change of its name or text since clear().
    bool announced(const QObject* object) const {
        for (const auto& [type, source] : m_events) {
            if (source != object) continue;
            switch (type) {
            case QAccessible::NameChanged:
            case QAccessible::ValueChanged:
            case QAccessible::TextUpdated:
            case QAccessible::TextInserted:
            case QAccessible::TextRemoved:
                return true;
            default:
                break;
            }
        }
        return false;
    }
    void clear() { m_events.clear(); }

private:
    static void record(QAccessibleEvent* event) {
        if (s_log) s_log->m_events.emplace_back(event->type(), event->object());
    }

    static inline EventLog* s_log = nullptr;
    QAccessible::UpdateHandler m_previous = nullptr;
    std::vector<std::pair<QAccessible::Event, const QObject*>> m_events;
};

} // namespace

TEST(Accessibility, EveryControlOfEveryWindowHasANameARoleAndItsToolTip) {
    PictureContentData pictures = builtinPictureData();
    pictures.flags[1] = QStringLiteral("1");
    pictures.pictures[1] = fixtures::makePicture(40, 30);
    pictures.widths[1] = 600;
    pictures.heights[1] = 450;
    MainWindow main(fixtures::makeContent(1, 1), pictures);
    {
        SCOPED_TRACE("main window at start-up");
        expectEveryControlDescribed(*main.window->clientArea());
    }
    // After evaluation the verdict box shows too.
    ui::press(main.button(0));
    ui::press(main.button(1));
    ui::press(main.button(2));
    ASSERT_TRUE(child<QWidget>(*main.window, QStringLiteral("Prowerka(1)"))->isVisible());
    {
        SCOPED_TRACE("main window after evaluation");
        expectEveryControlDescribed(*main.window->clientArea());
    }
    CwiatWindow* appearance = main.openAppearance();
    ASSERT_NE(appearance, nullptr);
    {
        SCOPED_TRACE("appearance window");
        expectEveryControlDescribed(*appearance->centralWidget());
    }
    auto* panel = child<PictureBoxWidget>(*main.window, QStringLiteral("Grafika(0)"));
    // A screen reader presses the panel as a click would.
    QAccessibleInterface* iface = accessible(panel);
    ASSERT_NE(iface->actionInterface(), nullptr);
    ASSERT_TRUE(iface->actionInterface()->actionNames().contains(
        QAccessibleActionInterface::pressAction()));
    iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    ASSERT_NE(main.window->pictureWindow(), nullptr);
    ASSERT_TRUE(main.window->pictureWindow()->isVisible());
    QAccessibleInterface* display =
        accessible(child<QWidget>(*main.window->pictureWindow(), QStringLiteral("Graphika(0)")));
    EXPECT_FALSE(display->text(QAccessible::Name).isEmpty());
    EXPECT_EQ(display->role(), QAccessible::Graphic);
}

TEST(Accessibility, ListsExposeTheirItemsAndTheSelectedOne) {
    MainWindow main(fixtures::makeContent(4, 4));
    ItemListView* left = main.list(0);
    QAccessibleInterface* iface = accessible(left);
    const QStringList rows = ui::rows(left);
    ASSERT_EQ(iface->childCount(), rows.size());
    QAccessibleTableInterface* table = iface->tableInterface();
    ASSERT_NE(table, nullptr);
    const auto selectedRows = [&] {
        QList<int> selected;
        for (int row = 0; row < iface->childCount(); ++row) {
            QAccessibleInterface* item = iface->child(row);
            EXPECT_EQ(item->role(), QAccessible::ListItem);
            EXPECT_EQ(item->text(QAccessible::Name), rows.at(row));
            if (item->state().selected) selected.append(row);
        }
        EXPECT_EQ(table->selectedCellCount(), selected.size());
        return selected;
    };
    EXPECT_EQ(selectedRows(), QList<int>{0});
    QTest::keyClick(left, Qt::Key_End);
    EXPECT_EQ(selectedRows(), QList<int>{3});
    // An entered pair leaves the relation lists without a selection.
    ui::press(main.button(0));
    EXPECT_EQ(iface->childCount(), 3);
    EXPECT_TRUE(table->selectedCells().isEmpty());
}

TEST(Accessibility, TheVerdictIsReadAsTextAndChangesAreAnnounced) {
    using fixtures::leftPhrase;
    using fixtures::rightPhrase;
    MainWindow main(fixtures::makeContent(3, 3));
    auto* counter = child<QLabel>(*main.window, QStringLiteral("Ndapis"));
    auto* explanation = child<QPlainTextEdit>(*main.window, QStringLiteral("Prowerka(0)"));
    auto* verdict = child<QLineEdit>(*main.window, QStringLiteral("Prowerka(1)"));
    const auto pair = [&main](int left, int right) {
        ui::clickRow(main.list(0),
                     static_cast<int>(ui::rows(main.list(0)).indexOf(leftPhrase(left))));
        ui::clickRow(main.list(1),
                     static_cast<int>(ui::rows(main.list(1)).indexOf(rightPhrase(right))));
        ui::press(main.button(0));
    };
    EventLog log;

    // One right answer and two wrong ones.
    pair(1, 1);
    EXPECT_TRUE(log.announced(counter)) << "the counter changed silently";
    pair(2, 3);
    pair(3, 2);
    ui::press(main.button(1));
    ASSERT_TRUE(main.button(2)->isEnabled());
    log.clear();
    ui::press(main.button(2));
    EXPECT_EQ(counter->text(), QStringLiteral("Верни: 33%"));
    EXPECT_TRUE(log.announced(counter)) << "the result was not announced";

    // The first answer is selected by the evaluation; its verdict is text.
    ASSERT_EQ(ui::selectedRow(main.list(2)), 0);
    EXPECT_EQ(verdictText(verdict), QStringLiteral("ДА"));
    log.clear();
    ui::clickRow(main.list(2), 1);
    EXPECT_EQ(verdictText(verdict), QStringLiteral("НЕ"));
    EXPECT_TRUE(log.announced(verdict)) << "the verdict changed silently";

    log.clear();
    ui::press(main.button(3));
    ASSERT_FALSE(explanation->toPlainText().isEmpty());
    EXPECT_TRUE(log.announced(explanation)) << "the explanation came silently";
}
