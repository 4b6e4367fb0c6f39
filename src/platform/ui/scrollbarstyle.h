// The work area's scroll bars, drawn from a picture of each look they have taken.
#pragma once

class QAbstractScrollArea;

namespace platform {

// The scroll bars of `area` keep the application style's look, but each look (size, range,
// position, state, colours) is drawn once and kept: the bars come and go with every card
// window that reaches past the edge, and the style draws them slowly (each gradient is shared
// out over worker threads and waited for).
void KeepScrollBarPictures(QAbstractScrollArea *area);

} // namespace platform
