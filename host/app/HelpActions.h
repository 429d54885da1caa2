#pragma once
// Help: the About box (name, version, licence, Qt version) and the user
// documentation, the README installed with the program or, when run from
// the build, the one of the source tree.
#include <QString>

class QWidget;

namespace host {

QString AboutText();
// Empty when neither README exists.
QString UserDocumentationFile();
void ShowAbout(QWidget* parent);
void OpenUserDocumentation(QWidget* parent);

}  // namespace host
