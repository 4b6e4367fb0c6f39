#include "app/cardtable.h"
#include "app/deckfile.h"
#include "app/initdeck.h"

#include <QBuffer>
#include <QRandomGenerator>
#include <QTest>

namespace {

DeckFileContents NewThothDeck()
{
    ProgramState state;
    InitDeck(state);
    DeckFileContents contents;
    contents.keys = state.deck;
    contents.styleName = QStringLiteral("Thoth ");
    return contents;
}

bool Read(const QByteArray &bytes, DeckFileContents *out)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return ReadDeckFile(buffer, out);
}

// A deck whose saved form is `size` bytes long: its first key takes up the room.
DeckFileContents DeckSavedAs(qint64 size)
{
    DeckFileContents contents = NewThothDeck();
    contents.keys[0].clear();
    contents.keys[0] = QString(size - DeckFileBytes(contents).size(), QLatin1Char('k'));
    return contents;
}

// The same fields as another program may write them: LF line ends, none after the last line.
QByteArray WithLfLineEnds(QByteArray bytes)
{
    bytes.replace("\r\n", "\n");
    bytes.chop(1);
    return bytes;
}

// A device that never ends, like a character device or a pipe chosen in the Open dialog: it
// repeats `pattern` after `head` without end (it gives up after 64 MB, so that a reader
// that reads to the end fails the test rather than running out of memory).
class EndlessDevice : public QIODevice
{
public:
    EndlessDevice(const QByteArray &head, const QByteArray &pattern)
        : m_head(head)
        , m_pattern(pattern)
    {
        open(QIODevice::ReadOnly);
    }
    bool isSequential() const override { return true; }
    qint64 delivered() const { return m_delivered; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        constexpr qint64 kGiveUp = 64 * 1024 * 1024;
        qint64 n = 0;
        for (; n < maxSize && m_delivered < kGiveUp; ++n, ++m_delivered) {
            data[n] = m_delivered < m_head.size() ? m_head[m_delivered]
                                                  : m_pattern[(m_delivered - m_head.size()) % m_pattern.size()];
        }
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_head;
    QByteArray m_pattern;
    qint64 m_delivered = 0;
};

} // namespace

