// Ico: the holder of the program's icon. It is never loaded or shown.
#pragma once

class Ico
{
public:
    // Records that the deck was closed.
    static void ClsDeck();
};
