// The program object's header, included from a window below it.
#include "app/Program.h"
