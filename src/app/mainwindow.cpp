#include "app/mainwindow.h"

#include "app/aboutwindow.h"
#include "app/contentswindow.h"
#include "app/deckfile.h"
#include "app/deckstyle.h"
#include "app/initdeck.h"
#include "app/mainplace.h"
#include "app/programend.h"
#include "app/propertieswindow.h"
#include "app/savedeck.h"
#include "app/state.h"
#include "app/windows_ui.h"
#include "deck/cut.h"
#include "deck/cutcardswindow.h"
#include "deck/deckcards.h"
#include "deck/deckwindow.h"
#include "deck/shuffle.h"
#include "deck/shufflewindow.h"
#include "platform/dialogs_ui.h"
#include "platform/files.h"
#include "platform/form_ui.h"
#include "platform/pictures_ui.h"
#include "platform/random.h"
#include "platform/resources.h"
#include "platform/settings.h"
#include "readings/celticwindow.h"
#include "readings/pickcardwindow.h"
#include "readings/reading5window.h"
#include "readings/readingtexts.h"
#include "resourcelist.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QIcon>
#include <QLabel>
#include <QLocale>
#include <QMdiArea>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

#include <cmath>

namespace {

const QString kAppName = QStringLiteral("Kestov");
const QString kSection = QStringLiteral("Settings");
constexpr float kDefaultLeft = 1000;
constexpr float kDefaultTop = 1000;
constexpr float kDefaultWidth = 6500;
constexpr float kDefaultHeight = 6500;
// The window's design size, used until the remembered size is restored.
constexpr float kDesignClientWidth = 11310;
constexpr float kDesignClientHeight = 8445;
constexpr float kStatusBarHeight = 264;
constexpr float kPanelMinimum = 1440;

int ToPixels(float twips)
{
    return static_cast<int>(std::lround(twips / platform::kTwipsPerPixel));
}

float ReadPosition(const QString &key, float fallback)
{
    const QString text = platform::GetSetting(kAppName, kSection, key, QString::number(static_cast<double>(fallback)));
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}

void WritePosition(const QString &key, float value)
{
    platform::SaveSetting(kAppName, kSection, key, QString::number(static_cast<double>(value), 'g', 7));
}

bool AnyChildWindowShown()
{
    for (platform::Form *form : platform::OpenForms()) {
        if (form->Visible())
            return true;
    }
    return false;
}

} // namespace

frmMain::frmMain()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QString::fromLatin1(kMainCaption));
    // The program's icon, on the main window and every child window.
    const QPixmap iconPicture = platform::SharedPicture(QLatin1String(art::kProgramIcon.name));
    if (!iconPicture.isNull())
        QApplication::setWindowIcon(QIcon(iconPicture));

    m_workspace = new QMdiArea(this);
    m_workspace->setObjectName(QStringLiteral("MDIClient"));
    m_workspace->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_workspace->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The background is the largest picture of the program: it is decoded beside the start-up
    // question rather than before it, and tiled as soon as it is ready.
    m_workspace->setBackground(palette().brush(QPalette::Dark));
    platform::DecodeInBackground(
        QLatin1String(art::kMainBackground.name), m_workspace, [workspace = m_workspace](QImage background) {
            if (!background.isNull())
                workspace->setBackground(QBrush(QPixmap::fromImage(std::move(background))));
        });
    setCentralWidget(m_workspace);
    platform::SetWorkspace(m_workspace);

    CreateMenus();
    CreateStatusBar();

    m_width = kDesignClientWidth + platform::kFrameWidth;
    m_height = kDesignClientHeight + platform::kFrameHeight;
    ApplyGeometry();
}

frmMain::~frmMain()
{
    platform::SetWorkspace(nullptr);
}

