#include "host/app/DetailedSettings.h"

#include <QTimer>

#include "catalog/Catalog.h"
#include "display/qt/BusyCursor.h"

namespace host {

bool RunDetailedSettings(const HostSession& session, const ProjectorEntry& entry, std::string& error,
                         const std::function<void(CExpertDlg&)>& whileOpen) {
  std::string problem;
  const std::optional<CProjectorItem> item = MakeProjectorItem(entry, session.Database(), problem);
  if (!item) {
    error = CatalogText(Msg(7, 52), problem);
    return false;
  }
  CExpertDlg dialog;
  dialog.CopyData(&*item);
  // Demo and test runs: the dialog's projector interface reaches loopback
  // addresses only. A projector that is slow to answer shows the busy cursor.
  dialog.m_pjt.SetTransportFactory(qtdisplay::WithBusyCursor(
      session.LoopbackOnly() ? session.Transports() : beamlink::DefaultTransportFactory()));

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
