#include "display/qt/BusyCursor.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QThread>
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "beamlink/WaitHook.h"

namespace qtdisplay {
namespace {

using beamlink::Clock;
using beamlink::Deadline;

bool g_busyShown = false;

// Shows the busy cursor until the GUI thread's event loop runs again. Only
// the GUI thread touches the cursor; other threads' calls show nothing.
void ShowBusyCursor() {
  if (g_busyShown || !qApp || QThread::currentThread() != qApp->thread()) return;
  g_busyShown = true;
  QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  QMetaObject::invokeMethod(
      qApp,
      [] {
        g_busyShown = false;
        QGuiApplication::restoreOverrideCursor();
      },
      Qt::QueuedConnection);
}

// Waits are measured from the last write: a request, or a step of the
// connection's greeting.
class BusyTransport : public beamlink::Transport {
 public:
  BusyTransport(std::unique_ptr<beamlink::Transport> inner, std::chrono::milliseconds threshold)
      : m_inner(std::move(inner)), m_threshold(threshold) {}

  bool Write(std::span<const std::uint8_t> bytes, Deadline deadline, std::string& error) override {
    m_sentAt = Clock::now();
    return m_inner->Write(bytes, deadline, error);
  }

  std::size_t Read(std::span<std::uint8_t> buffer, Deadline deadline, std::string& error) override {
    const Deadline busyAt = m_sentAt + m_threshold;
    if (Clock::now() < busyAt && busyAt < deadline) {
      // Wait up to the threshold first; a read that ends early, empty, is a
      // real failure and not the threshold passing.
      std::string sliceError;
      const std::size_t got = m_inner->Read(buffer, busyAt, sliceError);
      if (got > 0) return got;
      if (Clock::now() < busyAt) {
        error = sliceError;
        return 0;
      }
    }
    if (Clock::now() >= busyAt) ShowBusyCursor();
    return m_inner->Read(buffer, deadline, error);
  }

 private:
  std::unique_ptr<beamlink::Transport> m_inner;
  const std::chrono::milliseconds m_threshold;
  Deadline m_sentAt = Clock::now();
};

}  // namespace

bool BusyCursorShown() { return g_busyShown; }

beamlink::TransportFactory WithBusyCursor(beamlink::TransportFactory inner, std::chrono::milliseconds threshold) {
  return [inner = std::move(inner), threshold](const beamlink::Endpoint& endpoint, Deadline deadline,
                                               std::string& error) -> std::unique_ptr<beamlink::Transport> {
    if (!inner) {
      error = "no transport factory";
      return nullptr;
    }
    // Opening (a TCP connect) blocks without a loop to wake: it runs on a
    // helper thread while this one waits, in slices when a wait hook watches
    // this thread (the progress box); the caller still gets the transport
    // synchronously. An abandoned opening is left to end on its own, by its
    // deadline, and its transport is closed there.
    struct Opening {
      std::mutex mutex;
      std::condition_variable done;
      bool finished = false;
      std::unique_ptr<beamlink::Transport> transport;
      std::string error;
    };
    auto opening = std::make_shared<Opening>();
    std::thread([opening, inner, endpoint, deadline] {
      std::string openError;
      std::unique_ptr<beamlink::Transport> made;
      try {
        made = inner(endpoint, deadline, openError);
      } catch (const std::exception& e) {
        openError = e.what();
      }
      std::lock_guard lock(opening->mutex);
      opening->transport = std::move(made);
      opening->error = std::move(openError);
      opening->finished = true;
      opening->done.notify_all();
    }).detach();
    const Deadline busyAt = Clock::now() + threshold;
    std::unique_lock lock(opening->mutex);
    bool busy = false;
    while (!opening->finished) {
      const Deadline until = beamlink::SliceEnd(busy ? deadline : std::min(deadline, busyAt));
      if (opening->done.wait_until(lock, until, [&] { return opening->finished; })) break;
      if (!busy && Clock::now() >= busyAt) {
        busy = true;
        ShowBusyCursor();
      }
      if (Clock::now() >= deadline) {  // the opening ends by its own deadline
        opening->done.wait(lock, [&] { return opening->finished; });
        break;
      }
      lock.unlock();
      const bool goOn = beamlink::KeepWaiting();
      lock.lock();
      if (!goOn) {
        error = "abandoned";
        return nullptr;
      }
    }
    std::unique_ptr<beamlink::Transport> transport = std::move(opening->transport);
    if (!transport) {
      error = opening->error;
      return nullptr;
    }
    return std::make_unique<BusyTransport>(std::move(transport), threshold);
  };
}

}  // namespace qtdisplay
