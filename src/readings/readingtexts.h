// Every text the readings and the Pick A Card window show, character for character: the
// double blanks and the spellings are the program's own.
#pragma once

#include <QString>

// Window captions.
inline const QString kCelticCaption = QStringLiteral("Celtic Cross Spread");
inline const QString kFiveCardCaption = QStringLiteral("Five Card Personal Reading");
inline const QString kPickCardCaption = QStringLiteral("Pick A Card");

// The Celtic Cross.
inline const QString kAskForQuerentText = QStringLiteral(
    "This reading usually begins with choosing a querant.  Pick a Querant to represent the person asking the "
    "question or exit the Pick Card form to scip the querant part of this reading");
// The meaning of each place, 1 to 10, and the closing draw (11).
inline const QString kCelticPlaceTexts[11] = {
    QStringLiteral("This card covers him.  Shows the influence affecting the matter."),
    QStringLiteral("This card crosses him.  Shows the nature of obsticles in the matter."),
    QStringLiteral("This card crowns him.  Shows aims and ideals in the matter, as well as the best that can "
                   "possibly be achieved in the matter."),
    QStringLiteral("This card is beneath him.  Shows the foundation and basis of the matter.  What has already "
                   "happened and what is owned."),
    QStringLiteral("This card is behind him.  Shows the influence that is passing away in the matter."),
    QStringLiteral("This card is before him.  Shows the influence coming into action in the matter.  This will "
                   "operate in the near future."),
    QStringLiteral("This card is himself.  Shows position and attitude of the person himself or what is enquired "
                   "about in the matter."),
    QStringLiteral("This card represents his house.  Shows the environment in the matter, or tendencies at work "
                   "such as friends or possition in life."),
    QStringLiteral("This card is hopes and fears in the matter.  What may be expected before the end of the matter."),
    QStringLiteral("This card is the final reasult of the matter."),
    QStringLiteral("The reading is now over.  No more cards to draw."),
};

// The Five Card reading.
inline const QString kFiveCardIntroText
    = QStringLiteral(" You can shuffle and cut the deck.  The reading begins when you draw the cards");
// The meaning of each place, 1 to 5, and the closing draw (6).
inline const QString kFiveCardPlaceTexts[6] = {
    QStringLiteral("This card shows how you work."),
    QStringLiteral("This card shows how you feel."),
    QStringLiteral("This card shows what you think."),
    QStringLiteral("This card shows what you own."),
    QStringLiteral("This card shows what you are."),
    QStringLiteral("There are no more cards to draw in this reading"),
};

// Pick A Card.
inline const QString kPickRefusedText = QStringLiteral("You can't Pick a card during this card reading");
inline const QString kQuerentChosenText = QStringLiteral("Quarant has been chosen");
inline const QString kQuerentSkippedText
    = QStringLiteral("You have chosen to not use a quarant.  Now the deck is shuffled.");
inline const QString kQuerentPickedText
    = QStringLiteral("This Quarant represents the person asking the question.  Now the deck is to be shuffled");
inline const QString kPickListLabel = QStringLiteral("Select From List of Cards");
inline const QString kPickPositionLabel = QStringLiteral("Random Pick");
inline const QString kPickExitCaption = QStringLiteral("Exit Form");
inline const QString kLayoutExitCaption = QStringLiteral("EXIT");
