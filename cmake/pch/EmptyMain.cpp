// An executable for the precompiled headers of the test suites to belong to.
int main() { return 0; }
