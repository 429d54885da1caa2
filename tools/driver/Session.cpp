#include "tools/driver/Session.h"

#include <algorithm>
#include <cstring>

#include "framework/Dialog.h"
#include "framework/HeadlessDisplay.h"
#include "tools/driver/CatalogTextRequest.h"
#include "tools/driver/CommandArgs.h"
#include "tools/driver/DialogCommands.h"
#include "tools/driver/DialogDump.h"
#include "tools/driver/HostHandOff.h"
#include "tools/driver/OpenRequest.h"
#include "tools/driver/ProjectorLink.h"
#include "tools/driver/SimCommand.h"

namespace driver {
namespace {

constexpr char kKnownCommands[] = "open, tab, click, select, slide, check, close, key, dump, events, sim, text";

bool IsOnModalStack(const CDialog* dialog) {
  const auto& stack = ModalDialogs();
  return std::find(stack.begin(), stack.end(), dialog) != stack.end();
}

// nlohmann's messages start with "[json.exception.parse_error.101] ", which
// says nothing to the person who wrote the line.
std::string ParseErrorText(const nlohmann::json::parse_error& error) {
  const std::string text = error.what();
  const std::size_t end = text.find("] ");
  return end == std::string::npos ? text : text.substr(end + 2);
}

// Copying and writing JSON recurse, so a line nested absurdly deep would
// exhaust the stack; no command needs more than a few levels.
constexpr int kMaxNesting = 64;

nlohmann::json ParseCommand(const std::string& line) {
  return nlohmann::json::parse(line, [](int depth, nlohmann::json::parse_event_t, nlohmann::json&) {
    if (depth > kMaxNesting)
      throw CommandError("the command is nested more than " + std::to_string(kMaxNesting) + " levels deep");
    return true;
  });
}

// Clears the session's pointer to the dialog "open" runs, however the run ends.
struct OpenDialogScope {
  CExpertDlg*& slot;
  OpenDialogScope(CExpertDlg*& s, CExpertDlg& dialog) : slot(s) { slot = &dialog; }
  ~OpenDialogScope() { slot = nullptr; }
};

}  // namespace

Session::Session(const models::ModelDatabase& models, LineSource input, OutputSink output)
    : m_models(models), m_input(std::move(input)), m_output(std::move(output)) {
  TheHeadlessDisplay().TakeMessageBoxes();  // "events" reports this session's boxes only
  TheHeadlessDisplay().SetPump([this](CDialog& topModal) { return Pump(topModal); });
}

Session::~Session() { TheHeadlessDisplay().SetPump(nullptr); }

void Session::Run() {
  while (const std::optional<std::string> line = NextLine()) HandleLine(*line, nullptr);
}

std::optional<std::string> Session::NextLine() {
  if (m_inputEnded) return std::nullopt;
  std::optional<std::string> line = m_input();
  if (!line) m_inputEnded = true;
  return line;
}

// One turn of the modal loop of the top-most dialog. Returning false ends the
// input: the display then cancels every open modal run.
bool Session::Pump(CDialog& topModal) {
  AnnounceModalDialogs();
  const std::optional<std::string> line = NextLine();
  if (!line) return false;
  HandleLine(*line, &topModal);
  if (topModal.HasEnded()) ReportEndedByCommand(topModal);
  return true;
}

void Session::HandleLine(const std::string& line, CDialog* topModal) {
  if (line.find_first_not_of(" \t\r") == std::string::npos) return;  // blank lines separate nothing
  OrderedJson reply = {{"ok", true}};
  try {
    if (line.size() > kMaxLineBytes)
      throw CommandError("the line is longer than " + std::to_string(kMaxLineBytes) + " bytes");
    nlohmann::json command;
    try {
      command = ParseCommand(line);
    } catch (const nlohmann::json::parse_error& error) {
      throw CommandError("malformed JSON: " + ParseErrorText(error));
    }
    if (!command.is_object()) throw CommandError("a command must be a JSON object, such as {\"cmd\":\"dump\"}");
    if (const auto seq = command.find("seq"); seq != command.end()) reply["seq"] = *seq;
    const auto name = command.find("cmd");
    if (name == command.end()) throw CommandError("the command has no \"cmd\"");
    if (!name->is_string()) throw CommandError("\"cmd\" must be a string, not " + DescribeJsonType(*name));
    const OrderedJson payload = Dispatch(name->get_ref<const std::string&>(), command, topModal);
    for (const auto& item : payload.items()) reply[item.key()] = item.value();
  } catch (const std::exception& error) {
    reply["ok"] = false;
    reply["error"] = error.what();
  } catch (...) {
    reply["ok"] = false;
    reply["error"] = "internal error";
  }
  // A nested dialog that ended while this command ran is reported before the reply.
  ReportEndedDialogs();
  m_output(reply);
}

OrderedJson Session::Dispatch(std::string_view name, const nlohmann::json& command, CDialog* topModal) {
  if (name == "open") return Open(command);
  if (name == "events") return Events(command);
  if (name == "sim") return Sim(command);
  if (name == "text") return {{"text", LookUpCatalogText(CommandArgs(command, name, {"category", "number", "inserts"}))}};
  if (IsDialogCommand(name)) {
    if (!topModal) throw CommandError("no dialog is open: \"" + std::string(name) + "\" needs one (see \"open\")");
    return RunDialogCommand(name, command, *topModal);
  }
  throw CommandError("unknown command \"" + std::string(name) + "\" (known: " + kKnownCommands + ")");
}

OrderedJson Session::Open(const nlohmann::json& command) {
  if (!ModalDialogs().empty()) throw CommandError("a dialog is already open: close it before opening another");
  const CommandArgs args(command, "open", {"model", "host", "handoff", "connectionIndex", "ranges32", "connect"});
  const OpenRequest request = ReadOpenRequest(args, m_models);
  m_connection = request.connect;
  m_projector.reset();

  CExpertDlg dialog;
  HandOver(dialog, request);
  // The password the interface was handed (empty when the hand-off carries no
  // connection data): the simulated projector asks for that one, so that the
  // dialog can talk to it.
  const char* const secondText = dialog.m_pjt.m_szSecondText;
  const std::string password(secondText, strnlen(secondText, sizeof dialog.m_pjt.m_szSecondText));
  if (request.connect.kind == ConnectTarget::Kind::Simulated) {
    try {
      m_projector = std::make_shared<sim::Projector>(request.description);
    } catch (const std::exception& error) {
      throw CommandError(std::string("the simulated projector could not be built: ") + error.what());
    }
  }
  // A PJLink target is reached in PJLink whatever kind of connection the hand-off named.
  if (request.connect.kind == ConnectTarget::Kind::PjLink) dialog.m_pjt.m_nConnectKind = beamlink::kConnectPjLink;
  dialog.m_pjt.SetTransportFactory(MakeTransportFactory(request.connect, m_projector, password),
                                   request.connect.Peer());
  dialog.m_pjt.SetCallObserver([this](const beamlink::CallTrace& trace) { m_calls.Append(ToProjectorCall(trace)); });
  INT_PTR result = -1;
  {
    const OpenDialogScope scope(m_openDialog, dialog);
    result = dialog.DoModal();
  }
  const bool announced = ForgetRun(&dialog);
  if (announced) EmitClosed(static_cast<int>(dialog.GetTemplateId()), static_cast<long long>(result));
  if (!announced && result == -1)
    throw CommandError("the dialog could not be created: template " + std::to_string(dialog.GetTemplateId()) +
                       " was not found");
  return {{"result", static_cast<long long>(result)}};
}

OrderedJson Session::Events(const nlohmann::json& command) {
  CommandArgs(command, "events", {});  // takes no fields: refuses any
  OrderedJson messages = OrderedJson::array();
  for (const RecordedMessageBox& box : TheHeadlessDisplay().TakeMessageBoxes()) {
    const bool stop = (box.type & MB_ICONMASK) == MB_ICONSTOP;
    messages.push_back({{"text", box.text}, {"caption", box.caption}, {"icon", stop ? "stop" : "none"}});
  }
  OrderedJson calls = OrderedJson::array();
  for (const ProjectorCall& call : m_calls.Take()) calls.push_back(CallToJson(call));
  return {{"messages", std::move(messages)}, {"calls", std::move(calls)}};
}

OrderedJson Session::Sim(const nlohmann::json& command) {
  if (!m_projector) {
    if (m_connection.kind != ConnectTarget::Kind::Simulated)
      throw CommandError("the last dialog was opened with \"connect\":\"" + m_connection.Text() +
                         "\": \"sim\" needs one on the simulated projector");
    throw CommandError("no simulated projector: open a dialog first (with \"connect\":\"sim\", the default)");
  }
  return RunSimCommand(command, *m_projector);
}

void Session::AnnounceModalDialogs() {
  ReportEndedDialogs();
  for (const CDialog* dialog : ModalDialogs()) {
    if (!dialog->GetSafeHwnd() || dialog->HasEnded()) continue;
    const bool known = std::any_of(m_runs.begin(), m_runs.end(), [&](const ModalRun& run) { return run.dialog == dialog; });
    if (known) continue;
    m_output(ModalEvent(*dialog->GetSafeHwnd()));
    m_runs.push_back({dialog, dialog->GetSafeHwnd()->templateId, dialog == m_openDialog});
  }
}

// Dialogs that a page opened and that ended without a command of ours: at
// the end of input the display cancels them.
void Session::ReportEndedDialogs() {
  for (auto run = m_runs.begin(); run != m_runs.end();) {
    if (run->openedByDriver || IsOnModalStack(run->dialog)) {
      ++run;
      continue;
    }
    const int templateId = run->templateId;
    run = m_runs.erase(run);
    EmitClosed(templateId, TheHeadlessDisplay().InputEnded() ? OrderedJson(IDCANCEL) : OrderedJson(nullptr));
  }
}

// A command ended the top-most dialog. One that "open" runs is reported when
// DoModal has returned; one a page opened is reported now, with the result
// its EndDialog was given, before the reply of the command that opened it.
void Session::ReportEndedByCommand(const CDialog& dialog) {
  const auto run = std::find_if(m_runs.begin(), m_runs.end(), [&](const ModalRun& r) { return r.dialog == &dialog; });
  if (run == m_runs.end() || run->openedByDriver) return;
  const int templateId = run->templateId;
  m_runs.erase(run);
  EmitClosed(templateId, dialog.GetModalResult());
}

bool Session::ForgetRun(const CDialog* dialog) {
  const auto run = std::find_if(m_runs.begin(), m_runs.end(), [&](const ModalRun& r) { return r.dialog == dialog; });
  if (run == m_runs.end()) return false;
  m_runs.erase(run);
  return true;
}

void Session::EmitClosed(int templateId, const OrderedJson& result) {
  m_output({{"event", "closed"}, {"template", templateId}, {"result", result}});
}

}  // namespace driver