void frmMain::CreateMenus()
{
    auto action = [this](QMenu *menu, const char *name, const QString &caption, void (frmMain::*handler)()) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        if (handler)
            connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto separator = [](QMenu *menu, const char *name) { menu->addSeparator()->setObjectName(QLatin1String(name)); };

    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileNew = action(mnuFile, "mnuFileNew", QStringLiteral("&New"), nullptr);
    mnuFileNew->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileNew->setEnabled(false);
    mnuFileNew->setVisible(false);
    mnuFileOpen = action(mnuFile, "mnuFileOpen", QStringLiteral("&Open..."), &frmMain::mnuFileOpen_Click);
    mnuFileOpen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileClose = action(mnuFile, "mnuFileClose", QStringLiteral("&Close"), &frmMain::mnuFileClose_Click);
    separator(mnuFile, "mnuFileBar0");
    mnuFileSave = action(mnuFile, "mnuFileSave", QStringLiteral("&Save"), &frmMain::mnuFileSave_Click);
    mnuFileSaveAs = action(mnuFile, "mnuFileSaveAs", QStringLiteral("Save &As..."), &frmMain::mnuFileSaveAs_Click);
    separator(mnuFile, "mnuFileBar1");
    mnuFileProperties
        = action(mnuFile, "mnuFileProperties", QStringLiteral("Propert&ies"), &frmMain::mnuFileProperties_Click);
    separator(mnuFile, "mnuFileBar2");
    mnuFileExit = action(mnuFile, "mnuFileExit", QStringLiteral("E&xit"), &frmMain::mnuFileExit_Click);

    mnuEdit = menuBar()->addMenu(QStringLiteral("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditUndo = action(mnuEdit, "mnuEditUndo", QStringLiteral("&Undo"), nullptr);
    separator(mnuEdit, "mnuEditBar0");
    mnuEdit->setEnabled(false);
    mnuEdit->menuAction()->setEnabled(false);

    mnuView = menuBar()->addMenu(QStringLiteral("&Readings"));
    mnuView->setObjectName(QStringLiteral("mnuView"));
    mnuViewBar0 = action(mnuView, "mnuViewBar0", QStringLiteral("&Celtic Cross Spread"), &frmMain::mnuViewBar0_Click);
    mnuViewOptions
        = action(mnuView, "mnuViewOptions", QStringLiteral("&Five Card Spread"), &frmMain::mnuViewOptions_Click);

    mnuTools = menuBar()->addMenu(QStringLiteral("&Shuffle"));
    mnuTools->setObjectName(QStringLiteral("mnuTools"));
    mnuToolsOptions
        = action(mnuTools, "mnuToolsOptions", QStringLiteral("&Shuffle Cards"), &frmMain::mnuToolsOptions_Click);
    mnuToolsOptions3
        = action(mnuTools, "mnuToolsOptions3", QStringLiteral("&Cut Cards"), &frmMain::mnuToolsOptions3_Click);
    mnuToolsOptions2
        = action(mnuTools, "mnuToolsOptions2", QStringLiteral("&Pick A Card"), &frmMain::mnuToolsOptions2_Click);

    mnuHelp = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpContents = action(mnuHelp, "mnuHelpContents", QStringLiteral("&Contents"), &frmMain::mnuHelpContents_Click);
    mnuHelpSearchForHelpOn
        = action(mnuHelp, "mnuHelpSearchForHelpOn", QStringLiteral("&Search For Help On..."), nullptr);
    mnuHelpSearchForHelpOn->setEnabled(false);
    mnuHelpSearchForHelpOn->setVisible(false);
    separator(mnuHelp, "mnuHelpBar0");
    mnuHelpAbout = action(mnuHelp, "mnuHelpAbout", QStringLiteral("&About "), &frmMain::mnuHelpAbout_Click);
}

void frmMain::CreateStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    auto panel = [bar](const QString &text, int stretch) {
        auto *label = new QLabel(text, bar);
        label->setMinimumWidth(ToPixels(kPanelMinimum));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Sunken);
        bar->addPermanentWidget(label, stretch);
        return label;
    };
    QLabel *status = panel(QStringLiteral("Status"), 1);
    status->setObjectName(QStringLiteral("Panel1"));
    m_statusDate = panel(QString(), 0);
    m_statusDate->setObjectName(QStringLiteral("Panel2"));
    m_statusTime = panel(QString(), 0);
    m_statusTime->setObjectName(QStringLiteral("Panel3"));
    // As high as designed, or higher where the panels' text needs it with their frames.
    bar->setFixedHeight(std::max(ToPixels(kStatusBarHeight), bar->sizeHint().height()));
    UpdateClock();
    auto *clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &frmMain::UpdateClock);
    clock->start(1000);
}

