// The windows' shared helpers, included from a library below them.
#include "app/modSetColor.h"
