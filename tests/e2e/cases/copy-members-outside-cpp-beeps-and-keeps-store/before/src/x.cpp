#include "x.h"

