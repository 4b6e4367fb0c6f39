#include "platform/timers.h"

#include <cmath>

namespace platform {

namespace {
double g_scale = 1.0;
}

int TimerInterval(int ms)
{
    return static_cast<int>(std::lround(ms * g_scale));
}

void SetTimerScale(double scale)
{
    g_scale = scale < 0 ? 0 : scale;
}

} // namespace platform
