// The words of the help page. The generator draws them into the Help Contents
// picture and the window gives them to assistive technology, so both say the
// same. Plain C++, UTF-8.
#pragma once

#include <string>

namespace art::help {

inline constexpr const char *kTitle = "Game of Kestov";
inline constexpr const char *kSubtitle = "Help Contents";

enum class Kind {
    Heading, // a section's heading
    Paragraph, // plain text
    Item, // a command or choice (`term`) and what it does
};

struct Block
{
    Kind kind;
    const char *term; // the command of an Item, else empty
    const char *text;
};

// Between a command and what it does, on the page and when read out.
inline constexpr const char *kDash = " \xe2\x80\x93 ";

inline constexpr Block kBlocks[] = {
    { Kind::Heading, "", "Starting" },
    { Kind::Paragraph, "",
        "At start-up the program asks whether to open an existing deck. Answer Yes to choose a deck file; answer "
        "No to begin with a new deck, all 78 cards in their usual order. Decks are saved as .dek files, which keep "
        "the order of the cards, which of them lie upside down, the deck style and the Gypsie Deck setting." },
    { Kind::Heading, "", "Drawing a card" },
    { Kind::Paragraph, "",
        "Click the deck to draw its top card. The card opens in a window of its own. The deck grows thinner with "
        "every card taken and thicker with every card put back." },
    { Kind::Heading, "", "The card window" },
    { Kind::Paragraph, "", "Click a card's picture to open its menu:" },
    { Kind::Item, "Enlarge", "show the card at its large size." },
    { Kind::Item, "Shrink", "show the card at its small size." },
    { Kind::Item, "Rotate", "turn the card a quarter turn clockwise." },
    { Kind::Item, "Meaning", "read what the card means." },
    { Kind::Item, "Return To Deck", "put the card back at the bottom of the deck." },
    { Kind::Item, "Do Nothing", "close the menu." },
    { Kind::Heading, "", "File menu" },
    { Kind::Item, "Open...", "open a saved deck, or answer No to start a new one." },
    { Kind::Item, "Close", "put the deck away, offering first to save it." },
    { Kind::Item, "Save, Save As...", "save the deck in a .dek file." },
    { Kind::Item, "Properties",
        "choose the Thoth or the Traditional deck, and turn the Gypsie Deck on or off: while it is on, cards that "
        "lie reversed are shown upside down. Not while The Emperor, Strength, Justice or The Star is out of the "
        "deck." },
    { Kind::Item, "Exit", "end the program, offering to save the deck." },
    { Kind::Heading, "", "Readings menu" },
    { Kind::Item, "Celtic Cross Spread",
        "ten cards in the pattern of the Celtic Cross, after a querent card chosen in Pick A Card, or skipped." },
    { Kind::Item, "Five Card Spread", "five cards: how you work, feel and think, what you own and what you are." },
    { Kind::Paragraph, "",
        "In a reading each click on the deck deals the next card onto its place and tells what that place means." },
    { Kind::Heading, "", "Shuffle menu" },
    { Kind::Item, "Shuffle Cards", "shuffle the deck; one to three cards are turned over." },
    { Kind::Item, "Cut Cards", "cut the deck once or twice." },
    { Kind::Item, "Pick A Card", "take a card out of the deck by its position or by its name." },
    { Kind::Paragraph, "", "Shuffling and cutting are possible until the first card of a reading is dealt." },
    { Kind::Heading, "", "Edit and Help menus" },
    { Kind::Paragraph, "", "The Edit menu is not in use." },
    { Kind::Item, "Contents", "this page." },
    { Kind::Item, "About", "who made the program." },
};

// The whole page as plain text, one line per heading, paragraph or item.
inline std::string pageText()
{
    std::string text = std::string(kTitle) + "\n" + kSubtitle + "\n";
    for (const Block &b : kBlocks) {
        if (b.kind == Kind::Heading)
            text += "\n";
        if (b.kind == Kind::Item)
            text += std::string(b.term) + kDash;
        text += b.text;
        text += "\n";
    }
    text.pop_back();
    return text;
}

} // namespace art::help
