#pragma once
// The Qt 6 Widgets display: every framework window becomes a widget that
// follows its state, and the widgets' user actions come back as framework
// user input (UserInput.h), the one source of notifications. Changes made by
// the module are applied with the widgets' signals blocked, so they never
// come back as notifications.
//
// Needs a QApplication; runs on its thread.
#include <QObject>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

#include "display/qt/WindowView.h"
#include "framework/Display.h"

class QEventLoop;
class QTranslator;

namespace qtdisplay {

class WaitProgress;

class QtDisplay : public DisplayBackend, private ViewHost {
 public:
  QtDisplay();
  ~QtDisplay() override;  // deletes the widgets it made; restores nothing by itself
  QtDisplay(const QtDisplay&) = delete;
  QtDisplay& operator=(const QtDisplay&) = delete;

  void OnWindowChanged(HWND window, WindowChange change) override;
  // Runs a nested event loop until the dialog has ended. A loop that Qt ends
  // (the application quitting) cancels the dialog.
  void RunModalLoop(CDialog& dialog) override;
  void OnDialogEnded(CDialog& dialog) override;
  int ShowMessageBox(const MessageBoxRequest& request) override;
  DialogBaseUnits BaseUnits(const DialogFont& font) override;

  // The widget of a framework window, or null.
  QWidget* WidgetFor(HWND window) const;
  // The framework window a widget shows, or null.
  HWND WindowFor(const QWidget* widget) const;

  // Called whenever a top-level dialog window has been painted (for
  // measurements); empty to stop.
  void SetPaintObserver(std::function<void(HWND dialog)> observer) { m_paintObserver = std::move(observer); }

 private:
  struct Entry {
    WindowView* view = nullptr;
    QWidget* widget = nullptr;  // the view's widget, kept apart: usable while Qt destroys it
  };

  void Deliver(QWidget* source, const UserAction& action) override;
  void Painted(QWidget* window) override;
  void StepTab(QWidget* dialog, int delta) override;
  void PressDefaultButton(QWidget* dialog) override;
  // After a tab change the focus goes to the first control of the page shown.
  void FocusFirstPageControl(HWND root);

  void CreateTree(HWND window);
  void CreateWindowView(HWND window);
  void Forget(HWND window);
  void Destroy(HWND window);
  void Restack(HWND parent);
  void ShowTopLevel(QWidget* widget);
  // Tab order follows the framework's z-order, top first, through child dialogs.
  void UpdateTabOrder(HWND window);
  void EndFinishedLoops();
  QWidget* MessageBoxParent(HWND owner) const;

  std::unordered_map<HWND, Entry> m_views;
  std::unordered_map<const QWidget*, HWND> m_windows;
  struct ModalLoop {
    CDialog* dialog = nullptr;
    QEventLoop* loop = nullptr;
  };
  std::vector<ModalLoop> m_loops;  // outermost first
  std::function<void(HWND)> m_paintObserver;
  std::unique_ptr<QTranslator> m_qtTexts;  // Qt's standard texts in the catalog's language
  // The progress box of slow projector calls on this thread (WaitProgress.h).
  std::unique_ptr<WaitProgress> m_waitProgress;
  // Receives the widgets' destroyed signals; goes first, so that none comes
  // to a display being taken apart.
  QObject m_context;
};

// Installs a QtDisplay with SetDisplay for its lifetime and restores the
// previous display after.
class ScopedQtDisplay {
 public:
  ScopedQtDisplay();
  ~ScopedQtDisplay();
  ScopedQtDisplay(const ScopedQtDisplay&) = delete;
  ScopedQtDisplay& operator=(const ScopedQtDisplay&) = delete;
  QtDisplay& display() { return *m_display; }

 private:
  std::unique_ptr<QtDisplay> m_display;
  DisplayBackend* m_previous = nullptr;
};

}  // namespace qtdisplay
