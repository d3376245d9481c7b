// The pupil's actions through the real widgets: each measured action is the
// press or key, the model's handling, showing the result in every window and
// the repaint that follows, at the built-in size, a large test and the
// largest test the data model allows. Setup and undoing are not timed.
#include "benchsizes.h"
#include "fixtures/testcontents.h"
#include "ui/itemlistview.h"
#include "ui/zivenwindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

namespace {

using namespace bench;

// The model and its shown window, painted once.
struct Shown {
    explicit Shown(const TestContentData& data)
        : test(data), window(std::make_unique<ZivenWindow>(*test.window)) {
        window->show();
        QApplication::processEvents();
    }
    Ziven& model() const { return *test.window; }
    QAbstractButton* button(int index) const {
        return window->findChild<QAbstractButton*>(QStringLiteral("Uprawl(%1)").arg(index));
    }
    ItemListView* list(int index) const {
        return window->findChild<ItemListView*>(QStringLiteral("Slowo(%1)").arg(index));
    }
    // What the pupil waits for: the press, the handling and the repaint.
    void press(int index) const {
        QTest::mouseClick(button(index), Qt::LeftButton);
        QApplication::processEvents();
    }
    // Setup done through the model, then shown once.
    void chooseLastPair() const {
        model().Slowo[0].list().click(model().Slowo[0].list().count() - 1);
        model().Slowo[1].list().click(model().Slowo[1].list().count() - 1);
        window->refresh();
    }
    void undoLastAnswer() const {
        model().Slowo[2].list().click(model().Slowo[2].list().count() - 1);
        model().Uprawl_Click(Wyrni);
        window->refresh();
        QApplication::processEvents();
    }
    void enterPairs(int count) const {
        for (int i = 0; i < count; ++i) {
            model().Slowo[0].list().click(model().Slowo[0].list().count() - 1);
            model().Slowo[1].list().click(model().Slowo[1].list().count() - 1);
            model().Uprawl_Click(Izbrah);
        }
        window->refresh();
        QApplication::processEvents();
    }

    fixtures::TestWindow test;
    std::unique_ptr<ZivenWindow> window;
};

void BM_StartUpWithViews(benchmark::State& state) {
    const TestContentData data = contentFor(state);
    for (auto _ : state) {
        auto shown = std::make_unique<Shown>(data);
        benchmark::DoNotOptimize(shown.get());
        state.PauseTiming();
        shown.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpWithViews)->Apply(sizes);

void BM_Izbrah(benchmark::State& state) {
    const Shown shown(contentFor(state));
    for (auto _ : state) {
        state.PauseTiming();
        shown.chooseLastPair();
        state.ResumeTiming();
        shown.press(Izbrah);
        state.PauseTiming();
        shown.undoLastAnswer();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_Izbrah)->Apply(sizes);

void BM_Wyrni(benchmark::State& state) {
    const Shown shown(contentFor(state));
    shown.enterPairs(3);
    for (auto _ : state) {
        state.PauseTiming();
        shown.chooseLastPair();
        shown.press(Izbrah);
        shown.model().Slowo[2].list().click(shown.model().Slowo[2].list().count() - 1);
        shown.window->refresh();
        state.ResumeTiming();
        shown.press(Wyrni);
    }
}
BENCHMARK(BM_Wyrni)->Apply(sizes);

// Every right phrase paired: the most answers evaluation can meet. The
// button is pressed once; later runs repeat the same evaluation and show it.
void BM_Oceni(benchmark::State& state) {
    const Shown shown(contentFor(state));
    shown.enterPairs(shown.model().Slowo[1].list().count());
    shown.press(Obqsni); // lets "Оцени" catch up
    bool pressed = false;
    for (auto _ : state) {
        if (!pressed) {
            shown.press(Oceni);
            pressed = true;
            continue;
        }
        shown.model().Evaluate_Test();
        shown.window->refresh();
        QApplication::processEvents();
    }
    state.counters["answers"] = shown.model().Slowo[2].list().count();
}
BENCHMARK(BM_Oceni)->Apply(sizes);

void BM_ObqsniDuringTest(benchmark::State& state) {
    const Shown shown(contentFor(state));
    for (auto _ : state) {
        state.PauseTiming();
        shown.chooseLastPair();
        state.ResumeTiming();
        shown.press(Obqsni);
        state.PauseTiming();
        shown.undoLastAnswer();
        shown.model().Uprawl[Obqsni].setEnabled(true);
        shown.window->refresh();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ObqsniDuringTest)->Apply(sizes);

void BM_ObqsniAfterEvaluation(benchmark::State& state) {
    const Shown shown(contentFor(state));
    shown.enterPairs(shown.model().Slowo[1].list().count());
    shown.press(Obqsni);
    shown.press(Oceni);
    shown.model().Slowo[2].list().click(shown.model().Slowo[2].list().count() / 2);
    shown.window->refresh();
    for (auto _ : state)
        shown.press(Obqsni);
}
BENCHMARK(BM_ObqsniAfterEvaluation)->Apply(sizes);

// End and Home in turn: the selection and the view jump the whole list.
void BM_LeftListKeys(benchmark::State& state) {
    const Shown shown(contentFor(state));
    ItemListView* left = shown.list(0);
    bool toEnd = true;
    for (auto _ : state) {
        QTest::keyClick(left, toEnd ? Qt::Key_End : Qt::Key_Home);
        QApplication::processEvents();
        toEnd = !toEnd;
    }
}
BENCHMARK(BM_LeftListKeys)->Apply(sizes);

} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
