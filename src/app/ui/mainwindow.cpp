#include "app/ui/mainwindow.h"

#include "app/captions.h"
#include "app/deckfile.h"
#include "app/deckstyle.h"
#include "app/initdeck.h"
#include "app/mainplace.h"
#include "app/programend.h"
#include "app/programstate.h"
#include "app/savedeck.h"
#include "app/ui/aboutwindow.h"
#include "app/ui/helpcontentswindow.h"
#include "app/ui/propertieswindow.h"
#include "deck/cut.h"
#include "deck/deckcards.h"
#include "deck/shuffle.h"
#include "deck/ui/cutcardswindow.h"
#include "deck/ui/deckwindow.h"
#include "deck/ui/shufflewindow.h"
#include "platform/files.h"
#include "platform/random.h"
#include "platform/resources.h"
#include "platform/settings.h"
#include "platform/ui/childwindow.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/scrollbarstyle.h"
#include "platform/ui/sharedpicture.h"
#include "readings/readingtexts.h"
#include "readings/ui/celticcrosswindow.h"
#include "readings/ui/fivecardwindow.h"
#include "readings/ui/pickcardwindow.h"
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
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QTime>
#include <QTimer>

#include <algorithm>
#include <functional>

namespace {

QPointer<MainWindow> g_instance;

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

float ReadPosition(const QString &key, float fallback)
{
    const QString text = platform::ReadSetting(kAppName, kSection, key, QString::number(static_cast<double>(fallback)));
    bool ok = false;
    const float value = text.trimmed().toFloat(&ok);
    return ok && std::isfinite(value) ? value : fallback;
}

void WritePosition(const QString &key, float value)
{
    platform::WriteSetting(kAppName, kSection, key, QString::number(static_cast<double>(value), 'g', 7));
}

bool AnyChildWindowShown()
{
    for (platform::ChildWindow *window : platform::OpenWindows()) {
        if (window->isShown())
            return true;
    }
    return false;
}

// Calls `done` once, after the first paint of a window other than `own`.
class FirstPaintElsewhere : public QObject
{
public:
    FirstPaintElsewhere(QWidget *own, std::function<void()> done)
        : m_own(own)
        , m_done(std::move(done))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() != m_own) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Once this paint is done.
            QTimer::singleShot(0, m_own, m_done);
        }
        return false;
    }

private:
    QWidget *m_own;
    std::function<void()> m_done;
};

} // namespace

MainWindow::MainWindow()
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
    // The background is the largest picture of the program: it is decoded once the start-up
    // question is on screen (see showAndAskForDeck), and tiled as soon as it is ready.
    m_workspace->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(m_workspace);
    platform::SetWorkspace(m_workspace);
    platform::KeepScrollBarPictures(m_workspace);
    // The tiled background stays where it is when a scroll bar comes or goes: only the strip
    // uncovered needs painting.
    m_workspace->viewport()->setAttribute(Qt::WA_StaticContents);

    createMenus();
    createStatusBar();
    // Painted last, after the menu bar and status bar beside it (they never overlap): a card
    // picture still being decoded is waited for at the end, not before them.
    m_workspace->raise();

    m_width = kDesignClientWidth + platform::kFrameWidth;
    m_height = kDesignClientHeight + platform::kFrameHeight;
    applyGeometry();
    g_instance = this;
}

MainWindow::~MainWindow()
{
    platform::SetWorkspace(nullptr);
}

