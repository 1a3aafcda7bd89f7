#include "shape.h"

void f() {
    a = b;
}
