#pragma once

extern int	g_count;
void	Free(int a,int b);
