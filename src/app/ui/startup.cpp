#include "app/ui/startup.h"

#include "app/initdeck.h"
#include "app/programstate.h"
#include "app/ui/mainwindow.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/startprobe.h"

#include <QDir>
#include <QFileInfo>

namespace {

bool DataFolderEntryExists()
{
    // A plain file of that name counts as well: the program only looks for the name.
    return QFileInfo::exists(platform::DataFolder());
}

} // namespace

void EnsureDataFolder()
{
    if (DataFolderEntryExists())
        return;
    QDir().mkdir(platform::DataFolder());
    if (!DataFolderEntryExists())
        platform::dialogs().message(QStringLiteral("programstuff folder not created.  A programstuff folder needs "
                                                   "to be created in the same directory as the .exe"));
}

void PrepareEnvironment()
{
    EnsureDataFolder();
    platform::SaveResToFile(QStringLiteral("QProGIF.ocx"), QStringLiteral("./QProGIF.ocx"));
    platform::SaveResToFile(QStringLiteral("Comdlg32.ocx"), QStringLiteral("./Comdlg32.ocx"));
    // Asked for as well, but the program carries no such file: nothing is written.
    platform::SaveResToFile(QStringLiteral("COMCTL32.OCX"), QStringLiteral("./COMCTL32.OCX"));
    // The toolkit's controls need no initialisation of their own.
}

void StartProgram()
{
    platform::WatchFirstQuestion();
    program::state.returnPending = false;
    program::state.reading = Reading::NoReading;
    program::state.readingBegun = false;
    program::state.fiveCardDraws = 0;
    program::state.celticDraws = 0;
    program::state.deckClosed = false;
    program::state.dealingCrossingCard = false;
    PrepareEnvironment();
    // Both windows live until the program ends; they are reached through their instance().
    new DeckWindow;
    (new MainWindow)->showAndAskForDeck();
    if (program::state.deckState == DeckState::New)
        InitDeck(program::state);
}
