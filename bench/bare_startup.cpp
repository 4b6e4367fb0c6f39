// The reference for the start-up benchmark: a bare program with the same kind of main window
// (a child area, a menu bar and a status bar) that asks one question at once.
#include "platform/ui/startprobe.h"

#include <QApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    platform::WatchFirstQuestion();
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare"));
    window.setCentralWidget(new QMdiArea);
    for (const char *menu : { "&File", "&View", "&Tools", "&Help" }) {
        QMenu *m = window.menuBar()->addMenu(QString::fromLatin1(menu));
        m->addAction(QStringLiteral("&Open"));
        m->addAction(QStringLiteral("E&xit"));
    }
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.resize(433, 433);
    window.show();
    QMessageBox::question(
        &window, QStringLiteral("Question"), QStringLiteral(" Do you want to open an existing deck?"));
    return 0;
}
