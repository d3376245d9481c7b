#pragma once

// What every benchmark program shares: the test sizes measured and the
// button indices pressed.
#include "fixtures/testcontents.h"

#include <benchmark/benchmark.h>

namespace bench {

enum Button { Izbrah = 0, Wyrni = 1, Oceni = 2, Obqsni = 3 };

// The built-in size, a large test and the largest the data model allows.
inline void sizes(benchmark::internal::Benchmark* b) {
    b->Args({25, 25})->Args({1000, 1000})->Args({32767, 10922})->Unit(benchmark::kMicrosecond);
}

inline TestContentData contentFor(const benchmark::State& state) {
    return fixtures::makeContent(static_cast<int>(state.range(0)),
                                 static_cast<int>(state.range(1)));
}

} // namespace bench
