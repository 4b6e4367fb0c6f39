// What the card windows cost, as ratios to a floor measured in the same run: decoding one
// 400 x 544 card picture from disk and scaling it to the size a dealt card is shown at.
// Also the resident memory with every card out and after they all went back.
// Run by hand, offscreen:  QT_QPA_PLATFORM=offscreen build/bench/bench_deal
#include "app/cardtable.h"
#include "app/programstate.h"
#include "app/ui/mainwindow.h"
#include "cards/ui/cardwindow.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/picturelabel.h"
#include "readings/ui/pickcardwindow.h"
#include "support/cardwindows.h"
#include "support/fixture.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

enum MenuIndex { kEnlarge = 0, kShrink, kRotate };

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// Milliseconds `step` takes, up to everything it asked for painted.
double Time(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

// Answers every box: the benchmarks look at time, not at texts.
class QuietDialogs : public platform::Dialogs
{
public:
    void message(const QString &, const QString &) override { }
    bool askYesNo(const QString &) override { return false; }
    QString openFileName(const QString &) override { return QString(); }
    QString saveFileName(const QString &) override { return QString(); }
};

// A started program whose boxes all answer themselves.
struct QuietProgram
{
    QuietProgram()
    {
        f.Start(true);
        platform::SetDialogs(&quiet);
    }
    ~QuietProgram() { platform::SetDialogs(&f.dialogs); }
    ProgramFixture f;
    QuietDialogs quiet;
};

void PutOnTop(int n)
{
    const auto it = std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(n));
    if (it != program::state.deck.end())
        std::rotate(program::state.deck.begin(), it, it + 1);
}

// A click on the deck with card `n` on top.
void Deal(int n)
{
    PutOnTop(n);
    DeckWindow::instance()->drawTopCard();
}

// Every window of card `n` closed, giving the card back.
void Return(int n)
{
    program::state.cardReturn = CardReturn::ToDeck;
    while (CardWindow *window = WindowOf(n))
        window->unload();
    FlushDeletes();
}

void ChooseItem(CardWindow *window, int item)
{
    window->showMenu();
    window->cardMenu->setCurrentRow(item);
    window->runMenuItem();
}

long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// The offscreen platform says this for every window shown; it only hides the figures.
QtMessageHandler g_previousHandler = nullptr;
void DropOffscreenNoise(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message != QLatin1String("This plugin does not support propagateSizeHints()"))
        g_previousHandler(type, context, message);
}

constexpr int kRuns = 31;

// The floor for a picture: its file decoded from disk and scaled to `shown`, median of runs.
double FloorOf(const QByteArray &bytes, QSize shown)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("card.jpg"));
    if (!platform::WriteFileWhole(path, bytes))
        return -1;
    std::vector<double> times;
    for (int i = -1; i < kRuns * 3; ++i) {
        QPixmap scaled;
        const double ms = Time([&] {
            const QImage picture = QImageReader(path).read();
            scaled = QPixmap::fromImage(picture.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        });
        if (i >= 0)
            times.push_back(ms);
        if (scaled.isNull())
            return -1;
    }
    return Median(times);
}

} // namespace

class bench_deal : public QObject
{
    Q_OBJECT

    double m_floor = 0;

    void Report(const char *what, double ms, double floors = 1)
    {
        std::printf("%-34s %8.2f ms  %6.2fx the floor\n", what, ms, ms / (m_floor * floors));
        std::fflush(stdout);
    }

private slots:
    void initTestCase()
    {
        g_previousHandler = qInstallMessageHandler(DropOffscreenNoise);
        // The size a dealt card is shown at.
        QSize shown;
        {
            QuietProgram program;
            Deal(0);
            QCoreApplication::processEvents();
            CardWindow *window = WindowOf(0);
            QVERIFY(window);
            shown = window->picture()->size();
        }
        const QByteArray fool = platform::Resource(QStringLiteral("FoolCardbg"));
        QBuffer buffer;
        buffer.setData(fool);
        QCOMPARE(QImageReader(&buffer).size(), QSize(400, 544));
        m_floor = FloorOf(fool, shown);
        QVERIFY(m_floor > 0);
        std::printf("floor: a 400 x 544 JPEG decoded from disk and scaled to %d x %d: %.3f ms\n", shown.width(),
            shown.height(), m_floor);
    }

