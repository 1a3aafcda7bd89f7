void f()
{
    x();
}

void g()
{
    y();
}
void h()
{
}
