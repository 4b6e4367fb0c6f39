// The program's pseudo-random source: reseeded from the clock, draws in [0, 1).
// Tests install a scripted source so that every outcome can be checked.
#pragma once

namespace platform {

class RandomSource
{
public:
    virtual ~RandomSource() = default;
    // Reseeds from the clock.
    virtual void reseed() = 0;
    // The next draw r, 0 <= r < 1 (never 1.0).
    virtual float next() = 0;
};

// The source in use: the clock-seeded one unless a test installed another.
RandomSource &Random();
// Installs `source` (not owned); nullptr restores the clock-seeded source.
void SetRandom(RandomSource *source);

} // namespace platform
