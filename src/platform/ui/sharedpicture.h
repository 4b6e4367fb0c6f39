// Embedded pictures that windows show again on every load, decoded once.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QString>

#include <functional>

class QObject;

namespace platform {

// The embedded picture `resource`, decoded on first use and kept in the toolkit's picture
// cache. A null picture when it is missing or does not decode (it is then tried again next
// time).
QPixmap SharedPicture(const QString &resource);

// Decodes the embedded picture `resource` on a worker thread and hands it to `done` on
// `context`'s thread once it is ready (a null image when it does not decode). Nothing is
// handed over once `context` is gone.
void DecodeInBackground(const QString &resource, QObject *context, std::function<void(QImage)> done);

} // namespace platform