void frmMain::UpdateClock()
{
    const QLocale locale;
    m_statusDate->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    m_statusTime->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

void frmMain::SetBounds(float left, float top, float width, float height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    ApplyGeometry();
}

void frmMain::ApplyGeometry()
{
    // The window may refuse a size below its minimum; the size as set is kept all the same.
    m_applyingGeometry = true;
    const QSize frameExtra = frameGeometry().size() - size();
    move(ToPixels(m_left), ToPixels(m_top));
    resize(std::max(1, ToPixels(m_width) - frameExtra.width()), std::max(1, ToPixels(m_height) - frameExtra.height()));
    m_applyingGeometry = false;
}

void frmMain::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (m_applyingGeometry)
        return;
    // A move the program did not ask for (the user or the window manager) becomes the position.
    const QPoint pos = frameGeometry().topLeft();
    if (pos.x() != ToPixels(m_left))
        m_left = pos.x() * platform::kTwipsPerPixel;
    if (pos.y() != ToPixels(m_top))
        m_top = pos.y() * platform::kTwipsPerPixel;
}

void frmMain::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_applyingGeometry)
        return;
    // A size held up by the window's minimum is not a new size: the size as set stays.
    const QSize outer = frameGeometry().size();
    const QSize frameExtra = outer - size();
    const QSize least = minimumSizeHint().expandedTo(minimumSize()) + frameExtra;
    if (outer.width() != std::max(ToPixels(m_width), least.width()))
        m_width = outer.width() * platform::kTwipsPerPixel;
    if (outer.height() != std::max(ToPixels(m_height), least.height()))
        m_height = outer.height() * platform::kTwipsPerPixel;
}

void frmMain::RestorePosition()
{
    m_left = ReadPosition(QStringLiteral("MainLeft"), kDefaultLeft);
    m_top = ReadPosition(QStringLiteral("MainTop"), kDefaultTop);
    m_width = ReadPosition(QStringLiteral("MainWidth"), kDefaultWidth);
    m_height = ReadPosition(QStringLiteral("MainHeight"), kDefaultHeight);
    // A place off every screen there is now (stored on other screens, or damaged) would be
    // written back at exit and lost for good: the window opens at its first place instead.
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens << screen->availableGeometry();
    const float k = platform::kTwipsPerPixel;
    if (!PlaceIsUsable(QRectF(m_left / k, m_top / k, m_width / k, m_height / k), screens)) {
        m_left = kDefaultLeft;
        m_top = kDefaultTop;
        m_width = kDefaultWidth;
        m_height = kDefaultHeight;
    }
    ApplyGeometry();
}

void frmMain::ShowAndLoad()
{
    RestorePosition();
    m_applyingGeometry = true;
    show();
    m_applyingGeometry = false;
    // The window is on screen before the deck question is asked.
    ApplyGeometry();
    mnuFileOpen_Click();
}

void frmMain::MDIForm_Unload()
{
    if (m_ended || isMinimized())
        return;
    WritePosition(QStringLiteral("MainLeft"), m_left);
    WritePosition(QStringLiteral("MainTop"), m_top);
    WritePosition(QStringLiteral("MainWidth"), m_width);
    WritePosition(QStringLiteral("MainHeight"), m_height);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    if (m_ended) {
        event->accept(); // File Exit ended the program: no window's close handling runs
        return;
    }
    // The deck window answers first: its No keeps everything as it is, and its Yes brings
    // every dealt card back before the other windows close.
    if (DeckForm && DeckForm->IsLoaded() && !DeckForm->Unload(platform::vbFormMDIForm)) {
        event->ignore();
        return;
    }
    for (platform::Form *form : platform::OpenForms()) {
        if (!form->Unload(platform::vbFormMDIForm)) {
            event->ignore();
            return;
        }
    }
    MDIForm_Unload();
    event->accept();
}

