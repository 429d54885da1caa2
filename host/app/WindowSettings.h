#pragma once
// Where the window keeps what it remembers between runs (geometry, column
// widths, preferences): QSettings of organisation and application
// expert-control, in the user's configuration directory.
#include <QSettings>

namespace host {

inline QSettings HostSettings() { return QSettings("expert-control", "expert-control"); }

}  // namespace host
