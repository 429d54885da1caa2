// The pages of type 3: picture (tab 1), input (2), screen (3) and setup (4).
// Each row opens a model, takes its steps and checks one outcome.
#include <sstream>

#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Reply;

struct Outcome {
  std::vector<std::string> calls, messages;
  OrderedJson dump;
};

// Steps: "sim FIELDS" changes the projector and refreshes the page (its calls
// are not counted), "now FIELDS" changes it without a refresh, "refresh" shows
// the tab again, "click ID", "select ID POSITION", "slide ID POSITION".
Outcome RunSteps(const char* model, int tab, const std::string& open, const std::vector<std::string>& steps) {
  Script script(model, tab, open);
  script.Events();
  for (const std::string& step : steps) {
    std::istringstream in(step);
    std::string verb;
    int id = 0, position = 0;
    in >> verb >> id >> position;
    if (verb == "sim") {
      script.Reload(step.substr(4));
      script.Events();
    }
    if (verb == "now") script.Sim(step.substr(4));
    if (verb == "refresh") script.Add(R"({"cmd":"tab","index":)" + std::to_string(tab) + "}");
    if (verb == "click") script.Click(id);
    if (verb == "select") script.Select(id, position);
    if (verb == "slide") script.Slide(id, position);
  }
  const std::string events = script.Events(), dump = script.Dump();
  const auto output = script.Run();
  return {Calls(Reply(output, events)), Messages(Reply(output, events)), Reply(output, dump)};
}

const std::string kNoRanges = R"("host":{"ranges":{}})";
const std::string kGammas = R"("host":{"gamma":[{"code":2,"name":"A"},{"code":5,"name":"B"}]})";
const std::string kNormalBright = R"("host":{"whisper":[{"code":0,"name":"Normal"},{"code":2,"name":"Bright"}]})";
const std::string kEcoWhisper = R"("host":{"whisper":[{"code":4,"name":"Eco"},{"code":7,"name":"Whisper"}]})";

struct Use {
  const char* model;
  int tab;
  std::string open;
  std::vector<std::string> steps;
  std::vector<std::string> calls;  // exactly these; with "*" first: these among others, "!X": not X
  std::vector<int> messages = {};  // 2201/N in stop boxes
};

