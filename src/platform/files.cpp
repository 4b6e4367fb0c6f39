#include "platform/files.h"

#include "platform/resources.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

namespace platform {

QString DataFolder()
{
    return QStringLiteral("programstuff");
}

QString DataPath(const QString &name)
{
    return DataFolder() + QLatin1Char('/') + name.toLower();
}

bool WriteFileWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    if (file.write(bytes) != bytes.size()) {
        if (error)
            *error = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        if (error)
            *error = file.errorString();
        return false;
    }
    return true;
}

namespace {
QString g_programFolder;
}

QString ProgramFolder()
{
    return g_programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : g_programFolder;
}

void SetProgramFolder(const QString &folder)
{
    g_programFolder = folder;
}

bool FileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.exists() && !info.isDir();
}

bool SaveResToFile(const QString &resourceName, const QString &targetPath)
{
    if (FileExists(targetPath))
        return true;
    bool found = false;
    const QByteArray bytes = Resource(resourceName, &found);
    if (!found)
        return false;
    return WriteFileWhole(targetPath, bytes);
}

} // namespace platform
