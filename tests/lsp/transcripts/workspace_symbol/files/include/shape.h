class Shape {
};
namespace geo {
int AreaOf() {
}
}
