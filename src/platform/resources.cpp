#include "platform/resources.h"

#include "embedded.h"

#include <QHash>

namespace platform {

namespace {

const QHash<QString, const embedded::Entry *> &Index()
{
    static const QHash<QString, const embedded::Entry *> index = [] {
        QHash<QString, const embedded::Entry *> map;
        const embedded::Entry *all = embedded::entries();
        for (std::size_t i = 0; i < embedded::count(); ++i)
            map.insert(QString::fromLatin1(all[i].name).toLower(), &all[i]);
        return map;
    }();
    return index;
}

} // namespace

QByteArray Resource(const QString &name, bool *found)
{
    const embedded::Entry *entry = Index().value(name.toLower(), nullptr);
    if (found)
        *found = entry != nullptr;
    if (!entry)
        return {};
    // The embedded bytes live for the whole run: no copy needed.
    return QByteArray::fromRawData(reinterpret_cast<const char *>(entry->data),
                                   static_cast<qsizetype>(entry->size));
}

bool HasResource(const QString &name)
{
    return Index().contains(name.toLower());
}

} // namespace platform
