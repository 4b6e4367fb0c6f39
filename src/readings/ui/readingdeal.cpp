#include "readings/ui/readingdeal.h"

#include "app/cardtable.h"
#include "app/programstate.h"
#include "cards/ui/cardwindow.h"
#include "deck/draw.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/ui/picturelabel.h"
#include "readings/cardpictures.h"

void DealReadingCard(DeckWindow &deck)
{
    // Counted as begun at every click of a reading, also one that finds the deck empty.
    program::state.readingBegun = true;
    program::state.cardReturn = CardReturn::ToDeck;
    const int n = CardNumberOfKey(program::state.deck[0]);
    if (n < 0)
        return; // nothing to deal: the place does not advance
    if (program::state.reading == Reading::FiveCard)
        deck.FiveCardRead();
    else
        deck.CelticRead();

    // The first touch opens the window where card windows open; it then moves to its place.
    CardWindow *window = NewCardWindow(n);
    deck.dealtWindows[n + 1] = window;
    window->setHeightTwips(static_cast<float>(program::state.slotHeight));
    window->setWidthTwips(static_cast<float>(program::state.slotWidth));
    window->setTopTwips(static_cast<float>(program::state.slotTop));
    window->setLeftTwips(static_cast<float>(program::state.slotLeft));

    // The crossing card keeps the quarter turn its place asked for.
    if (!program::state.dealingCrossingCard)
        program::state.pictureSuffix = FreeDealPicSuffix(program::state.reversed[n], program::state.gypsieDeck);
    QString path;
    for (const DealPicture &picture : ReadingDealPictures(n, program::state.deckStyle, program::state.pictureSuffix)) {
        deck.dealtPicture = picture.resource;
        path = platform::DataPath(picture.cacheFile);
        platform::SaveResToFile(deck.dealtPicture, path);
    }
    window->showPicture(path, deck.dealtPicture);
    window->picture()->setHeightTwips(window->innerHeightTwips());
    window->picture()->setWidthTwips(window->innerWidthTwips());
    window->showWindow();
    program::state.cardsOut[n] = CardKey(n);
    deck.removeTopCard();
}
