#include "display/qt/ArrowButton.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "framework/UserInput.h"

namespace qtdisplay {
namespace {
// The image takes this share of the button's shorter side.
constexpr qreal kImageShare = 0.6;
}  // namespace

ArrowButton::ArrowButton(ViewHost& host, QWidget* parent) : QPushButton(parent) {
  connect(this, &QAbstractButton::clicked, this, [this, &host] { host.Deliver(this, [](HWND w) { UserClick(w); }); });
}

void ArrowButton::Sync(const WindowState& state, WindowChange change) {
  if (change == WindowChange::Text) {
    m_text = QString::fromStdString(state.text);
    setText(m_bitmapId ? QString() : m_text);
    return;
  }
  if (change != WindowChange::Bitmap) return;
  // The display keeps its own copy: the resource is looked up while the
  // module's resources are current.
  const BitmapResource* bitmap = FindBitmap(state.bitmapId);
  m_bitmapId = bitmap ? state.bitmapId : 0;
  m_rows = bitmap ? bitmap->rows : std::vector<std::string>{};
  m_outline = bitmap ? bitmap->outline : std::vector<std::pair<float, float>>{};
  setText(m_bitmapId ? QString() : m_text);
  update();
}

QRectF ArrowButton::ImageRect() const {
  const qreal side = std::floor(std::min(width(), height()) * kImageShare);
  return QRectF((width() - side) / 2, (height() - side) / 2, side, side);
}

QPainterPath ArrowButton::ImagePath() const {
  QPainterPath path;
  const QRectF area = ImageRect();
  if (!m_outline.empty()) {
    QPolygonF polygon;
    for (const auto& [x, y] : m_outline) polygon << QPointF(area.left() + x * area.width(), area.top() + y * area.height());
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
  }
  const int rows = static_cast<int>(m_rows.size());
  const int columns = rows ? static_cast<int>(m_rows.front().size()) : 0;
  for (int y = 0; y < rows; ++y)
    for (int x = 0; x < columns && x < static_cast<int>(m_rows[y].size()); ++x)
      if (m_rows[y][x] == '#')
        path.addRect(QRectF(area.left() + x * area.width() / columns, area.top() + y * area.height() / rows,
                            area.width() / columns, area.height() / rows));
  return path.simplified();
}

void ArrowButton::paintEvent(QPaintEvent* event) {
  QPushButton::paintEvent(event);  // the button face; the button has no text
  const QPainterPath path = ImagePath();
  if (path.isEmpty()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  painter.drawPath(path);
}

}  // namespace qtdisplay
