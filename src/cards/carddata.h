// The data of one card for the card window: one row per card, numbers 0..77.
//
// Every card window follows one design; a row says what sets its card apart. A row starts
// as DefaultCardData(n) (the design with the card's key, title, object name and pictures)
// and a card group's file changes only the fields in which its cards differ. How a row
// expresses each kind of difference:
//
// - Two deck styles (The Emperor, Strength, Justice, The Star): pictureStem[kTraditional]
//   and cacheStem[kTraditional] are set; a card with one set of pictures leaves them empty
//   and uses index kThoth for every deck style. DeckStyle::Traditional selects Traditional, any other
//   value Thoth (StyleIndex()).
// - A picture file in view state 0 instead of the design picture: stateZeroFromFile; the
//   file is the cache stem alone and the picture the upright stem.
// - Cache names off the rule "cache stem + state ending" (The Emperor's shared upside-down
//   file, its Traditional "5" in state 1): cacheOverrides, by state and style.
// - A cache stem spelled differently from the other names ("hangeman", "Fourswords",
//   "hierophantCard"): simply cacheStem; file names are used exactly as spelled.
// - A state size off the design table: sizeOverrides, by state and by the route into the
//   state (Route::Any for every route; Enlarge, Shrink or Rotate for that move only). The
//   first matching entry wins, so list route-specific entries before Route::Any ones.
//   Example: The Fool's state 0 reached by Shrink is 3312 x 2064, by Rotate 3312 x 2054;
//   The Sun's states 1 and 3 are 2274 x 2512 by any route.
// - Design layout: clientWidth/clientHeight (the inner size at load) and pictureWidth/
//   pictureHeight (the picture control at load, which may overhang the client area).
// - The picture control's object name: pictureObjectName ("Image2" for Hanged Man).
// - The deck window's height when a card refills an empty deck: refillHeight.
// - Where the next card window opens after the card went back: returnPosition.
// - No menu list on a mouse press on the window's own surface (The Fool): listOnMouseDown.
// - The window's background and appearance: background, flatAppearance.
// - The picture shown at load when nothing else has been given: designPicture (a resource
//   name; empty means the upright picture of the Thoth / only style).
//
// The rows live in one file per card group; each group's file defines one function that
// edits the rows of its own cards only, indexed by card number:
//   DefineMajorCardsA  cards  0-10  cards_major_a.cpp
//   DefineMajorCardsB  cards 11-21  cards_major_b.cpp
//   DefineCourtCards   cards 22-37  cards_court.cpp (22-26 through DefineCourtCardsA, cards_court_a.cpp)
//   DefineWandsCards   cards 38-47  cards_wands.cpp (45-47 through DefineWandsCardsB, cards_wands_b.cpp)
//   DefineCupsCards    cards 48-57  cards_cups.cpp
//   DefineSwordsCards  cards 58-67  cards_swords.cpp
//   DefineDisksCards   cards 68-77  cards_disks.cpp
#pragma once

#include <QString>

#include <vector>

// Index into the per-style fields of a row.
constexpr int kThoth = 0;
constexpr int kTraditional = 1;

// How a window came into its view state.
enum class Route {
    Any, // in an override: every route
    Enlarge,
    Shrink,
    Rotate,
};

enum class CardBackground {
    ButtonFace, // the platform's default window colour
    Window, // the system's window-background colour
    Black,
};

struct SizeOverride
{
    int state; // 0..11
    Route route; // Route::Any: however the state is reached
    float height; // outer size in twips
    float width;
};

struct CacheOverride
{
    int state; // 0..11
    int style; // kThoth, kTraditional, or -1 for both
    QString file; // file name inside the data folder, exactly as spelled
};

struct CardData
{
    int number = 0;
    QString objectName; // Form1 .. Form78
    QString title; // the window caption; open windows of the card are found by it
    QString key; // the entry in deck and cardsOut, compared exactly
    QString pictureStem[2]; // resource name of the upright picture; + "5", "6", "7" turned
    QString cacheStem[2]; // first part of the card window's cache file names
    QString meaningTitle;
    QString meaningText;
    int returnPosition = 2; // nextCardLeft = nextCardTop = this after a return
    float refillHeight = 3409.0f; // deck window height when the card refills an empty deck

    float clientWidth = 2100.0f; // twips
    float clientHeight = 2850.0f;
    float pictureWidth = 2100.0f;
    float pictureHeight = 2856.0f;
    QString pictureObjectName = QStringLiteral("Image1");
    QString designPicture; // empty: pictureStem[kThoth]

    bool stateZeroFromFile = false;
    bool listOnMouseDown = true;
    CardBackground background = CardBackground::ButtonFace;
    bool flatAppearance = false;

    std::vector<SizeOverride> sizeOverrides;
    std::vector<CacheOverride> cacheOverrides;

    bool hasStyles() const { return !pictureStem[kTraditional].isEmpty(); }
};

// The design row of card `number`: key, title and object name from the card table; picture and
// cache stems from the card's usual names; design layout; no meaning text.
CardData DefaultCardData(int number);

// The finished row of card `number` (0..77). The table is built once, on first use.
const CardData &CardDataOf(int number);

// The group files. Each edits rows[n] for its own card numbers only.
void DefineMajorCardsA(CardData *rows);
void DefineMajorCardsB(CardData *rows);
void DefineCourtCards(CardData *rows);
void DefineCourtCardsA(CardData *rows);
void DefineWandsCards(CardData *rows);
void DefineWandsCardsB(CardData *rows);
void DefineCupsCards(CardData *rows);
void DefineSwordsCards(CardData *rows);
void DefineDisksCards(CardData *rows);
