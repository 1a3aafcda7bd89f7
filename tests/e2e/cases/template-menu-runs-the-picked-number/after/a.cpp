void f()
{
	while (i < n)
	;
g();
}
