// The picture, image and position pages of types 1 and 2.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

const std::string kNoRanges = R"("host":{"ranges":{}})";

TEST(Type12Pages, PicturePages) {
  const std::vector<std::string> refresh = {"Get 0x2003", "Get 0x2004", "Get 0x2008", "Get 0x3300", "Get 0x3001", "Get 0x3005"};
  const std::string gammas = R"("host":{"gamma":[{"code":0,"name":"A"},{"code":2,"name":"B"},{"code":5,"name":"C"}]})";
  RunCases({
      {.what = "model 3: no keystone, 17 languages, ±32 without range texts; an unknown aspect selects nothing",
       .model = "1/3", .tab = 1, .openFields = kNoRanges, .actions = {R"(reload "set":{"0x2008":9})"}, .calls = refresh,
       .controls = {R"("21045 20020":{"visible":false},"21034":{"count":17},"21043":{"count":2},
                      "21038":{"min":-32,"max":32},"21041":{"sel":-1})"}},
      {.what = "model 16: keystone, 15 languages, three resets", .model = "1/16", .tab = 1, .actions = {"reload"},
       .calls = {"Get 0x2003", "Get 0x2004", "Get 0x2007", "Get 0x2008", "Get 0x3300", "Get 0x3001", "Get 0x3005"},
       .controls = {R"("21034":{"count":15},"21043":{"count":3},"21045":{"min":-128,"max":127})"}},
      {.what = "the buttons stop at ±32 whatever the slider's range; a step shows the value read back",
       .model = "1/16", .tab = 1, .before = {R"(reload "set":{"0x2003":96,"0x2004":160})"},
       .actions = {"click 21035", "click 21040", "click 21036"}, .calls = {"Inc 0x2003", "Get 0x2003"},
       .controls = {R"("21116":{"text":"-31"},"21038":{"pos":-31})"}},
      {.what = "slides send value + 128; a refused one reports and snaps back",
       .model = "1/16", .tab = 1, .actions = {"slide 21045 -20", R"(sim "fail":["0x2003"])", "slide 21038 10"},
       .calls = {"Set 0x2007=108", "Set 0x2003=138"}, .boxes = {Stop(58)},
       .controls = {R"("21117":{"text":"-20"},"21038":{"pos":0},"21116":{"text":"0"})"}},
      {.what = "an unknown whisper name adds no item and shifts no code", .model = "1/3", .tab = 1,
       .openFields = R"("host":{"whisper":[{"code":0,"name":"Normal"},{"code":5,"name":"Eco"},{"code":7,"name":"Whisper"}]})",
       .actions = {"select 21042 1"}, .calls = {"SetWhisper(7)"}, .controls = {R"("21042":{"count":2})"}},
      {.what = "no whisper table: the list is disabled and not read",
       .model = "1/3", .tab = 1, .openFields = R"("host":{"whisper":[]})", .actions = {"reload"},
       .calls = {refresh[0], refresh[1], refresh[2], refresh[4], refresh[5]},
       .controls = {R"("21042":{"enabled":false})"}},
      {.what = "a reset rereads the page; lists send their position",
       .model = "1/3", .tab = 1, .before = {R"(reload "set":{"0x2008":9})"},
       .actions = {"select 21043 1", "click 21044", "select 21041 2", "select 21033 3", "select 21034 14"},
       .calls = {"ExecContrastReset()", refresh[0], refresh[1], refresh[2], refresh[3], refresh[4], refresh[5],
                 "SetAspect(2)", "SetMirror(3)", "SetLanguage(14)"},
       .controls = {R"("21043":{"sel":0})"}},
      {.what = "type 2: code 2's own aspect text; gamma and position lists",
       .model = "2/6", .tab = 1, .openFields = gammas, .actions = {"select 21045 1", "select 20027 2"},
       .calls = {"SetGamma(1)", "SetPicturePosition(2)"},
       .controls = {R"x("21034":{"count":11},"21043":{"count":2},"21045":{"count":3},
                      "21041":{"items":["Normal","Full","Wide (16:9)","Zoom"]})x"}},
      {.what = "type 2: the gamma code read selects the item holding it",
       .model = "2/6", .tab = 1, .openFields = gammas, .before = {R"(reload "set":{"0x30A1":5})"},
       .controls = {R"("21045":{"sel":2})"}},
  });
}

TEST(Type12Pages, ImagePages) {
  const std::vector<std::string> refresh1 = {"Get 0x30A1", "Get 0x30B0", "Get 0x30B1", "Get 0x30B2", "Get 0x30B3",
                                             "Get 0x30A0", "Get 0x2005", "Get 0x2012", "Get 0x2006", "Get 0x2201",
                                             "Get 0x2202", "Get 0x2203"};
  RunCases({
      {.what = "model 3 has its own colour and tint ranges and bounds",
       .model = "1/3", .tab = 2, .openFields = kNoRanges, .before = {R"(reload "set":{"0x2202":160,"0x2203":160})"},
       .actions = {"click 21059", "click 21062"}, .controls = {R"("21058 21061":{"min":-32,"max":32})"}},
      {.model = "1/5", .tab = 2, .openFields = kNoRanges, .before = {R"(reload "set":{"0x2202":191,"0x2203":142})"},
       .actions = {"click 21059", "click 21062", "click 21057"}, .calls = {"Dec 0x2202", "Get 0x2202"},
       .controls = {R"("21058":{"min":-63,"max":63},"21061":{"min":-14,"max":14},"21126":{"text":"62"},
                      "21055":{"min":1,"max":5})"}},
      {.what = "custom gamma in tenths, stopping at 3.2; sharpness shown less 125",
       .model = "1/5", .tab = 2, .before = {R"(reload "set":{"0x30A0":32,"0x2201":126})"},
       .actions = {"click 21048", "click 21046", "slide 21055 3"},
       .calls = {"Dec 0x30A0", "Get 0x30A0", "Set 0x2201=128"},
       .controls = {R"("21121":{"text":"3.1"},"21125":{"text":"3"})"}},
      {.what = "colour temperature lists send their codes and report refusals", .model = "1/16", .tab = 2,
       .actions = {"select 21049 1", "select 21050 3", "select 21045 2", R"(sim "fail":["0x30B0","0x30B2"])",
                   "select 21049 0", "select 21051 0"},
       .calls = {"Set 0x30B0=2", "Set 0x30B1=3", "SetGamma(2)", "Set 0x30B0=3", "Set 0x30B2=0"},
       .boxes = {Stop(61), Stop(75)}, .controls = {R"("21050":{"items":["100","90","80","70","60","50"]})"}},
      {.what = "my memory and a reset reread the page",
       .model = "1/3", .tab = 2, .actions = {"select 21063 5", "click 21064", "select 21068 5", "click 21069"},
       .calls = Then(Then({"SetMyMemory(5)"}, refresh1), Then({"ExecTintReset()"}, refresh1)),
       .controls = {R"("21068":{"count":6},"21063":{"sel":0})"}},
      {.what = "type 2: sharpness around zero; five resets, the second for blue",
       .model = "2/6", .tab = 2, .openFields = kNoRanges, .before = {R"(reload "set":{"0x2201":134})"},
       .actions = {"click 21056", "select 20029 1", "click 21069"},
       .calls = {"ExecColorBalBReset()", "Get 0x2005", "Get 0x2006", "Get 0x2201", "Get 0x2202", "Get 0x2203"},
       .controls = {R"("21055":{"min":-6,"max":6},"21125":{"text":"6"},"21058":{"min":-63,"max":63},
                      "21061":{"min":-14,"max":14})"}},
  });
}

TEST(Type12Pages, PositionPages) {
  RunCases({
      {.what = "left raises the horizontal position, up the vertical one; no bounds",
       .model = "1/3", .tab = 3, .before = {R"(reload "set":{"0x2101":0})"},
       .actions = {"click 21052", "click 21053", "click 21054"},
       .calls = {"Inc 0x2101", "Get 0x2101", "Dec 0x2101", "Get 0x2101", "Inc 0x2100", "Get 0x2100"},
       .controls = {R"("20022":{"text":"0"})"}},
      {.what = "H phase stops at the slider's end; a refused H size step reports",
       .model = "1/3", .tab = 3, .openFields = kNoRanges, .before = {R"(reload "set":{"0x2103":31})"},
       .actions = {"click 21072", "click 21074", R"(sim "fail":["0x2102"])", "click 21075"},
       .calls = {"Dec 0x2102", "Get 0x2102", "Inc 0x2102"}, .boxes = {Stop(56)},
       .controls = {R"("21071":{"min":0,"max":31},"21050":{"min":90,"max":100})"}},
      {.what = "over scan starts at 90: a failed read leaves the box empty at its bound",
       .model = "1/3", .tab = 3, .before = {R"(reload "fail":["0x2209"])"},
       .actions = {"select 21073 3", "click 21078"}, .calls = {"ExecOverScanReset()"},
       .controls = {R"("21115":{"text":""},"21049":{"enabled":false},"21073":{"count":4})"}},
      {.what = "type 2: the phase goes in steps of 8",
       .model = "2/6", .tab = 3, .openFields = kNoRanges, .actions = {"slide 20036 13", "slide 20036 248"},
       .calls = {"Set 0x2103=8", "Set 0x2103=248"},
       .controls = {R"("20036":{"min":0,"max":248},"20038":{"text":"248"})"}},
      {.what = "type 2: the phase never goes below the slider's minimum; a refused over scan reports",
       .model = "2/6", .tab = 3, .openFields = R"("host":{"ranges":{"16":"3,248"}})",
       .actions = {"slide 20036 5", R"(sim "fail":["0x2209"])", "select 20030 2"},
       .calls = {"Set 0x2103=8", "Set 0x2209=2"}, .boxes = {Stop(53)},
       .controls = {R"("20036":{"pos":8},"20042":{"count":3})"}},
      {.model = "2/6", .tab = 3, .before = {R"(reload "set":{"0x2209":1})"}, .actions = {"click 20034", "click 20033"},
       .calls = {"Inc 0x2101", "Get 0x2101", "Dec 0x2100", "Get 0x2100"}, .controls = {R"("20030":{"sel":1})"}},
  });
}

}  // namespace
}  // namespace pages::testing
