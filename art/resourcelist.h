// The resources other than card pictures that the program carries: window
// pictures, the three animations, the component files and the About text.
// Plain C++ so that the generator, the windows and the tests share the names.
#pragma once

#include <cstddef>

namespace art {

struct PictureResource
{
    const char *name; // resource name, looked up without regard to letter case
    int width; // pixels
    int height;
};

// Pictures of the windows. The windows stretch them to their controls.
inline constexpr PictureResource kMainBackground { "MainBackground.jpg", 2068, 1416 };
inline constexpr PictureResource kDeckPicture { "DeckPicture.jpg", 250, 299 };
inline constexpr PictureResource kProgramIcon { "ProgramIcon.png", 75, 75 };
inline constexpr PictureResource kIcoPicture { "IcoPicture.jpg", 182, 175 };
inline constexpr PictureResource kPropertiesPicture { "Properties.jpg", 233, 194 };
inline constexpr PictureResource kCutCardsPicture { "CutCards.jpg", 233, 134 };
inline constexpr PictureResource kPickCardPicture { "PickACard.jpg", 433, 134 };
inline constexpr PictureResource kCelticCrossLayout { "CelticCross.jpg", 460, 573 };
inline constexpr PictureResource kFiveCardLayout { "FiveCard.jpg", 700, 489 };
inline constexpr PictureResource kHelpPage { "HelpContents.jpg", 2068, 2316 };
inline constexpr PictureResource kHandCursor { "HandCursor.png", 32, 32 };
// Where the hand cursor points (the tip of the index finger), in its pixels.
inline constexpr int kHandCursorHotX = 12;
inline constexpr int kHandCursorHotY = 2;

inline constexpr PictureResource kWindowPictures[] = {
    kMainBackground,
    kDeckPicture,
    kProgramIcon,
    kIcoPicture,
    kPropertiesPicture,
    kCutCardsPicture,
    kPickCardPicture,
    kCelticCrossLayout,
    kFiveCardLayout,
    kHelpPage,
    kHandCursor,
};

struct AnimationResource
{
    const char *name;
    int width;
    int height;
    int durationMs; // the time its window stays open; the animation ends on a still frame by then
};

inline constexpr AnimationResource kShuffleAnimation { "ShuffOPT.gif", 556, 397, 4500 };
inline constexpr AnimationResource kCutOnceAnimation { "CutCardsOPT.gif", 580, 419, 4000 };
inline constexpr AnimationResource kCutTwiceAnimation { "CtTwiceOPT.gif", 550, 419, 4000 };

inline constexpr AnimationResource kAnimations[] = { kShuffleAnimation, kCutOnceAnimation, kCutTwiceAnimation };

// Written into the current folder at start-up. Each is a short text naming
// the part of the toolkit that does the job the name stands for.
inline constexpr const char *kComponentFiles[] = { "QProGIF.ocx", "Comdlg32.ocx" };

// The About box's paragraph, UTF-8 text without a line end.
inline constexpr const char *kAboutText = "About.txt";

} // namespace art
