// The pictures of the windows: main-window background, deck picture, icon,
// Properties, Cut Cards, Pick A Card, the two reading layouts, the help page
// and the hand cursor.
#pragma once

#include "generated.h"

namespace art {

GeneratedFiles makeWindowPictures();

} // namespace art
