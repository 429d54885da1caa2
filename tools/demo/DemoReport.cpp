#include "tools/demo/DemoReport.h"

#include <sstream>
#include <stdexcept>

namespace demo {
namespace {

using driver::OrderedJson;

const OrderedJson& ReplyTo(const std::vector<OrderedJson>& output, const std::string& seq) {
  for (const OrderedJson& object : output) {
    if (!object.contains("ok") || object.value("seq", "") != seq) continue;
    if (!object["ok"].get<bool>())
      throw std::runtime_error("\"" + seq + "\" failed: " + object.value("error", std::string("no reason given")));
    return object;
  }
  throw std::runtime_error("no reply to \"" + seq + "\"");
}

const OrderedJson& FirstEvent(const std::vector<OrderedJson>& output, const std::string& name) {
  for (const OrderedJson& object : output)
    if (object.value("event", "") == name) return object;
  throw std::runtime_error("no \"" + name + "\" event");
}

std::string Quoted(const OrderedJson& text) { return "\"" + text.get<std::string>() + "\""; }

// One line per control: kind, id, text, and what the control holds.
void DescribeControl(std::ostream& out, const OrderedJson& control) {
  const std::string kind = control["kind"].get<std::string>();
  out << "  " << kind << std::string(kind.size() < 8 ? 8 - kind.size() : 1, ' ') << control["id"].get<int>() << "  "
      << Quoted(control["text"]);
  if (control.contains("items")) {
    out << "  items:";
    for (const OrderedJson& item : control["items"]) out << " " << Quoted(item);
    out << "  selected: " << control["sel"].get<int>();
  }
  if (control.contains("pos"))
    out << "  " << control["pos"].get<int>() << " in " << control["min"].get<int>() << ".." << control["max"].get<int>();
  if (control.contains("check")) out << (control["check"].get<int>() ? "  [x]" : "  [ ]");
  if (!control["visible"].get<bool>()) out << "  (hidden)";
  if (!control["enabled"].get<bool>()) out << "  (disabled)";
  out << "\n";
}

}  // namespace

std::string DescribeSession(const std::vector<OrderedJson>& output) {
  const OrderedJson& modal = FirstEvent(output, "modal");
  const OrderedJson& dump = ReplyTo(output, "dump");
  const OrderedJson& opened = ReplyTo(output, "open");
  ReplyTo(output, "close");

  std::ostringstream out;
  out << "Caption: " << dump["caption"].get<std::string>() << "\n";
  out << "Tabs:\n";
  const OrderedJson& tabs = modal["tabs"];
  for (std::size_t i = 0; i < tabs.size(); ++i) out << "  " << i << "  " << tabs[i].get<std::string>() << "\n";

  // The page on show is the selected tab's; at opening that is tab 0, the status page.
  const int tab = modal["tab"].get<int>();
  const std::string title = tab >= 0 && static_cast<std::size_t>(tab) < tabs.size() ? tabs[tab].get<std::string>() : "";
  const OrderedJson* shown = nullptr;
  for (const OrderedJson& page : dump["pages"])
    if (page["visible"].get<bool>()) shown = &page;
  if (!shown) {
    out << "Tab " << tab << " (" << title << ") has no page yet.\n";
  } else {
    out << "Tab " << tab << " (" << title << "), page " << (*shown)["template"].get<int>() << ":\n";
    for (const OrderedJson& control : (*shown)["controls"]) DescribeControl(out, control);
  }
  out << "Closed with result " << opened["result"].get<long long>() << ".\n";
  return out.str();
}

}  // namespace demo
