#pragma once
// Page tests drive the real dialog through the automation driver's session,
// against the in-process simulated projector: a script of commands, then the
// dumps, projector calls and message boxes it produced. Most of them are
// tables of PageCase run by RunCase.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "catalog/Catalog.h"
#include "tests/driver/DriverTestSupport.h"

namespace pages::testing {

using driver::OrderedJson;
using driver::testing::Reply;

// Builds a driver script; each command gets a sequence number to find its reply by.
class Script {
 public:
  // Opens type/model (with more fields of "open", such as "host" overrides)
  // and selects `tab`.
  Script(const std::string& model, int tab, const std::string& openFields = "") : tab_(tab) {
    lines_.push_back(R"({"cmd":"open","model":")" + model + "\"" + (openFields.empty() ? "" : "," + openFields) + "}");
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
  // Changes the simulated projector (if there are fields), then shows the tab
  // again, which refreshes its page.
  void Reload(const std::string& simFields) {
    if (!simFields.empty()) Add(R"({"cmd":"sim",)" + simFields + "}");
    Add(R"({"cmd":"tab","index":)" + std::to_string(tab_) + "}");
  }
  // A step of a case: "click ID", "select ID INDEX", "slide ID POS", "check ID STATE", "close",
  // "sim FIELDS" (the simulator's fields, without braces), "reload [FIELDS]" (the same, then the
  // tab shown again), or a driver command as it is ("{...}").
  void Step(const std::string& step) {
    std::istringstream in(step);
    std::string verb, rest;
    in >> verb >> std::ws;
    std::getline(in, rest);
    int id = 0, value = 0;
    std::istringstream(rest) >> id >> value;
    const std::string control = R"(","id":)" + std::to_string(id), number = std::to_string(value) + "}";
    if (step.starts_with("{")) Add(step);
    else if (verb == "sim") Add(R"({"cmd":"sim",)" + rest + "}");
    else if (verb == "reload") Reload(rest);
    else if (verb == "click") Add(R"({"cmd":"click)" + control + "}");
    else if (verb == "select") Add(R"({"cmd":"select)" + control + R"(,"index":)" + number);
    else if (verb == "slide") Add(R"({"cmd":"slide)" + control + R"(,"pos":)" + number);
    else if (verb == "check") Add(R"({"cmd":"check)" + control + R"(,"state":)" + number);
    else if (verb == "close") Add(R"({"cmd":"close"})");
    else ADD_FAILURE() << "unknown step " << step;
  }

  std::vector<OrderedJson> Run() { return driver::testing::RunLines(lines_); }

 private:
  std::vector<std::string> lines_;
  int tab_;
  int count_ = 0;
};

// The controls of the visible page in a dump, or those of a modal dialog without pages.
inline std::vector<OrderedJson> VisibleControls(const OrderedJson& dump) {
  if (!dump.contains("pages") || dump["pages"].empty()) return dump["controls"];
  for (const OrderedJson& page : dump["pages"])
    if (page["visible"].get<bool>()) return page["controls"];
  return {};
}