void MainWindow::createMenus()
{
    auto action = [this](QMenu *menu, const char *name, const QString &caption, void (MainWindow::*handler)()) {
        QAction *a = menu->addAction(caption);
        a->setObjectName(QLatin1String(name));
        if (handler)
            connect(a, &QAction::triggered, this, handler);
        return a;
    };
    auto separator = [](QMenu *menu, const char *name) { menu->addSeparator()->setObjectName(QLatin1String(name)); };

    fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    fileMenu->setObjectName(QStringLiteral("mnuFile"));
    newAction = action(fileMenu, "mnuFileNew", QStringLiteral("&New"), nullptr);
    newAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    newAction->setEnabled(false);
    newAction->setVisible(false);
    openAction = action(fileMenu, "mnuFileOpen", QStringLiteral("&Open..."), &MainWindow::openDeck);
    openAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    closeAction = action(fileMenu, "mnuFileClose", QStringLiteral("&Close"), &MainWindow::closeDeck);
    separator(fileMenu, "mnuFileBar0");
    saveAction = action(fileMenu, "mnuFileSave", QStringLiteral("&Save"), &MainWindow::save);
    saveAsAction = action(fileMenu, "mnuFileSaveAs", QStringLiteral("Save &As..."), &MainWindow::saveAs);
    separator(fileMenu, "mnuFileBar1");
    propertiesAction
        = action(fileMenu, "mnuFileProperties", QStringLiteral("Propert&ies"), &MainWindow::showProperties);
    separator(fileMenu, "mnuFileBar2");
    exitAction = action(fileMenu, "mnuFileExit", QStringLiteral("E&xit"), &MainWindow::exitProgram);

    editMenu = menuBar()->addMenu(QStringLiteral("&Edit"));
    editMenu->setObjectName(QStringLiteral("mnuEdit"));
    undoAction = action(editMenu, "mnuEditUndo", QStringLiteral("&Undo"), nullptr);
    separator(editMenu, "mnuEditBar0");
    editMenu->setEnabled(false);
    editMenu->menuAction()->setEnabled(false);

    readingsMenu = menuBar()->addMenu(QStringLiteral("&Readings"));
    readingsMenu->setObjectName(QStringLiteral("mnuView"));
    celticCrossAction
        = action(readingsMenu, "mnuViewBar0", QStringLiteral("&Celtic Cross Spread"), &MainWindow::startCelticCross);
    fiveCardAction
        = action(readingsMenu, "mnuViewOptions", QStringLiteral("&Five Card Spread"), &MainWindow::startFiveCard);

    shuffleMenu = menuBar()->addMenu(QStringLiteral("&Shuffle"));
    shuffleMenu->setObjectName(QStringLiteral("mnuTools"));
    shuffleAction = action(shuffleMenu, "mnuToolsOptions", QStringLiteral("&Shuffle Cards"), &MainWindow::shuffleCards);
    cutCardsAction = action(shuffleMenu, "mnuToolsOptions3", QStringLiteral("&Cut Cards"), &MainWindow::cutCards);
    pickCardAction = action(shuffleMenu, "mnuToolsOptions2", QStringLiteral("&Pick A Card"), &MainWindow::pickCard);

    helpMenu = menuBar()->addMenu(QStringLiteral("&Help"));
    helpMenu->setObjectName(QStringLiteral("mnuHelp"));
    helpContentsAction
        = action(helpMenu, "mnuHelpContents", QStringLiteral("&Contents"), &MainWindow::showHelpContents);
    searchHelpAction = action(helpMenu, "mnuHelpSearchForHelpOn", QStringLiteral("&Search For Help On..."), nullptr);
    searchHelpAction->setEnabled(false);
    searchHelpAction->setVisible(false);
    separator(helpMenu, "mnuHelpBar0");
    aboutAction = action(helpMenu, "mnuHelpAbout", QStringLiteral("&About "), &MainWindow::showAbout);
}

void MainWindow::createStatusBar()
{
    QStatusBar *bar = statusBar();
    bar->setObjectName(QStringLiteral("sbStatusBar"));
    auto panel = [bar](const QString &text, int stretch) {
        auto *label = new QLabel(text, bar);
        label->setMinimumWidth(platform::TwipsToPixels(kPanelMinimum));
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
    bar->setFixedHeight(std::max(platform::TwipsToPixels(kStatusBarHeight), bar->sizeHint().height()));
    updateClock();
    auto *clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &MainWindow::updateClock);
    clock->start(1000);
}

void MainWindow::updateClock()
{
    const QLocale locale;
    m_statusDate->setText(locale.toString(QDate::currentDate(), QLocale::ShortFormat));
    m_statusTime->setText(locale.toString(QTime::currentTime(), QLocale::ShortFormat));
}

