#include "widgetdriver.h"

#include "widgetcheck.h"

#include "ui/uidriver.h"

#include "ui/commandbutton.h"
#include "ui/cwiatwindow.h"
#include "ui/itemlistview.h"
#include "ui/pictureboxwidget.h"
#include "ui/picturewindow.h"
#include "ui/zivenwindow.h"

#include <QAction>
#include <QApplication>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>

#include <algorithm>

namespace soak {

namespace {

Qt::Key qtKey(Key key) {
    switch (key) {
    case Key::Up:
        return Qt::Key_Up;
    case Key::Down:
        return Qt::Key_Down;
    case Key::PageUp:
        return Qt::Key_PageUp;
    case Key::PageDown:
        return Qt::Key_PageDown;
    case Key::Home:
        return Qt::Key_Home;
    case Key::End:
        return Qt::Key_End;
    }
    return Qt::Key_unknown;
}

// The rows a page key moves: those wholly in view, less one kept in sight.
int rowsPerPage(const ItemListView& view) {
    const int rowHeight = std::max(1, view.visualRect(view.model()->index(0, 0)).height());
    return std::max(1, view.viewport()->height() / rowHeight - 1);
}

// Where the slider's handle and groove are; QSlider keeps its own option
// builder to itself.
QStyleOptionSlider sliderOption(const QSlider& slider) {
    QStyleOptionSlider opt;
    opt.initFrom(&slider);
    opt.subControls = QStyle::SC_None;
    opt.activeSubControls = QStyle::SC_None;
    opt.orientation = slider.orientation();
    opt.maximum = slider.maximum();
    opt.minimum = slider.minimum();
    opt.tickPosition = slider.tickPosition();
    opt.tickInterval = slider.tickInterval();
    opt.upsideDown = slider.invertedAppearance();
    opt.direction = slider.layoutDirection();
    opt.sliderPosition = slider.sliderPosition();
    opt.sliderValue = slider.value();
    opt.singleStep = slider.singleStep();
    opt.pageStep = slider.pageStep();
    if (slider.orientation() == Qt::Horizontal) opt.state |= QStyle::State_Horizontal;
    return opt;
}

struct SliderTrack {
    QRect handle;
    int start = 0; // the handle's left edge at the minimum
    int span = 0;  // pixels the handle's left edge can travel
};

SliderTrack trackOf(const QSlider& slider) {
    const QStyleOptionSlider opt = sliderOption(slider);
    const QRect groove =
        slider.style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, &slider);
    const QRect handle =
        slider.style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, &slider);
    return {handle, groove.x(), groove.right() - handle.width() + 1 - groove.x()};
}

int valueAt(const QSlider& slider, const SliderTrack& track, int position) {
    return QStyle::sliderValueFromPosition(slider.minimum(), slider.maximum(), position,
                                           track.span);
}

template <typename T> T pickFrom(std::mt19937& rng, std::initializer_list<std::pair<T, int>> ways) {
    int total = 0;
    for (const auto& w : ways)
        total += w.second;
    int roll = std::uniform_int_distribution<int>(0, total - 1)(rng);
    for (const auto& w : ways) {
        if (roll < w.second) return w.first;
        roll -= w.second;
    }
    return ways.begin()->first;
}

} // namespace

WidgetDriver::WidgetDriver(const SoakContent& content)
    : m_run(content), m_view(std::make_unique<ZivenWindow>(m_run.window())) {
    m_view->show();
    m_view->activateWindow();
    m_exposed = QTest::qWaitForWindowExposed(m_view.get());
    m_run.setPerformer([this](const Action& a) { perform(a); });
}

