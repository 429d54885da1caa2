#pragma once
// A push button showing a bitmap resource. The image is drawn from the
// bitmap's outline as a vector shape, so it stays crisp at any size and
// device-pixel ratio; a bitmap without an outline is drawn cell by cell.
#include <QPainterPath>
#include <QString>
#include <QPushButton>
#include <string>
#include <vector>

#include "display/qt/WindowView.h"
#include "framework/Resources.h"

namespace qtdisplay {

class ArrowButton : public QPushButton, public WindowView {
 public:
  ArrowButton(ViewHost& host, QWidget* parent);

  QWidget* Widget() override { return this; }
  void Sync(const WindowState& state, WindowChange change) override;
  int BitmapId() const { return m_bitmapId; }
  // Where the image goes: a square centred on the button.
  QRectF ImageRect() const;
  // The image's shape in widget coordinates (empty without a bitmap).
  QPainterPath ImagePath() const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int m_bitmapId = 0;
  QString m_text;  // shown while there is no bitmap
  std::vector<std::string> m_rows;
  std::vector<std::pair<float, float>> m_outline;
};

}  // namespace qtdisplay
