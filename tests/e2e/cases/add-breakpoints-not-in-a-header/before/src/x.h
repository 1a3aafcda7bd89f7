void f()
{
}
int g() { return 1; }
