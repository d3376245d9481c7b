#pragma once

#include "soakaction.h"
#include "soakcontent.h"
#include "soakrun.h"

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>

namespace soak {

struct Failure {
    std::size_t at = 0; // index of the failing action; start-up failures count as 0
    std::string message;
};

// One window lifetime: seed 1234 always gives the same actions on the same
// content.
struct CaseResult {
    std::uint32_t seed = 0;
    Actions actions;
    std::size_t applied = 0; // actions the pupil could do and did
    std::optional<Failure> failure;
    Coverage coverage;
};

// The number an environment variable holds (ZIVEN_SOAK_SEED,
// ZIVEN_SOAK_SECONDS), or nothing when it is unset or not a number.
inline std::optional<double> envNumber(const char* name) {
    const char* text = std::getenv(name);
    if (!text || !*text) return std::nullopt;
    char* end = nullptr;
    const double value = std::strtod(text, &end);
    if (end == text) return std::nullopt;
    return value;
}

CaseResult runCase(const SoakContent& content, std::uint32_t seed);

// Plays the actions on a fresh driver (a SoakRun over the models, or one that
// drives the real widgets), skipping those the pupil could not do at that
// point, and stops at the first failure.
template <typename Driver>
std::optional<Failure> replayOn(Driver&& driver, const Actions& actions) {
    if (auto failure = driver.startFailure()) return Failure{0, "after start-up: " + *failure};
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const SoakRun::Result r = driver.step(actions[i]);
        if (r.outcome == SoakRun::Outcome::Failed) return Failure{i, r.message};
    }
    return std::nullopt;
}

// The actions as played on a fresh driver, one numbered line each, with the
// rows and buttons they meet; then what failed, if anything.
template <typename Driver> std::string narrateOn(Driver&& driver, const Actions& actions) {
    std::ostringstream out;
    if (auto failure = driver.startFailure()) {
        out << "  fails right after start-up: " << *failure << '\n';
        return out.str();
    }
    for (std::size_t i = 0; i < actions.size(); ++i) {
        const std::string what = driver.describe(actions[i]);
        const SoakRun::Result r = driver.step(actions[i]);
        out << "  " << i + 1 << ". " << what;
        if (r.outcome == SoakRun::Outcome::Skipped) out << "  (not possible here, skipped)";
        out << '\n';
        if (r.outcome == SoakRun::Outcome::Failed) {
            out << "  => " << r.message << '\n';
            break;
        }
    }
    return out.str();
}

// Plays the actions on a fresh window, skipping those the pupil could not
// do at that point, and stops at the first failure.
std::optional<Failure> replay(const SoakContent& content, const Actions& actions);

// The failing case cut down to a short list, written out for a person: the
// run seed, the content, the list and what failed.
std::string shrunkReport(const SoakContent& content, const CaseResult& failed);

// The actions as played on a fresh window, one numbered line each, with the
// rows and buttons they meet; then what failed, if anything.
std::string narrate(const SoakContent& content, const Actions& actions);

} // namespace soak