class tst_deckfile : public QObject
{
    Q_OBJECT

private slots:
    void newThothDeckBytes()
    {
        const QByteArray bytes = DeckFileBytes(NewThothDeck());
        const QList<QByteArray> lines = bytes.split('\n');
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[2].isEmpty());
        QVERIFY(lines[0].startsWith("\"The Fool \",\"The Magus \",\"High Priestess\",\"The Empress \","));
        QVERIFY(lines[0].endsWith(",\"Ten Disks \",\"Thoth \"\r"));
        QVERIFY(lines[0].contains(",\"Fortune \",\"Strength \",\"The Hangedman \","));
        QVERIFY(lines[0].contains(",\"The Chariot \",\"Justice \",\"The Hermit \","));
        QCOMPARE(lines[0].count(','), 78);
        QCOMPARE(lines[1], QByteArray("0,").repeated(78) + "0\r");
    }

    void roundTrip()
    {
        DeckFileContents written = NewThothDeck();
        std::swap(written.keys[0], written.keys[77]);
        written.keys[40] = kNoCard;
        written.styleName = QStringLiteral("Tradl ");
        written.reversed[3] = 1;
        written.reversed[77] = -1;
        written.gypsie = 1;
        DeckFileContents read;
        QVERIFY(Read(DeckFileBytes(written), &read));
        QVERIFY(read.keys == written.keys);
        QCOMPARE(read.styleName, written.styleName);
        QVERIFY(read.reversed == written.reversed);
        QCOMPARE(read.gypsie, written.gypsie);
    }

    void acceptedAsTheyStand_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("firstKey");
        QTest::addColumn<QString>("style");
        const QByteArray numbers = QByteArray("0,").repeated(78) + "1\r\n";
        const QByteArray rest = QByteArray("\"x\",").repeated(77);
        QTest::newRow("unknown keys, bad style word") << rest + "\"y\",\"thoth\"\r\n" + numbers << "x" << "thoth";
        QTest::newRow("line ends only LF") << rest + "\"y\",\"Thoth \"\n" + QByteArray(numbers).replace("\r", "") << "x" << "Thoth ";
        QTest::newRow("fields split over lines") << QByteArray("\"a b\"\r\n") + QByteArray("\"x\"\r\n").repeated(77) + "\"Tradl \"\r\n" + numbers << "a b" << "Tradl ";
        QTest::newRow("blanks around fields") << QByteArray("  \"k \" ,") + rest + "\"Thoth \"\r\n" + numbers << "k " << "Thoth ";
        QTest::newRow("trailing text ignored") << rest + "\"y\",\"Thoth \"\r\n" + numbers + "junk" << "x" << "Thoth ";
    }
    void acceptedAsTheyStand()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, firstKey);
        QFETCH(QString, style);
        DeckFileContents read;
        QVERIFY(Read(bytes, &read));
        QCOMPARE(read.keys[0], firstKey);
        QCOMPARE(read.styleName, style);
    }

    void endlessDeviceIsNotReadToItsEnd_data()
    {
        QTest::addColumn<QByteArray>("head");
        QTest::addColumn<QByteArray>("pattern");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("zeros") << QByteArray() << QByteArray(1, '\0') << false;
        QTest::newRow("one endless quoted field") << QByteArray("\"") << QByteArray("x") << false;
        QTest::newRow("a deck, then endless junk") << DeckFileBytes(NewThothDeck()) << QByteArray("junk") << true;
    }
    void endlessDeviceIsNotReadToItsEnd()
    {
        QFETCH(QByteArray, head);
        QFETCH(QByteArray, pattern);
        QFETCH(bool, accepted);
        EndlessDevice device(head, pattern);
        DeckFileContents read;
        QCOMPARE(ReadDeckFile(device, &read), accepted);
        QVERIFY2(device.delivered() <= kDeckFileReadLimit, qPrintable(QString::number(device.delivered())));
    }

    // Near the read limit: whatever is taken saves to a file that reads back the same, and the
    // rest is refused.
    void nearTheReadLimit_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("saved form, filling the limit") << DeckFileBytes(DeckSavedAs(kDeckFileReadLimit)) << true;
        QTest::newRow("shorter line ends, saved form filling the limit")
            << WithLfLineEnds(DeckFileBytes(DeckSavedAs(kDeckFileReadLimit))) << true;
        QTest::newRow("shorter line ends, saved form one byte over")
            << WithLfLineEnds(DeckFileBytes(DeckSavedAs(kDeckFileReadLimit + 1))) << false;
        QTest::newRow("shorter line ends filling the limit, saved form three bytes over")
            << WithLfLineEnds(DeckFileBytes(DeckSavedAs(kDeckFileReadLimit + 3))) << false;
        // Blanks that saving drops push the last number across the limit: "12" would read as "1".
        QByteArray padded = DeckFileBytes(NewThothDeck());
        padded.chop(3); // "0\r\n"
        padded += QByteArray(kDeckFileReadLimit - 1 - padded.size(), ' ') + "12\r\n";
        QTest::newRow("last number cut by the limit") << padded << false;
        QTest::newRow("fields beyond the limit") << DeckFileBytes(DeckSavedAs(2 * kDeckFileReadLimit)) << false;
    }
    void nearTheReadLimit()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, accepted);
        DeckFileContents taken;
        QCOMPARE(Read(bytes, &taken), accepted);
        if (!accepted)
            return;
        const QByteArray saved = DeckFileBytes(taken);
        QVERIFY(saved.size() <= kDeckFileReadLimit);
        DeckFileContents again;
        QVERIFY(Read(saved, &again));
        QVERIFY(again.keys == taken.keys);
        QCOMPARE(again.styleName, taken.styleName);
        QVERIFY(again.reversed == taken.reversed);
        QCOMPARE(again.gypsie, taken.gypsie);
    }

    // Damaged copies of a good file: whatever the reader takes, it writes back to a file that
    // reads the same, and nothing it rejects crashes it.
    void damagedFilesReadBackAsTheyWereTaken()
    {
        const QByteArray good = DeckFileBytes(NewThothDeck());
        const char alphabet[] = "\",\r\n 0123456789-x\t";
        QRandomGenerator random(7);
        for (int round = 0; round < 3000; ++round) {
            QByteArray bytes = good;
            for (int edit = random.bounded(1, 6); edit > 0; --edit) {
                const int pos = random.bounded(int(bytes.size()) + 1);
                switch (random.bounded(3)) {
                case 0:
                    bytes.insert(pos, alphabet[random.bounded(int(sizeof alphabet) - 1)]);
                    break;
                case 1:
                    bytes.remove(pos, random.bounded(1, 6));
                    break;
                default:
                    if (pos < bytes.size())
                        bytes[pos] = char(random.bounded(256));
                    break;
                }
            }
            DeckFileContents taken;
            if (!Read(bytes, &taken))
                continue;
            DeckFileContents again;
            QVERIFY2(Read(DeckFileBytes(taken), &again), bytes.constData());
            QVERIFY(again.keys == taken.keys);
            QCOMPARE(again.styleName, taken.styleName);
            QVERIFY(again.reversed == taken.reversed);
            QCOMPARE(again.gypsie, taken.gypsie);
        }
    }

    void malformed_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = DeckFileBytes(NewThothDeck());
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a deck file") << QByteArray("hello world\r\n");
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0", 11);
        QTest::newRow("first line only") << good.left(good.indexOf('\n') + 1);
        QTest::newRow("one number short") << good.left(good.lastIndexOf(',')) + "\r\n";
        QTest::newRow("unterminated quote") << good.left(100);
        QTest::newRow("number too large") << QByteArray(good).replace("\n0,", "\n40000,");
        QTest::newRow("number not a number") << QByteArray(good).replace("\n0,", "\nabc,");
        QTest::newRow("unquoted key") << QByteArray(good).replace("\"The Fool \"", "The Fool");
    }
    void malformed()
    {
        QFETCH(QByteArray, bytes);
        DeckFileContents read;
        read.styleName = QStringLiteral("untouched");
        QVERIFY(!Read(bytes, &read));
        QCOMPARE(read.styleName, QStringLiteral("untouched"));
    }
};

QTEST_GUILESS_MAIN(tst_deckfile)
#include "tst_deckfile.moc"
