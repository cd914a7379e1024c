#include "exitstatus.hpp"

// The program's content is the Tillbook class; main leaves it untouched.
int main() { return exitStatus(SUITE_PROGRAM); }
