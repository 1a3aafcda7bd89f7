#include "x.h"

