#include "host/app/DetailedSettings.h"

#include <QTimer>

#include "catalog/Catalog.h"
#include "display/qt/BusyCursor.h"
#include "host/core/EntryLink.h"

namespace host {

bool RunDetailedSettings(const HostSession& session, const ProjectorEntry& entry, std::string& error,
                         const std::function<void(CExpertDlg&)>& whileOpen) {
  // The item carries what a hand-off can: a numeric address and a serial
  // port number; HandOffEntry then points the dialog's interface at the entry
  // itself, its host name or serial device included. Demo and test runs reach
  // loopback addresses only. A projector that is slow to answer shows the
  // busy cursor.
  CExpertDlg dialog;
  std::string problem;
  if (!HandOffEntry(dialog, entry, session.Database(),
                    qtdisplay::WithBusyCursor(session.LoopbackOnly() ? session.Transports()
                                                                     : beamlink::DefaultTransportFactory()),
                    problem)) {
    error = CatalogText(Msg(7, 52), problem);
    return false;
  }

  // A timer started now fires inside the modal loop. It belongs to this
  // function, so it cannot fire later, in some other loop.
  QTimer timer;
  bool ran = false;
  if (whileOpen) {
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      ran = true;
      if (dialog.IsModalRunning()) whileOpen(dialog);
    });
    timer.start(0);
  }
  if (dialog.DoModal() == -1) {
    error = CatalogText(Msg(7, 52), CatalogText(Msg(7, 63)));
    return false;
  }
  if (whileOpen && !ran) {
    error = CatalogText(Msg(7, 52), CatalogText(Msg(7, 64)));
    return false;
  }
  return true;
}

}  // namespace host
