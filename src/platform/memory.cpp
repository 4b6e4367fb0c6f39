#include "platform/memory.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace platform {

void UseOneHeap()
{
#ifdef __GLIBC__
    mallopt(M_ARENA_MAX, 1);
#endif
}

void GiveFreeMemoryBack()
{
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

} // namespace platform
