#pragma once
// A static text. Words wrap at the control's width, as they do in a dialog's
// static control, and a tab character moves what follows it to the next tab
// stop (every eight average characters), so that "Brightness\t:" and
// "Contrast\t:" put their colons one above the other.
#include <QString>
#include <QWidget>

#include "display/qt/WindowView.h"

namespace qtdisplay {

class StaticText : public QWidget, public WindowView {
 public:
  explicit StaticText(QWidget* parent);

  QWidget* Widget() override { return this; }
  void Sync(const WindowState& state, WindowChange change) override;
  const QString& Text() const { return m_text; }
  // Where the text after a tab starts, in pixels from the left edge.
  qreal TabStop() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString m_text;
};

}  // namespace qtdisplay
