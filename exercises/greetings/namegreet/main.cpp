#include "exitstatus.hpp"
#include "namegreet.hpp"

int main() {
  converse();
  return exitStatus(SUITE_PROGRAM);
}
