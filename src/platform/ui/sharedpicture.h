// Embedded pictures that windows show again on every load, decoded once.
#pragma once

#include <QPixmap>
#include <QString>

namespace platform {

// The embedded picture `resource`, decoded on first use and kept in the toolkit's picture
// cache. A null picture when it is missing or does not decode (it is then tried again next
// time).
QPixmap SharedPicture(const QString &resource);

} // namespace platform
