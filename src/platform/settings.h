// The per-user settings store: values by program name, section and key.
#pragma once

#include <QString>

namespace platform {

QString ReadSetting(const QString &appName, const QString &section, const QString &key, const QString &defaultValue);
void WriteSetting(const QString &appName, const QString &section, const QString &key, const QString &value);

} // namespace platform