void MainWindow::setGeometryTwips(float left, float top, float width, float height)
{
    m_left = left;
    m_top = top;
    m_width = width;
    m_height = height;
    applyGeometry();
}

void MainWindow::applyGeometry()
{
    // The window may refuse a size below its minimum; the size as set is kept all the same.
    m_applyingGeometry = true;
    const QSize frameExtra = frameGeometry().size() - size();
    move(platform::TwipsToPixels(m_left), platform::TwipsToPixels(m_top));
    resize(std::max(1, platform::TwipsToPixels(m_width) - frameExtra.width()),
        std::max(1, platform::TwipsToPixels(m_height) - frameExtra.height()));
    m_applyingGeometry = false;
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (m_applyingGeometry)
        return;
    // A move the program did not ask for (the user or the window manager) becomes the position.
    const QPoint pos = frameGeometry().topLeft();
    if (pos.x() != platform::TwipsToPixels(m_left))
        m_left = pos.x() * platform::kTwipsPerPixel;
    if (pos.y() != platform::TwipsToPixels(m_top))
        m_top = pos.y() * platform::kTwipsPerPixel;
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    if (m_applyingGeometry)
        return;
    // A size held up by the window's minimum is not a new size: the size as set stays.
    const QSize outer = frameGeometry().size();
    const QSize frameExtra = outer - size();
    const QSize least = minimumSizeHint().expandedTo(minimumSize()) + frameExtra;
    if (outer.width() != std::max(platform::TwipsToPixels(m_width), least.width()))
        m_width = outer.width() * platform::kTwipsPerPixel;
    if (outer.height() != std::max(platform::TwipsToPixels(m_height), least.height()))
        m_height = outer.height() * platform::kTwipsPerPixel;
}

void MainWindow::restorePosition()
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
    applyGeometry();
}

void MainWindow::decodeBackground()
{
    if (m_backgroundAsked)
        return;
    m_backgroundAsked = true;
    platform::DecodeInBackground(
        QLatin1String(art::kMainBackground.name), m_workspace, [workspace = m_workspace](QImage background) {
            if (!background.isNull())
                workspace->setBackground(QBrush(QPixmap::fromImage(std::move(background))));
        });
}

void MainWindow::showAndAskForDeck()
{
    restorePosition();
    m_applyingGeometry = true;
    show();
    m_applyingGeometry = false;
    // The window is on screen before the deck question is asked.
    applyGeometry();
    // Decoding the background beside the question would slow the question down: the decode
    // starts once another window (the question) has been painted, or once it was answered.
    auto *firstPaint = new FirstPaintElsewhere(this, [this] { decodeBackground(); });
    openDeck();
    delete firstPaint;
    decodeBackground();
}

void MainWindow::storePosition()
{
    if (m_ended || isMinimized())
        return;
    WritePosition(QStringLiteral("MainLeft"), m_left);
    WritePosition(QStringLiteral("MainTop"), m_top);
    WritePosition(QStringLiteral("MainWidth"), m_width);
    WritePosition(QStringLiteral("MainHeight"), m_height);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_ended) {
        event->accept(); // File Exit ended the program: no window's close handling runs
        return;
    }
    // The deck window answers first: its No keeps everything as it is, and its Yes brings
    // every dealt card back before the other windows close.
    if (DeckWindow *deck = DeckWindow::instance();
        deck && deck->isLoaded() && !deck->unload(platform::UnloadReason::MainWindowClosing)) {
        event->ignore();
        return;
    }
    for (platform::ChildWindow *window : platform::OpenWindows()) {
        if (!window->unload(platform::UnloadReason::MainWindowClosing)) {
            event->ignore();
            return;
        }
    }
    storePosition();
    event->accept();
}

void MainWindow::showNewDeck()
{
    DeckWindow *deck = DeckWindow::instance();
    deck->setCaption(QString::fromLatin1(kDeckCaption));
    deck->showWindow();
    InitDeck(program::state);
}

