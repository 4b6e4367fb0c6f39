#include "app/cardtable.h"
#include "app/programstate.h"
#include "cards/ui/cardwindow.h"
#include "deck/draw.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/resources.h"
#include "platform/ui/picturelabel.h"
#include "support/cardwindows.h"
#include "support/fixture.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void WriteFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList Entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System | QDir::Hidden);
}

// Opens the writing end of a pipe once the program has waited on it for a while, so that a
// program stuck reading the pipe makes the test fail instead of hanging.
class PipeWatchdog
{
public:
    explicit PipeWatchdog(const QString &path)
        : m_path(QFile::encodeName(path))
        , m_thread([this] { Watch(); })
    {
    }
    ~PipeWatchdog()
    {
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            m_done = true;
        }
        m_wake.notify_all();
        m_thread.join();
    }
    bool Fired() const { return m_fired; }

private:
    void Watch()
    {
        using namespace std::chrono_literals;
        std::unique_lock<std::mutex> lock(m_mutex);
        if (m_wake.wait_for(lock, 5s, [this] { return m_done; }))
            return;
        // Opening without waiting succeeds only when a reader is waiting on the other end.
        while (!m_wake.wait_for(lock, 50ms, [this] { return m_done; })) {
            const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0) {
                m_fired = true;
                ::close(fd);
            }
        }
    }

    QByteArray m_path;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_done = false;
    std::atomic<bool> m_fired { false };
    std::thread m_thread;
};

// The Fool on top of the deck, and the picture its free deal goes through.
DealPicture FoolOnTop()
{
    const auto it = std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(0));
    std::rotate(program::state.deck.begin(), it, it + 1);
    return FreeDealPicture(
        0, program::state.deckStyle, FreeDealPicSuffix(program::state.reversed[0], program::state.gypsieDeck));
}

QByteArray Shown(CardWindow *window)
{
    return window->picture()->pictureBytes();
}

QByteArray Embedded(const QString &resource)
{
    return platform::Resource(resource);
}

// Sets the process's file size limit for one scope: writes past it fail as on a full disk.
struct FileSizeLimit
{
    explicit FileSizeLimit(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &old);
        previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previousHandler);
    }
    rlimit old {};
    void (*previousHandler)(int) = nullptr;
};

} // namespace

