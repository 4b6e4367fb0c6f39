// Timer durations of the program's windows. Tests scale them down so that nothing sleeps.
#pragma once

namespace platform {

// The interval to give a timer for a documented duration of `ms` milliseconds.
int TimerInterval(int ms);

// 1.0 in the program; tests set 0 so that timers fire at the next turn of the event loop.
void SetTimerScale(double scale);

} // namespace platform
