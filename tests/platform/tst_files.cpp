#include "platform/files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

#include <sys/resource.h>

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
        QTest::newRow("over an old file") << true << false;
        QTest::newRow("new file") << false << false;
        QTest::newRow("over an old file, file size limit") << true << true;
        QTest::newRow("new file, file size limit") << false << true;
    }
    void failedWriteChangesNothing()
    {
        QFETCH(bool, existing);
        QFETCH(bool, realLimit);
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
            written = platform::WriteFileWhole(path, newBytes, &reason);
        } else {
            platform::test::FailNextWrite();
            written = platform::WriteFileWhole(path, newBytes, &reason);
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
        QVERIFY(platform::WriteFileWhole(path, newBytes));
    }
};

QTEST_MAIN(tst_files)
#include "tst_files.moc"
