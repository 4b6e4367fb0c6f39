// A scripted stand-in for the message boxes and the file dialog. Each expected box is queued
// with its exact text and the answer to give; a box that was not expected, or whose text
// differs, is recorded as a failure and answered No / cancelled.
#pragma once

#include "platform/ui/dialogs.h"

#include <QQueue>
#include <QStringList>

#include <functional>

class ScriptedDialogs : public platform::Dialogs
{
public:
    enum class Kind { Message, Question, Open, Save };

    ScriptedDialogs();
    ~ScriptedDialogs() override;

    // A message box with exactly `text` (and `title`, empty for none).
    ScriptedDialogs &ExpectMessage(const QString &text, const QString &title = QString());
    ScriptedDialogs &ExpectQuestion(const QString &text, bool yes);
    // A question that comes before everything queued so far.
    ScriptedDialogs &ExpectQuestionFirst(const QString &text, bool yes);
    // The file dialog with this title; `path` is the answer ("" cancels).
    ScriptedDialogs &ExpectOpen(const QString &title, const QString &path);
    ScriptedDialogs &ExpectSave(const QString &title, const QString &path);
    // Runs `action` while the next box is open (after it was checked), e.g. to fire a timer.
    ScriptedDialogs &During(std::function<void()> action);

    void message(const QString &text, const QString &title) override;
    bool askYesNo(const QString &text) override;
    QString openFileName(const QString &title) override;
    QString saveFileName(const QString &title) override;

    // Everything that went against the script, plus any expected box that never came.
    QStringList Problems() const;
    // Every box shown, as "kind: text", in order.
    QStringList Shown() const { return m_shown; }
    void Clear();

private:
    struct Step
    {
        Kind kind;
        QString text;
        QString title;
        bool yes = false;
        QString path;
        std::function<void()> during;
    };
    const Step *Take(Kind kind, const QString &text, const QString &title);

    QQueue<Step> m_steps;
    Step m_current;
    QStringList m_problems;
    QStringList m_shown;
};

// Fails the current test when the dialogs went against their script.
#define VERIFY_DIALOGS(dialogs)                                                                    \
    do {                                                                                           \
        const QStringList problems_ = (dialogs).Problems();                                        \
        QVERIFY2(problems_.isEmpty(), qPrintable(problems_.join(QLatin1Char('\n'))));              \
    } while (false)
