// Driving card windows in tests as a user does.
#pragma once

#include <QByteArray>
#include <QString>

class CardWindow;

// The most recently opened window of card `n`, or nullptr.
CardWindow *WindowOf(int n);

// Opens the window's menu list with a click on the picture, moves the pointer over the list to
// `item` and clicks it. Records a test failure when the window or its list is missing.
void Choose(CardWindow *window, int item);

// The bytes of a file, empty when it cannot be read.
QByteArray FileBytes(const QString &path);
