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
    G.ReadingBegun = 1;
    G.CardReturnMode = 1;
    const int n = CardNumberOfKey(G.Deck[0]);
    if (n < 0)
        return; // nothing to deal: the place does not advance
    if (G.ReadingState == 1)
        deck.FiveCardRead();
    else
        deck.CelticRead();

    // The first touch opens the window where card windows open; it then moves to its place.
    CardWindow *window = NewCardWindow(n);
    deck.CardInstance[n + 1] = window;
    window->SetHeight(static_cast<float>(G.SlotHeight));
    window->SetWidth(static_cast<float>(G.SlotWidth));
    window->SetTop(static_cast<float>(G.SlotTop));
    window->SetLeft(static_cast<float>(G.SlotLeft));

    // The crossing card keeps the quarter turn its place asked for.
    if (deck.Crossing == 0)
        G.PicSuffix = FreeDealPicSuffix(G.Reversed[n], G.GypsieDeck);
    QString path;
    for (const DealPicture &picture : ReadingDealPictures(n, G.DeckStyle, G.PicSuffix)) {
        deck.ResName = picture.resource;
        path = platform::DataPath(picture.cacheFile);
        platform::SaveResToFile(deck.ResName, path);
    }
    window->ShowPicture(path, deck.ResName);
    window->PictureControl()->SetHeight(window->ScaleHeight());
    window->PictureControl()->SetWidth(window->ScaleWidth());
    window->Show();
    G.CardsOut[n] = CardKey(n);
    deck.ShiftDeck();
}