TEST(Type3Pages, StepsSendWhatTheModelAllows) {
  const std::vector<Use> uses = {
      {"3/15", 1, "", {"sim \"set\":{\"0x2202\":146}", "click 21061"}, {}},  // colour stops at 18
      {"3/10", 1, "", {"sim \"set\":{\"0x2202\":146}", "click 21061"}, {"Inc 0x2202", "Get 0x2202"}},
      {"3/10", 1, "", {"sim \"set\":{\"0x2202\":191}", "click 21061"}, {}},
      {"3/47", 1, "", {"sim \"set\":{\"0x2201\":122}", "click 21056"}, {}},  // sharpness stops at -6
      {"3/8", 1, kNoRanges, {"sim \"set\":{\"0x2004\":175}", "click 20084"}, {"Inc 0x2004", "Get 0x2004"}},
      {"3/8", 1, kNoRanges, {"sim \"set\":{\"0x2004\":176}", "click 20084"}, {}},
      {"3/15", 1, R"("host":{"ranges":{"18":"100,160"}})", {"sim \"set\":{\"0x2004\":100}", "click 20082"}, {}},
      {"3/15", 1, "", {"sim \"set\":{\"0x2103\":248}", "click 20094"}, {}},
      {"3/15", 1, "", {"sim \"set\":{\"0x2100\":255}", "click 20087"}, {"Inc 0x2100"}, {54}},  // arrows: no bound
      {"3/15", 1, "", {"click 20088", "click 20086", "click 20098"},
       {"Dec 0x2101", "Get 0x2101", "Inc 0x2101", "Get 0x2101", "Inc 0x2102", "Get 0x2102"}},
      {"3/15", 1, "", {"slide 20093 77"}, {"Set 0x2103=72"}},
      {"3/15", 1, R"("host":{"ranges":{"16":"3,250"}})", {"slide 20093 5"}, {"Set 0x2103=8"}},
      {"3/15", 1, "", {"now \"fail\":[\"0x2003\"]", "slide 20079 10"}, {"Set 0x2003=138"}, {58}},
      {"3/15", 1, "", {"select 20099 1"}, {"SetAspect(1)"}},
      {"3/15", 1, "", {"select 21069 4", "click 21073"}, {"*", "ExecHSizeReset()", "Get 0x2102", "Get 0x2006"}},
      {"3/15", 2, "", {"click 20108", "select 20109 3", "select 20110 1", "select 21054 2", "select 21055 0",
                       "select 20111 1"},
       {"ExecAutoAdjust()", "SetVideoFormat(3)", "SetVideoNR(1,0)", "SetProgressive(2)", "SetBlack(0)", "SetHDTV(1)"}},
      {"3/15", 3, kGammas, {"select 20112 7", "select 20113 2", "select 20114 3", "select 20115 0", "select 20116 2",
                            "select 20117 3", "select 20118 1", "select 20119 2"},
       {"SetBlankColor(32)", "SetStartup(2)", "SetMirror(3)", "SetGamma(0)", "SetPinPInput(2)", "SetPinPPosition(3)",
        "SetPinPAudio(1)", "SetPinPSize(2)"}},
      {"3/15", 3, R"("host":{"gamma":[]})", {"refresh"}, {"*", "Get 0x3001", "!Get 0x30A1"}},
      {"3/15", 4, R"("host":{"ranges":{"21":"0,48"}})", {"sim \"set\":{\"0x2001\":32}", "click 20122"}, {}},
      {"3/15", 4, "", {"sim \"set\":{\"0x3110\":10}", "click 20128"}, {"IncrementAutoPowerOff(10)"}},
      {"3/15", 4, "", {"now \"fail\":[\"0x2001\",\"0x3110\"]", "slide 20121 20", "slide 20127 20"},
       {"Set 0x2001=20", "Set 0x3110=20"}, {65, 37}},
      {"3/10", 4, "", {"refresh", "click 20073"}, {"*", "Get 0x2600", "Get 0x2602", "SetIRFront(0)"}},
      {"3/15", 4, "", {"refresh"}, {"*", "Get 0x3300", "!Get 0x2600", "!Get 0x2601", "!Get 0x2602"}},
      {"3/47", 4, kNormalBright, {"select 20072 1"}, {"SetWhisper(2)"}},
      {"3/47", 4, kEcoWhisper, {"select 20072 0"}, {"SetWhisper(7)"}},
      {"3/47", 4, R"("host":{"whisper":[]})", {"refresh"}, {"*", "Get 0x3008", "!Get 0x3300"}},
  };
  for (const Use& use : uses) {
    const Outcome outcome = RunSteps(use.model, use.tab, use.open, use.steps);
    SCOPED_TRACE(std::string(use.model) + " " + use.open + " " + ::testing::PrintToString(use.steps));
    if (use.calls.empty() || use.calls.front() != "*") {
      EXPECT_EQ(outcome.calls, use.calls);
    } else {
      for (std::size_t i = 1; i < use.calls.size(); ++i) {
        const bool absent = use.calls[i][0] == '!';
        const std::string call = use.calls[i].substr(absent ? 1 : 0);
        EXPECT_EQ(std::count(outcome.calls.begin(), outcome.calls.end(), call) > 0, !absent) << call;
      }
    }
    std::vector<std::string> boxes;
    for (int number : use.messages) boxes.push_back(StopBox(Msg(2201, number)));
    EXPECT_EQ(outcome.messages, boxes);
  }
}

struct Shown {
  const char* model;
  int tab;
  std::string open;
  std::vector<std::string> steps;
  int id;
  const char* key;  // a field of the control's dump; "range": [min, max]; "items5": numbers as catalog 5/N
  const char* value;
};

