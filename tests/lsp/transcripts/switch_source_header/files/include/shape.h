class Shape {
  public:
    double Area() const;
};
