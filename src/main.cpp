#include "app/mainwindow.h"
#include "app/startup_ui.h"
#include "app/windows_ui.h"
#include "deck/deckwindow.h"

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
