#include "display/qt/StaticText.h"

#include <QPainter>
#include <QTextOption>

#include "display/qt/BaseUnits.h"

namespace qtdisplay {

StaticText::StaticText(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

void StaticText::Sync(const WindowState& state, WindowChange change) {
  if (change != WindowChange::Text) return;
  m_text = QString::fromStdString(state.text);
  update();
}

qreal StaticText::TabStop() const { return TabStopOf(font()); }

void StaticText::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
  QTextOption option(Qt::AlignLeft | Qt::AlignTop);
  option.setWrapMode(QTextOption::WordWrap);
  option.setTabStopDistance(TabStop());
  painter.drawText(QRectF(rect()), m_text, option);
}

}  // namespace qtdisplay
