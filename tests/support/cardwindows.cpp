#include "support/cardwindows.h"

#include "app/cardtable.h"
#include "cards/ui/cardwindow.h"
#include "platform/ui/childwindow.h"
#include "platform/ui/picturelabel.h"

#include <QFile>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>

CardWindow *WindowOf(int n)
{
    CardWindow *found = nullptr;
    for (platform::ChildWindow *window : platform::OpenWindows()) {
        if (window->caption() == CardTitle(n))
            found = qobject_cast<CardWindow *>(window);
    }
    return found;
}

void Choose(CardWindow *window, int item)
{
    QVERIFY(window);
    QTest::mouseClick(window->picture(), Qt::LeftButton);
    QVERIFY(window->cardMenu->isVisible());
    QListWidgetItem *entry = window->cardMenu->item(item);
    window->cardMenu->scrollToItem(entry);
    const QPoint at = window->cardMenu->visualItemRect(entry).center();
    QWidget *viewport = window->cardMenu->viewport();
    QMouseEvent move(QEvent::MouseMove, at, viewport->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(viewport, &move);
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
}

QByteArray FileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
