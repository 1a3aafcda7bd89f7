#include <iostream>

#include "shape.h"

int main()
{
    demo::Circle small(0, 0, 1.0);
    demo::Circle large(5, 5, 3.0);
    const demo::Shape* shapes[] = {&small, &large};

    large.MoveBy(-1, 2);
    std::cout << large.Describe() << "\n";
    std::cout << "shapes: " << demo::Shape::Count() << "\n";
    std::cout << "total area: " << demo::TotalArea(shapes, 2) << "\n";
    return 0;
}