class tst_files : public QObject
{
    Q_OBJECT

private slots:
    // A write that fails after it started leaves what was there: the old file byte for byte,
    // or no file, and no temporary file either.
    void failedWriteChangesNothing_data()
    {
        QTest::addColumn<bool>("existing");
        QTest::addColumn<bool>("realLimit"); // the kernel refuses the bytes, not the test seam
        QTest::addColumn<platform::Durability>("durability");
        for (const auto durability : { platform::Durability::Flushed, platform::Durability::Cache }) {
            const char *kind = durability == platform::Durability::Cache ? "cache file, " : "";
            QTest::addRow("%sover an old file", kind) << true << false << durability;
            QTest::addRow("%snew file", kind) << false << false << durability;
            QTest::addRow("%sover an old file, file size limit", kind) << true << true << durability;
            QTest::addRow("%snew file, file size limit", kind) << false << true << durability;
        }
    }
    void failedWriteChangesNothing()
    {
        QFETCH(bool, existing);
        QFETCH(bool, realLimit);
        QFETCH(platform::Durability, durability);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("deck.dek"));
        const QByteArray oldBytes = "an earlier deck\r\n";
        if (existing)
            WriteFile(path, oldBytes);
        // Small enough to sit in a write buffer.
        const QByteArray newBytes(1000, 'x');
        QString reason;
        bool written = false;
        if (realLimit) {
            FileSizeLimit limit(100);
            written = platform::WriteFileWhole(path, newBytes, &reason, durability);
        } else {
            platform::test::FailNextWrite();
            written = platform::WriteFileWhole(path, newBytes, &reason, durability);
        }
        QVERIFY(!written);
        QVERIFY(!reason.isEmpty());
        QCOMPARE(Entries(folder.path()), existing ? QStringList { QStringLiteral("deck.dek") } : QStringList());
        if (existing) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            QCOMPARE(file.readAll(), oldBytes);
        }
        // The seam fails one write only.
        QVERIFY(platform::WriteFileWhole(path, newBytes, nullptr, durability));
        QCOMPARE(Entries(folder.path()), QStringList { QStringLiteral("deck.dek") });
    }

    // A file written again keeps its permissions; a new one gets the usual ones.
    void writtenFileKeepsItsPermissions_data()
    {
        QTest::addColumn<platform::Durability>("durability");
        QTest::newRow("flushed") << platform::Durability::Flushed;
        QTest::newRow("cache file") << platform::Durability::Cache;
    }
    void writtenFileKeepsItsPermissions()
    {
        QFETCH(platform::Durability, durability);
        QTemporaryDir folder;
        const QString fresh = folder.filePath(QStringLiteral("fresh"));
        const QString old = folder.filePath(QStringLiteral("old"));
        QFile reference(folder.filePath(QStringLiteral("reference")));
        QVERIFY(reference.open(QIODevice::WriteOnly));
        reference.close();
        WriteFile(old, "old bytes");
        const auto kept = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadUser
            | QFileDevice::WriteUser | QFileDevice::ReadOther;
        QVERIFY(QFile::setPermissions(old, kept));
        QVERIFY(platform::WriteFileWhole(fresh, "new", nullptr, durability));
        QVERIFY(platform::WriteFileWhole(old, "new bytes", nullptr, durability));
        QCOMPARE(QFile::permissions(fresh), reference.permissions());
        QCOMPARE(QFile::permissions(old), kept);
        QFile file(old);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("new bytes"));
    }

    // Something other than an ordinary file at a card's cache path is neither read (a pipe would
    // block for ever) nor written through (a link would carry the write out of the folder): the
    // window shows the embedded picture.
    void oddCachePathIsLeftAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("named pipe") << "pipe";
        QTest::newRow("link to nowhere") << "dangling";
        QTest::newRow("link to a file") << "link";
        QTest::newRow("folder") << "folder";
    }
    void oddCachePathIsLeftAlone()
    {
        QFETCH(QString, kind);
        ProgramFixture f;
        f.Start(true);
        const DealPicture picture = FoolOnTop();
        const QString path = f.PathOf(platform::DataPath(picture.cacheFile));
        const QString outside = f.PathOf(QStringLiteral("outside.jpg"));
        QImage small(10, 12, QImage::Format_RGB32);
        small.fill(Qt::red);
        if (kind == QLatin1String("pipe"))
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        if (kind == QLatin1String("link"))
            QVERIFY(small.save(outside, "PNG"));
        if (kind == QLatin1String("dangling") || kind == QLatin1String("link"))
            QVERIFY(QFile::link(outside, path));
        if (kind == QLatin1String("folder"))
            QVERIFY(QDir().mkdir(path));
        const QByteArray outsideBefore = FileBytes(outside);
        const QStringList entriesBefore = Entries(f.Folder());
        const QStringList dataEntriesBefore = Entries(f.PathOf(platform::DataFolder()));

        bool watchdogFired = false;
        {
            PipeWatchdog watchdog(path);
            QTest::mouseClick(DeckWindow::instance()->pile, Qt::LeftButton);
            watchdogFired = watchdog.Fired();
        }
        QVERIFY2(!watchdogFired, "the deal waited on the pipe");
        QVERIFY(!platform::WriteFileWhole(path, "written through"));

        CardWindow *window = WindowOf(0);
        QVERIFY(window);
        QCOMPARE(program::state.cardsOut[0], CardKey(0));
        QCOMPARE(Shown(window), Embedded(picture.resource));
        QCOMPARE(FileBytes(outside), outsideBefore);
        QCOMPARE(Entries(f.Folder()), entriesBefore);
        QCOMPARE(Entries(f.PathOf(platform::DataFolder())), dataEntriesBefore);
        const QFileInfo info(path);
        QCOMPARE(info.isSymLink(), kind == QLatin1String("dangling") || kind == QLatin1String("link"));
        QCOMPARE(info.isDir(), kind == QLatin1String("folder"));
        QVERIFY(platform::CachedFileBytes(path, picture.resource).isEmpty());
    }

    // A cache file holds its picture's bytes unchanged: one that differs is damaged, the window
    // shows the embedded picture and the file is replaced. When the replacement cannot be
    // written, what was there stays and the picture is still whole.
    void cacheFileOfADeal_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<bool>("writeFails");
        QTest::newRow("missing") << "missing" << false;
        QTest::newRow("missing, write fails") << "missing" << true;
        QTest::newRow("cut short") << "short" << false;
        QTest::newRow("cut short, write fails") << "short" << true;
        QTest::newRow("one byte changed") << "changed" << false;
        QTest::newRow("bytes added") << "longer" << false;
        QTest::newRow("empty") << "empty" << false;
    }
    void cacheFileOfADeal()
    {
        QFETCH(QString, damage);
        QFETCH(bool, writeFails);
        ProgramFixture f;
        f.Start(true);
        const DealPicture picture = FoolOnTop();
        const QString path = platform::DataPath(picture.cacheFile);
        const QByteArray resource = platform::Resource(picture.resource);
        QVERIFY(resource.size() > 100);
        QByteArray damaged;
        if (damage == QLatin1String("short"))
            damaged = resource.left(resource.size() / 2);
        if (damage == QLatin1String("changed")) {
            damaged = resource;
            damaged[damaged.size() / 2] = char(damaged[damaged.size() / 2] ^ 0x55);
        }
        if (damage == QLatin1String("longer"))
            damaged = resource + "tail";
        if (damage != QLatin1String("missing"))
            WriteFile(path, damaged);
        if (writeFails)
            platform::test::FailNextWrite();

        QTest::mouseClick(DeckWindow::instance()->pile, Qt::LeftButton);

        CardWindow *window = WindowOf(0);
        QVERIFY(window);
        QCOMPARE(Shown(window), Embedded(picture.resource));
        const bool left = !writeFails || damage != QLatin1String("missing");
        QCOMPARE(FileBytes(path), writeFails ? damaged : resource);
        // No temporary file is left behind.
        QCOMPARE(Entries(platform::DataFolder()), left ? QStringList { picture.cacheFile.toLower() } : QStringList());
    }

    // A component file left empty (or cut short) by an earlier start is written again.
    void damagedComponentFileIsWrittenAgain()
    {
        ProgramFixture f;
        WriteFile(f.PathOf(QStringLiteral("QProGIF.ocx")), QByteArray());
        const QByteArray resource = platform::Resource(QStringLiteral("Comdlg32.ocx"));
        WriteFile(f.PathOf(QStringLiteral("Comdlg32.ocx")), resource.left(resource.size() - 1));
        f.Start(true);
        QCOMPARE(FileBytes(f.PathOf(QStringLiteral("QProGIF.ocx"))), platform::Resource(QStringLiteral("QProGIF.ocx")));
        QCOMPARE(FileBytes(f.PathOf(QStringLiteral("Comdlg32.ocx"))), resource);
    }
};

QTEST_MAIN(tst_files)
#include "tst_files.moc"
