// A window's header, included from a library below the windows.
#include "app/frmColors.h"
