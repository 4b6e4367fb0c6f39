// Captions by which windows find the main window and the deck window.
#pragma once

inline const char *const kMainCaption = "Game of Kestov";
inline const char *const kDeckCaption = "Brivet Tarot ";
