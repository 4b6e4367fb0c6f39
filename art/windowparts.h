// The window pictures that have files of their own: the two reading layouts
// and the help page. makeWindowPictures() gathers them with the rest.
#pragma once

#include <QImage>

namespace art {

QImage celticCrossLayout();
QImage fiveCardLayout();
QImage helpPage();

// The light paper the small window pictures are printed on.
QImage windowPaper(int width, int height, unsigned seed);

} // namespace art
