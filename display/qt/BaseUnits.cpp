#include "display/qt/BaseUnits.h"

#include <QFontMetrics>

namespace qtdisplay {
namespace {
constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kTabStopChars = 8;

int AverageWidth(const QFont& font) {
  const int width = QFontMetrics(font).horizontalAdvance(QString::fromLatin1(kAlphabet));
  return (width / 26 + 1) / 2;  // width / 52, rounded to the nearest
}
}  // namespace

DialogBaseUnits BaseUnitsOf(const QFont& font) { return DialogBaseUnits{AverageWidth(font), QFontMetrics(font).height()}; }

int TabStopOf(const QFont& font) { return kTabStopChars * AverageWidth(font); }

}  // namespace qtdisplay
