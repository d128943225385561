// The preview's header, included from a library that must not use it.
#include "preview/frmPrint.h"
