#include "platform/files.h"

#include "platform/resources.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <utility>

namespace platform {

namespace {
QString g_programFolder;
bool g_failNextWrite = false;

// True when `path` is an ordinary file holding exactly `bytes`.
bool FileHolds(const QString &path, const QByteArray &bytes)
{
    if (!IsOrdinaryFile(path) || QFileInfo(path).size() != bytes.size())
        return false;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // One byte more than expected shows a file that grew since its size was read.
    return file.read(bytes.size() + 1) == bytes;
}

} // namespace

QString DataFolder()
{
    return QStringLiteral("programstuff");
}

QString DataPath(const QString &name)
{
    return DataFolder() + QLatin1Char('/') + name.toLower();
}

bool IsOrdinaryFile(const QString &path)
{
    const QFileInfo info(path);
    // isFile() is false for pipes and devices as well as folders, but follows links.
    return !info.isSymLink() && info.isFile();
}

bool WriteFileWhole(const QString &path, const QByteArray &bytes, QString *error)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QFileInfo target(path);
    if (target.isSymLink() || (target.exists() && !target.isFile()))
        return fail(QStringLiteral("It is not an ordinary file."));
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
    bool found = false;
    const QByteArray bytes = Resource(resourceName, &found);
    if (!found)
        return false;
    if (FileHolds(targetPath, bytes))
        return true;
    return WriteFileWhole(targetPath, bytes);
}

QByteArray CachedFileBytes(const QString &path, const QString &resourceName)
{
    // A cache file holds its resource's bytes unchanged, so the resource's own copy (which
    // costs nothing) is what a sound file gives.
    const QByteArray bytes = Resource(resourceName);
    return !bytes.isEmpty() && FileHolds(path, bytes) ? bytes : QByteArray();
}

namespace test {
void FailNextWrite()
{
    g_failNextWrite = true;
}
} // namespace test

} // namespace platform
