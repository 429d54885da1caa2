#pragma once
// Running driver sessions in-process from a script of command lines, with
// room to look at (or poke) the open dialog between two commands.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "models/ModelDatabase.h"
#include "tools/driver/Session.h"

namespace driver::testing {

inline const models::ModelDatabase& Database() {
  static const models::ModelDatabase database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
  return database;
}

// Opens the dialog of type 5 model 30, the model with every tab.
inline constexpr char kOpen[] = R"({"cmd":"open","model":"5/30","seq":"o"})";

// A command line, or an action run when the session asks for the next line.
struct Step {
  std::string line;
  std::function<void(Session&)> action;
};
inline Step Line(std::string line) { return {std::move(line), nullptr}; }
inline Step Do(std::function<void(Session&)> action) { return {"", std::move(action)}; }

inline std::vector<OrderedJson> RunSession(std::vector<Step> steps) {
  std::vector<OrderedJson> output;
  Session* running = nullptr;
  std::size_t next = 0;
  LineSource source = [&]() -> std::optional<std::string> {
    for (; next < steps.size(); ++next) {
      if (!steps[next].action) return steps[next++].line;
      steps[next].action(*running);
    }
    return std::nullopt;
  };
  Session session(Database(), source, [&](const OrderedJson& object) { output.push_back(object); });
  running = &session;
  session.Run();
  return output;
}

inline std::vector<OrderedJson> RunLines(const std::vector<std::string>& lines) {
  std::vector<Step> steps;
  for (const std::string& line : lines) steps.push_back(Line(line));
  return RunSession(std::move(steps));
}

// The output in short: "modal 22151", "closed 22151 1", "ok o", "error o"
// (replies by their seq; "-" when they carry none).
inline std::vector<std::string> Trace(const std::vector<OrderedJson>& output) {
  std::vector<std::string> trace;
  for (const OrderedJson& object : output) {
    if (object.contains("event")) {
      std::string entry = object["event"].get<std::string>() + " " + std::to_string(object["template"].get<int>());
      if (object.contains("result")) entry += " " + object["result"].dump();
      trace.push_back(entry);
    } else {
      const std::string seq = object.contains("seq") ? object["seq"].dump() : "-";
      trace.push_back(std::string(object["ok"].get<bool>() ? "ok " : "error ") + seq);
    }
  }
  return trace;
}

// The reply carrying `seq` (a JSON-encoded value, e.g. "1" or "\"o\"").
inline OrderedJson Reply(const std::vector<OrderedJson>& output, const std::string& seq) {
  for (const OrderedJson& object : output)
    if (object.contains("ok") && object.contains("seq") && object["seq"].dump() == seq) return object;
  ADD_FAILURE() << "no reply with seq " << seq;
  return OrderedJson::object();
}

inline OrderedJson FirstEvent(const std::vector<OrderedJson>& output, const std::string& name) {
  for (const OrderedJson& object : output)
    if (object.value("event", "") == name) return object;
  ADD_FAILURE() << "no " << name << " event";
  return OrderedJson::object();
}

// The error of the reply with `seq`, or "" when it succeeded.
inline std::string ErrorOf(const std::vector<OrderedJson>& output, const std::string& seq) {
  const OrderedJson reply = Reply(output, seq);
  return reply.value("ok", false) ? "" : reply.value("error", std::string("(no error text)"));
}

// A command and what its reply must say: "" when it succeeds, else a part of
// its error text.
struct Expected {
  std::string line;
  std::string error;
};

// Runs `before`, then each case's line with its number (1, 2, ...) as seq,
// then `after`; checks every case's reply and returns the whole output.
inline std::vector<OrderedJson> RunCases(std::vector<Step> before, const std::vector<Expected>& cases,
                                         std::vector<Step> after = {}) {
  for (std::size_t i = 0; i < cases.size(); ++i) {
    OrderedJson command = OrderedJson::parse(cases[i].line);
    command["seq"] = i + 1;
    before.push_back(Line(command.dump()));
  }
  for (Step& step : after) before.push_back(std::move(step));
  const std::vector<OrderedJson> output = RunSession(std::move(before));
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const std::string error = ErrorOf(output, std::to_string(i + 1));
    if (cases[i].error.empty())
      EXPECT_EQ(error, "") << cases[i].line;
    else
      EXPECT_THAT(error, ::testing::HasSubstr(cases[i].error)) << cases[i].line;
  }
  return output;
}

}  // namespace driver::testing
