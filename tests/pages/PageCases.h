#pragma once
// Page behaviour as a table: a case opens a model on a tab, runs a few user
// actions, and states the projector calls, message boxes and control states
// they must leave.
#include <sstream>

#include "tests/pages/PageTestSupport.h"

namespace pages::testing {

struct PageCase {
  std::string what;
  std::string model;
  int tab = 0;
  std::string openFields = "";      // more fields of "open", such as host overrides
  std::vector<std::string> before;  // actions whose calls and boxes are not looked at
  // "click ID", "select ID INDEX", "slide ID POS", "check ID STATE",
  // "sim FIELDS" (the simulator's fields, without braces), "reload FIELDS"
  // (the same, then the tab shown again, which refreshes the page).
  std::vector<std::string> actions;
  std::vector<std::string> calls;  // every projector call of the actions, in order; {"any"}: not checked
  std::vector<std::string> boxes;  // every message box of the actions
  std::string controls = "{}";     // {"ID":{"field":value}}: what the dump shows afterwards
};

inline void RunCase(const PageCase& c) {
  SCOPED_TRACE(c.model + ": " + c.what);
  Script script(c.model, c.tab, c.openFields);
  std::vector<std::string> actions = c.before;
  actions.push_back("events");
  actions.insert(actions.end(), c.actions.begin(), c.actions.end());
  for (const std::string& action : actions) {
    std::istringstream in(action);
    std::string verb, rest;
    in >> verb >> std::ws;
    std::getline(in, rest);
    int id = 0, value = 0;
    std::istringstream(rest) >> id >> value;
    const std::string control = R"(,"id":)" + std::to_string(id);
    if (verb == "events") script.Events();
    if (verb == "sim" || (verb == "reload" && !rest.empty())) script.Sim(rest);
    if (verb == "reload") script.Add(R"({"cmd":"tab","index":)" + std::to_string(c.tab) + "}");
    if (verb == "click") script.Click(id);
    if (verb == "select") script.Select(id, value);
    if (verb == "slide") script.Slide(id, value);
    if (verb == "check") script.Add(R"({"cmd":"check")" + control + R"(,"state":)" + std::to_string(value) + "}");
  }
  const std::string events = script.Events(), dump = script.Dump();
  const auto output = script.Run();
  const OrderedJson happened = driver::testing::Reply(output, events);
  if (c.calls != std::vector<std::string>{"any"}) {
    EXPECT_EQ(Calls(happened), c.calls);
  }
  EXPECT_EQ(Messages(happened), c.boxes);
  const OrderedJson page = driver::testing::Reply(output, dump), expected = OrderedJson::parse(c.controls);
  for (const auto& [id, fields] : expected.items()) {
    const OrderedJson control = Control(page, std::stoi(id));
    ASSERT_FALSE(control.is_null()) << "no control " << id;
    for (const auto& [field, value] : fields.items()) EXPECT_EQ(control[field], value) << id << " " << field;
  }
}

}  // namespace pages::testing
