#include "a.h"

int setup()
{
    return 0;
}

int reset()
{
    return 1;
}

int other()
{
    return 2;
}
