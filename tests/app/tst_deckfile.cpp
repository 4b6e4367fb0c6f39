#include "app/cardtable.h"
#include "app/deckfile.h"
#include "app/initdeck.h"

#include <QBuffer>
#include <QTest>

namespace {

DeckFileContents NewThothDeck()
{
    SharedState state;
    InitDeck(state);
    DeckFileContents contents;
    contents.keys = state.Deck;
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
