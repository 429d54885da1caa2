#include "display/qt/SimpleControls.h"

#include <QApplication>
#include <QRegularExpressionValidator>
#include <algorithm>

#include "framework/UserInput.h"

namespace qtdisplay {
namespace {
QString TextOf(const WindowState& state) { return QString::fromStdString(state.text); }
}  // namespace

PushButton::PushButton(ViewHost& host, QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  connect(this, &QAbstractButton::clicked, this, [this, &host] { host.Deliver(this, [](HWND w) { UserClick(w); }); });
}

void PushButton::Sync(const WindowState& state, WindowChange change) {
  // A "-" step button shows a real minus sign, as wide as its "+".
  if (change == WindowChange::Text) setText(state.text == "-" ? QStringLiteral("\u2212") : TextOf(state));
  if (change == WindowChange::Style) setDefault((state.style & BS_DEFPUSHBUTTON) != 0);
}

// The button has already toggled itself when `clicked` comes: the framework
// takes the new state as the user's and sends the click.
CheckBox::CheckBox(ViewHost& host, QWidget* parent) : QCheckBox(parent) {
  connect(this, &QAbstractButton::clicked, this, [this, &host](bool checked) {
    host.Deliver(this, [checked](HWND w) { UserSetCheck(w, checked ? 1 : 0); });
  });
}

void CheckBox::Sync(const WindowState& state, WindowChange change) {
  if (change == WindowChange::Text) setText(TextOf(state));
  if (change == WindowChange::Check) setChecked(state.check != 0);
}

// The framework has no notification for typing: what the user types goes
// into the window's text, where the module reads it.
ValueBox::ValueBox(ViewHost& host, QWidget* parent) : QLineEdit(parent) {
  connect(this, &QLineEdit::textEdited, this, [this, &host](const QString& text) {
    const std::string typed = text.toStdString();
    host.Deliver(this, [typed](HWND w) { w->text = typed; });
  });
}

void ValueBox::Sync(const WindowState& state, WindowChange change) {
  if (change == WindowChange::Text) {
    if (text() != TextOf(state)) setText(TextOf(state));
    return;
  }
  if (change != WindowChange::Style) return;
  setReadOnly((state.style & ES_READONLY) != 0);
  // A box that shows a value but takes no typing looks like one: the
  // window's colour behind the text, as a read-only field of the desktop.
  QPalette colours = QApplication::palette(this);
  if (isReadOnly()) colours.setColor(QPalette::Base, colours.color(QPalette::Window));
  setPalette(colours);
  setAlignment(((state.style & ES_RIGHT) ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
  setFrame((state.style & WS_BORDER) != 0);
  if ((state.style & ES_NUMBER) && !validator())
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this));
}

ListBox::ListBox(ViewHost& host, QWidget* parent) : QComboBox(parent) {
  setEditable(false);
  // `activated` comes from the user only, also when the chosen item was
  // already selected, as the platform's selection-change notification does.
  connect(this, &QComboBox::activated, this, [this, &host](int index) {
    host.Deliver(this, [index](HWND w) { UserSelectListItem(w, index); });
  });
}

void ListBox::Sync(const WindowState& state, WindowChange change) {
  switch (change) {
    case WindowChange::Items:
      clear();
      for (const ListItem& item : state.items) addItem(QString::fromStdString(item.text));
      setCurrentIndex(state.curSel);
      break;
    case WindowChange::Selection:
      setCurrentIndex(state.curSel);
      break;
    case WindowChange::Geometry: {
      // The rest of the template height is the open list.
      const int rowHeight = std::max(1, fontMetrics().height());
      setMaxVisibleItems(std::max(1, (state.rect.Height() - sizeHint().height()) / rowHeight));
      break;
    }
    default:
      break;
  }
}

}  // namespace qtdisplay
