// The shuffle and cut animations, drawn frame by frame and written as GIFs.
#pragma once

#include "generated.h"

namespace art {

GeneratedFiles makeAnimations();

} // namespace art
