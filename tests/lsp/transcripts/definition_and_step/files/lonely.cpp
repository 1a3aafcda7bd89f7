int lonely() {
}