TEST(Type3Pages, ControlsShowWhatTheModelAndTheProjectorSay) {
  const std::vector<Shown> shown = {
      {"3/8", 1, kNoRanges, {}, 20083, "range", "[-48,48]"},
      {"3/8", 1, kNoRanges, {}, 21060, "range", "[-18,18]"},
      {"3/8", 1, "", {}, 20099, "items5", "[350,351,352]"},
      {"3/10", 1, kNoRanges, {}, 21060, "range", "[-63,63]"},
      {"3/10", 1, kNoRanges, {}, 21057, "range", "[-6,6]"},
      {"3/10", 1, kNoRanges, {}, 21063, "range", "[-14,14]"},
      {"3/47", 1, "", {}, 20099, "items5", "[350,351,355,356,360]"},
      {"3/15", 1, kNoRanges, {}, 20083, "range", "[-32,32]"},
      {"3/15", 1, kNoRanges, {}, 21057, "range", "[-8,8]"},
      {"3/15", 1, kNoRanges, {}, 21063, "range", "[-18,18]"},
      {"3/15", 1, R"("host":{"ranges":{"18":"100,160"}})", {}, 20083, "range", "[-28,32]"},
      {"3/15", 1, kNoRanges, {}, 20093, "range", "[0,248]"},
      {"3/15", 1, "", {}, 20093, "page", "8"},
      {"3/15", 1, "", {}, 20099, "items5", "[1,2,3,4]"},
      {"3/15", 1, "", {"sim \"set\":{\"0x2008\":2}"}, 20099, "sel", "2"},
      {"3/15", 1, "", {}, 20086, "bitmap", "22156"},
      {"3/15", 1, "", {"slide 20093 77"}, 20093, "pos", "72"},
      {"3/15", 1, "", {"slide 20093 77"}, 20095, "text", "\"72\""},
      {"3/15", 1, "", {"now \"fail\":[\"0x2003\"]", "slide 20079 10"}, 20079, "pos", "0"},
      {"3/15", 2, "", {}, 20109, "items5", R"([98,"NTSC","PAL","SECAM","NTSC 4.43","M-PAL","N-PAL"])"},
      {"3/15", 2, "", {}, 21054, "items5", R"([30,"TV",326])"},
      {"3/15", 2, "", {"sim \"set\":{\"0x2200\":9}"}, 20109, "sel", "3"},
      {"3/15", 2, "", {"sim \"set\":{\"0x2200\":3}"}, 20109, "sel", "-1"},
      {"3/8", 3, "", {}, 20112, "items5", "[60,61,62,63,64,65,66]"},
      {"3/8", 3, "", {"sim \"set\":{\"0x3000\":64}"}, 20112, "sel", "-1"},
      {"3/15", 3, "", {"sim \"set\":{\"0x3000\":64}"}, 20112, "sel", "8"},
      {"3/8", 3, "", {}, 20113, "items5", "[331,330]"},
      {"3/8", 3, "", {"sim \"set\":{\"0x3004\":0}"}, 20113, "sel", "0"},
      {"3/15", 3, "", {"sim \"set\":{\"0x3004\":32}"}, 20113, "sel", "2"},
      {"3/47", 3, "", {}, 20116, "items5", "[87,88]"},
      {"3/47", 3, "", {"sim \"set\":{\"0x2302\":5}"}, 20116, "sel", "-1"},
      {"3/15", 3, "", {"sim \"set\":{\"0x2302\":5}"}, 20116, "sel", "2"},
      {"3/15", 3, kGammas, {"sim \"set\":{\"0x30A1\":5}"}, 20115, "items5", "[72,75]"},
      {"3/15", 3, kGammas, {"sim \"set\":{\"0x30A1\":5}"}, 20115, "sel", "1"},
      {"3/15", 3, R"("host":{"gamma":[]})", {}, 20115, "enabled", "false"},
      {"3/8", 4, "", {}, 20131, "visible", "false"},
      {"3/48", 4, "", {}, 20076, "visible", "true"},
      {"3/10", 4, "", {"sim \"set\":{\"0x2600\":0}"}, 20073, "check", "0"},
      {"3/10", 4, "", {"sim \"fail\":[\"0x2601\"]"}, 20074, "enabled", "false"},
      {"3/10", 4, "", {"sim \"fail\":[\"0x2601\"]", "sim \"clear\":true"}, 20074, "enabled", "true"},
      {"3/15", 4, "", {"sim \"fail\":[\"0x3110\"]"}, 20127, "enabled", "false"},
      {"3/15", 4, "", {"sim \"fail\":[\"0x3110\"]"}, 20129, "text", "\"\""},
      {"3/15", 4, "", {"sim \"fail\":[\"0x3110\"]", "sim \"clear\":true"}, 20128, "enabled", "true"},
      {"3/15", 4, "", {"sim \"set\":{\"0x3110\":10}", "click 20128", "now \"fail\":[\"0x3110\"]", "slide 20127 20"},
       20129, "text", "\"11\""},
      {"3/47", 4, kNormalBright, {"sim \"set\":{\"0x3300\":2}"}, 20072, "items5", "[25,27]"},
      {"3/47", 4, kNormalBright, {"sim \"set\":{\"0x3300\":2}"}, 20072, "sel", "1"},
      {"3/47", 4, kEcoWhisper, {}, 20072, "items5", "[26]"},
      {"3/47", 4, R"("host":{"whisper":[]})", {}, 20072, "enabled", "false"},
  };
  for (const Shown& row : shown) {
    const OrderedJson control = Control(RunSteps(row.model, row.tab, row.open, row.steps).dump, row.id);
    OrderedJson expected = OrderedJson::parse(row.value), actual;
    const std::string key = row.key;
    if (key == "range") {
      actual = OrderedJson::array({control["min"], control["max"]});
    } else {
      actual = control[key == "items5" ? "items" : key];
    }
    if (key == "items5")
      for (auto& item : expected)
        if (item.is_number()) item = CatalogText(Msg(5, item.get<int>()));
    EXPECT_EQ(actual, expected) << row.model << " " << row.open << " " << row.id << " " << row.key;
  }
}

}  // namespace
}  // namespace pages::testing
