// How long a deal takes, against decoding the card's picture alone, and how long the program
// takes to come up to its first question, against an empty main window with a child area.
// Run by hand, offscreen:  QT_QPA_PLATFORM=offscreen ./bench/bench_deal
#include "app/cardtable.h"
#include "app/programstate.h"
#include "app/ui/startup.h"
#include "cards/ui/cardwindow.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/ui/picturelabel.h"
#include "support/fixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QPixmap>
#include <QPixmapCache>
#include <QTest>

#include <algorithm>
#include <memory>
#include <optional>

namespace {

constexpr int kCard = 0; // The Fool

// A click on the deck up to the card painted on screen.
void Deal()
{
    const auto it = std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(kCard));
    std::rotate(program::state.deck.begin(), it, it + 1);
    DeckWindow::instance()->drawTopCard();
    QCoreApplication::processEvents();
}

// The card window closed up to the deck painted again.
void Return()
{
    if (platform::ChildWindow *window = platform::FindWindowByCaption(CardTitle(kCard)))
        window->unload();
    FlushDeletes();
}

void DealAndReturn()
{
    Deal();
    Return();
}

// The offscreen platform says this for every window shown; it only hides the figures.
QtMessageHandler g_previousHandler = nullptr;
void DropOffscreenNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
        g_previousHandler(type, context, message);
}

// Start-up and the empty window are timed alike: one untimed run first (so neither pays for
// what the toolkit sets up once per process), then kRuns runs, each from nothing to the
// window shown and painted; the set-up and clean-up around each run are not timed.
template <typename Prepare, typename Run, typename Cleanup>
double MeanMilliseconds(Prepare prepare, Run run, Cleanup cleanup)
{
    constexpr int kRuns = 20;
    qint64 total = 0;
    for (int i = -1; i < kRuns; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        run();
        QCoreApplication::processEvents();
        const qint64 elapsed = timer.nsecsElapsed();
        cleanup();
        if (i >= 0)
            total += elapsed;
    }
    const double ms = double(total) / kRuns / 1e6;
    qInfo("%.3f ms per run", ms);
    return ms;
}

} // namespace

class bench_deal : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { g_previousHandler = qInstallMessageHandler(DropOffscreenNoise); }

    void dealAndReturn_data()
    {
        QTest::addColumn<bool>("cachePresent");
        QTest::newRow("cache file absent") << false;
        QTest::newRow("cache file present") << true;
    }
    void dealAndReturn()
    {
        QFETCH(bool, cachePresent);
        ProgramFixture f;
        f.Start(true);
        const QString cache = platform::DataPath(QStringLiteral("foolcardbg"));
        DealAndReturn(); // the first window of the program pays for one-time set-up
        QBENCHMARK
        {
            if (!cachePresent)
                QFile::remove(cache);
            DealAndReturn();
        }
        QVERIFY(platform::FileExists(cache));
    }

    // The deal alone (the click up to the card painted, cache file present) and the return alone.
    void dealAlone()
    {
        ProgramFixture f;
        f.Start(true);
        DealAndReturn();
        constexpr int kRuns = 200;
        qint64 deal = 0;
        qint64 back = 0;
        for (int i = 0; i < kRuns; ++i) {
            QElapsedTimer timer;
            timer.start();
            Deal();
            deal += timer.nsecsElapsed();
            timer.restart();
            Return();
            back += timer.nsecsElapsed();
        }
        qInfo("deal %.3f ms, return %.3f ms per card", double(deal) / kRuns / 1e6, double(back) / kRuns / 1e6);
        QTest::setBenchmarkResult(double(deal) / kRuns / 1e6, QTest::WalltimeMilliseconds);
    }

    void decodeCardPicture()
    {
        const QByteArray bytes = platform::Resource(QStringLiteral("FoolCardbg"));
        QVERIFY(!bytes.isEmpty());
        QBENCHMARK
        {
            QPixmap picture;
            picture.loadFromData(bytes);
        }
    }

    // For comparison with the start: the main window's background picture, decoded once at start.
    void decodeMainBackground()
    {
        const QByteArray bytes = platform::Resource(QStringLiteral("MainBackground.jpg"));
        QVERIFY(!bytes.isEmpty());
        QBENCHMARK
        {
            QPixmap picture;
            picture.loadFromData(bytes);
        }
    }

    // Main up to the answered start-up question. Each start is the program's first: it finds
    // no picture decoded yet and a new program folder.
    void startUp()
    {
        std::optional<ProgramFixture> f;
        const double ms = MeanMilliseconds(
            [&] {
                QPixmapCache::clear();
                f.emplace();
                f->dialogs.ExpectQuestion(QStringLiteral(" Do you want to open an existing deck?"), false);
            },
            [] { StartProgram(); }, [&] { f.reset(); });
        QTest::setBenchmarkResult(ms, QTest::WalltimeMilliseconds);
    }

    // The same, for an empty main window with a child area, at the size the program's main
    // window opens at when no size is remembered (6500 twips).
    void emptyMainWindow()
    {
        std::unique_ptr<QMainWindow> window;
        const double ms = MeanMilliseconds([] {},
            [&] {
                window = std::make_unique<QMainWindow>();
                window->setCentralWidget(new QMdiArea);
                window->resize(433, 433);
                window->show();
            },
            [&] { window.reset(); });
        QTest::setBenchmarkResult(ms, QTest::WalltimeMilliseconds);
    }
};

QTEST_MAIN(bench_deal)
#include "bench_deal.moc"
