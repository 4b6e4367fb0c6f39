// The files embedded into the program: card pictures, animations, window pictures,
// component files and texts. Names are matched without regard to letter case.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// The bytes of the embedded file `name`; an empty array when the program holds no such file.
// `found` (when given) tells an empty file from a missing one.
QByteArray Resource(const QString &name, bool *found = nullptr);

bool HasResource(const QString &name);

} // namespace platform
