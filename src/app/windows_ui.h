// References to the two windows every other window reaches: the main window and the deck window.
#pragma once

#include <QPointer>

class frmMain;
class frmTarotDeck;

extern QPointer<frmMain> MainForm;
extern QPointer<frmTarotDeck> DeckForm;

// Captions by which windows find the main window and the deck window.
inline const char *const kMainCaption = "Game of Kestov";
inline const char *const kDeckCaption = "Brivet Tarot ";
