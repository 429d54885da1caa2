#include "pages/common/StatusTexts.h"

#include <iterator>

#include "catalog/Catalog.h"

namespace expert::pages {

std::string ErrorStatusText(std::uint16_t value) {
  static const CatMsg kByValue[] = {Msg(5, 332), Msg(5, 310), Msg(5, 311), Msg(5, 312), Msg(5, 313),
                                    Msg(5, 314), Msg(5, 315), Msg(5, 316), Msg(5, 317)};
  if (value < std::size(kByValue)) return CatalogText(kByValue[value]);
  if (value == 12) return CatalogText(Msg(5, 413));
  return CatalogText(Msg(5, 318));  // 9 to 11 and 13 or more
}

}  // namespace expert::pages