WidgetDriver::~WidgetDriver() {
    m_view.reset();
    // Windows dropped from their own handlers go with the deferred deletes.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

std::optional<std::string> WidgetDriver::startFailure() const {
    if (!m_exposed) return "the main window was never exposed";
    if (auto f = m_run.startFailure()) return f;
    return checkWidgets(*m_view, std::as_const(m_run).window());
}

QWidget* WidgetDriver::widget(const QString& name) const {
    if (auto* found = m_view->findChild<QWidget*>(name)) return found;
    if (const CwiatWindow* c = m_view->appearanceWindow()) return c->findChild<QWidget*>(name);
    return nullptr;
}

Action WidgetDriver::next(std::mt19937& rng, const Temper& temper) {
    const Ziven& w = m_run.window();
    std::vector<int> disabled;
    for (std::size_t i = 0; i < w.Uprawl.size(); ++i) {
        if (!w.Uprawl[i].isEnabled()) disabled.push_back(static_cast<int>(i));
    }
    Action a;
    if (!disabled.empty() && std::bernoulli_distribution(0.08)(rng)) {
        a.kind = Kind::Attempt;
        a.index = disabled[std::uniform_int_distribution<std::size_t>(0, disabled.size() - 1)(rng)];
    } else {
        a = m_run.pick(rng, temper);
    }

    switch (a.kind) {
    case Kind::Click:
        a.way = pickFrom<Way>(rng, {{Way::Mouse, 6}, {Way::DoubleClick, 1}});
        break;
    case Kind::Key:
        if (a.key == Key::PageUp || a.key == Key::PageDown) {
            if (const auto* view =
                    qobject_cast<ItemListView*>(widget(QString::fromStdString(listName(a.list)))))
                a.value = rowsPerPage(*view);
        }
        break;
    case Kind::Press:
    case Kind::Attempt:
        a.way = pickFrom<Way>(rng, {{Way::Mouse, 2}, {Way::Space, 1}, {Way::Enter, 1}});
        break;
    case Kind::PanelClick:
        a.way = pickFrom<Way>(rng, {{Way::Mouse, 3}, {Way::Enter, 1}, {Way::Space, 1}});
        break;
    case Kind::Color:
    case Kind::Save:
        a.way = pickFrom<Way>(rng, {{Way::Mouse, 2}, {Way::Trigger, 1}});
        break;
    case Kind::Cancel:
        a.way = pickFrom<Way>(rng, {{Way::Mouse, 2}, {Way::Trigger, 1}, {Way::Escape, 2}});
        break;
    case Kind::Slider:
        a.way = pickFrom<Way>(rng, {{Way::Keys, 1}, {Way::Mouse, 1}});
        if (a.way == Way::Mouse) {
            // The mouse reaches only the values of whole pixels.
            if (const auto* slider =
                    qobject_cast<QSlider*>(widget(QStringLiteral("Slider1(%1)").arg(a.index)))) {
                const SliderTrack track = trackOf(*slider);
                a.value = valueAt(*slider, track,
                                  QStyle::sliderPositionFromValue(
                                      slider->minimum(), slider->maximum(), a.value, track.span));
            }
        }
        break;
    case Kind::Option:
    case Kind::ClosePictures:
    case Kind::CloseAppearance:
        break;
    }
    return a;
}

bool WidgetDriver::reachable(const Action& a) const {
    switch (a.kind) {
    case Kind::Click:
    case Kind::Key: {
        const QWidget* view = widget(QString::fromStdString(listName(a.list)));
        return view && view->isVisible();
    }
    case Kind::Option: {
        const QWidget* option = widget(QStringLiteral("Option1(%1)").arg(a.index));
        return option && option->isVisible();
    }
    default:
        return true;
    }
}

SoakRun::Result WidgetDriver::step(const Action& action) {
    if (!reachable(action)) return {SoakRun::Outcome::Skipped, {}};
    SoakRun::Result result = m_run.step(action);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (result.outcome != SoakRun::Outcome::Done) return result;
    if (auto f = checkWidgets(*m_view, std::as_const(m_run).window()))
        return {SoakRun::Outcome::Failed, "widgets out of step: " + *f};
    return result;
}

void WidgetDriver::perform(const Action& a) {
    switch (a.kind) {
    case Kind::Click: {
        auto* view = qobject_cast<ItemListView*>(widget(QString::fromStdString(listName(a.list))));
        const QModelIndex index = view->model()->index(a.index, 0);
        // The pupil scrolls the row into sight first.
        view->scrollTo(index);
        const QPoint at = view->visualRect(index).center();
        if (a.way == Way::DoubleClick)
            QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        else
            QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        break;
    }
    case Kind::Key: {
        QWidget* view = widget(QString::fromStdString(listName(a.list)));
        view->setFocus();
        QTest::keyClick(view, qtKey(a.key));
        break;
    }
    case Kind::Press:
    case Kind::Attempt: {
        auto* button =
            qobject_cast<CommandButton*>(widget(QStringLiteral("Uprawl(%1)").arg(a.index)));
        if (a.way == Way::Mouse) {
            QTest::mouseClick(button, Qt::LeftButton);
        } else {
            // A disabled button refuses the focus; the keys still go to it.
            button->setFocus();
            QTest::keyClick(button, a.way == Way::Space ? Qt::Key_Space : Qt::Key_Return);
        }
        break;
    }
    case Kind::PanelClick: {
        QWidget* panel = widget(QStringLiteral("Grafika(0)"));
        if (a.way == Way::Mouse) {
            QTest::mouseClick(panel, Qt::LeftButton);
        } else {
            panel->setFocus();
            QTest::keyClick(panel, a.way == Way::Space ? Qt::Key_Space : Qt::Key_Return);
        }
        break;
    }
    case Kind::ClosePictures:
        m_view->pictureWindow()->close();
        break;
    case Kind::Color:
        if (a.way == Way::Trigger)
            m_view->findChild<QAction*>(QStringLiteral("Cwqt"))->trigger();
        else
            ui::clickMenu(*m_view, QStringLiteral("Color"));
        break;
    case Kind::Slider:
        moveSlider(a);
        break;
    case Kind::Option:
        QTest::mouseClick(widget(QStringLiteral("Option1(%1)").arg(a.index)), Qt::LeftButton);
        break;
    case Kind::Save:
        if (a.way == Way::Trigger)
            m_view->appearanceWindow()->findChild<QAction*>(QStringLiteral("mnu_zapis"))->trigger();
        else
            ui::clickMenu(*m_view->appearanceWindow(), QStringLiteral("Запис"));
        break;
    case Kind::Cancel:
        if (a.way == Way::Trigger) {
            m_view->appearanceWindow()->findChild<QAction*>(QStringLiteral("mnu_Otkaz"))->trigger();
        } else if (a.way == Way::Escape) {
            // The size list has no use for Escape; the window takes it.
            QWidget* sizes = widget(QStringLiteral("List_font(1)"));
            sizes->setFocus();
            QTest::keyClick(sizes, Qt::Key_Escape);
        } else {
            ui::clickMenu(*m_view->appearanceWindow(), QStringLiteral("Отказ"));
        }
        break;
    case Kind::CloseAppearance:
        m_view->appearanceWindow()->close();
        break;
    }
}

void WidgetDriver::moveSlider(const Action& a) {
    auto* slider = qobject_cast<QSlider*>(widget(QStringLiteral("Slider1(%1)").arg(a.index)));
    if (a.way == Way::Mouse) {
        // Drag the handle to the first pixel that means the value.
        const SliderTrack track = trackOf(*slider);
        int position = 0;
        while (position < track.span && valueAt(*slider, track, position) != a.value)
            ++position;
        const QPoint grab = track.handle.center();
        const int offset = grab.x() - track.handle.x();
        QTest::mousePress(slider, Qt::LeftButton, {}, grab);
        QTest::mouseMove(slider, QPoint(track.start + position + offset, grab.y()));
        QTest::mouseRelease(slider, Qt::LeftButton, {},
                            QPoint(track.start + position + offset, grab.y()));
        return;
    }
    slider->setFocus();
    const auto press = [slider](Qt::Key key) { QTest::keyClick(slider, key); };
    if (a.value == slider->minimum()) return press(Qt::Key_Home);
    if (a.value == slider->maximum()) return press(Qt::Key_End);
    // Pages while far, then single steps; every step reaches the model.
    for (int guard = 0; guard < 600 && slider->value() != a.value; ++guard) {
        const int gap = a.value - slider->value();
        if (std::abs(gap) >= slider->pageStep())
            press(gap > 0 ? Qt::Key_PageUp : Qt::Key_PageDown);
        else
            press(gap > 0 ? Qt::Key_Right : Qt::Key_Left);
    }
}

std::optional<std::string> WidgetDriver::exitOnce() {
    const int before = m_run.programEndCalls();
    ui::clickMenu(*m_view, QStringLiteral("Exit"));
    if (m_run.programEndCalls() != before + 1)
        return "\"Exit\" asked the program to end " +
               std::to_string(m_run.programEndCalls() - before) + " times";
    return std::nullopt;
}

} // namespace soak