// A control of the visible page (or modal dialog) in a dump, or null when it is not there.
inline OrderedJson Control(const OrderedJson& dump, int id) {
  for (const OrderedJson& control : VisibleControls(dump))
    if (control["id"] == id) return control;
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
// The stop box of a refused setting: its message is 2201/n.
inline std::string Stop(int n) { return "stop: " + CatalogText(Msg(2201, n)); }

// Calls one after another.
inline std::vector<std::string> Then(std::vector<std::string> calls, const std::vector<std::string>& more) {
  calls.insert(calls.end(), more.begin(), more.end());
  return calls;
}

inline bool Usable(const OrderedJson& control) {
  return control["visible"].get<bool>() && control["enabled"].get<bool>();
}

// A page behaviour: open a model on a tab, take some steps, and state the
// projector calls, message boxes and control fields they leave.
struct PageCase {
  std::string what;
  std::string model;
  int tab = 0;
  std::string openFields = "";      // more fields of "open", such as host overrides
  std::vector<std::string> before;  // steps whose calls and boxes are not looked at (see Script::Step)
  std::vector<std::string> actions; // steps whose calls and boxes are
  // Every projector call of the actions, in order; or, starting with "*": each one listed is
  // among them, "!X": X is not ({"*"} alone: not checked).
  std::vector<std::string> calls;
  std::vector<std::string> boxes;  // every message box of the actions, as Stop(n)
  // Members of a JSON object {"ID":{"field":value}} that the dump after the actions must match.
  // "ID ID ..." gives several controls the same fields; "dialog" is the dump itself; "count" is
  // the number of items; a string "@C/N" stands for catalog text C/N.
  std::vector<std::string> controls;
};

// A member of PageCase::controls for a value built in code.
inline std::string Is(int id, const std::string& field, const OrderedJson& value) {
  return "\"" + std::to_string(id) + "\":{\"" + field + "\":" + value.dump() + "}";
}
// The same fields for several controls: Each({1, 2}, R"({"visible":true})").
inline std::string Each(const std::vector<int>& ids, const std::string& fields) {
  std::string key;
  for (int id : ids) key += (key.empty() ? "" : " ") + std::to_string(id);
  return "\"" + key + "\":" + fields;
}

// Several controls shown or hidden.
inline std::string Shown(const std::vector<int>& ids, bool visible) {
  return Each(ids, visible ? R"({"visible":true})" : R"({"visible":false})");
}
// For PageCase::calls after "*": the call is made, or is not.
inline std::string CalledIf(bool called, const std::string& call) { return (called ? "" : "!") + call; }

inline void ResolveCatalog(OrderedJson& value) {
  int category = 0, number = 0;
  char more = 0;
  if (value.is_structured()) {
    for (OrderedJson& item : value) ResolveCatalog(item);
  } else if (value.is_string() &&
             std::sscanf(value.get<std::string>().c_str(), "@%d/%d%c", &category, &number, &more) == 2) {
    value = CatalogText(Msg(category, number));
  }
}

inline void ExpectCalls(const std::vector<std::string>& got, const std::vector<std::string>& want) {
  if (!want.empty() && want.front() == "*") {
    for (std::size_t i = 1; i < want.size(); ++i) {
      const bool absent = want[i][0] == '!';
      const std::string call = want[i].substr(absent ? 1 : 0);
      EXPECT_EQ(std::count(got.begin(), got.end(), call) > 0, !absent) << call << " in " << ::testing::PrintToString(got);
    }
  } else {
    EXPECT_EQ(got, want);
  }
}

inline void RunCase(const PageCase& c) {
  std::string steps;
  for (const std::string& step : c.before) steps += " | " + step;
  for (const std::string& step : c.actions) steps += " | " + step;
  SCOPED_TRACE(c.model + " tab " + std::to_string(c.tab) + ": " + (c.what.empty() ? c.openFields + steps : c.what));
  Script script(c.model, c.tab, c.openFields);
  for (const std::string& step : c.before) script.Step(step);
  script.Events();
  for (const std::string& step : c.actions) script.Step(step);
  const std::string events = script.Events(), dump = script.Dump();
  const auto output = script.Run();
  const OrderedJson happened = Reply(output, events), shown = Reply(output, dump);
  ExpectCalls(Calls(happened), c.calls);
  EXPECT_EQ(Messages(happened), c.boxes);
  for (const OrderedJson& reply : output)
    EXPECT_TRUE(!reply.contains("ok") || reply["ok"].get<bool>()) << "a step was refused: " << reply.dump();
  for (const std::string& member : c.controls) {  // one object each, so that no key hides another
    OrderedJson expected = OrderedJson::parse("{" + member + "}");
    ResolveCatalog(expected);
    for (const auto& [key, fields] : expected.items()) {
      std::istringstream ids(key);
      for (std::string id; ids >> id;) {
        const OrderedJson control = id == "dialog" ? shown : Control(shown, std::stoi(id));
        ASSERT_FALSE(control.is_null()) << "no control " << id;
        for (const auto& [field, value] : fields.items()) {
          const OrderedJson actual = field == "count" ? OrderedJson(control["items"].size()) : control[field];
          EXPECT_EQ(actual, value) << id << " " << field;
        }
      }
    }
  }
}

inline void RunCases(const std::vector<PageCase>& cases) {
  for (const PageCase& c : cases) RunCase(c);
}

}  // namespace pages::testing
