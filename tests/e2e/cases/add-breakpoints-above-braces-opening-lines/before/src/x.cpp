{ int first;
#include "x.h"
void f()
{
    if (a) {
    }
}
    // a comment
{
int g() { return 1; }
struct S
{
    int a;
};
void h()
{
}
