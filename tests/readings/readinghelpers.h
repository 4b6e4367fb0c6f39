// Small helpers the reading tests share: arranging the deck, dealing, finding card windows.
#pragma once

#include "app/cardtable.h"
#include "app/programstate.h"
#include "cards/ui/cardwindow.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/ui/childwindow.h"
#include "platform/ui/dialogs.h"
#include "support/fixture.h"

#include <QFile>
#include <QStringList>
#include <QTest>

#include <algorithm>

namespace readingtest {

// Moves card `n` to the top of the deck, the other cards keeping their order.
inline void PutOnTop(int n)
{
    const auto it = std::find(program::state.deck.begin(), program::state.deck.end(), CardKey(n));
    if (it != program::state.deck.end())
        std::rotate(program::state.deck.begin(), it, it + 1);
}

// Puts the cards `cards` on top of the deck in this order.
inline void Stack(const QList<int> &cards)
{
    for (auto it = cards.crbegin(); it != cards.crend(); ++it)
        PutOnTop(*it);
}

// A click on the deck picture.
inline void Draw()
{
    DeckWindow::instance()->drawTopCard();
    FlushDeletes();
}

inline QList<CardWindow *> WindowsOf(int n)
{
    QList<CardWindow *> windows;
    for (platform::ChildWindow *window : platform::OpenWindows()) {
        if (window->caption() == CardTitle(n))
            windows << qobject_cast<CardWindow *>(window);
    }
    return windows;
}

inline CardWindow *WindowOf(int n)
{
    const QList<CardWindow *> windows = WindowsOf(n);
    return windows.isEmpty() ? nullptr : windows.last();
}

inline bool CacheFileExists(const QString &name)
{
    return QFile::exists(platform::DataPath(name));
}

// The captions of the open windows, in their order.
inline QStringList OpenCaptions()
{
    QStringList captions;
    for (platform::ChildWindow *window : platform::OpenWindows())
        captions << window->caption();
    return captions;
}

// Answers every message box and records its text: for tests about state, not about texts.
class AcceptingDialogs : public platform::Dialogs
{
public:
    void message(const QString &text, const QString &) override { shown << text; }
    bool askYesNo(const QString &text) override
    {
        shown << text;
        return false;
    }
    QString openFileName(const QString &) override { return QString(); }
    QString saveFileName(const QString &) override { return QString(); }

    QStringList shown;
};

} // namespace readingtest
