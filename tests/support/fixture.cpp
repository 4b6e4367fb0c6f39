#include "support/fixture.h"

#include "app/programstate.h"
#include "app/ui/mainwindow.h"
#include "app/ui/startup.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/random.h"
#include "platform/timers.h"
#include "platform/ui/childwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

void FlushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

ProgramFixture::ProgramFixture()
    : m_folder(std::make_unique<QTemporaryDir>())
    , m_previousFolder(QDir::currentPath())
{
    QStandardPaths::setTestModeEnabled(true);
    // Each test gets a settings store of its own, so tests running side by side never meet.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_folder->filePath(QStringLiteral("settings")));
    QCoreApplication::setOrganizationName(QStringLiteral("Kestov"));
    QCoreApplication::setApplicationName(QStringLiteral("Kestov"));
    QSettings(QStringLiteral("Kestov"), QStringLiteral("Kestov")).clear();
    QDir::setCurrent(m_folder->path());
    platform::SetProgramFolder(m_folder->path());
    platform::SetTimerScale(0);
    platform::SetRandom(nullptr);
    program::state = ProgramState {};
}

ProgramFixture::~ProgramFixture()
{
    TearDown();
    QDir::setCurrent(m_previousFolder);
    platform::SetProgramFolder(QString());
    platform::SetTimerScale(1);
}

void ProgramFixture::Start(bool newDeck)
{
    // Whatever the test queued comes after the start-up question.
    dialogs.ExpectQuestionFirst(QStringLiteral(" Do you want to open an existing deck?"), !newDeck);
    StartProgram();
}

void ProgramFixture::TearDown()
{
    delete MainWindow::instance();
    delete DeckWindow::instance();
    for (platform::ChildWindow *window : platform::OpenWindows())
        delete window;
    FlushDeletes();
}
