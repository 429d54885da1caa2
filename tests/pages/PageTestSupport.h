#pragma once
// Page tests drive the real dialog through the automation driver's session,
// against the in-process simulated projector: a script of commands, then the
// dumps, projector calls and message boxes it produced.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "catalog/Catalog.h"
#include "tests/driver/DriverTestSupport.h"

namespace pages::testing {

using driver::OrderedJson;

// Builds a driver script; each command gets a sequence number to find its reply by.
class Script {
 public:
  // Opens type/model (with more fields of "open", such as "host" overrides)
  // and selects `tab`.
  Script(const std::string& model, int tab, const std::string& openFields = "") : tab_(tab) {
    std::string open = R"({"cmd":"open","model":")" + model + "\"";
    if (!openFields.empty()) open += "," + openFields;
    lines_.push_back(open + "}");
    if (tab != 0) Add(R"({"cmd":"tab","index":)" + std::to_string(tab) + "}");
  }
  // Adds a command (a JSON object without "seq"); returns its seq.
  std::string Add(const std::string& command) {
    const std::string seq = std::to_string(++count_);
    lines_.push_back(command.substr(0, command.size() - 1) + R"(,"seq":)" + seq + "}");
    return seq;
  }
  std::string Dump() { return Add(R"({"cmd":"dump"})"); }
  std::string Events() { return Add(R"({"cmd":"events"})"); }
  std::string Sim(const std::string& fields) { return Add(R"({"cmd":"sim",)" + fields + "}"); }
  std::string Click(int id) { return Add(R"({"cmd":"click","id":)" + std::to_string(id) + "}"); }
  std::string Select(int id, int index) {
    return Add(R"({"cmd":"select","id":)" + std::to_string(id) + R"(,"index":)" + std::to_string(index) + "}");
  }
  std::string Slide(int id, int pos) {
    return Add(R"({"cmd":"slide","id":)" + std::to_string(id) + R"(,"pos":)" + std::to_string(pos) + "}");
  }
  // Changes the simulated projector, then shows the tab again, which
  // refreshes its page.
  std::string Reload(const std::string& simFields) {
    Sim(simFields);
    return Add(R"({"cmd":"tab","index":)" + std::to_string(tab_) + "}");
  }

  std::vector<OrderedJson> Run() { return driver::testing::RunLines(lines_); }

 private:
  std::vector<std::string> lines_;
  int tab_;
  int count_ = 0;
};

// A control of the visible page in a dump, or null when it is not there.
inline OrderedJson Control(const OrderedJson& dump, int id) {
  for (const OrderedJson& page : dump["pages"]) {
    if (!page["visible"].get<bool>()) continue;
    for (const OrderedJson& control : page["controls"])
      if (control["id"] == id) return control;
  }
  return nullptr;
}

// The projector calls of an "events" reply, in short: "Get 0x2003",
// "Set 0x2003=138", "Inc 0x2003", "SetBlank(1)".
inline std::vector<std::string> Calls(const OrderedJson& events) {
  std::vector<std::string> calls;
  for (const OrderedJson& call : events["calls"]) {
    std::string text = call["op"].get<std::string>();
    if (call.contains("code")) {
      text += " " + call["code"].get<std::string>();
      if (call["op"] == "Set") text += "=" + call["value"].dump();
    } else {
      text += "(";
      for (std::size_t i = 0; i < call["args"].size(); ++i) text += (i ? "," : "") + call["args"][i].dump();
      text += ")";
    }
    calls.push_back(text);
  }
  return calls;
}

// The message boxes of an "events" reply: their text and "stop" or "none".
inline std::vector<std::string> Messages(const OrderedJson& events) {
  std::vector<std::string> boxes;
  for (const OrderedJson& box : events["messages"])
    boxes.push_back(box["icon"].get<std::string>() + ": " + box["text"].get<std::string>());
  return boxes;
}
inline std::string StopBox(CatMsg message) { return "stop: " + CatalogText(message); }

inline bool Usable(const OrderedJson& control) {
  return control["visible"].get<bool>() && control["enabled"].get<bool>();
}

}  // namespace pages::testing
