#include "app/programstate.h"

SharedState G;
