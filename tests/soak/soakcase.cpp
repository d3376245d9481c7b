#include "soakcase.h"

#include "shrink.h"
#include "soakrun.h"

#include <array>
#include <random>
#include <sstream>

namespace soak {

namespace {

constexpr int MinLength = 20;
constexpr int MaxLength = 600;

} // namespace

CaseResult runCase(const SoakContent& content, std::uint32_t seed) {
    CaseResult result;
    result.seed = seed;
    SoakRun run(content);
    if (auto failure = run.startFailure()) {
        result.failure = Failure{0, "after start-up: " + *failure};
        return result;
    }
    std::mt19937 rng(seed);
    const int length = std::uniform_int_distribution<int>(MinLength, MaxLength)(rng);
    static constexpr std::array<int, 4> removeWeights{0, 1, 2, 4};
    const Temper temper{removeWeights[std::uniform_int_distribution<std::size_t>(0, 3)(rng)],
                        std::uniform_real_distribution<double>(0.0, 0.8)(rng)};
    for (int i = 0; i < length; ++i) {
        const Action action = run.pick(rng, temper);
        result.actions.push_back(action);
        const SoakRun::Result r = run.step(action);
        if (r.outcome == SoakRun::Outcome::Done) ++result.applied;
        if (r.outcome == SoakRun::Outcome::Failed) {
            ++result.applied;
            result.failure = Failure{result.actions.size() - 1, r.message};
            break;
        }
    }
    result.coverage = run.coverage();
    return result;
}

std::optional<Failure> replay(const SoakContent& content, const Actions& actions) {
    return replayOn(SoakRun(content), actions);
}

std::string narrate(const SoakContent& content, const Actions& actions) {
    return narrateOn(SoakRun(content), actions);
}

std::string shrunkReport(const SoakContent& content, const CaseResult& failed) {
    const Actions original(failed.actions.begin(),
                           failed.actions.begin() +
                               static_cast<std::ptrdiff_t>(failed.failure->at + 1));
    const Actions shortest =
        shrink(original, [&](const Actions& candidate) -> std::optional<Actions> {
            const std::optional<Failure> f = replay(content, candidate);
            if (!f) return std::nullopt;
            return Actions(candidate.begin(),
                           candidate.begin() + static_cast<std::ptrdiff_t>(f->at + 1));
        });
    std::ostringstream out;
    out << "soak failure on content " << content.name << ", run seed " << failed.seed
        << " (replay: ZIVEN_SOAK_SEED=" << failed.seed << " soak_tests --gtest_filter='*/"
        << content.name << "')\n"
        << "first failure at action " << failed.failure->at + 1
        << " of the run: " << failed.failure->message << '\n'
        << "shrunk from " << original.size() << " to " << shortest.size() << " actions:\n"
        << narrate(content, shortest);
    return out.str();
}

} // namespace soak
