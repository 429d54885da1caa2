#pragma once
// Dialog base units of a real font: the average width of the letters A-Z
// and a-z, and the font's height, in logical pixels.
#include <QFont>

#include "framework/Template.h"

namespace qtdisplay {

DialogBaseUnits BaseUnitsOf(const QFont& font);

// Where a tab character in a static text leads: every eight average characters.
int TabStopOf(const QFont& font);

}  // namespace qtdisplay
