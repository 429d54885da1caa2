#include "display/qt/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>

#include "catalog/Catalog.h"

namespace qtdisplay {

std::unique_ptr<QTranslator> InstallQtTranslations() {
  if (!QCoreApplication::instance() || CatalogLanguage() != kLangChinesePRC) return nullptr;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
      !QCoreApplication::installTranslator(translator.get()))
    return nullptr;
  return translator;
}

}  // namespace qtdisplay
