// Prints the operation table for docs/operations.md.
#include <cstdio>

#include "OperationsDoc.h"

int main() {
  std::fputs(OperationsTable().c_str(), stdout);
  return 0;
}
