#pragma once
// Opening the real dialog headless for a benchmark: a model of the database,
// its in-process simulated projector (every reply waiting `latency`), and a
// body that runs while the dialog is open.
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "frame/ExpertDlg.h"
#include "framework/HeadlessDisplay.h"
#include "models/HostRecords.h"
#include "models/ModelDatabase.h"
#include "simulator/InProcessTransport.h"
#include "simulator/pjlink/PjLinkServer.h"

namespace bench {

inline const models::ModelDatabase& Database() {
  static const models::ModelDatabase database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
  return database;
}

// The dialog of `model` ("type/model") talking to a fresh simulated projector,
// in our protocol or in PJLink.
struct SimulatedDialog {
  explicit SimulatedDialog(const models::ModelDescription& model, std::chrono::milliseconds latency = {},
                           bool pjlink = false)
      : projector(std::make_shared<sim::Projector>(model)) {
    projector->GetFaults().SetLatency(latency);
    // The projector asks for the password the hand-off carries, as a real one
    // would: a client with a password refuses a projector that asks for none.
    sim::ServerOptions options;
    options.password = model.connection.text2;
    if (pjlink) {
      item.m_nConnectKind = beamlink::kConnectPjLink;
      options.protocol = sim::pjlink::PjLinkProtocol({});
    }
    dialog.CopyData(&item);
    dialog.m_pjt.SetTransportFactory(sim::InProcessFactory(projector, options));
  }
  // Runs `body` once the dialog is open, then closes it; DoModal's result.
  INT_PTR RunOpen(const std::function<void(CExpertDlg&)>& body) {
    TheHeadlessDisplay().SetPump([&](CDialog& top) {
      body(dialog);
      top.EndDialog(IDOK);
      return true;
    });
    const INT_PTR result = dialog.DoModal();
    TheHeadlessDisplay().SetPump(nullptr);
    return result;
  }

  std::shared_ptr<sim::Projector> projector;
  CProjectorItem item = models::ToProjectorItem(projector->Model());
  CExpertDlg dialog;
};

}  // namespace bench
