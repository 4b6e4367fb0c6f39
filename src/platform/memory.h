// How the program's memory is kept.
#pragma once

namespace platform {

// Makes every thread allocate from the one heap of the process. Card pictures are decoded on
// a worker thread and live on with their windows; left in a heap of the worker's own, the
// memory they free when their windows close stays with the process, where in the one heap it
// goes back to the system with the rest (see GiveFreeMemoryBack). To be called first thing in
// main(), before any thread starts.
void UseOneHeap();

// Gives the free memory of the heap back to the system.
void GiveFreeMemoryBack();

} // namespace platform
