#pragma once
// Finds the catalog messages a C++ source refers to: Msg(C, N) and
// GetCatalogText(C, N, ...) with integer literals, and coded labels
// ("73;Brightness", message 4/73) among its string literals. Comments and
// the insides of literals never count as code.
#include <string_view>
#include <vector>

namespace expert::catalog {

struct SourceReference {
  int category = 0;
  int number = 0;
  int line = 0;
};

struct CppSourceScan {
  std::vector<SourceReference> messages;  // Msg / GetCatalogText
  std::vector<SourceReference> labels;    // coded labels, category 4
};

CppSourceScan ScanCppSource(std::string_view source);

}  // namespace expert::catalog
