#include "framework/Display.h"

#include "framework/Dialog.h"
#include "framework/HeadlessDisplay.h"

namespace {
DisplayBackend* g_display = nullptr;
}

DisplayBackend& CurrentDisplay() { return g_display ? *g_display : TheHeadlessDisplay(); }

DisplayBackend* SetDisplay(DisplayBackend* display) {
  DisplayBackend* previous = &CurrentDisplay();
  g_display = display;
  return previous;
}

HeadlessDisplay& TheHeadlessDisplay() {
  static HeadlessDisplay* display = new HeadlessDisplay;  // lives until exit: modules may use it while unloading
  return *display;
}

std::vector<RecordedMessageBox> HeadlessDisplay::TakeMessageBoxes() {
  std::vector<RecordedMessageBox> boxes;
  boxes.swap(m_boxes);
  return boxes;
}

void HeadlessDisplay::RunModalLoop(CDialog& dialog) {
  while (!dialog.HasEnded()) {
    if (m_inputEnded || !m_pump || !m_pump(dialog)) {
      // No more input: whatever is still open is cancelled, innermost first.
      m_inputEnded = true;
      dialog.EndDialog(IDCANCEL);
    }
  }
}

int HeadlessDisplay::ShowMessageBox(const MessageBoxRequest& request) {
  m_boxes.push_back(RecordedMessageBox{request.text, request.caption, request.type});
  return IDOK;
}
