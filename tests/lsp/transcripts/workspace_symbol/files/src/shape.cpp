double Shape::Area() const {
}
int Perimeter() {
}
