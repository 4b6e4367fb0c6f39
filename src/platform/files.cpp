#include "platform/files.h"

#include "platform/resources.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <utility>

namespace platform {

namespace {
bool g_failNextWrite = false;
}

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
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    QSaveFile file(path);
    // Unbuffered, so that a write the disk refuses fails here, where it is seen: a buffered
    // write fails only inside commit(), which then still puts the short file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    const bool failing = std::exchange(g_failNextWrite, false);
    const qint64 written = file.write(failing ? bytes.left(bytes.size() / 2) : bytes);
    if (failing || written != bytes.size() || file.error() != QFileDevice::NoError) {
        const QString reason = failing ? QString::fromLocal8Bit(std::strerror(ENOSPC)) : file.errorString();
        file.cancelWriting();
        return fail(reason);
    }
    if (!file.commit())
        return fail(file.errorString());
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

namespace test {
void FailNextWrite()
{
    g_failNextWrite = true;
}
} // namespace test

} // namespace platform
