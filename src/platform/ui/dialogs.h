// Message boxes and the Open/Save file dialog, behind one service so that tests can script
// every answer and check every text.
#pragma once

#include <QString>

namespace platform {

// The one filter the file dialog offers, written as description|pattern.
inline const QString kDeckFileFilter = QStringLiteral("BrivetTarot (*.dek)|*.dek");
// The extension the Save dialog gives a name typed without one.
inline const QString kDeckFileSuffix = QStringLiteral("dek");
// Title of every Yes/No question.
inline const QString kQuestionTitle = QStringLiteral("Enter Choice");

class Dialogs
{
public:
    virtual ~Dialogs() = default;
    // A message with an OK button. Messages have no title unless one is given.
    virtual void message(const QString &text, const QString &title = QString()) = 0;
    // A question with Yes and No buttons titled "Enter Choice"; true for Yes. Escape and the
    // box's close button answer No.
    virtual bool askYesNo(const QString &text) = 0;
    // The same question, but only Yes or No ends it: Escape and the close button do nothing.
    // For a question whose No the user did not mean would lose the deck.
    virtual bool askYesNoAnswerRequired(const QString &text) { return askYesNo(text); }
    // The Open / Save dialog with the given title and the deck-file filter. Returns the chosen
    // full path, or an empty string when cancelled. Save adds kDeckFileSuffix to a name typed
    // without an extension.
    virtual QString openFileName(const QString &title) = 0;
    virtual QString saveFileName(const QString &title) = 0;

    // The name the dialog holds from its last use; Save reuses it without showing the dialog.
    QString fileName() const { return m_fileName; }
    void setFileName(const QString &name) { m_fileName = name; }

private:
    QString m_fileName;
};

// The service in use: real message boxes unless a test installed another.
Dialogs &dialogs();
// Installs `d` (not owned); nullptr restores the real dialogs.
void SetDialogs(Dialogs *d);

} // namespace platform
