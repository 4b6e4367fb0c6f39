#include "platform/settings.h"

#include <QSettings>

namespace platform {

namespace {

QString Path(const QString &section, const QString &key)
{
    return section + QLatin1Char('/') + key;
}

} // namespace

QString ReadSetting(const QString &appName, const QString &section, const QString &key, const QString &defaultValue)
{
    QSettings store(appName, appName);
    return store.value(Path(section, key), defaultValue).toString();
}

void WriteSetting(const QString &appName, const QString &section, const QString &key, const QString &value)
{
    QSettings store(appName, appName);
    store.setValue(Path(section, key), value);
    store.sync();
}

} // namespace platform
