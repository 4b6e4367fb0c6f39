// Ending the program at once, without closing any window first.
#pragma once

#include <functional>

// Leaves the event loop with `code`. Nothing else runs: no window is asked to close.
void EndProgram(int code);

// Tests install their own to see that the program asked to end; an empty function restores
// the real one.
void SetEndProgram(std::function<void(int)> end);
