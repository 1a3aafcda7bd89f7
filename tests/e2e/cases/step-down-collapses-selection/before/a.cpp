void f()
{
    x();
}

void g()
{
    y();
}
