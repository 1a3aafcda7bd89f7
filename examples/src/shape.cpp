#include "shape.h"

#include <sstream>

namespace demo {

int Shape::s_count = 0;

Shape::Shape(const std::string& name, int x, int y)
    : m_name(name), m_x(x), m_y(y)
{
    ++s_count;
}

Shape::~Shape()
{
    --s_count;
}

std::string Shape::Describe() const
{
    std::ostringstream out;
    out << m_name << " at " << m_x << "," << m_y;
    return out.str();
}

void Shape::MoveBy(int dx, int dy)
{
    m_x += dx;
    m_y += dy;
}

int Shape::Count()
{
    return s_count;
}

Circle::Circle(int x, int y, double radius)
    : Shape("circle", x, y), m_radius(radius)
{
}

Circle::~Circle()
{
}

double Circle::Area() const
{
    return 3.14159265358979 * m_radius * m_radius;
}

std::string Circle::Describe() const
{
    std::ostringstream out;
    out << Shape::Describe() << " radius " << m_radius;
    return out.str();
}

double TotalArea(const Shape* const* shapes, int count)
{
    double total = 0;
    for (int i = 0; i < count; ++i)
        total += shapes[i]->Area();
    return total;
}

}  // namespace demo
