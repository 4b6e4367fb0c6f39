// Files of the program: the data folder, writing files whole, and the one routine that
// writes an embedded file to disk.
#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

// "programstuff/<name>" relative to the current folder. The name is lower-cased: a file
// written under one letter case is found again under another.
QString DataPath(const QString &name);

// The data folder's own path relative to the current folder.
QString DataFolder();

// True when `path` is an ordinary file: not missing, and not a folder, pipe, device or
// symbolic link (not even one to an ordinary file). The program reads and writes nothing else
// (a deck file the user chose is first followed through its links, see FileBehindLink): a pipe
// would keep it waiting for ever, and a link in the data folder would carry a write out of it.
bool IsOrdinaryFile(const QString &path);

// The file a path the user chose stands for: `path` itself, or, when it is a symbolic link,
// the ordinary file the link leads to (through any further links). Empty for a link that leads
// to anything else or nowhere. Only the user's own files are followed this way: the program's
// data files never are.
QString FileBehindLink(const QString &path);

// Whether a written file is flushed to the disk before it replaces the old one.
enum class Durability {
    Flushed, // the user's own files: they are on the disk once the write returns
    Cache, // copies of embedded bytes: checked at every use and written again when damaged
};

// Writes `bytes` to `path` as a whole: either the complete new file is there afterwards, or
// the old state is unchanged. Every byte reaches the file before it replaces the old one; a
// path that exists but is not an ordinary file is left alone. `error` receives a readable
// reason on failure.
bool WriteFileWhole(const QString &path, const QByteArray &bytes, QString *error = nullptr,
    Durability durability = Durability::Flushed);

// The folder holding the program file; deck-file commands make it the current folder.
// Tests point it elsewhere.
QString ProgramFolder();
void SetProgramFolder(const QString &folder);

// True when an ordinary file (not a folder) exists at `path`.
bool FileExists(const QString &path);

// Writes the embedded file `resourceName` to `targetPath` unless the file there already holds
// exactly its bytes; a file that differs (cut short, damaged, written empty) is replaced. A path
// that is not an ordinary file is never written through. Returns false when the resource is
// missing or the file could not be written; the caller goes on either way. The file is a
// Durability::Cache one: not flushed to the disk.
bool SaveResToFile(const QString &resourceName, const QString &targetPath);

// The bytes to show for the cache file `path` of the embedded file `resourceName`: the
// resource's bytes when the file is an ordinary file holding exactly them, otherwise empty, and
// the caller shows the embedded file itself.
QByteArray CachedFileBytes(const QString &path, const QString &resourceName);

namespace test {
// Test-only: the next WriteFileWhole stops halfway through its write, after the temporary
// file was opened, and fails as on a full disk.
void FailNextWrite();
} // namespace test

} // namespace platform
