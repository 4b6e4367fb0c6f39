// The card pictures delivered with the program: one row per picture stem.
//
// Every card has an upright picture named by its stem; the stem followed by
// "5", "6" or "7" names the same picture turned a quarter clockwise, upside
// down, and three quarters clockwise. The Emperor, Strength, Justice and
// The Star have one stem for each deck style.
//
// This header is plain C++ so that both the picture generator and the tests
// read the names from here.
#pragma once

#include <cstddef>

namespace art {

enum class DeckStyle { Any, Thoth, Traditional };

struct CardPicture
{
    const char *stem; // resource name of the upright picture
    int cardNumber; // 0..77, the order of the card windows
    const char *title; // the card window's caption
    DeckStyle style; // which deck style shows this picture
};

// Major cards (0-21), then the court cards King, Queen, Prince, Princess of
// Wands, Swords, Cups, Disks (22-37), then Ace to Ten of Wands, Cups, Swords,
// Disks (38-77). The second picture of each style card follows the first.
inline constexpr CardPicture kCardPictures[] = {
    { "FoolCardbg", 0, "The Fool", DeckStyle::Any },
    { "MagusCardbg", 1, "The Magus", DeckStyle::Any },
    { "HPriestessCardbg", 2, "High Priestess", DeckStyle::Any },
    { "EmpressCardbg", 3, "The Empress", DeckStyle::Any },
    { "EmperorCardbg", 4, "The Emperor", DeckStyle::Thoth },
    { "TraditionalEmperorbg", 4, "The Emperor", DeckStyle::Traditional },
    { "HierophantCardbg", 5, "Hierophant", DeckStyle::Any },
    { "LoversCardbg", 6, "Lovers", DeckStyle::Any },
    { "ChariotCardbg", 7, "The Chariot", DeckStyle::Any },
    { "ThothStrengthCardbg", 8, "Strength", DeckStyle::Thoth },
    { "StrengthCardbg", 8, "Strength", DeckStyle::Traditional },
    { "HermitCardbg", 9, "The Hermit", DeckStyle::Any },
    { "FortuneCardbg", 10, "Fortune", DeckStyle::Any },
    { "ThothJusticeCardbg", 11, "Justice", DeckStyle::Thoth },
    { "JusticeCardbg", 11, "Justice", DeckStyle::Traditional },
    { "HangmanCardbg", 12, "Hanged Man", DeckStyle::Any },
    { "DeathCardbg", 13, "Death", DeckStyle::Any },
    { "TemperanceCardbg", 14, "Temperance", DeckStyle::Any },
    { "DevilCardbg", 15, "The Devil", DeckStyle::Any },
    { "TowerCardbg", 16, "Blasted Tower", DeckStyle::Any },
    { "StarCardbg", 17, "The Star", DeckStyle::Thoth },
    { "TraditionalStarCardbg", 17, "The Star", DeckStyle::Traditional },
    { "MoonCardbg", 18, "The Moon", DeckStyle::Any },
    { "SunCardbg", 19, "The Sun", DeckStyle::Any },
    { "JudgementCardbg", 20, "Last Judgement", DeckStyle::Any },
    { "UniverseCardbg", 21, "The Universe", DeckStyle::Any },

    { "KingWandsbg", 22, "Knight Wands", DeckStyle::Any },
    { "QueenWandsbg", 23, "Queen Wands", DeckStyle::Any },
    { "PrinceWandsbg", 24, "Prince Wands", DeckStyle::Any },
    { "PrincessWandsbg", 25, "Princess Wands", DeckStyle::Any },
    { "KingSwordsbg", 26, "Knight Swords", DeckStyle::Any },
    { "QueenSwordsbg", 27, "Queen Swords", DeckStyle::Any },
    { "PrinceSwordsbg", 28, "Prince Swords", DeckStyle::Any },
    { "PrincessSwordsbg", 29, "Princess Swords", DeckStyle::Any },
    { "KingCupsbg", 30, "King Cups", DeckStyle::Any },
    { "QueenCupsbg", 31, "Queen Cups", DeckStyle::Any },
    { "PrinceCupsbg", 32, "Prince Cups", DeckStyle::Any },
    { "PrincessCupsbg", 33, "Princess Cups", DeckStyle::Any },
    { "KingDisksbg", 34, "King Disks", DeckStyle::Any },
    { "QueenDisksbg", 35, "Queen Disks", DeckStyle::Any },
    { "PrinceDisksbg", 36, "Prince Disks", DeckStyle::Any },
    { "PrincessDisksbg", 37, "Princess Disks", DeckStyle::Any },

    { "AceWandsbg", 38, "Ace Wands", DeckStyle::Any },
    { "TwoWandsbg", 39, "Two Wands", DeckStyle::Any },
    { "ThreeWandsbg", 40, "Three Wands", DeckStyle::Any },
    { "FourWandsbg", 41, "Four Wands", DeckStyle::Any },
    { "FiveWandsbg", 42, "Five Wands", DeckStyle::Any },
    { "SixWandsbg", 43, "Six Wands", DeckStyle::Any },
    { "SevenWandsbg", 44, "Seven Wands", DeckStyle::Any },
    { "EightWandsbg", 45, "Eight Wands", DeckStyle::Any },
    { "NineWandsbg", 46, "Nine Wands", DeckStyle::Any },
    { "TenWandsbg", 47, "Ten Wands", DeckStyle::Any },
    { "AceCupsbg", 48, "Ace Cups", DeckStyle::Any },
    { "TwoCupsbg", 49, "Two Cups", DeckStyle::Any },
    { "ThreeCupsbg", 50, "Three Cups", DeckStyle::Any },
    { "FourCupsbg", 51, "Four Cups", DeckStyle::Any },
    { "FiveCupsbg", 52, "Five Cups", DeckStyle::Any },
    { "SixCupsbg", 53, "Six Cups", DeckStyle::Any },
    { "SevenCupsbg", 54, "Seven Cups", DeckStyle::Any },
    { "EightCupsbg", 55, "Eight Cups", DeckStyle::Any },
    { "NineCupsbg", 56, "Nine Cups", DeckStyle::Any },
    { "TenCupsbg", 57, "Ten Cups", DeckStyle::Any },
    { "AceSwordsbg", 58, "Ace Swords", DeckStyle::Any },
    { "TwoSwordsbg", 59, "Two Swords", DeckStyle::Any },
    { "ThreeSwordsbg", 60, "Three Swords", DeckStyle::Any },
    { "FourSwordsbg", 61, "Four Swords", DeckStyle::Any },
    { "FiveSwordsbg", 62, "Five Swords", DeckStyle::Any },
    { "SixSwordsbg", 63, "Six Swords", DeckStyle::Any },
    { "SevenSwordsbg", 64, "Seven Swords", DeckStyle::Any },
    { "EightSwordsbg", 65, "Eight Swords", DeckStyle::Any },
    { "NineSwordsbg", 66, "Nine Swords", DeckStyle::Any },
    { "TenSwordsbg", 67, "Ten Swords", DeckStyle::Any },
    { "AceDisksbg", 68, "Ace Disks", DeckStyle::Any },
    { "TwoDisksbg", 69, "Two Disks", DeckStyle::Any },
    { "ThreeDisksbg", 70, "Three Disks", DeckStyle::Any },
    { "FourDisksbg", 71, "Four Disks", DeckStyle::Any },
    { "FiveDisksbg", 72, "Five Disks", DeckStyle::Any },
    { "SixDisksbg", 73, "Six Disks", DeckStyle::Any },
    { "SevenDisksbg", 74, "Seven Disks", DeckStyle::Any },
    { "EightDisksbg", 75, "Eight Disks", DeckStyle::Any },
    { "NineDisksbg", 76, "Nine Disks", DeckStyle::Any },
    { "TenDisksbg", 77, "Ten Disks", DeckStyle::Any },
};

inline constexpr std::size_t kCardPictureCount = sizeof(kCardPictures) / sizeof(kCardPictures[0]);

// Endings of the four orientations, in the order upright, quarter turn
// clockwise (top of the card at the right), upside down, three-quarter turn
// (top of the card at the left).
inline constexpr const char *kOrientationEndings[] = { "", "5", "6", "7" };
inline constexpr int kOrientationAngles[] = { 0, 90, 180, 270 }; // clockwise, degrees

// Upright pictures are portrait; the turned ones swap width and height.
inline constexpr int kCardWidth = 400;
inline constexpr int kCardHeight = 544;

} // namespace art
