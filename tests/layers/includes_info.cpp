// The about window's header, included from a library that must not use it.
#include "info/frmAbout.h"
