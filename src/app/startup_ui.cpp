#include "app/startup_ui.h"

#include "app/initdeck.h"
#include "app/mainwindow.h"
#include "app/state.h"
#include "app/windows_ui.h"
#include "deck/deckwindow.h"
#include "platform/dialogs_ui.h"
#include "platform/files.h"
#include "platform/startprobe_ui.h"

#include <QDir>
#include <QFileInfo>

QPointer<frmMain> MainForm;
QPointer<frmTarotDeck> DeckForm;

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
        platform::dialogs().MsgBox(QStringLiteral("programstuff folder not created.  A programstuff folder needs "
                                                  "to be created in the same directory as the .exe"));
}

void InitEnvironment()
{
    EnsureDataFolder();
    platform::SaveResToFile(QStringLiteral("QProGIF.ocx"), QStringLiteral("./QProGIF.ocx"));
    platform::SaveResToFile(QStringLiteral("Comdlg32.ocx"), QStringLiteral("./Comdlg32.ocx"));
    // Asked for as well, but the program carries no such file: nothing is written.
    platform::SaveResToFile(QStringLiteral("COMCTL32.OCX"), QStringLiteral("./COMCTL32.OCX"));
    // The toolkit's controls need no initialisation of their own.
}

void Main()
{
    platform::WatchFirstQuestion();
    G.ReturnPending = 0;
    G.ReadingState = 0;
    G.ReadingBegun = 0;
    G.FiveCount = 0;
    G.CelticCount = 0;
    G.DeckClosed = 0;
    InitEnvironment();
    DeckForm = new frmTarotDeck;
    MainForm = new frmMain;
    MainForm->ShowAndLoad();
    if (G.DeckState == 1)
        InitDeck(G);
}