    // Resident memory with all 78 cards out, and after they all went back to the deck; first,
    // while the process is still small.
    void memory()
    {
        QuietProgram program;
        QCoreApplication::processEvents();
        const long before = ResidentKilobytes();
        for (int n = 0; n < kCardCount; ++n) {
            Deal(n);
            QCoreApplication::processEvents();
        }
        const long out = ResidentKilobytes();
        for (int n = 0; n < kCardCount; ++n)
            Return(n);
        QTest::qWait(kTrimDelayMs * 2);
        const long back = ResidentKilobytes();

        std::printf("resident memory: %.1f MB started, %.1f MB with all 78 cards out, %.1f MB after they "
                    "all went back\n",
            before / 1024.0, out / 1024.0, back / 1024.0);
    }

    // A card's first deal in the program: the click up to the window painted with its picture.
    void firstDeal()
    {
        QuietProgram program;
        Deal(kCardCount - 1); // the program's first window pays for one-time set-up
        Return(kCardCount - 1);
        std::vector<double> absent;
        std::vector<double> present;
        for (int n = 0; n < kCardCount - 1; ++n) {
            absent.push_back(Time([n] { Deal(n); }));
            Return(n);
        }
        for (int n = 0; n < kCardCount - 1; ++n) {
            present.push_back(Time([n] { Deal(n); }));
            Return(n);
        }
        Report("first deal, cache file absent", Median(absent));
        Report("first deal, cache file present", Median(present));
    }

    // Enlarge and Rotate from a dealt card's window, each card's first time (their cache files
    // absent), then again (present). Against the dealt card's floor, and against a floor for
    // the picture each command shows at the size it shows it (the Fool's).
    void enlargeAndRotate()
    {
        double shownFloor[2] = {};
        {
            QuietProgram fool;
            Deal(0);
            QCoreApplication::processEvents();
            for (const int item : { kEnlarge, kRotate }) {
                ChooseItem(WindowOf(0), item);
                QCoreApplication::processEvents();
                const platform::PictureLabel *picture = WindowOf(0)->picture();
                shownFloor[item == kRotate] = FloorOf(picture->pictureBytes(), picture->size());
                std::printf("floor: the picture Fool's %s shows, scaled to %d x %d: %.3f ms\n",
                    item == kRotate ? "Rotate" : "Enlarge", picture->size().width(), picture->size().height(),
                    shownFloor[item == kRotate]);
            }
        }
        QuietProgram program;
        Deal(kCardCount - 1);
        Return(kCardCount - 1);
        for (const char *cache : { "absent", "present" }) {
            std::vector<double> enlarge;
            std::vector<double> rotate;
            for (int n = 0; n < kCardCount - 1; ++n) {
                Deal(n);
                QCoreApplication::processEvents();
                enlarge.push_back(Time([n] { ChooseItem(WindowOf(n), kEnlarge); }));
                rotate.push_back(Time([n] { ChooseItem(WindowOf(n), kRotate); }));
                Return(n);
            }
            const QString which = QStringLiteral(", cache files %1").arg(QLatin1String(cache));
            Report(qPrintable(QStringLiteral("Enlarge") + which), Median(enlarge));
            Report(qPrintable(QStringLiteral("  against its shown floor")), Median(enlarge), shownFloor[0] / m_floor);
            Report(qPrintable(QStringLiteral("Rotate") + which), Median(rotate));
            Report(qPrintable(QStringLiteral("  against its shown floor")), Median(rotate), shownFloor[1] / m_floor);
        }
    }

    // The ten deals of a Celtic Cross, each run in a new program folder.
    void celticCross()
    {
        std::vector<double> totals;
        for (int run = 0; run < 9; ++run) {
            QuietProgram program;
            Deal(kCardCount - 1);
            Return(kCardCount - 1);
            MainWindow::instance()->celticCrossAction->trigger();
            PickCardWindow::instance()->exitButton->click();
            QCoreApplication::processEvents();
            double total = 0;
            for (int place = 0; place < 10; ++place)
                total += Time([] { DeckWindow::instance()->drawTopCard(); });
            totals.push_back(total);
        }
        Report("Celtic Cross, 10 deals", Median(totals), 10);
    }
};

QTEST_MAIN(bench_deal)
#include "bench_deal.moc"
