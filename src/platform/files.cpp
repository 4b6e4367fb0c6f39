#include "platform/files.h"

#include "platform/resources.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

QString FileBehindLink(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymLink())
        return path;
    // Empty when the chain of links is broken or goes round in a circle.
    const QString target = info.canonicalFilePath();
    return IsOrdinaryFile(target) ? target : QString();
}

namespace {

QString SystemError(int code)
{
    return QString::fromLocal8Bit(std::strerror(code));
}

// A temporary file beside `path`, written whole and then renamed over it, without waiting
// for the disk: the old file (its permissions kept) or none stays until every byte is written.
bool WriteBesideAndRename(const QString &path, const QByteArray &bytes, bool failing, QString *reason)
{
    const QByteArray target = QFile::encodeName(path);
    QByteArray temporary;
    int fd = -1;
    for (int attempt = 0; fd < 0 && attempt < 100; ++attempt) {
        temporary = target + ".new" + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0) {
        *reason = SystemError(errno);
        return false;
    }
    struct stat old
    {
    };
    if (::stat(target.constData(), &old) == 0)
        ::fchmod(fd, old.st_mode & 07777);
    const qsizetype wanted = failing ? bytes.size() / 2 : bytes.size();
    qsizetype done = 0;
    int code = 0;
    while (done < wanted) {
        const ssize_t n = ::write(fd, bytes.constData() + done, size_t(wanted - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            code = n < 0 ? errno : ENOSPC;
            break;
        }
        done += n;
    }
    if (failing && code == 0)
        code = ENOSPC;
    if (::close(fd) != 0 && code == 0)
        code = errno;
    if (code == 0 && ::rename(temporary.constData(), target.constData()) != 0)
        code = errno;
    if (code != 0) {
        ::unlink(temporary.constData());
        *reason = SystemError(code);
        return false;
    }
    return true;
}

} // namespace

bool WriteFileWhole(const QString &path, const QByteArray &bytes, QString *error, Durability durability)
{
    auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return false;
    };
    const QFileInfo target(path);
    if (target.isSymLink() || (target.exists() && !target.isFile()))
        return fail(QStringLiteral("It is not an ordinary file."));
    if (durability == Durability::Cache) {
        QString reason;
        return WriteBesideAndRename(path, bytes, std::exchange(g_failNextWrite, false), &reason) || fail(reason);
    }
    QSaveFile file(path);
    // Unbuffered, so that a write the disk refuses fails here, where it is seen: a buffered
    // write fails only inside commit(), which then still puts the short file in place.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    const bool failing = std::exchange(g_failNextWrite, false);
    const qint64 written = file.write(failing ? bytes.left(bytes.size() / 2) : bytes);
    if (failing || written != bytes.size() || file.error() != QFileDevice::NoError) {
        const QString reason = failing ? SystemError(ENOSPC) : file.errorString();
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
    return WriteFileWhole(targetPath, bytes, nullptr, Durability::Cache);
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
