#include "platform/ui/sharedpicture.h"

#include "platform/resources.h"

#include <QFutureWatcher>
#include <QPixmapCache>
#include <QPromise>
#include <QThreadPool>

#include <memory>

namespace platform {

QPixmap SharedPicture(const QString &resource)
{
    const QString key = QStringLiteral("kestov-resource:") + resource.toLower();
    QPixmap picture;
    if (QPixmapCache::find(key, &picture))
        return picture;
    if (picture.loadFromData(Resource(resource)))
        QPixmapCache::insert(key, picture);
    return picture;
}

void DecodeInBackground(const QString &resource, QObject *context, std::function<void(QImage)> done)
{
    // The watcher belongs to the context: it goes with it, and the worker only ever touches
    // the promise it shares.
    auto promise = std::make_shared<QPromise<QImage>>();
    auto *watcher = new QFutureWatcher<QImage>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, done = std::move(done)] {
        done(watcher->future().resultCount() > 0 ? watcher->result() : QImage());
        watcher->deleteLater();
    });
    watcher->setFuture(promise->future());
    promise->start();
    const QByteArray bytes = Resource(resource);
    QThreadPool::globalInstance()->start([promise, bytes] {
        promise->addResult(QImage::fromData(bytes));
        promise->finish();
    });
}

} // namespace platform
