#pragma once
// The module's string table, generated from the English error and
// confirmation texts of the default catalog (category 2201): string id
// 22102 + message number, ids 22103 to 22270. The host can reach these
// texts through the framework's resource chain.
#include <string>
#include <string_view>
#include <vector>

#include "catalog/CatalogSource.h"

namespace expert::catalog {

constexpr int kStringTableCategory = 2201;
constexpr int kStringIdBase = 22102;
constexpr int kFirstStringId = 22103;
constexpr int kLastStringId = 22270;

// A C++ narrow string literal (quotes included) holding exactly `text`.
std::string CppStringLiteral(std::string_view text);

// The C++ source defining expert::resources::kStringTable and its size.
// `entryCount` receives the number of entries.
std::string WriteStringTable(const std::vector<SourceMessage>& messages, const std::string& sourceName,
                             std::size_t& entryCount);

}  // namespace expert::catalog
