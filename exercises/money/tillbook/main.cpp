// The program's content is the Tillbook class; main leaves it untouched.
int main() { return 0; }
