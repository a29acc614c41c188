// An empty program: the build links one layer of the game into it, whole, to prove the layer
// needs nothing from the layers above it.
int main() { return 0; }