void MainWindow::openDeck()
{
    if (AnyChildWindowShown())
        return;
    platform::Dialogs &dialogs = platform::dialogs();
    if (!dialogs.askYesNo(QStringLiteral(" Do you want to open an existing deck?"))) {
        program::state.deckState = DeckState::New;
        program::state.deckClosed = false;
        showNewDeck();
        return;
    }
    const QString path = dialogs.openFileName(QStringLiteral("Open"));
    if (path.isEmpty())
        return;

    // The file is read whole before anything changes: a file that cannot be read leaves the
    // deck and every setting as they were.
    DeckFileContents contents;
    // Only an ordinary file, or a link to one: a pipe or a device could keep the program
    // waiting for ever.
    const QString target = platform::FileBehindLink(path);
    QFile file(target);
    if (!platform::IsOrdinaryFile(target) || !file.open(QIODevice::ReadOnly) || !ReadDeckFile(file, &contents)) {
        dialogs.message(kBadDeckMessage);
        return;
    }
    file.close();

    program::state.deckFileName = path;
    QDir::setCurrent(platform::ProgramFolder());
    program::state.fileSlots = contents.keys;
    program::state.deckStyleName = contents.styleName;
    program::state.reversed = contents.reversed;
    program::state.gypsieDeck = contents.gypsie;
    for (int i = 0; i < kCardCount; ++i) {
        program::state.deck[i] = program::state.fileSlots[i];
        program::state.cardsOut[i] = kNoCard;
    }
    program::state.deckState = DeckState::FromFile;
    if (program::state.deckStyleName == QLatin1String("Tradl "))
        program::state.deckStyle = DeckStyle::Traditional;
    else if (program::state.deckStyleName == QLatin1String("Thoth "))
        program::state.deckStyle = DeckStyle::Thoth;
    else
        dialogs.message(kBadDeckMessage);
    DeckWindow::instance()->showWindow();
    program::state.cardReturn = CardReturn::ToDeck;
    program::state.deckClosed = false;
}

bool MainWindow::saveDeck()
{
    QDir::setCurrent(platform::ProgramFolder());
    QString reason;
    if (WriteDeckFile(program::state, &reason))
        return true;
    platform::dialogs().message(SaveFailedMessage(program::state.deckFileName, reason));
    return false;
}

void MainWindow::closeDeck()
{
    // Each window's own close runs to its end before the next: card windows give their cards
    // back to the bottom of the deck in this order.
    QList<QPointer<platform::ChildWindow>> others;
    for (platform::ChildWindow *window : platform::OpenWindows())
        others << window;
    for (const QPointer<platform::ChildWindow> &window : std::as_const(others)) {
        if (!window)
            continue;
        const QString caption = window->caption();
        if (caption != QLatin1String(kMainCaption) && caption != QLatin1String(kDeckCaption))
            window->unload();
    }
    program::state.fileSlots = program::state.deck;

    platform::Dialogs &dialogs = platform::dialogs();
    if (program::state.deckState != DeckState::NothingToSave
        && dialogs.askYesNo(QStringLiteral(" Do you want to Save the deck?"))) {
        const QString path = dialogs.saveFileName(QStringLiteral("Close"));
        if (path.isEmpty())
            return;
        program::state.deckFileName = path;
        // A save that failed ends the command as a cancel does: the deck stays open to try again.
        if (!saveDeck())
            return;
    }
    if (!program::state.deckClosed && dialogs.askYesNo(QStringLiteral("     Close Deck?"))) {
        if (platform::ChildWindow *deck = platform::FindWindowByCaption(QLatin1String(kDeckCaption))) {
            deck->unload();
            program::state.deckClosed = true;
        }
    }
}

void MainWindow::save()
{
    program::state.fileSlots = SlotsForSave(program::state.deck, program::state.cardsOut);
    switch (program::state.deckState) {
    case DeckState::New:
        closeDeck();
        break;
    case DeckState::FromFile:
        program::state.deckFileName = platform::dialogs().fileName();
        if (saveDeck())
            program::state.deckState = DeckState::FromFile;
        break;
    default:
        break;
    }
}

void MainWindow::saveAs()
{
    // Before any deck was built or read there is nothing to save, and no file the user picks
    // may be replaced by a deck of nothing.
    if (HoldsNoCard(SlotsForSave(program::state.deck, program::state.cardsOut)))
        return;
    saveDeckAs();
}

