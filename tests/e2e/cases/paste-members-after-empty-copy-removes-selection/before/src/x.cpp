#include "x.h"

// stale
