// What the card windows cost, as ratios to a floor timed beside each command: decoding one
// 400 x 544 card picture from disk with Qt's reader and scaling it to the size a dealt card is
// shown at.
// Also the resident memory with every card out and after they all went back.
// Run by hand, offscreen:  QT_QPA_PLATFORM=offscreen build/bench/bench_deal
#include "app/cardtable.h"
#include "app/programstate.h"
#include "app/ui/mainwindow.h"
#include "cards/ui/cardwindow.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/memory.h"
#include "platform/resources.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/picturelabel.h"
#include "readings/ui/pickcardwindow.h"
#include "support/cardwindows.h"
#include "support/fixture.h"

#include <QApplication>
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
#include <memory>
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

// A click on an item of the card menu, which is open.
void ChooseItem(CardWindow *window, int item)
{
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

// The floor for a picture: its file decoded from disk and scaled to `shown`. The machine is
// shared, so the floor is timed once beside every command timed, and each command is compared
// with the floor timed in the same stretch.
class Floor
{
public:
    Floor(const QByteArray &bytes, QSize shown)
        : m_path(m_folder.filePath(QStringLiteral("card.jpg")))
        , m_shown(shown)
    {
        m_ok = platform::WriteFileWhole(m_path, bytes);
        sample(); // the first run pays for loading the decoder
        m_times.clear();
    }
    bool ok() const { return m_ok; }
    QSize shown() const { return m_shown; }

    void sample()
    {
        QPixmap scaled;
        m_times.push_back(Time([&] {
            const QImage picture = QImageReader(m_path).read();
            scaled = QPixmap::fromImage(picture.scaled(m_shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        }));
        m_ok = m_ok && !scaled.isNull();
    }
    // The median of the samples taken since the last call, which starts a new stretch.
    double take()
    {
        const double median = Median(m_times);
        m_times.clear();
        return median;
    }

private:
    QTemporaryDir m_folder;
    QString m_path;
    QSize m_shown;
    std::vector<double> m_times;
    bool m_ok = false;
};

// Times `step` with the floor timed just before it, as a pair.
double TimeBeside(Floor &floor, const std::function<void()> &step)
{
    floor.sample();
    return Time(step);
}

} // namespace

class bench_deal : public QObject
{
    Q_OBJECT

    std::unique_ptr<Floor> m_floor;

    void Report(const char *what, double ms, double floorMs)
    {
        std::printf("%-34s %8.2f ms  %6.2fx the floor (%.3f ms)\n", what, ms, ms / floorMs, floorMs);
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
        m_floor = std::make_unique<Floor>(fool, shown);
        QVERIFY(m_floor->ok());
        std::printf("floor: a 400 x 544 JPEG decoded from disk and scaled to %d x %d, timed beside each "
                    "command\n",
            shown.width(), shown.height());
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
            absent.push_back(TimeBeside(*m_floor, [n] { Deal(n); }));
            Return(n);
        }
        Report("first deal, cache file absent", Median(absent), m_floor->take());
        for (int n = 0; n < kCardCount - 1; ++n) {
            present.push_back(TimeBeside(*m_floor, [n] { Deal(n); }));
            Return(n);
        }
        Report("first deal, cache file present", Median(present), m_floor->take());
    }

    // Enlarge and Rotate from a dealt card's window, each card's first time (their cache files
    // absent), then again (present): from the click on the item of the open card menu up to
    // the new window painted. Opening the menu (a click on the picture) is timed on its own.
    // Against the dealt card's floor, and against a floor for the picture each command shows
    // at the size it shows it (the Fool's).
    void enlargeAndRotate()
    {
        std::unique_ptr<Floor> shownFloor[2];
        {
            QuietProgram fool;
            Deal(0);
            QCoreApplication::processEvents();
            for (const int item : { kEnlarge, kRotate }) {
                WindowOf(0)->showMenu();
                ChooseItem(WindowOf(0), item);
                QCoreApplication::processEvents();
                const platform::PictureLabel *picture = WindowOf(0)->picture();
                shownFloor[item == kRotate] = std::make_unique<Floor>(picture->pictureBytes(), picture->size());
                QVERIFY(shownFloor[item == kRotate]->ok());
            }
        }
        QuietProgram program;
        Deal(kCardCount - 1);
        Return(kCardCount - 1);
        for (const char *cache : { "absent", "present" }) {
            std::vector<double> enlarge;
            std::vector<double> rotate;
            std::vector<double> menu;
            for (int n = 0; n < kCardCount - 1; ++n) {
                Deal(n);
                QCoreApplication::processEvents();
                // The click on the picture that opens the menu, then the click on the item.
                menu.push_back(Time([n] { WindowOf(n)->showMenu(); }));
                shownFloor[0]->sample();
                enlarge.push_back(TimeBeside(*m_floor, [n] { ChooseItem(WindowOf(n), kEnlarge); }));
                menu.push_back(Time([n] { WindowOf(n)->showMenu(); }));
                shownFloor[1]->sample();
                rotate.push_back(TimeBeside(*m_floor, [n] { ChooseItem(WindowOf(n), kRotate); }));
                Return(n);
            }
            const double floor = m_floor->take();
            const QString which = QStringLiteral(", cache files %1").arg(QLatin1String(cache));
            Report(qPrintable(QStringLiteral("card menu opened") + which), Median(menu), floor);
            Report(qPrintable(QStringLiteral("Enlarge") + which), Median(enlarge), floor);
            Report(qPrintable(QStringLiteral("  against its shown floor, %1 x %2")
                                  .arg(shownFloor[0]->shown().width())
                                  .arg(shownFloor[0]->shown().height())),
                Median(enlarge), shownFloor[0]->take());
            Report(qPrintable(QStringLiteral("Rotate") + which), Median(rotate), floor);
            Report(qPrintable(QStringLiteral("  against its shown floor, %1 x %2")
                                  .arg(shownFloor[1]->shown().width())
                                  .arg(shownFloor[1]->shown().height())),
                Median(rotate), shownFloor[1]->take());
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
                total += TimeBeside(*m_floor, [] { DeckWindow::instance()->drawTopCard(); });
            totals.push_back(total);
        }
        Report("Celtic Cross, 10 deals", Median(totals), 10 * m_floor->take());
    }
};

int main(int argc, char *argv[])
{
    platform::UseOneHeap(); // as the program does, before anything else
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    bench_deal bench;
    return QTest::qExec(&bench, argc, argv);
}
#include "bench_deal.moc"
