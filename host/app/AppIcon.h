#pragma once
// The application's icon, as the menu entry shows it.
#include <QIcon>

namespace host {

// The name of the menu entry (.desktop file) and of the icon in the theme.
extern const char kApplicationId[];

// The icon from share/icons/hicolor beside the program (installed, or the
// build tree's copy), every size there is; the icon theme's when none is
// found there. Null only when neither has it.
QIcon ApplicationIcon();

}  // namespace host
