#include "tools/driver/CatalogTextRequest.h"

#include <cstdint>
#include <vector>

#include "catalog/Catalog.h"

namespace driver {
namespace {

CatalogInsert ToInsert(const nlohmann::json& value, std::size_t index) {
  if (value.is_string()) return CatalogInsert::Text(value.get_ref<const std::string&>());
  if (value.is_number_unsigned()) {
    // Keep values that fit a signed 64-bit integer signed, so that "%1!d!" of 5 reads 5.
    const auto number = value.get<std::uint64_t>();
    if (number <= static_cast<std::uint64_t>(INT64_MAX)) return CatalogInsert::Integer(static_cast<std::int64_t>(number));
    return CatalogInsert::Integer(number);
  }
  if (value.is_number_integer()) return CatalogInsert::Integer(value.get<std::int64_t>());
  throw CommandError("inserts[" + std::to_string(index) + "] must be a string or an integer, not " +
                     DescribeJsonType(value));
}

}  // namespace

std::string LookUpCatalogText(const CommandArgs& args) {
  const int category = args.Int("category");
  const int number = args.Int("number");
  // Text inserts refer into the command's own strings, which outlive the lookup.
  std::vector<CatalogInsert> inserts;
  if (const nlohmann::json* list = args.Find("inserts")) {
    if (!list->is_array()) throw CommandError("field \"inserts\" must be an array, not " + DescribeJsonType(*list));
    for (std::size_t i = 0; i < list->size(); ++i) inserts.push_back(ToInsert((*list)[i], i));
  }
  char text[kCatalogTextSize];
  GetCatalogTextInserts(category, number, text, inserts);
  return text;
}

}  // namespace driver