void frmMain::NewDeck()
{
    DeckForm->SetCaption(QString::fromLatin1(kDeckCaption));
    DeckForm->Show();
    InitDeck(G);
}

void frmMain::mnuFileOpen_Click()
{
    if (AnyChildWindowShown())
        return;
    platform::Dialogs &dialogs = platform::dialogs();
    if (!dialogs.AskYesNo(QStringLiteral(" Do you want to open an existing deck?"))) {
        G.DeckState = 1;
        G.DeckClosed = 0;
        NewDeck();
        return;
    }
    const QString path = dialogs.OpenFileName(QStringLiteral("Open"));
    if (path.isEmpty())
        return;

    // The file is read whole before anything changes: a file that cannot be read leaves the
    // deck and every setting as they were.
    DeckFileContents contents;
    // Only an ordinary file: a pipe or a device could keep the program waiting for ever.
    QFile file(path);
    if (!platform::IsOrdinaryFile(path) || !file.open(QIODevice::ReadOnly) || !ReadDeckFile(file, &contents)) {
        dialogs.MsgBox(kBadDeckMessage);
        return;
    }
    file.close();

    G.DeckFileName = path;
    QDir::setCurrent(platform::ProgramFolder());
    G.FileSlots = contents.keys;
    G.DeckStyleName = contents.styleName;
    G.Reversed = contents.reversed;
    G.GypsieDeck = contents.gypsie;
    for (int i = 0; i < kCardCount; ++i) {
        G.Deck[i] = G.FileSlots[i];
        G.CardsOut[i] = kNoCard;
    }
    G.DeckState = 2;
    if (G.DeckStyleName == QLatin1String("Tradl "))
        G.DeckStyle = 1;
    else if (G.DeckStyleName == QLatin1String("Thoth "))
        G.DeckStyle = 0;
    else
        dialogs.MsgBox(kBadDeckMessage);
    DeckForm->Show();
    G.CardReturnMode = 1;
    G.DeckClosed = 0;
}

bool frmMain::SaveDeck()
{
    QDir::setCurrent(platform::ProgramFolder());
    QString reason;
    if (WriteDeckFile(G, &reason))
        return true;
    platform::dialogs().MsgBox(SaveFailedMessage(G.DeckFileName, reason));
    return false;
}

void frmMain::mnuFileClose_Click()
{
    // Each window's own close runs to its end before the next: card windows give their cards
    // back to the bottom of the deck in this order.
    QList<QPointer<platform::Form>> others;
    for (platform::Form *form : platform::OpenForms())
        others << form;
    for (const QPointer<platform::Form> &form : std::as_const(others)) {
        if (!form)
            continue;
        const QString caption = form->Caption();
        if (caption != QLatin1String(kMainCaption) && caption != QLatin1String(kDeckCaption))
            form->Unload();
    }
    G.FileSlots = G.Deck;

    platform::Dialogs &dialogs = platform::dialogs();
    if (G.DeckState != 0 && dialogs.AskYesNo(QStringLiteral(" Do you want to Save the deck?"))) {
        const QString path = dialogs.SaveFileName(QStringLiteral("Close"));
        if (path.isEmpty())
            return;
        G.DeckFileName = path;
        // A save that failed ends the command as a cancel does: the deck stays open to try again.
        if (!SaveDeck())
            return;
    }
    if (G.DeckClosed != 1 && dialogs.AskYesNo(QStringLiteral("     Close Deck?"))) {
        if (platform::Form *deck = platform::FindForm(QLatin1String(kDeckCaption))) {
            deck->Unload();
            G.DeckClosed = 1;
        }
    }
}

