#pragma once
// The host's own texts, from the module's message catalog, as Qt strings.
#include <QString>

#include "catalog/Catalog.h"

namespace host {

template <class... Inserts>
QString HostText(CatMsg message, const Inserts&... inserts) {
  return QString::fromStdString(CatalogText(message, inserts...));
}

}  // namespace host
