// The least a C++ program can be: what start-up and exit cost with nothing
// to do, built and linked like the suite's programs.
int main() { return 0; }
