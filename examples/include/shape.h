// Shapes for the drawing demo.
#ifndef SHAPE_H
#define SHAPE_H

#include <string>

namespace demo {

class Shape {
public:
    Shape(const std::string& name, int x, int y);
    virtual ~Shape();

    virtual double Area() const = 0;
    virtual std::string Describe() const;

    const std::string& Name() const { return m_name; }
    void MoveBy(int dx, int dy);

    static int Count();

protected:
    std::string m_name;
    int m_x;
    int m_y;

private:
    static int s_count;
};

class Circle : public Shape {
public:
    Circle(int x, int y, double radius);
    ~Circle() override;

    double Area() const override;
    std::string Describe() const override;

private:
    double m_radius;
};

double TotalArea(const Shape* const* shapes, int count);

}  // namespace demo

#endif  // SHAPE_H
