// The picture, image and position pages of types 1 and 2 through the driver,
// one row per behaviour: the projector's state before the actions, the
// actions, the projector calls they make, the boxes they show, and what some
// controls show afterwards.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Reply;

struct Row {
  const char* model;
  int tab;
  std::string open, state;  // "open" fields; the projector's state, then a refresh ("" none)
  // "click ID", "slide ID POS", "select ID INDEX", "tab" (a refresh), or sim fields ("fail":[...])
  std::vector<std::string> actions;
  std::vector<std::string> calls;
  std::vector<int> boxes;  // 2201/n
  // "ID=text", "ID@pos", "ID#sel", "ID*items", "ID^a|b|c" (items), "ID[min,max]", "ID!" disabled, "ID~" hidden
  std::vector<std::string> shows;
};

std::string Shown(const OrderedJson& c, char how) {
  switch (how) {
    case '=': return c["text"];
    case '@': return c["pos"].dump();
    case '#': return c["sel"].dump();
    case '*': return std::to_string(c["items"].size());
    case '^': {
      std::string items;
      for (const auto& item : c["items"]) items += (items.empty() ? "" : "|") + item.get<std::string>();
      return items;
    }
    case '[': return c["min"].dump() + "," + c["max"].dump() + "]";
    case '!': return c["enabled"].get<bool>() ? "enabled" : "";
    default: return c["visible"].get<bool>() ? "visible" : "";
  }
}

void Check(const Row& row) {
  SCOPED_TRACE(std::string(row.model) + " tab " + std::to_string(row.tab) + " " + row.state + " " +
               (row.actions.empty() ? "" : row.actions.front()));
  Script script(row.model, row.tab, row.open);
  if (!row.state.empty()) script.Reload(row.state);
  script.Events();
  for (const std::string& action : row.actions) {
    int id = 0, value = 0;
    if (std::sscanf(action.c_str(), "click %d", &id) == 1) script.Click(id);
    else if (std::sscanf(action.c_str(), "slide %d %d", &id, &value) == 2) script.Slide(id, value);
    else if (std::sscanf(action.c_str(), "select %d %d", &id, &value) == 2) script.Select(id, value);
    else if (action == "tab") script.Add(R"({"cmd":"tab","index":)" + std::to_string(row.tab) + "}");
    else script.Sim(action);
  }
  const std::string events = script.Events(), dump = script.Dump();
  const auto output = script.Run();
  EXPECT_EQ(Calls(Reply(output, events)), row.calls);
  std::vector<std::string> boxes;
  for (int n : row.boxes) boxes.push_back(StopBox(Msg(2201, n)));
  EXPECT_EQ(Messages(Reply(output, events)), boxes);
  for (const std::string& show : row.shows) {
    const std::size_t at = show.find_first_of("=@#*^[!~");
    const OrderedJson control = Control(Reply(output, dump), std::stoi(show.substr(0, at)));
    ASSERT_FALSE(control.is_null()) << show;
    EXPECT_EQ(Shown(control, show[at]), show.substr(at + 1)) << show;
  }
}

const std::string kNoRanges = R"("host":{"ranges":{}})";

TEST(Type12Pages, PicturePages) {
  const std::vector<std::string> refresh = {"Get 0x2003", "Get 0x2004", "Get 0x2008", "Get 0x3300", "Get 0x3001", "Get 0x3005"};
  for (const Row& row : std::vector<Row>{
           {"1/3", 1, kNoRanges, "", {"tab"}, refresh, {}, {"21045~", "20020~", "21034*17", "21043*2", "21038[-32,32]"}},
           {"1/16", 1, "", "", {"tab"}, {"Get 0x2003", "Get 0x2004", "Get 0x2007", "Get 0x2008", "Get 0x3300", "Get 0x3001",
                                         "Get 0x3005"}, {}, {"21034*15", "21043*3", "21045[-128,127]"}},
           // The buttons stop at ±32 whatever the slider's range; a step shows the value read back.
           {"1/16", 1, "", R"("set":{"0x2003":96,"0x2004":160})", {"click 21035", "click 21040", "click 21036"},
            {"Inc 0x2003", "Get 0x2003"}, {}, {"21116=-31", "21038@-31"}},
           {"1/16", 1, "", "", {"slide 21045 -20", R"("fail":["0x2003"])", "slide 21038 10"},
            {"Set 0x2007=108", "Set 0x2003=138"}, {58}, {"21117=-20", "21038@0", "21116=0"}},
           // An unknown whisper name adds no item and shifts no code; no whisper table, no read.
           {"1/3", 1, R"("host":{"whisper":[{"code":0,"name":"Normal"},{"code":5,"name":"Eco"},{"code":7,"name":"Whisper"}]})",
            "", {"select 21042 1"}, {"SetWhisper(7)"}, {}, {"21042*2"}},
           {"1/3", 1, R"("host":{"whisper":[]})", "", {"tab"}, {refresh[0], refresh[1], refresh[2], refresh[4], refresh[5]}, {},
            {"21042!"}},
           {"1/3", 1, "", R"("set":{"0x2008":9})", {"select 21043 1", "click 21044", "select 21041 2", "select 21033 3",
            "select 21034 14"}, {"ExecContrastReset()", refresh[0], refresh[1], refresh[2], refresh[3], refresh[4], refresh[5],
            "SetAspect(2)", "SetMirror(3)", "SetLanguage(14)"}, {}, {"21043#0"}},
           {"1/3", 1, "", R"("set":{"0x2008":9})", {}, {}, {}, {"21041#-1"}},
           // Type 2: code 2's own aspect text; the gamma code read selects the item holding it.
           {"2/6", 1, R"("host":{"gamma":[{"code":0,"name":"A"},{"code":2,"name":"B"},{"code":5,"name":"C"}]})",
            R"("set":{"0x30A1":5})", {"select 21045 1", "select 20027 2"}, {"SetGamma(1)", "SetPicturePosition(2)"}, {},
            {"21034*11", "21043*2", "21041^Normal|Full|Wide (16:9)|Zoom", "21045*3"}},
           {"2/6", 1, R"("host":{"gamma":[{"code":0,"name":"A"},{"code":2,"name":"B"},{"code":5,"name":"C"}]})",
            R"("set":{"0x30A1":5})", {}, {}, {}, {"21045#2"}},
       })
    Check(row);
}

