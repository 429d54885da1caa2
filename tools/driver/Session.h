#pragma once
// A driver session: reads one JSON command per line, runs the real module
// headless and writes one reply or event per line.
//
// The session is the headless display's input pump: while a dialog runs
// modally, each turn of its modal loop asks the session for one command. A
// dialog is announced with a "modal" event before its first command is read,
// and reported with a "closed" event once it has ended; the command that
// opened it is answered after that. At the end of input every open modal run
// is cancelled, innermost first, and reported the same way.
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "frame/ExpertDlg.h"
#include "models/ModelDatabase.h"
#include "simulator/Projector.h"
#include "tools/driver/CallLog.h"
#include "tools/driver/ConnectTarget.h"
#include "tools/driver/LineIO.h"

namespace driver {

class Session {
 public:
  // Installs the session as the headless display's pump; `models` must
  // outlive the session.
  Session(const models::ModelDatabase& models, LineSource input, OutputSink output);
  ~Session();
  Session(const Session&) = delete;
  Session& operator=(const Session&) = delete;

  // Handles commands until the end of input.
  void Run();

  // The dialog that "open" is running now, or null. For in-process tests,
  // which may look at what the dialog holds between two commands.
  CExpertDlg* OpenDialog() const { return m_openDialog; }
  // The "connect" choice of the last "open".
  const ConnectTarget& Connection() const { return m_connection; }
  // The simulated projector of the last "open" when it was on "sim" (it
  // outlives the dialog until the next "open"), else null.
  sim::Projector* SimulatedProjector() const { return m_projector.get(); }
  // The projector calls reported by the next "events".
  CallLog& Calls() { return m_calls; }

 private:
  // A modal dialog announced with a "modal" event and not yet reported closed.
  struct ModalRun {
    const CDialog* dialog = nullptr;
    int templateId = 0;
    bool openedByDriver = false;  // its "closed" comes from "open", with DoModal's result
  };

  bool Pump(CDialog& topModal);
  std::optional<std::string> NextLine();
  void HandleLine(const std::string& line, CDialog* topModal);
  OrderedJson Dispatch(std::string_view name, const nlohmann::json& command, CDialog* topModal);
  OrderedJson Open(const nlohmann::json& command);
  OrderedJson Events(const nlohmann::json& command);
  OrderedJson Sim(const nlohmann::json& command);

  void AnnounceModalDialogs();
  void ReportEndedDialogs();
  void ReportEndedByCommand(const CDialog& dialog);
  // Forgets the run of `dialog`; false when it was never announced.
  bool ForgetRun(const CDialog* dialog);
  void EmitClosed(int templateId, const OrderedJson& result);

  const models::ModelDatabase& m_models;
  LineSource m_input;
  OutputSink m_output;
  bool m_inputEnded = false;
  std::vector<ModalRun> m_runs;  // outermost first
  CExpertDlg* m_openDialog = nullptr;
  ConnectTarget m_connection;
  std::shared_ptr<sim::Projector> m_projector;
  CallLog m_calls;
};

}  // namespace driver
