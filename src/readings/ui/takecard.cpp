// Pick A Card taking a card out of the deck, and showing again a card that is out.
#include "readings/ui/pickcardwindow.h"

#include "app/cardtable.h"
#include "app/programstate.h"
#include "cards/ui/cardwindow.h"
#include "deck/decksize.h"
#include "deck/draw.h"
#include "deck/ui/deckwindow.h"
#include "platform/files.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/picturelabel.h"
#include "readings/cardpictures.h"
#include "readings/pickcard.h"
#include "readings/readingtexts.h"
#include "readings/ui/celticcrosswindow.h"

#include <QPointer>

namespace {

// The querent lies where the first card of the spread will cover it.
constexpr float kQuerentHeight = 1850;
constexpr float kQuerentWidth = 1092;
// Where a card that is out is shown again.
constexpr float kOutCardTop = 2500;
constexpr float kOutCardLeft = 5000;

void FitPicture(CardWindow *window)
{
    window->picture()->setHeightTwips(window->innerHeightTwips());
    window->picture()->setWidthTwips(window->innerWidthTwips());
}

// Opens `window` (when it is not open) showing `picture` from its cache file, which is
// written first unless it is there. A picture that cannot be cached is shown all the same.
void ShowCachedPicture(CardWindow *window, const DealPicture &picture)
{
    const QString path = platform::DataPath(picture.cacheFile);
    platform::SaveResToFile(picture.resource, path);
    window->ensureLoaded();
    // Fitted first, so that the picture is decoded once, at the size it is shown.
    FitPicture(window);
    window->showPicture(path, picture.resource);
}

// Lays the querent on the Celtic Cross at the place of the spread's first card.
void PlaceQuerent(CardWindow *window)
{
    window->setHeightTwips(kQuerentHeight);
    window->setWidthTwips(kQuerentWidth);
    FitPicture(window);
    CelticCrossWindow *layout = CelticCrossWindow::instance();
    const double innerHeight = layout->innerHeightTwips();
    const double top = layout->topTwips();
    window->setTopTwips(static_cast<float>(innerHeight / 2 + top));
    const double innerWidth = layout->innerWidthTwips();
    const double left = layout->leftTwips();
    window->setLeftTwips(static_cast<float>(innerWidth / 3 + left));
}

} // namespace

void PickCardWindow::takeCard(const QString &key)
{
    const int position = PositionOfCard(program::state.deck, key);
    if (position >= 0) {
        const int n = CardNumberOfKey(key);
        CardWindow *window = DefaultCardWindow(n);
        if (program::state.reading == Reading::CelticAwaitingQuerent) {
            PlaceQuerent(window);
            platform::dialogs().message(kQuerentPickedText);
            hideWindow();
            program::state.reading = Reading::CelticCross;
        }
        program::state.pictureSuffix = FreeDealPicSuffix(program::state.reversed[n], program::state.gypsieDeck);
        ShowCachedPicture(window, TakeCardPicture(n, program::state.deckStyle, program::state.pictureSuffix));
        window->showWindow();
        program::state.cardsOut[n] = CardKey(n);
        removeFromDeck(position);
    }
    // One step smaller whether or not a card was taken; the visibility stays as it is.
    if (DeckWindow *deck = DeckWindow::instance()) {
        const DeckWindowSize size = SizeAfterCardTaken(deck->heightTwips(), deck->widthTwips());
        deck->setHeightTwips(size.height);
        deck->setWidthTwips(size.width);
    }
}

void PickCardWindow::removeFromDeck(int position)
{
    RemoveDeckEntry(program::state.deck, position);
    DeckWindow *deck = DeckWindow::instance();
    if (DeckIsEmpty(program::state.deck) && deck)
        deck->hideWindow();
}

void PickCardWindow::showOutCard(const QString &key)
{
    // The windows closed here keep their card out of the deck.
    program::state.cardReturn = CardReturn::StaysOut;
    const int n = CardNumberOfKey(key);
    if (n >= 0) {
        const QString title = CardTitle(n);
        for (const QPointer<platform::ChildWindow> window : platform::OpenWindows()) {
            if (window && window->caption() == title)
                window->unload();
        }
        program::state.pictureSuffix = FreeDealPicSuffix(program::state.reversed[n], program::state.gypsieDeck);
        CardWindow *window = DefaultCardWindow(n);
        ShowCachedPicture(window, OutCardPicture(n, program::state.deckStyle, program::state.pictureSuffix));
        window->setTopTwips(kOutCardTop);
        window->setLeftTwips(kOutCardLeft);
    }
    program::state.cardReturn = CardReturn::ToDeck;
}
