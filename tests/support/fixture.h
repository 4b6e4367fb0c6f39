// A fresh program for each test: the shared state reset, settings in a test location, a new
// empty current folder (which is also the program's folder), timers that fire at once, and
// scripted dialogs that every test fills with the boxes it expects.
#pragma once

#include "support/scripteddialogs.h"

#include <QTemporaryDir>

#include <memory>

class ProgramFixture
{
public:
    ProgramFixture();
    ~ProgramFixture();

    // Runs the start procedure and answers the deck question: No builds a new deck. Boxes the
    // test queued before are expected after that question.
    void Start(bool newDeck = true);
    // Closes every window the program made, without running any close handling.
    void TearDown();

    QString Folder() const { return m_folder->path(); }
    QString PathOf(const QString &name) const { return m_folder->filePath(name); }

    ScriptedDialogs dialogs;

private:
    std::unique_ptr<QTemporaryDir> m_folder;
    QString m_previousFolder;
};

// Delivers deferred deletes, so that windows closed by the program are really gone.
void FlushDeletes();
