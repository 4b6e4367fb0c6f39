#include "platform/ui/sharedpicture.h"

#include "platform/resources.h"

#include <QPixmapCache>

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

} // namespace platform
