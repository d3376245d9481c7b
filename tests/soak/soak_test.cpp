// Long random runs of what a pupil can do, checked after every action.
//
//   soak_tests                          a short run with fixed seeds (part of ctest)
//   ZIVEN_SOAK_SECONDS=600 soak_tests   new seeds until the time is up, shared
//                                       between the contents
//   ZIVEN_SOAK_SEED=1234 soak_tests     replays run seed 1234 on each content

#include "shrink.h"
#include "soakcase.h"
#include "soakcontent.h"
#include "soakrun.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <random>
#include <string>

using namespace soak;

namespace {

constexpr std::size_t ShortRunActions = 10000;
constexpr std::uint32_t ShortRunSeed = 1234;

struct Tally {
    std::size_t cases = 0;
    std::size_t actions = 0;
    std::size_t applied = 0;
    Coverage coverage;
    void add(const CaseResult& r) {
        ++cases;
        actions += r.actions.size();
        applied += r.applied;
        coverage += r.coverage;
    }
};

class Soak : public ::testing::TestWithParam<std::size_t> {
protected:
    const SoakContent& content() const { return soakContents()[GetParam()]; }

    // False after the first failing case, which it reports cut down.
    bool runOne(std::uint32_t seed, Tally& tally) {
        const CaseResult result = runCase(content(), seed);
        tally.add(result);
        if (!result.failure) return true;
        ADD_FAILURE() << shrunkReport(content(), result);
        return false;
    }

    void summary(const std::string& mode, const Tally& tally, std::uint64_t seedInfo,
                 std::chrono::steady_clock::duration took) const {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(took).count();
        std::cout << "[soak] " << content().name << " (" << mode << ", seed " << seedInfo
                  << "): " << tally.cases << " runs, " << tally.actions << " actions ("
                  << tally.applied << " applied) in " << ms << " ms; " << tally.coverage.pairs
                  << " pairs, " << tally.coverage.removals << " removals, "
                  << tally.coverage.evaluations << " evaluations, " << tally.coverage.explanations
                  << " explanations, " << tally.coverage.pictureWindows << " picture windows, "
                  << tally.coverage.appearanceLoads << " appearance windows, "
                  << tally.coverage.saves << " saves\n";
    }
};

TEST_P(Soak, PupilActionsKeepEveryRule) {
    const auto started = std::chrono::steady_clock::now();
    Tally tally;

    if (const auto seed = envNumber("ZIVEN_SOAK_SEED")) {
        const auto runSeed = static_cast<std::uint32_t>(*seed);
        runOne(runSeed, tally);
        summary("replay", tally, runSeed, std::chrono::steady_clock::now() - started);
        return;
    }

    if (const auto seconds = envNumber("ZIVEN_SOAK_SECONDS"); seconds && *seconds > 0) {
        // The time is shared between the contents; each run's seed comes from
        // a fresh master seed, and a failure names its own run seed.
        const auto share = std::chrono::duration<double>(*seconds / soakContents().size());
        const std::uint32_t master = std::random_device{}();
        std::mt19937 seeds(master);
        while (std::chrono::steady_clock::now() - started < share) {
            if (!runOne(seeds(), tally)) break;
        }
        summary("timed, master", tally, master, std::chrono::steady_clock::now() - started);
        return;
    }

    std::mt19937 seeds(ShortRunSeed + static_cast<std::uint32_t>(GetParam()));
    while (tally.actions < ShortRunActions) {
        if (!runOne(seeds(), tally)) break;
    }
    summary("short, master", tally, ShortRunSeed + GetParam(),
            std::chrono::steady_clock::now() - started);
}

INSTANTIATE_TEST_SUITE_P(Contents, Soak, ::testing::Range<std::size_t>(0, soakContents().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info) {
                             return soakContents()[info.param].name;
                         });

// A generator that stopped reaching the end of a test, the picture window or
// the appearance window would leave most rules unchecked.
TEST(SoakCoverage, ShortRunsReachEveryStage) {
    Coverage total;
    std::size_t contentsEvaluated = 0;
    for (std::size_t i = 0; i < soakContents().size(); ++i) {
        Coverage one;
        for (std::uint32_t seed = 1; seed <= 10; ++seed)
            one += runCase(soakContents()[i], seed).coverage;
        contentsEvaluated += one.evaluations > 0;
        total += one;
    }
    EXPECT_EQ(contentsEvaluated, soakContents().size());
    EXPECT_GT(total.pairs, 100u);
    EXPECT_GT(total.removals, 20u);
    EXPECT_GT(total.explanations, 10u);
    EXPECT_GT(total.pictureWindows, 5u);
    EXPECT_GT(total.appearanceLoads, 10u);
    EXPECT_GT(total.saves, 3u);
}

// The checks themselves must notice a window out of step with its rules.
TEST(SoakChecks, NoticeBrokenState) {
    struct Case {
        const char* what;
        void (*corrupt)(Ziven&);
    };
    const Case cases[] = {
        {"a map item swapped",
         [](Ziven& w) {
             const QString first = w.dum_N[0].item(0);
             w.dum_N[0].setItem(0, w.dum_N[0].item(1));
             w.dum_N[0].setItem(1, first);
         }},
        {"a phrase lost",
         [](Ziven& w) {
             w.Slowo[1].list().removeAt(3);
             w.dum_N[1].removeAt(3);
         }},
        {"the counter written early", [](Ziven& w) { w.Show_Remaining(); }},
        {"Оцени enabled", [](Ziven& w) { w.Uprawl[2].setEnabled(true); }},
        {"the record grown", [](Ziven& w) { w.Cweta[0].add(QStringLiteral("1")); }},
        {"a component out of range",
         [](Ziven& w) { w.Cweta[0].setItem(5, QStringLiteral("256")); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SoakRun run(soakContents().front());
        ASSERT_EQ(run.check(), std::nullopt);
        c.corrupt(run.window());
        EXPECT_NE(run.check(), std::nullopt);
    }
}

// Only the actions the failure needs are left, in their order.
TEST(SoakShrink, KeepsOnlyWhatTheFailureNeeds) {
    Actions actions;
    for (int i = 0; i < 200; ++i)
        actions.push_back({Kind::Slider, List::Left, Key::Down, 0, i});
    // Fails once value 150 has come after value 37; cut after the failure.
    const auto stillFails = [](const Actions& list) -> std::optional<Actions> {
        bool seen = false;
        for (std::size_t i = 0; i < list.size(); ++i) {
            seen = seen || list[i].value == 37;
            if (seen && list[i].value == 150)
                return Actions(list.begin(), list.begin() + static_cast<std::ptrdiff_t>(i + 1));
        }
        return std::nullopt;
    };
    const Actions shortest = shrink(actions, stillFails);
    ASSERT_EQ(shortest.size(), 2u);
    EXPECT_EQ(shortest[0].value, 37);
    EXPECT_EQ(shortest[1].value, 150);
}

// The same run seed gives the same actions, so a reported seed replays.
TEST(SoakReplay, SameSeedSameRun) {
    const SoakContent& c = soakContents().back();
    const CaseResult first = runCase(c, 99);
    const CaseResult second = runCase(c, 99);
    ASSERT_EQ(first.actions.size(), second.actions.size());
    for (std::size_t i = 0; i < first.actions.size(); ++i)
        EXPECT_EQ(toString(first.actions[i]), toString(second.actions[i]));
    EXPECT_EQ(replay(c, first.actions).has_value(), first.failure.has_value());
}

} // namespace
