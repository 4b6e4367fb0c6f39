#include "platform/numbers.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

namespace platform {

namespace {

double RoundHalfEven(double value)
{
    if (!std::isfinite(value))
        return value;
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5)
        return floor + 1.0;
    if (diff < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

template <typename Int>
Int RoundClamped(double value)
{
    if (std::isnan(value))
        return 0;
    const double rounded = RoundHalfEven(value);
    if (rounded <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (rounded >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(rounded);
}

} // namespace

std::int16_t RoundToInt16(double value)
{
    return RoundClamped<std::int16_t>(value);
}

std::int32_t RoundToInt32(double value)
{
    return RoundClamped<std::int32_t>(value);
}

std::int32_t IntDiv(double dividend, double divisor)
{
    const std::int32_t a = RoundToInt32(dividend);
    const std::int32_t b = RoundToInt32(divisor);
    if (b == 0)
        return 0;
    return static_cast<std::int32_t>(static_cast<std::int64_t>(a) / b);
}

double Single7(float value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", static_cast<double>(value));
    return std::strtod(text, nullptr);
}

bool ParseInt16(const char *text, std::int16_t *out)
{
    if (!text || !*text)
        return false;
    const char *p = text;
    if (*p == '-' || *p == '+')
        ++p;
    if (!*p)
        return false;
    for (const char *q = p; *q; ++q) {
        if (*q < '0' || *q > '9')
            return false;
    }
    errno = 0;
    const long value = std::strtol(text, nullptr, 10);
    if (errno == ERANGE || value < std::numeric_limits<std::int16_t>::min()
        || value > std::numeric_limits<std::int16_t>::max())
        return false;
    *out = static_cast<std::int16_t>(value);
    return true;
}

} // namespace platform
