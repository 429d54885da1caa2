#include "host/app/AppIcon.h"

#include <QImageReader>
#include <QString>

#include <filesystem>
#include <string>
#include <system_error>

#include "datadir/DataDirectory.h"

namespace host {

const char kApplicationId[] = EXPERT_APP_ID;

QIcon ApplicationIcon() {
  namespace fs = std::filesystem;
  const fs::path hicolor = datadir::SharedDataRoot() / "icons" / "hicolor";
  const std::string file = std::string(kApplicationId);
  QIcon icon;
  std::error_code error;
  for (const char* size : {"16x16", "32x32", "48x48", "64x64", "128x128", "256x256"}) {
    const fs::path png = hicolor / size / "apps" / (file + ".png");
    if (fs::is_regular_file(png, error)) icon.addFile(QString::fromStdString(png.string()));
  }
  // Qt reads SVG only with its SVG image plugin installed.
  const fs::path svg = hicolor / "scalable" / "apps" / (file + ".svg");
  if (QImageReader::supportedImageFormats().contains("svg") && fs::is_regular_file(svg, error))
    icon.addFile(QString::fromStdString(svg.string()));
  if (icon.isNull()) icon = QIcon::fromTheme(QString::fromLatin1(kApplicationId));
  return icon;
}

}  // namespace host