bool MainWindow::saveDeckAs()
{
    program::state.fileSlots = SlotsForSave(program::state.deck, program::state.cardsOut);
    const QString path = platform::dialogs().saveFileName(QStringLiteral("Save As"));
    if (path.isEmpty())
        return false;
    program::state.deckFileName = path;
    if (!saveDeck())
        return false;
    program::state.deckState = DeckState::FromFile;
    return true;
}

void MainWindow::showProperties()
{
    if (StyleCardOut(program::state.cardsOut)) {
        if (PropertiesWindow *properties = PropertiesWindow::loadedInstance(); properties && properties->isShown())
            properties->hideWindow();
        platform::dialogs().message(kStyleCardsOutMessage);
        return;
    }
    PropertiesWindow::instance()->showWindow();
}

void MainWindow::exitProgram()
{
    // Escape is no answer here: taken as No it would end the program and lose the deck.
    if ((program::state.deckState == DeckState::New || program::state.deckState == DeckState::FromFile)
        && platform::dialogs().askYesNoAnswerRequired(QStringLiteral(" Do you want to Save the deck before closing?"))
        && !saveDeckAs()) {
        // A cancelled or failed save: the program goes on with the deck as it was.
        return;
    }
    // The program ends here: no window gives anything back, nothing more is asked, and the
    // position is not stored.
    m_ended = true;
    EndProgram(0);
}

void MainWindow::clearForReading()
{
    if (DeckWindow *deck = DeckWindow::instance()) {
        deck->setLeftTwips(0);
        deck->setTopTwips(0);
    }
    // Each close runs to its end before the next: the cards go back to the bottom of the deck
    // in the order their windows were opened, and an open reading window ends its reading.
    QList<QPointer<platform::ChildWindow>> others;
    for (platform::ChildWindow *window : platform::OpenWindows())
        others << window;
    for (const QPointer<platform::ChildWindow> &window : std::as_const(others)) {
        if (!window || !window->isLoaded())
            continue;
        const QString caption = window->caption();
        if (caption != QLatin1String(kMainCaption) && caption != QLatin1String(kDeckCaption))
            window->unload();
    }
}

void MainWindow::startCelticCross()
{
    clearForReading();
    CelticCrossWindow::instance()->showWindow();
}

void MainWindow::startFiveCard()
{
    clearForReading();
    FiveCardWindow::instance()->showWindow();
}

void MainWindow::shuffleCards()
{
    platform::Dialogs &dialogs = platform::dialogs();
    if (program::state.readingBegun) {
        dialogs.message(kShuffleDuringReadingText);
        return;
    }
    // A shuffle window still open from an earlier shuffle is only shown: its timer goes on.
    ShuffleWindow *window = ShuffleWindow::instance();
    AnimationCommand command(window);
    window->showWindow();
    DeckWindow::instance()->hideWindow();
    platform::Random().reseed();
    if (!CardsInDeck(program::state.deck).isEmpty()) {
        if (StartShuffle(program::state.deck, program::state.reversed, platform::Random())
            == ShuffleOutcome::TooFewCards)
            dialogs.message(kShuffleTooFewText);
    } else {
        window->hideWindow();
        DeckWindow::instance()->hideWindow();
        dialogs.message(kShuffleNoCardsText);
    }
}

void MainWindow::cutCards()
{
    if (program::state.readingBegun) {
        platform::dialogs().message(kCutDuringReadingText);
        return;
    }
    CutCardsWindow::instance()->showWindow();
}

void MainWindow::pickCard()
{
    if (program::state.reading == Reading::FiveCard || program::state.reading == Reading::CelticCross) {
        platform::dialogs().message(kPickRefusedText);
        PickCardWindow::instance()->hideWindow();
        return;
    }
    PickCardWindow::instance()->showWindow();
}

void MainWindow::showHelpContents()
{
    HelpContentsWindow::instance()->showWindow();
}

void MainWindow::showAbout()
{
    AboutWindow::instance()->showWindow();
}

MainWindow *MainWindow::instance()
{
    return g_instance;
}
