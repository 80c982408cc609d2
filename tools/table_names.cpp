// tarvelo-table-names: prints the name of every registered shared table, one a line, in the
// registry's order, so that scripts can dump every table. The tables are those the program
// registers at start-up, the ones the script driver finds by name.
#include <iostream>

#include "program/program.h"

int main() {
  program::Program program;
  for (const std::string& name : program.meeting.Registry().Names()) std::cout << name << '\n';
}