void frmMain::mnuFileSave_Click()
{
    G.FileSlots = SlotsForSave(G.Deck, G.CardsOut);
    switch (G.DeckState) {
    case 1:
        mnuFileClose_Click();
        break;
    case 2:
        G.DeckFileName = platform::dialogs().FileName();
        if (SaveDeck())
            G.DeckState = 2;
        break;
    default:
        break;
    }
}

void frmMain::mnuFileSaveAs_Click()
{
    G.FileSlots = SlotsForSave(G.Deck, G.CardsOut);
    const QString path = platform::dialogs().SaveFileName(QStringLiteral("Save As"));
    if (path.isEmpty())
        return;
    G.DeckFileName = path;
    if (SaveDeck())
        G.DeckState = 2;
}

void frmMain::mnuFileProperties_Click()
{
    if (StyleCardOut(G.CardsOut)) {
        if (frmProperties *properties = LoadedPropertiesWindow(); properties && properties->Visible())
            properties->Hide();
        platform::dialogs().MsgBox(kStyleCardsOutMessage);
        return;
    }
    PropertiesWindow()->Show();
}

void frmMain::mnuFileExit_Click()
{
    if ((G.DeckState == 1 || G.DeckState == 2)
        && platform::dialogs().AskYesNo(QStringLiteral(" Do you want to Save the deck before closing?")))
        mnuFileSaveAs_Click();
    // The program ends here, whatever the save did: no window gives anything back, nothing is
    // asked, and the position is not stored.
    m_ended = true;
    EndProgram(0);
}

void frmMain::PrepareReading()
{
    if (DeckForm) {
        DeckForm->SetLeft(0);
        DeckForm->SetTop(0);
    }
    // Each close runs to its end before the next: the cards go back to the bottom of the deck
    // in the order their windows were opened, and an open reading window ends its reading.
    QList<QPointer<platform::Form>> others;
    for (platform::Form *form : platform::OpenForms())
        others << form;
    for (const QPointer<platform::Form> &form : std::as_const(others)) {
        if (!form || !form->IsLoaded())
            continue;
        const QString caption = form->Caption();
        if (caption != QLatin1String(kMainCaption) && caption != QLatin1String(kDeckCaption))
            form->Unload();
    }
}

void frmMain::mnuViewBar0_Click()
{
    PrepareReading();
    CelticForm()->Show();
}

void frmMain::mnuViewOptions_Click()
{
    PrepareReading();
    Reading5Form()->Show();
}

void frmMain::mnuToolsOptions_Click()
{
    platform::Dialogs &dialogs = platform::dialogs();
    if (G.ReadingBegun == 1) {
        dialogs.MsgBox(kShuffleDuringReadingText);
        return;
    }
    // A Shuffle window still open from an earlier shuffle is only shown: its timer goes on.
    Shuffle *window = ShuffleForm();
    AnimationCommand command(window);
    window->Show();
    DeckForm->Hide();
    platform::Random().Randomize();
    if (!CardsInDeck(G.Deck).isEmpty()) {
        if (StartShuffle(G.Deck, G.Reversed, platform::Random()) == ShuffleOutcome::TooFewCards)
            dialogs.MsgBox(kShuffleTooFewText);
    } else {
        window->Hide();
        DeckForm->Hide();
        dialogs.MsgBox(kShuffleNoCardsText);
    }
}

void frmMain::mnuToolsOptions3_Click()
{
    if (G.ReadingBegun == 1) {
        platform::dialogs().MsgBox(kCutDuringReadingText);
        return;
    }
    CutCardsForm()->Show();
}

void frmMain::mnuToolsOptions2_Click()
{
    if (G.ReadingState == 1 || G.ReadingState == 2) {
        platform::dialogs().MsgBox(kPickRefusedText);
        PickCardForm()->Hide();
        return;
    }
    PickCardForm()->Show();
}

void frmMain::mnuHelpContents_Click()
{
    ContentsWindow()->Show();
}

void frmMain::mnuHelpAbout_Click()
{
    AboutWindow()->Show();
}
