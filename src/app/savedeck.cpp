#include "app/savedeck.h"

#include "app/deckfile.h"
#include "app/deckstyle.h"
#include "platform/files.h"

#include <QDir>

#include <algorithm>

namespace {

// Puts `key` into the first slot that still holds kNoCard; drops it when there is none.
void PutInFirstFreeSlot(CardKeys &fileSlots, const QString &key)
{
    for (QString &slot : fileSlots) {
        if (slot == kNoCard) {
            slot = key;
            return;
        }
    }
}

} // namespace

CardKeys SlotsForSave(const CardKeys &deck, const CardKeys &cardsOut)
{
    CardKeys fileSlots;
    fileSlots.fill(kNoCard);
    for (const QString &key : deck) {
        if (key != kNoCard)
            PutInFirstFreeSlot(fileSlots, key);
    }
    for (const QString &key : cardsOut) {
        if (key != kNoCard)
            PutInFirstFreeSlot(fileSlots, key);
    }
    return fileSlots;
}

bool HoldsNoCard(const CardKeys &keys)
{
    return std::all_of(keys.begin(), keys.end(), [](const QString &key) { return key.isEmpty() || key == kNoCard; });
}

bool WriteDeckFile(ProgramState &state, QString *error)
{
    if (HoldsNoCard(state.fileSlots)) {
        if (error)
            *error = QStringLiteral("There is no card in the deck to save.");
        return false;
    }
    if (state.deckStyleName.isEmpty())
        state.deckStyleName = kThothStyleName;
    DeckFileContents contents;
    contents.keys = state.fileSlots;
    contents.styleName = state.deckStyleName;
    contents.reversed = state.reversed;
    contents.gypsie = state.gypsieDeck;
    // A link the user chose is written through: the file it leads to is replaced, the link
    // stays. A link to no ordinary file is passed on as it is, and the writer refuses it.
    const QString target = platform::FileBehindLink(state.deckFileName);
    if (!platform::WriteFileWhole(target.isEmpty() ? state.deckFileName : target, DeckFileBytes(contents), error))
        return false;
    state.deckState = DeckState::NothingToSave;
    return true;
}

QString SaveFailedMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("The deck could not be saved to the file\n%1\n\n%2\n\nNothing was written; a file that was "
                          "already there is unchanged.")
        .arg(QDir::toNativeSeparators(path), reason);
}