std::vector<std::string> Then(std::vector<std::string> first, const std::vector<std::string>& rest) {
  first.insert(first.end(), rest.begin(), rest.end());
  return first;
}

TEST(Type12Pages, ImagePages) {
  const std::vector<std::string> refresh1 = {"Get 0x30A1", "Get 0x30B0", "Get 0x30B1", "Get 0x30B2", "Get 0x30B3",
                                             "Get 0x30A0", "Get 0x2005", "Get 0x2012", "Get 0x2006", "Get 0x2201",
                                             "Get 0x2202", "Get 0x2203"};
  const std::vector<std::string> refresh2 = {"Get 0x2005", "Get 0x2006", "Get 0x2201", "Get 0x2202", "Get 0x2203"};
  for (const Row& row : std::vector<Row>{
           // Model 3 has its own colour and tint ranges and bounds.
           {"1/3", 2, kNoRanges, R"("set":{"0x2202":160,"0x2203":160})", {"click 21059", "click 21062"}, {}, {},
            {"21058[-32,32]", "21061[-32,32]"}},
           {"1/5", 2, kNoRanges, R"("set":{"0x2202":191,"0x2203":142})", {"click 21059", "click 21062", "click 21057"},
            {"Dec 0x2202", "Get 0x2202"}, {}, {"21058[-63,63]", "21061[-14,14]", "21126=62", "21055[1,5]"}},
           // Custom gamma in tenths, stopping at 3.2; sharpness shown less 125.
           {"1/5", 2, "", R"("set":{"0x30A0":32,"0x2201":126})", {"click 21048", "click 21046", "slide 21055 3"},
            {"Dec 0x30A0", "Get 0x30A0", "Set 0x2201=128"}, {}, {"21121=3.1", "21125=3"}},
           {"1/16", 2, "", "", {"select 21049 1", "select 21050 3", "select 21045 2", R"("fail":["0x30B0","0x30B2"])",
            "select 21049 0", "select 21051 0"}, {"Set 0x30B0=2", "Set 0x30B1=3", "SetGamma(2)", "Set 0x30B0=3",
            "Set 0x30B2=0"}, {61, 75}, {"21050^100|90|80|70|60|50"}},
           {"1/3", 2, "", "", {"select 21063 5", "click 21064", "select 21068 5", "click 21069"},
            Then(Then({"SetMyMemory(5)"}, refresh1), Then({"ExecTintReset()"}, refresh1)), {}, {"21068*6", "21063#0"}},
           // Type 2: sharpness around zero; five resets, the second for blue.
           {"2/6", 2, kNoRanges, R"("set":{"0x2201":134})", {"click 21056", "select 20029 1", "click 21069"},
            Then({"ExecColorBalBReset()"}, refresh2), {}, {"21055[-6,6]", "21125=6", "21058[-63,63]", "21061[-14,14]"}},
       })
    Check(row);
}

TEST(Type12Pages, PositionPages) {
  for (const Row& row : std::vector<Row>{
           // Left raises the horizontal position, up the vertical one; no bounds.
           {"1/3", 3, "", R"("set":{"0x2101":0})", {"click 21052", "click 21053", "click 21054"},
            {"Inc 0x2101", "Get 0x2101", "Dec 0x2101", "Get 0x2101", "Inc 0x2100", "Get 0x2100"}, {}, {"20022=0"}},
           {"1/3", 3, kNoRanges, R"("set":{"0x2103":31})", {"click 21072", "click 21074", R"("fail":["0x2102"])", "click 21075"},
            {"Dec 0x2102", "Get 0x2102", "Inc 0x2102"}, {56}, {"21071[0,31]", "21050[90,100]"}},
           // Over scan starts at 90: a failed read leaves "-" at its bound.
           {"1/3", 3, "", R"("fail":["0x2209"])", {"click 21049", "select 21073 3", "click 21078"}, {"ExecOverScanReset()"},
            {}, {"21115=", "21049!", "21073*4"}},
           // Type 2: the phase goes in steps of 8, never below the slider's minimum.
           {"2/6", 3, kNoRanges, "", {"slide 20036 13", "slide 20036 248"}, {"Set 0x2103=8", "Set 0x2103=248"}, {},
            {"20036[0,248]", "20038=248"}},
           {"2/6", 3, R"("host":{"ranges":{"16":"3,248"}})", "", {"slide 20036 5", R"("fail":["0x2209"])", "select 20030 2"},
            {"Set 0x2103=8", "Set 0x2209=2"}, {53}, {"20036@8", "20042*3"}},
           {"2/6", 3, "", R"("set":{"0x2209":1})", {"click 20034", "click 20033"}, {"Inc 0x2101", "Get 0x2101", "Dec 0x2100", "Get 0x2100"},
            {}, {"20030#1"}},
       })
    Check(row);
}

}  // namespace
}  // namespace pages::testing
