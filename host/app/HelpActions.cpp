#include "host/app/HelpActions.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "host/app/HostText.h"

namespace host {

QString AboutText() {
  return HostText(Msg(7, 144), CatalogText(Msg(7, 1)), EXPERT_VERSION, EXPERT_LICENSE, qVersion());
}

QString UserDocumentationFile() {
  // Installed: <prefix>/bin/expert-host and <prefix>/share/doc/expert-control/.
  const QString installed = QCoreApplication::applicationDirPath() + "/../share/doc/expert-control/README.md";
  for (const QString& file : {installed, QStringLiteral(EXPERT_SOURCE_README)})
    if (QFileInfo(file).isFile()) return QFileInfo(file).canonicalFilePath();
  return {};
}

void ShowAbout(QWidget* parent) {
  QMessageBox::about(parent, HostText(Msg(7, 143), CatalogText(Msg(7, 1))), AboutText());
}

void OpenUserDocumentation(QWidget* parent) {
  const QString file = UserDocumentationFile();
  if (file.isEmpty() || !QDesktopServices::openUrl(QUrl::fromLocalFile(file)))
    QMessageBox::warning(parent, HostText(Msg(7, 1)),
                         HostText(Msg(7, 145), file.isEmpty() ? std::string("README.md") : file.toStdString()));
}

}  // namespace host
