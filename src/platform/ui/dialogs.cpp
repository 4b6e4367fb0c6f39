#include "platform/ui/dialogs.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMessageBox>

namespace platform {

namespace {

QString QtFilter()
{
    // "Description (*.ext)|*.ext" -> the description, which already names the pattern.
    return kDeckFileFilter.section(QLatin1Char('|'), 0, 0);
}

QWidget *DialogParent()
{
    return QApplication::activeWindow();
}

// A message box that only its buttons end: Escape and the window's close button (or the
// window manager's close key) leave it open. A Yes/No box would otherwise take them as No.
class AnswerRequiredBox final : public QMessageBox
{
public:
    using QMessageBox::QMessageBox;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Cancel)) {
            event->accept();
            return;
        }
        QMessageBox::keyPressEvent(event);
    }
    void closeEvent(QCloseEvent *event) override { event->ignore(); }
};

// Asks `text` in `box` with Yes and No buttons, Yes the default; true for Yes.
bool AskInBox(QMessageBox &box, const QString &text)
{
    box.setIcon(QMessageBox::Question);
    box.setWindowTitle(kQuestionTitle);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

class QtDialogs final : public Dialogs
{
public:
    void message(const QString &text, const QString &title) override
    {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, DialogParent());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    bool askYesNo(const QString &text) override
    {
        QMessageBox box(DialogParent());
        return AskInBox(box, text);
    }

    bool askYesNoAnswerRequired(const QString &text) override
    {
        AnswerRequiredBox box(DialogParent());
        // No close button to offer what the box would not do: the window manager is told the
        // window has a title and cannot be closed.
        box.setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint
            | Qt::WindowSystemMenuHint);
        return AskInBox(box, text);
    }

    QString openFileName(const QString &title) override
    {
        return Remember(QFileDialog::getOpenFileName(DialogParent(), title, fileName(), QtFilter()));
    }

    QString saveFileName(const QString &title) override
    {
        QFileDialog dialog(DialogParent(), title, fileName(), QtFilter());
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        // A name typed without an extension gets the deck files' one, so that Open lists it; the
        // dialog asks before replacing a file under that full name.
        dialog.setDefaultSuffix(kDeckFileSuffix);
        if (dialog.exec() != QDialog::Accepted)
            return QString();
        return Remember(dialog.selectedFiles().value(0));
    }

private:
    QString Remember(const QString &chosen)
    {
        if (!chosen.isEmpty())
            setFileName(chosen);
        return chosen;
    }
};

QtDialogs g_qtDialogs;
Dialogs *g_dialogs = &g_qtDialogs;

} // namespace

Dialogs &dialogs()
{
    return *g_dialogs;
}

void SetDialogs(Dialogs *d)
{
    g_dialogs = d ? d : &g_qtDialogs;
}

} // namespace platform
