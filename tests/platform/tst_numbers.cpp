#include "platform/numbers.h"
#include "platform/twips.h"

#include <QTest>

using namespace platform;

class tst_numbers : public QObject
{
    Q_OBJECT

private slots:
    void roundToInt16_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("expected");
        QTest::newRow("half down to even") << 2.5 << 2;
        QTest::newRow("half up to even") << 3.5 << 4;
        QTest::newRow("negative half to even") << -2.5 << -2;
        QTest::newRow("below half") << 7735.49 << 7735;
        QTest::newRow("above half") << 7735.51 << 7736;
        QTest::newRow("clamped high") << 40000.0 << 32767;
        QTest::newRow("clamped low") << -40000.0 << -32768;
        QTest::newRow("edge high half") << 32767.5 << 32767;
    }
    void roundToInt16()
    {
        QFETCH(double, value);
        QFETCH(int, expected);
        QCOMPARE(int(RoundToInt16(value)), expected);
    }

    void intDiv_data()
    {
        QTest::addColumn<double>("a");
        QTest::addColumn<double>("b");
        QTest::addColumn<int>("expected");
        QTest::newRow("truncates") << 5865.0 << 2.0 << 2932;
        QTest::newRow("operands rounded first") << 10.5 << 2.5 << 5;   // 10 \ 2
        QTest::newRow("negative truncates towards zero") << -7.0 << 2.0 << -3;
        QTest::newRow("by zero") << 7.0 << 0.4 << 0;
    }
    void intDiv()
    {
        QFETCH(double, a);
        QFETCH(double, b);
        QFETCH(int, expected);
        QCOMPARE(IntDiv(a, b), expected);
    }

    void single7ReadsBackDecimals()
    {
        const float h = static_cast<float>(3409.0 + 3.68);
        QCOMPARE(Single7(h), 3412.68);
        QCOMPARE(Single7(3692.36f), 3692.36);
    }

    void parseInt16_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("value");
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("negative") << "-1" << true << -1;
        QTest::newRow("largest") << "32767" << true << 32767;
        QTest::newRow("too large") << "32768" << false << 0;
        QTest::newRow("too small") << "-32769" << false << 0;
        QTest::newRow("not a number") << "1x" << false << 0;
        QTest::newRow("decimal point") << "1.5" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
    }
    void parseInt16()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(int, value);
        std::int16_t out = 0;
        QCOMPARE(ParseInt16(text.toLatin1().constData(), &out), ok);
        if (ok)
            QCOMPARE(int(out), value);
    }

    // Twips to pixels: 15 to a pixel, to the nearest; a negative size is none.
    void twipsToPixels_data()
    {
        QTest::addColumn<float>("left");
        QTest::addColumn<float>("width");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("whole pixels") << 1500.0f << 2100.0f << QRect(100, 0, 140, 0);
        QTest::newRow("below half") << 22.4f << 7.4f << QRect(1, 0, 0, 0);
        QTest::newRow("half rounds up") << 7.5f << 22.5f << QRect(1, 0, 2, 0);
        QTest::newRow("negative place") << -22.5f << 15.0f << QRect(-2, 0, 1, 0);
        QTest::newRow("negative size is none") << 0.0f << -600.0f << QRect(0, 0, 0, 0);
    }
    void twipsToPixels()
    {
        QFETCH(float, left);
        QFETCH(float, width);
        QFETCH(QRect, pixels);
        QCOMPARE((platform::TwipsRect { left, 0, width, 0 }.toPixels()), pixels);
        QCOMPARE(platform::TwipsToPixels(left), pixels.left());
    }
};

QTEST_GUILESS_MAIN(tst_numbers)
#include "tst_numbers.moc"
