#include "texts.h"

#include "resourcelist.h"

namespace art {

namespace {

// One paragraph for the About box; it names the program and its makers.
const char kAboutParagraph[] = "Game of Kestov is a tarot program for one person. Shuffle and cut the deck, draw "
                               "cards freely or lay out a Celtic Cross or a Five Card reading, and read what each card "
                               "means. The cards, their pictures and the program were made by the Kestov "
                               "developers. Enjoy your readings.";

// The component files stand for the parts that play animations and show the
// file dialogs; on this toolkit those parts are built in, so the files only
// say which part does the job.
const char kGifPlayerNote[] = "QProGIF\r\n"
                              "Game of Kestov plays its shuffle and cut animations with QMovie, the animated-GIF "
                              "player of the Qt GUI module. The program writes this file at start-up and never reads "
                              "it.\r\n";

const char kFileDialogNote[] = "Comdlg32\r\n"
                               "Game of Kestov opens and saves deck files with QFileDialog, the file dialog of the Qt "
                               "Widgets module. The program writes this file at start-up and never reads it.\r\n";

} // namespace

GeneratedFiles makeTexts()
{
    return {
        { QString::fromLatin1(kAboutText), QByteArray(kAboutParagraph) },
        { QString::fromLatin1(kComponentFiles[0]), QByteArray(kGifPlayerNote) },
        { QString::fromLatin1(kComponentFiles[1]), QByteArray(kFileDialogNote) },
    };
}

} // namespace art
