// The work area's scroll bars are drawn from kept pictures: they must look exactly as the style
// draws them, in every state they go through, also when a state comes back.
#include "platform/ui/scrollbarstyle.h"

#include <QMdiArea>
#include <QScrollBar>
#include <QTest>

namespace {

struct Look
{
    Qt::Orientation orientation;
    int maximum;
    int value;
    int pageStep;
    bool enabled;
    QSize areaSize;
};

void Apply(QMdiArea &area, const Look &look)
{
    area.resize(look.areaSize);
    QScrollBar *bar = look.orientation == Qt::Vertical ? area.verticalScrollBar() : area.horizontalScrollBar();
    bar->setRange(0, look.maximum);
    bar->setPageStep(look.pageStep);
    bar->setValue(look.value);
    bar->setEnabled(look.enabled);
}

QImage BarPicture(QMdiArea &area, Qt::Orientation orientation)
{
    QScrollBar *bar = orientation == Qt::Vertical ? area.verticalScrollBar() : area.horizontalScrollBar();
    return bar->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

class tst_scrollbarstyle : public QObject
{
    Q_OBJECT

private slots:
    void drawnAsTheStyleDrawsThem()
    {
        QMdiArea plain;
        QMdiArea kept;
        platform::KeepScrollBarPictures(&kept);
        for (QMdiArea *area : { &plain, &kept }) {
            area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            area->show();
        }
        const Look looks[] = {
            { Qt::Vertical, 100, 0, 20, true, QSize(300, 400) },
            { Qt::Vertical, 100, 50, 20, true, QSize(300, 400) },
            { Qt::Vertical, 100, 100, 20, true, QSize(300, 400) },
            { Qt::Vertical, 300, 50, 20, true, QSize(300, 400) },
            { Qt::Vertical, 100, 50, 80, true, QSize(300, 400) },
            { Qt::Vertical, 100, 50, 20, false, QSize(300, 400) },
            { Qt::Vertical, 100, 50, 20, true, QSize(300, 250) },
            { Qt::Horizontal, 100, 30, 20, true, QSize(300, 400) },
            { Qt::Horizontal, 0, 0, 20, true, QSize(500, 400) },
            { Qt::Vertical, 100, 0, 20, true, QSize(300, 400) }, // the first look again
        };
        for (const Look &look : looks) {
            Apply(plain, look);
            Apply(kept, look);
            QCoreApplication::processEvents();
            const QImage expected = BarPicture(plain, look.orientation);
            QVERIFY(!expected.isNull());
            QCOMPARE(BarPicture(kept, look.orientation), expected);
        }
    }
};

QTEST_MAIN(tst_scrollbarstyle)
#include "tst_scrollbarstyle.moc"
