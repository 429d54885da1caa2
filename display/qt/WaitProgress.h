#pragma once
// The progress box of slow projector calls. Calls stay synchronous on the
// GUI thread; the library waits in short slices there and asks this hook
// between them (beamlink/WaitHook.h). Once the calls of one handler have
// waited `threshold`, a window-modal box over the dialog names the projector
// and offers Cancel, and the event loop runs between slices so that every
// window keeps painting. The box's modality keeps input away from the
// dialog, so no call can start inside another. Cancel abandons the call: it
// fails at once as a link failure, and the dialog reports it as any other.
// The box goes when the event loop runs again after the last call.
#include <QObject>
#include <QPointer>
#include <QString>
#include <chrono>
#include <functional>
#include <optional>

#include "beamlink/WaitHook.h"

class QProgressDialog;
class QWidget;

namespace qtdisplay {

class WaitProgress : public beamlink::WaitHook {
 public:
  // Installs itself on the calling thread (the GUI thread) until destroyed.
  // `parentNow` gives the window the box belongs to: the dialog whose modal
  // run is innermost, or null to show nothing. `captionNow` gives the box's
  // caption, the one that names the projector (the dialog being opened has
  // its caption before it is on screen).
  WaitProgress(std::function<QWidget*()> parentNow, std::function<QString()> captionNow,
               std::chrono::milliseconds threshold);
  ~WaitProgress() override;
  WaitProgress(const WaitProgress&) = delete;
  WaitProgress& operator=(const WaitProgress&) = delete;

  bool Waiting(const beamlink::WaitInfo& info) override;
  void CallEnded() override;

  // The box while it shows, else null.
  QProgressDialog* Box() const;

 private:
  void Close();

  std::function<QWidget*()> m_parentNow;
  std::function<QString()> m_captionNow;
  const std::chrono::milliseconds m_threshold;
  beamlink::WaitHook* m_previous = nullptr;
  std::optional<beamlink::Clock::time_point> m_busySince;  // since the event loop last ran
  QPointer<QProgressDialog> m_box;
  bool m_cancelled = false;
  bool m_inEvents = false;     // running the event loop from a wait
  bool m_closeQueued = false;
  QObject m_context;           // queued closes die with it
};

}  // namespace qtdisplay
