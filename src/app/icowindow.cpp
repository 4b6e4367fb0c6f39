#include "app/icowindow.h"

#include "app/state.h"

void Ico::ClsDeck()
{
    G.DeckClosed = 1;
}
