#include "x.h"

{
}
