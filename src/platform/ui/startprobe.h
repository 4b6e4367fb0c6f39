// For the start-up benchmark only: with KESTOV_EXIT_AT_FIRST_QUESTION set in the environment,
// the program prints "question painted" and ends as soon as its first question box has been
// painted, so that a start can be timed from outside. Without it nothing is watched.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

namespace platform {

class FirstQuestionProbe : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<QMessageBox *>(watched)) {
            QCoreApplication::instance()->removeEventFilter(this);
            // Once this paint is done: the box is on screen.
            QTimer::singleShot(0, [] {
                std::fputs("question painted\n", stdout);
                std::fflush(stdout);
                std::_Exit(0);
            });
        }
        return false;
    }
};

inline void WatchFirstQuestion()
{
    if (qEnvironmentVariableIsSet("KESTOV_EXIT_AT_FIRST_QUESTION"))
        QCoreApplication::instance()->installEventFilter(new FirstQuestionProbe(QCoreApplication::instance()));
}

} // namespace platform
