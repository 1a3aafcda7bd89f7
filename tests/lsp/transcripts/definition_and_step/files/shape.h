class Shape {
  public:
    double Area() const;
    int Sides() const;
};
