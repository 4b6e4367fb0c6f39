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

// Writes `bytes` to `path` as a whole: either the complete new file is there afterwards, or
// the old state is unchanged. Every byte reaches the file before it replaces the old one.
// `error` receives a readable reason on failure.
bool WriteFileWhole(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// The folder holding the program file; deck-file commands make it the current folder.
// Tests point it elsewhere.
QString ProgramFolder();
void SetProgramFolder(const QString &folder);

// True when an ordinary file (not a folder) exists at `path`.
bool FileExists(const QString &path);

// Writes the embedded file `resourceName` to `targetPath` unless a file is already there; an
// existing file is never rewritten. Returns false when the resource is missing or the file
// could not be written; the caller goes on either way.
bool SaveResToFile(const QString &resourceName, const QString &targetPath);

namespace test {
// Test-only: the next WriteFileWhole stops halfway through its write, after the temporary
// file was opened, and fails as on a full disk.
void FailNextWrite();
} // namespace test

} // namespace platform
