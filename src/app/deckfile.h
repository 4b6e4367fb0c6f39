// The deck file (*.dek): two lines ended by CR LF. Line 1 holds 79 quoted texts (the 78 card
// keys in deck order, then the style word "Thoth " or "Tradl "), line 2 holds 79 whole numbers
// (the 78 reversed flags by card number, then the "Gypsie Deck" flag).
#pragma once

#include "app/programstate.h"

#include <QByteArray>

class QIODevice;

// Shown when a deck file cannot be read, or its style word is neither "Thoth " nor "Tradl ".
inline const QString kBadDeckMessage = QStringLiteral("Something Wrong With the Deck");

struct DeckFileContents
{
    CardKeys keys;
    QString styleName;
    CardFlags reversed{};
    std::int16_t gypsie = 0;
};

// The file's exact bytes.
QByteArray DeckFileBytes(const DeckFileContents &contents);

// How much of a device the reader looks at: far more than any deck file needs.
constexpr qint64 kDeckFileReadLimit = 1024 * 1024;

// Reads a whole deck file. Returns false, leaving `out` untouched, when the device holds fewer
// than the 158 fields, a text field that is not quoted, or a number field that is not a whole
// number fitting 16 bits. Anything after the 158th field is ignored, and so is everything
// after the first kDeckFileReadLimit bytes; the fields must end within them, and their saved
// form (DeckFileBytes) must fit within them too, so that whatever is taken reads back the same
// once saved. Keys are not checked.
bool ReadDeckFile(QIODevice &device, DeckFileContents *out);
