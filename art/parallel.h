// A tiny parallel loop for the generator: the pictures are independent, so
// they are drawn on a few threads at once.
#pragma once

#include <algorithm>
#include <cstddef>
#include <thread>
#include <vector>

namespace art {

// Runs job(i) for i in [0, n) on a few threads. Each job writes only its
// own slot of the result, so the output does not depend on the timing.
template <typename Job> inline void forEachInParallel(std::size_t n, Job job)
{
    const unsigned threads = std::max(1u, std::min(8u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (unsigned t = 0; t < threads; ++t) {
        pool.emplace_back([=] {
            for (std::size_t i = t; i < n; i += threads)
                job(i);
        });
    }
    for (std::thread &th : pool)
        th.join();
}

} // namespace art
