// Random pupil actions done on the real widgets of a shown main window, with
// the models checked after every action and every widget checked against
// its model.
//
//   widget_soak_tests                          fixed run seeds (part of ctest)
//   ZIVEN_SOAK_SECONDS=120 widget_soak_tests   new run seeds until the time is
//                                              up, shared between the contents
//   ZIVEN_SOAK_SEED=1234 widget_soak_tests     replays run seed 1234 on each content

#include "soakcontent.h"
#include "widgetcase.h"
#include "widgetcheck.h"

#include "ui/uidriver.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <random>

using namespace soak;

namespace {

constexpr std::size_t ShortRunActions = 800;
constexpr std::uint32_t ShortRunSeed = 4321;

// The built-in test, a small one whose flags run out early, and the one of
// awkward texts, flags and large pictures.
const char* const contentNames[] = {"builtin", "left8_right10", "left45_right40_odd"};

const SoakContent& contentNamed(const std::string& name) {
    for (const SoakContent& c : soakContents()) {
        if (c.name == name) return c;
    }
    throw std::invalid_argument("no soak content " + name);
}

QWidget* at(ZivenWindow& window, const char* name) {
    return window.findChild<QWidget*>(QLatin1String(name));
}

class WidgetSoak : public ::testing::TestWithParam<std::size_t> {
protected:
    const SoakContent& content() const { return contentNamed(contentNames[GetParam()]); }

    // False after the first failing run, which it reports cut down.
    bool runOne(std::uint32_t seed) {
        const CaseResult result = runWidgetCase(content(), seed);
        ++m_runs;
        m_actions += result.actions.size();
        m_applied += result.applied;
        m_coverage += result.coverage;
        if (!result.failure) return true;
        ADD_FAILURE() << widgetReport(content(), result);
        return false;
    }

    void summary(const char* mode, std::uint64_t seed,
                 std::chrono::steady_clock::time_point started) const {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::steady_clock::now() - started)
                            .count();
        std::cout << "[widget soak] " << content().name << " (" << mode << ", seed " << seed
                  << "): " << m_runs << " runs, " << m_actions << " actions (" << m_applied
                  << " applied) in " << ms << " ms; " << m_coverage.pairs << " pairs, "
                  << m_coverage.removals << " removals, " << m_coverage.evaluations
                  << " evaluations, " << m_coverage.explanations << " explanations, "
                  << m_coverage.pictureWindows << " picture windows, " << m_coverage.appearanceLoads
                  << " appearance windows, " << m_coverage.saves << " saves\n";
    }

    std::size_t m_runs = 0;
    std::size_t m_actions = 0;
    std::size_t m_applied = 0;
    Coverage m_coverage;
};

TEST_P(WidgetSoak, WidgetsShowTheirModelsAfterEveryAction) {
    const auto started = std::chrono::steady_clock::now();
    if (const auto seed = envNumber("ZIVEN_SOAK_SEED")) {
        runOne(static_cast<std::uint32_t>(*seed));
        summary("replay", static_cast<std::uint32_t>(*seed), started);
        return;
    }
    if (const auto seconds = envNumber("ZIVEN_SOAK_SECONDS"); seconds && *seconds > 0) {
        const auto share = std::chrono::duration<double>(*seconds / std::size(contentNames));
        const std::uint32_t master = std::random_device{}();
        std::mt19937 seeds(master);
        while (std::chrono::steady_clock::now() - started < share) {
            if (!runOne(seeds())) break;
        }
        summary("timed, master", master, started);
        return;
    }
    const std::uint32_t master = ShortRunSeed + static_cast<std::uint32_t>(GetParam());
    std::mt19937 seeds(master);
    // On past the mark, within reason, until some pupil has got to "Оцени".
    while (m_actions < ShortRunActions ||
           (m_coverage.evaluations == 0 && m_actions < 3 * ShortRunActions)) {
        if (!runOne(seeds())) break;
    }
    summary("short, master", master, started);
    if (HasFailure()) return;
    // Runs that stopped reaching the appearance window, taking answers back
    // or the end of the test would leave most widgets unchecked.
    EXPECT_GT(m_coverage.pairs, 10u);
    EXPECT_GT(m_coverage.removals, 0u);
    EXPECT_GT(m_coverage.appearanceLoads, 0u);
    EXPECT_GT(m_coverage.evaluations, 0u);
}

INSTANTIATE_TEST_SUITE_P(Contents, WidgetSoak,
                         ::testing::Range<std::size_t>(0, std::size(contentNames)),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             return std::string(contentNames[info.param]);
                         });

// The widget checks must notice a widget out of step with its model.
TEST(WidgetChecks, NoticeAWidgetOutOfStep) {
    struct Case {
        const char* what;
        void (*corrupt)(ZivenWindow&);
    };
    const Case cases[] = {
        {"a button shown disabled", [](ZivenWindow& w) { at(w, "Uprawl(0)")->setEnabled(false); }},
        {"a button hidden", [](ZivenWindow& w) { at(w, "Uprawl(3)")->hide(); }},
        {"the counter's caption",
         [](ZivenWindow& w) { qobject_cast<QLabel*>(at(w, "Ndapis"))->setText("Остават: 1"); }},
        {"the explanation",
         [](ZivenWindow& w) {
             qobject_cast<QPlainTextEdit*>(at(w, "Prowerka(0)"))->setPlainText("x");
         }},
        {"the verdict shown", [](ZivenWindow& w) { at(w, "Prowerka(1)")->show(); }},
        {"another row selected",
         [](ZivenWindow& w) {
             auto* view = qobject_cast<ItemListView*>(at(w, "Slowo(1)"));
             view->selectionModel()->select(view->model()->index(3, 0),
                                            QItemSelectionModel::ClearAndSelect);
         }},
        {"the background",
         [](ZivenWindow& w) {
             QPalette p = w.clientArea()->palette();
             p.setColor(QPalette::Window, Qt::red);
             w.clientArea()->setPalette(p);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ui::MainWindow main(fixtures::makeContent(8, 10));
        ASSERT_EQ(checkWidgets(*main.window, main.model()), std::nullopt);
        c.corrupt(*main.window);
        EXPECT_NE(checkWidgets(*main.window, main.model()), std::nullopt);
    }
}

// A reported run seed replays the same actions.
TEST(WidgetSoakReplay, SameSeedSameRun) {
    const SoakContent& c = contentNamed("left8_right10");
    const CaseResult first = runWidgetCase(c, 77);
    const CaseResult second = runWidgetCase(c, 77);
    ASSERT_EQ(first.actions.size(), second.actions.size());
    for (std::size_t i = 0; i < first.actions.size(); ++i)
        EXPECT_EQ(toString(first.actions[i]), toString(second.actions[i]));
}

} // namespace

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says it cannot raise a window each time the
// program raises one; thousands of those would bury a failure report.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("This plugin does not support"))) return;
    defaultHandler(type, context, message);
}

} // namespace

// Widgets need an application object; listing the tests needs no display.
int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
    defaultHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    return RUN_ALL_TESTS();
}
