#include "app/state.h"

SharedState G;
