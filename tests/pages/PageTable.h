#pragma once
// Page behaviour as table rows: open a model on a tab, optionally change the
// simulated projector and show the tab again, run driver commands, then
// compare the projector calls, message boxes and control fields they gave.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {

struct Expect {
  int id;
  std::string field;  // a dump field ("text", "enabled", "sel", "pos", "rect", ...), or "count": of items
  OrderedJson value;
};

struct PageRow {
  std::string model;
  int tab;
  std::string open;                  // more fields of "open"
  std::string sim;                   // sim fields applied before the tab is shown again
  std::vector<std::string> actions;  // driver commands; none: the refresh is looked at
  std::vector<std::string> calls;
  std::vector<std::string> boxes;
  std::vector<Expect> controls;
};

inline std::string Cmd(const std::string& name, const std::string& fields) {
  return R"({"cmd":")" + name + "\"" + (fields.empty() ? "" : "," + fields) + "}";
}
inline std::string ClickOn(int id) { return Cmd("click", R"("id":)" + std::to_string(id)); }
inline std::string Choose(int id, int index) {
  return Cmd("select", R"("id":)" + std::to_string(id) + R"(,"index":)" + std::to_string(index));
}
inline std::string SlideTo(int id, int pos) {
  return Cmd("slide", R"("id":)" + std::to_string(id) + R"(,"pos":)" + std::to_string(pos));
}

// Calls one after another.
inline std::vector<std::string> Then(std::vector<std::string> calls, const std::vector<std::string>& more) {
  calls.insert(calls.end(), more.begin(), more.end());
  return calls;
}

inline void CheckRows(const std::vector<PageRow>& rows) {
  for (const PageRow& row : rows) {
    SCOPED_TRACE(row.model + " tab " + std::to_string(row.tab) + " sim " + row.sim +
                 (row.actions.empty() ? "" : " then " + row.actions.front()));
    Script script(row.model, row.tab, row.open);
    script.Events();
    if (!row.sim.empty()) script.Sim(row.sim);
    if (!row.sim.empty() || row.actions.empty()) script.Add(Cmd("tab", R"("index":)" + std::to_string(row.tab)));
    if (!row.actions.empty()) script.Events();
    for (const std::string& action : row.actions) script.Add(action);
    const std::string events = script.Events();
    const std::string dump = script.Dump();
    const auto output = script.Run();
    const OrderedJson reply = driver::testing::Reply(output, events);
    EXPECT_EQ(Calls(reply), row.calls);
    EXPECT_EQ(Messages(reply), row.boxes);
    for (const Expect& expect : row.controls) {
      const OrderedJson control = Control(driver::testing::Reply(output, dump), expect.id);
      EXPECT_EQ(expect.field == "count" ? OrderedJson(control["items"].size()) : control[expect.field], expect.value)
          << "control " << expect.id << " " << expect.field;
    }
  }
}

}  // namespace pages::testing
