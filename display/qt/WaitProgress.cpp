#include "display/qt/WaitProgress.h"

#include <QApplication>
#include <QProgressDialog>
#include <QThread>

#include "catalog/Catalog.h"

namespace qtdisplay {

WaitProgress::WaitProgress(std::function<QWidget*()> parentNow, std::function<QString()> captionNow,
                           std::chrono::milliseconds threshold)
    : m_parentNow(std::move(parentNow)), m_captionNow(std::move(captionNow)), m_threshold(threshold) {
  m_previous = beamlink::SetThreadWaitHook(this);
}

WaitProgress::~WaitProgress() {
  beamlink::SetThreadWaitHook(m_previous);
  delete m_box.data();
}

QProgressDialog* WaitProgress::Box() const { return m_box.data(); }

bool WaitProgress::Waiting(const beamlink::WaitInfo& info) {
  // Installed on the GUI thread only; a call made while this very hook runs
  // the event loop waits without it.
  if (!qApp || QThread::currentThread() != qApp->thread() || m_inEvents) return false;
  if (!m_busySince) m_busySince = info.since;
  if (beamlink::Clock::now() - *m_busySince < m_threshold) return false;
  QWidget* parent = m_parentNow ? m_parentNow() : nullptr;
  if (!m_box && !parent) return false;
  const QString label = QString::fromStdString(CatalogText(Msg(2201, 910), info.peer));
  if (!m_box) {
    // Qt's own Cancel text, in the language of the catalog (QtTranslations.h).
    auto* box = new QProgressDialog(parent->window());
    box->setLabelText(label);
    box->setRange(0, 0);
    const QString caption = m_captionNow ? m_captionNow() : QString();
    box->setWindowTitle(caption.isEmpty() ? parent->window()->windowTitle() : caption);
    box->setWindowModality(Qt::WindowModal);
    box->setAutoClose(false);
    box->setAutoReset(false);
    box->setMinimumDuration(0);
    QObject::connect(box, &QProgressDialog::canceled, &m_context, [this] { m_cancelled = true; });
    m_box = box;
    box->show();
  } else if (m_box->labelText() != label) {
    m_box->setLabelText(label);
  }
  m_inEvents = true;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  m_inEvents = false;
  if (!m_cancelled) return false;
  m_cancelled = false;
  Close();
  return true;
}

void WaitProgress::CallEnded() {
  if ((!m_busySince && !m_box) || m_closeQueued) return;
  // The next call of the same handler may follow at once: the box stays
  // until the event loop runs again, not from call to call.
  m_closeQueued = true;
  QMetaObject::invokeMethod(
      &m_context,
      [this] {
        m_closeQueued = false;
        if (m_inEvents) return;  // run from the next call's wait: still busy; its end queues again
        Close();
      },
      Qt::QueuedConnection);
}

void WaitProgress::Close() {
  m_busySince.reset();
  if (m_box) {
    m_box->hide();
    delete m_box.data();
  }
}

}  // namespace qtdisplay
