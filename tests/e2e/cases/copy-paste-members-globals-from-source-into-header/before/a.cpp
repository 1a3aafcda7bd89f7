#include "a.h"

int g_count = 0;

void Free(int a, int b)
{
	g_count = a + b;
}
