#include "platform/ui/dialogs.h"

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
    void message(const QString &text, const QString &title) override
    {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, DialogParent());
        box.setTextFormat(Qt::PlainText);
        box.exec();
    }

    bool askYesNo(const QString &text) override
    {
        QMessageBox box(
            QMessageBox::Question, kQuestionTitle, text, QMessageBox::Yes | QMessageBox::No, DialogParent());
        box.setTextFormat(Qt::PlainText);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes;
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
