// How long a deal takes, against decoding the card's picture alone, and how long the program
// takes to come up to its first question, against an empty main window with a child area.
// Run by hand, offscreen:  QT_QPA_PLATFORM=offscreen ./bench/bench_deal
#include "app/cardtable.h"
#include "app/startup_ui.h"
#include "app/state.h"
#include "app/windows_ui.h"
#include "cards/cardwindow.h"
#include "deck/deckwindow.h"
#include "platform/controls_ui.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "support/fixture.h"

#include <QElapsedTimer>
#include <QFile>
#include <QMainWindow>
#include <QMdiArea>
#include <QPixmap>
#include <QTest>

#include <algorithm>

namespace {

constexpr int kCard = 0; // The Fool

void DealAndReturn()
{
    const auto it = std::find(G.Deck.begin(), G.Deck.end(), CardKey(kCard));
    std::rotate(G.Deck.begin(), it, it + 1);
    DeckForm->Image1_Click();
    platform::Form *window = platform::FindForm(CardTitle(kCard));
    if (window)
        window->Unload();
    FlushDeletes();
}

} // namespace

class bench_deal : public QObject
{
    Q_OBJECT

private slots:
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

    // The deal alone (the click up to the card shown, cache file present) and the return alone.
    void dealAlone()
    {
        ProgramFixture f;
        f.Start(true);
        DealAndReturn();
        constexpr int kRuns = 200;
        qint64 deal = 0;
        qint64 back = 0;
        for (int i = 0; i < kRuns; ++i) {
            const auto it = std::find(G.Deck.begin(), G.Deck.end(), CardKey(kCard));
            std::rotate(G.Deck.begin(), it, it + 1);
            QElapsedTimer timer;
            timer.start();
            DeckForm->Image1_Click();
            deal += timer.nsecsElapsed();
            timer.restart();
            platform::FindForm(CardTitle(kCard))->Unload();
            FlushDeletes();
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

    // Main up to the answered start-up question. Only the start is timed, not the clean-up.
    void startUp()
    {
        constexpr int kRuns = 20;
        qint64 total = 0;
        for (int i = 0; i < kRuns; ++i) {
            ProgramFixture f;
            f.dialogs.ExpectQuestion(QStringLiteral(" Do you want to open an existing deck?"), false);
            QElapsedTimer timer;
            timer.start();
            Main();
            QCoreApplication::processEvents();
            total += timer.nsecsElapsed();
        }
        QTest::setBenchmarkResult(double(total) / kRuns / 1e6, QTest::WalltimeMilliseconds);
    }

    void emptyMainWindow()
    {
        constexpr int kRuns = 20;
        qint64 total = 0;
        for (int i = 0; i < kRuns; ++i) {
            QElapsedTimer timer;
            timer.start();
            auto *window = new QMainWindow;
            window->setCentralWidget(new QMdiArea);
            window->show();
            QCoreApplication::processEvents();
            total += timer.nsecsElapsed();
            delete window;
        }
        QTest::setBenchmarkResult(double(total) / kRuns / 1e6, QTest::WalltimeMilliseconds);
    }
};

QTEST_MAIN(bench_deal)
#include "bench_deal.moc"
