#include "x.h"

{
}
