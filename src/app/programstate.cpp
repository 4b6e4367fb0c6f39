#include "app/programstate.h"

namespace program {
ProgramState state;
}
