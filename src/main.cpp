#include "app/ui/mainwindow.h"
#include "app/ui/startup.h"
#include "app/windows_ui.h"
#include "deck/ui/deckwindow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Kestov"));
    QApplication::setApplicationName(QStringLiteral("Kestov"));
    Main();
    const int result = QApplication::exec();
    delete MainForm.data();
    delete DeckForm.data();
    return result;
}
