#include "models/ModelDescription.h"

#include "models/Address.h"

namespace models {

std::string Connection::AddressText() const { return FormatDottedAddress(address); }

std::string ModelDescription::Key() const {
  return std::to_string(type) + "/" + std::to_string(model);
}

}  // namespace models
