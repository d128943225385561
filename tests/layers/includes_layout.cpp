// The layout routine's header, included from a library that must not use it.
#include "layout/modResize.h"
