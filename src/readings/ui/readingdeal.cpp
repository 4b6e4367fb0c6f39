#include "readings/ui/readingdeal.h"

#include "app/cardtable.h"
#include "app/programstate.h"
#include "cards/ui/cardwindow.h"
#include "deck/decksize.h"
#include "deck/draw.h"
#include "platform/files.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/picturelabel.h"
#include "readings/cardpictures.h"
#include "readings/readingtexts.h"
#include "readings/slots.h"
#include "readings/ui/celticcrosswindow.h"
#include "readings/ui/fivecardwindow.h"
#include "readings/ui/layoutwindow.h"

namespace {

void SetSlot(const Slot &slot)
{
    program::state.slotHeight = static_cast<std::int16_t>(slot.height);
    program::state.slotWidth = static_cast<std::int16_t>(slot.width);
    program::state.slotTop = slot.top;
    program::state.slotLeft = slot.left;
}

// The next place of the reading under way: its card window's size and position (slotHeight,
// slotWidth, slotTop, slotLeft from the layout window as it stands now), its picture suffix,
// and its meaning shown to the user. The draw after the last place ends the reading.
void NextCelticPlace()
{
    const int place = ++program::state.celticDraws;
    if (place >= 1 && place <= kCelticPlaces) {
        if (place == kCrossingPlace)
            program::state.dealingCrossingCard = true;
        else if (place == kCrossingPlace + 1)
            program::state.dealingCrossingCard = false;
        SetSlot(CelticSlot(place, FrameOf(*CelticCrossWindow::instance())));
        if (place == 1)
            program::state.pictureSuffix = CelticPicSuffix(place);
        platform::dialogs().message(kCelticPlaceTexts[place - 1]);
        if (place > 1)
            program::state.pictureSuffix = CelticPicSuffix(place);
    } else if (place == kCelticPlaces + 1) {
        SetSlot(kClosingSlot);
        program::state.reading = Reading::NoReading;
        program::state.readingBegun = false;
        program::state.celticDraws = 0;
        platform::dialogs().message(kCelticPlaceTexts[kCelticPlaces]);
    }
}

void NextFiveCardPlace()
{
    FiveCardWindow *layout = FiveCardWindow::instance();
    const int place = ++program::state.fiveCardDraws;
    if (place >= 1 && place <= kFiveCardPlaces) {
        SetSlot(FiveCardSlot(place, FrameOf(*layout)));
        program::state.pictureSuffix = QString();
        platform::dialogs().message(kFiveCardPlaceTexts[place - 1]);
    } else if (place == kFiveCardPlaces + 1) {
        platform::dialogs().message(kFiveCardPlaceTexts[kFiveCardPlaces]);
        SetSlot(kClosingSlot);
        program::state.reading = Reading::NoReading;
        program::state.readingBegun = false;
        program::state.fiveCardDraws = 0;
    }
}

} // namespace

DealtCard DealReadingCard()
{
    DealtCard dealt;
    // Counted as begun at every click of a reading, also one that finds the deck empty.
    program::state.readingBegun = true;
    program::state.cardReturn = CardReturn::ToDeck;
    const int n = CardNumberOfKey(program::state.deck[0]);
    if (n < 0)
        return dealt; // nothing to deal: the place does not advance
    if (program::state.reading == Reading::FiveCard)
        NextFiveCardPlace();
    else
        NextCelticPlace();

    // The crossing card keeps the quarter turn its place asked for.
    if (!program::state.dealingCrossingCard)
        program::state.pictureSuffix = FreeDealPicSuffix(program::state.reversed[n], program::state.gypsieDeck);
    QString path;
    for (const DealPicture &picture : ReadingDealPictures(n, program::state.deckStyle, program::state.pictureSuffix)) {
        dealt.picture = picture.resource;
        path = platform::DataPath(picture.cacheFile);
        platform::SaveResToFile(dealt.picture, path);
    }
    DecodeCardPictureAhead(dealt.picture, static_cast<float>(program::state.slotWidth) - platform::kFrameWidth,
        static_cast<float>(program::state.slotHeight) - platform::kFrameHeight);

    // The first touch opens the window where card windows open; it then moves to its place.
    CardWindow *window = NewCardWindow(n);
    dealt.cardNumber = n;
    dealt.window = window;
    window->setHeightTwips(static_cast<float>(program::state.slotHeight));
    window->setWidthTwips(static_cast<float>(program::state.slotWidth));
    window->setTopTwips(static_cast<float>(program::state.slotTop));
    window->setLeftTwips(static_cast<float>(program::state.slotLeft));
    // Fitted before the picture is set, which is then decoded once, at the size it is shown.
    window->picture()->setHeightTwips(window->innerHeightTwips());
    window->picture()->setWidthTwips(window->innerWidthTwips());
    window->showPicture(path, dealt.picture);
    window->showWindow();
    program::state.cardsOut[n] = CardKey(n);
    ::ShiftDeck(program::state.deck);
    return dealt;
}
