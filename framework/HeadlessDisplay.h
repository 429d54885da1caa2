#pragma once
// The display without a screen: message boxes are recorded and answered OK,
// modal loops take their input from a pump (the automation driver's command
// reader, or a test). Without a pump a modal loop ends at once with Cancel,
// as when the input has ended.
#include <functional>
#include <vector>

#include "framework/Display.h"

struct RecordedMessageBox {
  std::string text;
  std::string caption;
  UINT type = MB_OK;
};

class HeadlessDisplay : public DisplayBackend {
 public:
  // Processes one input for the top-most modal dialog. Returns false when the
  // input has ended; every open modal loop is then cancelled.
  using Pump = std::function<bool(CDialog& topModal)>;

  void SetPump(Pump pump) {
    m_pump = std::move(pump);
    m_inputEnded = false;
  }
  std::vector<RecordedMessageBox> TakeMessageBoxes();
  const std::vector<RecordedMessageBox>& MessageBoxes() const { return m_boxes; }
  bool InputEnded() const { return m_inputEnded; }

  void OnWindowChanged(HWND, WindowChange) override {}
  void RunModalLoop(CDialog& dialog) override;
  int ShowMessageBox(const MessageBoxRequest& request) override;
  DialogBaseUnits BaseUnits(const DialogFont&) override { return DialogBaseUnits{6, 13}; }

 private:
  Pump m_pump;
  std::vector<RecordedMessageBox> m_boxes;
  bool m_inputEnded = false;
};

// The process-wide headless display, the default display.
HeadlessDisplay& TheHeadlessDisplay();
