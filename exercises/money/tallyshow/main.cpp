#include "exitstatus.hpp"
#include "tallyshow.hpp"

int main() {
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
