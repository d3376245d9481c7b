#include "widgetcase.h"

#include "shrink.h"
#include "widgetdriver.h"

#include <chrono>
#include <sstream>

namespace soak {

namespace {

// Each replay builds and shows a window: cutting down stops after this many
// replays or this long, whichever comes first.
constexpr int ShrinkReplays = 400;
constexpr std::chrono::seconds ShrinkTime{20};
// Short runs: a shown window is dearer than a model, and most faults show
// within a few dozen actions.
constexpr int MinLength = 40;
constexpr int MaxLength = 400;
// Long enough to pair 30 of 40 phrases between visits to the appearance
// window.
constexpr int HurriedLength = 600;

std::string narrateWidgets(const SoakContent& content, const Actions& actions) {
    return narrateOn(WidgetDriver(content), actions);
}

} // namespace

CaseResult runWidgetCase(const SoakContent& content, std::uint32_t seed) {
    CaseResult result;
    result.seed = seed;
    WidgetDriver driver(content);
    if (auto failure = driver.startFailure()) {
        result.failure = Failure{0, "after start-up: " + *failure};
        return result;
    }
    std::mt19937 rng(seed);
    int length = std::uniform_int_distribution<int>(MinLength, MaxLength)(rng);
    // Every other pupil hurries, so that short runs still get to "Оцени" and
    // to what the widgets show after it.
    Temper temper{std::uniform_int_distribution<int>(0, 4)(rng),
                  std::uniform_real_distribution<double>(0.0, 0.8)(rng)};
    if (std::bernoulli_distribution(0.5)(rng)) {
        temper = {0, 0.9};
        length = HurriedLength;
    }
    for (int i = 0; i < length; ++i) {
        const Action action = driver.next(rng, temper);
        result.actions.push_back(action);
        const SoakRun::Result r = driver.step(action);
        if (r.outcome != SoakRun::Outcome::Skipped) ++result.applied;
        if (r.outcome == SoakRun::Outcome::Failed) {
            result.failure = Failure{result.actions.size() - 1, r.message};
            break;
        }
    }
    if (!result.failure) {
        if (auto failure = driver.exitOnce())
            result.failure = Failure{result.actions.size(), "at the end: " + *failure};
    }
    result.coverage = driver.coverage();
    return result;
}

std::optional<Failure> replayWidgets(const SoakContent& content, const Actions& actions) {
    return replayOn(WidgetDriver(content), actions);
}

std::string widgetReport(const SoakContent& content, const CaseResult& failed) {
    const std::size_t end = std::min(failed.failure->at + 1, failed.actions.size());
    const Actions original(failed.actions.begin(),
                           failed.actions.begin() + static_cast<std::ptrdiff_t>(end));
    const auto deadline = std::chrono::steady_clock::now() + ShrinkTime;
    const Actions shortest = shrink(
        original,
        [&](const Actions& candidate) -> std::optional<Actions> {
            if (std::chrono::steady_clock::now() > deadline) return std::nullopt;
            const std::optional<Failure> f = replayWidgets(content, candidate);
            if (!f) return std::nullopt;
            return Actions(candidate.begin(),
                           candidate.begin() + static_cast<std::ptrdiff_t>(f->at + 1));
        },
        ShrinkReplays);
    std::ostringstream out;
    out << "widget soak failure on content " << content.name << ", run seed " << failed.seed
        << " (replay: ZIVEN_SOAK_SEED=" << failed.seed << " widget_soak_tests --gtest_filter='*/"
        << content.name << "')\n"
        << "first failure at action " << failed.failure->at + 1
        << " of the run: " << failed.failure->message << '\n'
        << "the run's actions:\n";
    for (std::size_t i = 0; i < original.size(); ++i)
        out << "  " << i + 1 << ". " << toString(original[i]) << '\n';
    out << "shrunk to " << shortest.size() << " actions:\n" << narrateWidgets(content, shortest);
    return out.str();
}

} // namespace soak
