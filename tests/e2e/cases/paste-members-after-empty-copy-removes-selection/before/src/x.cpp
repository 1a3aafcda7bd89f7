#include "x.h"

// stale
