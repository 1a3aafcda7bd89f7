void f()
{
	g();
}
