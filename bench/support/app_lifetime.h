// Benchmarks that keep windows between runs close them while the application still exists.
#pragma once

#include <functional>

namespace bench {

// Runs `done` after the last benchmark, before the application ends.
void BeforeApplicationEnds(std::function<void()> done);

} // namespace bench
