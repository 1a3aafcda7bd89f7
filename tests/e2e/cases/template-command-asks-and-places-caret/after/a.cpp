void f()
{
	for (int k = 0; k < 10; ++k)
{
	
}

}
