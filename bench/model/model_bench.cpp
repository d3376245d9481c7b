// Pupil actions at the built-in size, a large test and the largest test the
// data model allows. Each measured action starts from the same state: the
// setup and the undoing around it are not timed.
#include "benchsizes.h"
#include "fixtures/testcontents.h"

#include <benchmark/benchmark.h>

namespace {

using namespace bench;

// Chooses the last phrase on each side, where nothing follows to move.
void chooseLastPair(Ziven& w) {
    w.Slowo[0].list().click(w.Slowo[0].list().count() - 1);
    w.Slowo[1].list().click(w.Slowo[1].list().count() - 1);
}

// The state before the last pair was entered, put back without the
// rebuilding that "Върни" does, so the untimed part stays small.
struct LastPair {
    explicit LastPair(const Ziven& w)
        : left(w.Slowo[0].list().item(w.Slowo[0].list().count() - 1)),
          right(w.Slowo[1].list().item(w.Slowo[1].list().count() - 1)),
          leftNumber(w.dum_N[0].item(w.dum_N[0].count() - 1)),
          rightNumber(w.dum_N[1].item(w.dum_N[1].count() - 1)) {}
    void restore(Ziven& w) const {
        w.Slowo[0].list().add(left); // the last texts go back to the end
        w.Slowo[1].list().add(right);
        w.dum_N[0].add(leftNumber);
        w.dum_N[1].add(rightNumber);
        const int answer = w.Slowo[2].list().count() - 1;
        w.Slowo[2].list().removeAt(answer);
        w.dum_N[2].removeAt(answer);
        w.dum_N[3].removeAt(answer);
    }
    QString left, right, leftNumber, rightNumber;
};

// Times one press with the last pair chosen, putting the state back after
// each, untimed; `reset` undoes what the press changed beyond the lists.
template <typename Reset = void (*)(Ziven&)>
void timeOnLastPair(
    benchmark::State& state, bench::Button button, Reset reset = [](Ziven&) {}) {
    fixtures::TestWindow t(contentFor(state));
    Ziven& w = *t.window;
    const LastPair pair(w);
    for (auto _ : state) {
        state.PauseTiming();
        chooseLastPair(w);
        state.ResumeTiming();
        w.Uprawl_Click(button);
        state.PauseTiming();
        pair.restore(w);
        reset(w);
        state.ResumeTiming();
    }
}

// Enters pairs until the answers are the given share of the right list.
void enterPairs(Ziven& w, int count) {
    for (int i = 0; i < count; ++i) {
        chooseLastPair(w);
        w.Uprawl_Click(Izbrah);
    }
}

void BM_StartUp(benchmark::State& state) {
    const Ziven_danni content(contentFor(state));
    const PictureContentData pictures = builtinPictureData();
    fixtures::FakeFontPlatform fonts;
    fixtures::NullProgramEnd end;
    for (auto _ : state) {
        auto window = std::make_unique<Ziven>(content, pictures, fonts, end);
        benchmark::DoNotOptimize(window.get());
        state.PauseTiming();
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUp)->Apply(sizes);

void BM_Izbrah(benchmark::State& state) {
    timeOnLastPair(state, Izbrah);
}
BENCHMARK(BM_Izbrah)->Apply(sizes);

void BM_Wyrni(benchmark::State& state) {
    fixtures::TestWindow t(contentFor(state));
    Ziven& w = *t.window;
    // A few answers, so removing one also moves the focus to another.
    enterPairs(w, 3);
    for (auto _ : state) {
        state.PauseTiming();
        chooseLastPair(w);
        w.Uprawl_Click(Izbrah);
        w.Slowo[2].list().click(w.Slowo[2].list().count() - 1);
        state.ResumeTiming();
        w.Uprawl_Click(Wyrni);
    }
}
BENCHMARK(BM_Wyrni)->Apply(sizes);

void BM_IzbrahThenWyrni(benchmark::State& state) {
    fixtures::TestWindow t(contentFor(state));
    Ziven& w = *t.window;
    for (auto _ : state) {
        chooseLastPair(w);
        w.Uprawl_Click(Izbrah);
        w.Slowo[2].list().click(w.Slowo[2].list().count() - 1);
        w.Uprawl_Click(Wyrni);
    }
}
BENCHMARK(BM_IzbrahThenWyrni)->Apply(sizes);

// Every right phrase paired: the most answers evaluation can meet.
void BM_Oceni(benchmark::State& state) {
    fixtures::TestWindow t(contentFor(state));
    Ziven& w = *t.window;
    enterPairs(w, w.Slowo[1].list().count());
    w.Uprawl_Click(Obqsni); // lets "Оцени" catch up
    w.Uprawl_Click(Oceni);
    // Each run counts afresh over the same answers, so repeating is fair.
    for (auto _ : state)
        w.Evaluate_Test();
    state.counters["answers"] = w.Slowo[2].list().count();
}
BENCHMARK(BM_Oceni)->Apply(sizes);

void BM_ObqsniDuringTest(benchmark::State& state) {
    // "Обясни" disables itself after its one use during the test.
    timeOnLastPair(state, Obqsni, [](Ziven& w) { w.Uprawl[Obqsni].setEnabled(true); });
}
BENCHMARK(BM_ObqsniDuringTest)->Apply(sizes);

void BM_ObqsniAfterEvaluation(benchmark::State& state) {
    fixtures::TestWindow t(contentFor(state));
    Ziven& w = *t.window;
    enterPairs(w, w.Slowo[1].list().count());
    w.Uprawl_Click(Obqsni);
    w.Uprawl_Click(Oceni);
    w.Slowo[2].list().click(w.Slowo[2].list().count() / 2);
    for (auto _ : state)
        w.Uprawl_Click(Obqsni);
}
BENCHMARK(BM_ObqsniAfterEvaluation)->Apply(sizes);

void BM_LeftClick(benchmark::State& state) {
    fixtures::TestWindow t(contentFor(state));
    Ziven& w = *t.window;
    int row = 0;
    const int count = w.Slowo[0].list().count();
    for (auto _ : state) {
        w.Slowo[0].list().click(row);
        row = (row + 7919) % count;
    }
}
BENCHMARK(BM_LeftClick)->Apply(sizes);

} // namespace

BENCHMARK_MAIN();
