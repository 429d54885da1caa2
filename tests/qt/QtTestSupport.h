#pragma once
// Running dialogs under the Qt display from a test: a script runs inside the
// modal loop and acts on the real widgets with QTest; message boxes are
// answered as they come; a CExpertDlg can be opened on a simulated projector
// the way the driver opens one, with every projector call logged.
#include <gtest/gtest.h>

#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "display/qt/QtDisplay.h"
#include "frame/ExpertDlg.h"
#include "simulator/Projector.h"
#include "tools/driver/CallLog.h"

namespace qtdisplay::testing {

// Runs `dialog` modally; `script` runs once the modal loop is up and must
// end the dialog through its widgets (a test that does not is failed, and
// the dialog is cancelled).
INT_PTR RunModal(QtDisplay& display, CDialog& dialog, std::function<void()> script);

// The widget of a framework window, as the widget class the display made.
template <class Widget>
Widget* WidgetOf(const QtDisplay& display, const CWnd* window) {
  return window ? dynamic_cast<Widget*>(display.WidgetFor(window->GetSafeHwnd())) : nullptr;
}

// Clicks the left button at the middle of `widget`.
void Click(QWidget* widget);
// Drags a slider's thumb to the point that stands for `value` and lets go.
void DragSlider(QWidget* slider, int value);
// Opens a drop-down list and chooses item `index` the way a user does.
void ChooseItem(QWidget* list, int index);
// Clicks tab `index` of a tab control.
void ClickTab(QWidget* tabControl, int index);

struct SeenBox {
  QString text;
  QString caption;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  bool modal = false;
  QString okText;         // the OK button's text
  QPoint centre;          // of the box's frame
  QPoint ownerCentre;     // of its parent window's frame; (0, 0) without one
};

// While it lives, answers every message box with its OK button and keeps
// what each one showed.
class BoxAnswerer {
 public:
  BoxAnswerer();
  const std::vector<SeenBox>& Boxes() const { return m_boxes; }

 private:
  void Poll();
  QTimer m_timer;
  std::vector<SeenBox> m_boxes;
};

// A CExpertDlg on a model of the database, talking to an in-process
// simulated projector, with its calls logged as the driver logs them.
class SimulatedDialog {
 public:
  explicit SimulatedDialog(const std::string& model);
  CExpertDlg dialog;
  std::shared_ptr<sim::Projector> projector;
  driver::CallLog calls;
  // The logged calls as the driver's "events" lists them, since the last TakeCalls.
  nlohmann::ordered_json TakeCalls();
};

// A "dump" of the dialog without pixel rectangles, which depend on the
// display's font.
nlohmann::ordered_json WithoutRects(nlohmann::ordered_json dump);

}  // namespace qtdisplay::testing
