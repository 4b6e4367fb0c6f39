#include "platform/random.h"

#include <chrono>
#include <cstdint>
#include <random>

namespace platform {

namespace {

class ClockRandom final : public RandomSource
{
public:
    void reseed() override
    {
        const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
        m_engine.seed(static_cast<std::uint64_t>(now));
    }

    float next() override
    {
        // 24 random bits fill a float's mantissa exactly, so the result is below 1.
        return static_cast<float>(m_engine() >> 40) / 16777216.0f;
    }

private:
    std::mt19937_64 m_engine{12345u};
};

ClockRandom g_clockRandom;
RandomSource *g_current = &g_clockRandom;

} // namespace

RandomSource &Random()
{
    return *g_current;
}

void SetRandom(RandomSource *source)
{
    g_current = source ? source : &g_clockRandom;
}

} // namespace platform
