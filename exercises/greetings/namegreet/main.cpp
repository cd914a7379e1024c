#include "namegreet.hpp"

int main() {
  converse();
  return 0;
}
