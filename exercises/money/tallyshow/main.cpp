#include "exitstatus.hpp"
#include "tallyshow.hpp"

int main(int argc, char* argv[]) {
  startProgram(argc, argv, SUITE_PROGRAM, SUITE_SUMMARY, SUITE_SECTION, SUITE_VERSION);
  double total = clearTotal();
  int count = clearNumItems();

  total = addItemToTotal(total, 1.95);
  count += 1;
  display(total, count);

  total = addItemToTotal(total, 0.95);
  count += 1;
  display(total, count);

  total = addItemToTotal(total, 2.5);
  count += 1;
  display(total, count);

  total = clearTotal();
  count = clearNumItems();
  display(total, count);
  return exitStatus(SUITE_PROGRAM);
}
