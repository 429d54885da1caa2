#pragma once
// Qt's own texts (the standard buttons OK, Cancel, Yes, No; the standard
// dialogs) in the language of the message catalog.
#include <QTranslator>
#include <memory>

namespace qtdisplay {

// When the catalog's language is Simplified Chinese, loads Qt's translation
// "qtbase_zh_CN" from Qt's translations directory and installs it in the
// application; it is removed again when the returned object goes. Null in
// English, without an application, or when Qt's translations are not
// installed (the standard texts then stay English).
std::unique_ptr<QTranslator> InstallQtTranslations();

}  // namespace qtdisplay
