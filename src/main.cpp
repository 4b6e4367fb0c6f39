#include "app/ui/mainwindow.h"
#include "app/ui/startup.h"
#include "deck/ui/deckwindow.h"
#include "platform/memory.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    platform::UseOneHeap();
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kestov"));
    QApplication::setApplicationName(QStringLiteral("Kestov"));
    StartProgram();
    const int result = QApplication::exec();
    delete MainWindow::instance();
    delete DeckWindow::instance();
    return result;
}
