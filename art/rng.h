// A small random source with a fixed seed, so that every build draws the same
// textures: the pictures must come out byte for byte the same each time.
#pragma once

#include <cstdint>

namespace art {

class Rng
{
public:
    explicit Rng(std::uint64_t seed)
        : state_(seed)
    {
    }

    // splitmix64: tiny, fast, and good enough for paper grain.
    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }

    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }

    int below(int n) { return static_cast<int>(uniform() * n); }

private:
    std::uint64_t state_;
};

} // namespace art
