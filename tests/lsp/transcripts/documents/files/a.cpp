int onDisk() {
}
