#include "platform/dialogs_ui.h"

#include <QApplication>
#include <QFileDialog>
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

class QtDialogs final : public Dialogs
{
public:
    void MsgBox(const QString &text, const QString &title) override
    {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, DialogParent());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    bool AskYesNo(const QString &text) override
    {
        QMessageBox box(QMessageBox::Question, kQuestionTitle, text,
                        QMessageBox::Yes | QMessageBox::No, DialogParent());
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
    }

    QString OpenFileName(const QString &title) override
    {
        return Remember(QFileDialog::getOpenFileName(DialogParent(), title, FileName(), QtFilter()));
    }

    QString SaveFileName(const QString &title) override
    {
        return Remember(QFileDialog::getSaveFileName(DialogParent(), title, FileName(), QtFilter()));
    }

private:
    QString Remember(const QString &chosen)
    {
        if (!chosen.isEmpty())
            SetFileName(chosen);
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
