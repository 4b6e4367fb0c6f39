// The places of the two spreads, computed from the layout window's position and inner size.
#include "readings/slots.h"

#include <QTest>

Q_DECLARE_METATYPE(Slot)
Q_DECLARE_METATYPE(LayoutFrame)

namespace {

// Where the Celtic Cross window opens, at its design inner size.
const LayoutFrame kCelticDesign { 5900, 100, 5505, 6870 };
// Where the Five Card window opens, at its design inner size.
const LayoutFrame kFiveCardDesign { 3500, 380, 8400, 5865 };

} // namespace

class tst_slots : public QObject
{
    Q_OBJECT

private slots:
    // Several of these fall exactly on a half before rounding: tops 3, 4, 7, 9 and lefts 5,
    // 7 to 10 show halves going to the even neighbour.
    void celticPlaces_data()
    {
        QTest::addColumn<int>("place");
        QTest::addColumn<Slot>("slot");
        QTest::newRow("1 covers") << 1 << Slot { 1850, 1092, 3535, 7735 };
        QTest::newRow("2 crosses, on its side") << 2 << Slot { 1430, 1650, 3917, 7349 };
        QTest::newRow("3 crowns") << 3 << Slot { 1850, 1092, 1818, 7735 };
        QTest::newRow("4 beneath") << 4 << Slot { 1850, 1092, 5252, 7735 };
        QTest::newRow("5 behind") << 5 << Slot { 1850, 1092, 3535, 9020 };
        QTest::newRow("6 before") << 6 << Slot { 1850, 1092, 3535, 6267 };
        QTest::newRow("7 himself") << 7 << Slot { 1850, 1092, 5252, 10488 };
        QTest::newRow("8 his house") << 8 << Slot { 1850, 1092, 3535, 10488 };
        QTest::newRow("9 hopes and fears") << 9 << Slot { 1850, 1092, 1818, 10488 };
        QTest::newRow("10 final result") << 10 << Slot { 1850, 1092, 558, 10488 };
    }
    void celticPlaces()
    {
        QFETCH(int, place);
        QFETCH(Slot, slot);
        const Slot got = CelticSlot(place, kCelticDesign);
        QCOMPARE(got.height, slot.height);
        QCOMPARE(got.width, slot.width);
        QCOMPARE(got.top, slot.top);
        QCOMPARE(got.left, slot.left);
    }

    void fiveCardPlaces_data()
    {
        QTest::addColumn<LayoutFrame>("frame");
        QTest::addColumn<int>("place");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("left");
        // 5865 \ 2 truncates to 2932.
        QTest::newRow("1 how you work") << kFiveCardDesign << 1 << 3312 << 3823;
        QTest::newRow("2 how you feel") << kFiveCardDesign << 2 << 3312 << 5600;
        QTest::newRow("3 what you think") << kFiveCardDesign << 3 << 3312 << 7258;
        QTest::newRow("4 what you own") << kFiveCardDesign << 4 << 3312 << 8900;
        QTest::newRow("5 what you are") << kFiveCardDesign << 5 << 3312 << 10500;
        // 8411 / 26 is 323.5: the quotient is truncated, not rounded.
        QTest::newRow("quotient truncated") << LayoutFrame { 3500, 380, 8411, 5865 } << 1 << 3312 << 3823;
        // Operands are rounded before they divide: 8400.5 rounds to 8400, 5864.5 to 5864.
        QTest::newRow("operands rounded half to even") << LayoutFrame { 0, 0, 8400.5f, 5864.5f } << 4 << 2932 << 5400;
    }
    void fiveCardPlaces()
    {
        QFETCH(LayoutFrame, frame);
        QFETCH(int, place);
        const Slot got = FiveCardSlot(place, frame);
        QCOMPARE(got.height, 1850);
        QCOMPARE(got.width, 1092);
        QTEST(int(got.top), "top");
        QTEST(int(got.left), "left");
    }

    // A moved layout window moves every place by the same amount.
    void placesFollowTheWindow()
    {
        for (int place = 1; place <= kCelticPlaces; ++place) {
            const Slot at = CelticSlot(place, kCelticDesign);
            const Slot moved = CelticSlot(place, LayoutFrame { 5900 + 1000, 100 + 600, 5505, 6870 });
            QCOMPARE(moved.left - at.left, 1000);
            QCOMPARE(moved.top - at.top, 600);
        }
        for (int place = 1; place <= kFiveCardPlaces; ++place) {
            const Slot at = FiveCardSlot(place, kFiveCardDesign);
            const Slot moved = FiveCardSlot(place, LayoutFrame { 3500 - 3500, 380 + 20000, 8400, 5865 });
            QCOMPARE(moved.left - at.left, -3500);
            QCOMPARE(moved.top - at.top, 20000);
        }
    }

    // Far to the right or bottom of a large screen the places lie beyond 32767 twips, and
    // still where the window is.
    void farOutWindowStillPlacesItsCards()
    {
        const Slot celtic = CelticSlot(7, LayoutFrame { 40000, 30000, 5505, 6870 });
        QCOMPARE(celtic.left, 44588); // 40000 + 4587.5, half to even
        QCOMPARE(celtic.top, 35152); // 1717.5 + 30000 + 3435, half to even
        const Slot five = FiveCardSlot(5, LayoutFrame { 70000, 50000, 8400, 5865 });
        QCOMPARE(five.left, 70000 + 7000);
        QCOMPARE(five.top, 50000 + 2932);
    }
};

QTEST_MAIN(tst_slots)
#include "tst_slots.moc"
