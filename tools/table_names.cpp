// tarvelo-table-names: prints the name of every registered shared table, one a line, in the
// registry's order, so that scripts can dump every table.
#include <iostream>

#include "model/meeting.h"

int main() {
  model::Meeting meeting;
  for (const std::string& name : meeting.Registry().Names()) std::cout << name << '\n';
}
