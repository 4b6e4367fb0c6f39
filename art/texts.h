// The texts delivered with the program: the About paragraph and the two
// component files written at start-up.
#pragma once

#include "generated.h"

namespace art {

GeneratedFiles makeTexts();

} // namespace art
