// The pages of type 3: picture (tab 1), input (2), screen (3) and setup (4).
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

const std::string kNoRanges = R"("host":{"ranges":{}})";
const std::string kGammas = R"("host":{"gamma":[{"code":2,"name":"A"},{"code":5,"name":"B"}]})";
const std::string kNormalBright = R"("host":{"whisper":[{"code":0,"name":"Normal"},{"code":2,"name":"Bright"}]})";

TEST(Type3Pages, PicturePage) {
  RunCases({
      {.what = "colour stops at 18", .model = "3/15", .tab = 1, .before = {R"(reload "set":{"0x2202":146})"},
       .actions = {"click 21061"}},
      {.model = "3/10", .tab = 1, .before = {R"(reload "set":{"0x2202":146})"}, .actions = {"click 21061"},
       .calls = {"Inc 0x2202", "Get 0x2202"}},
      {.model = "3/10", .tab = 1, .before = {R"(reload "set":{"0x2202":191})"}, .actions = {"click 21061"}},
      {.what = "sharpness stops at -6", .model = "3/47", .tab = 1, .before = {R"(reload "set":{"0x2201":122})"},
       .actions = {"click 21056"}},
      {.model = "3/8", .tab = 1, .openFields = kNoRanges, .before = {R"(reload "set":{"0x2004":175})"},
       .actions = {"click 20084"}, .calls = {"Inc 0x2004", "Get 0x2004"},
       .controls = {R"("20083":{"min":-48,"max":48},"21060":{"min":-18,"max":18})"}},
      {.model = "3/8", .tab = 1, .openFields = kNoRanges, .before = {R"(reload "set":{"0x2004":176})"},
       .actions = {"click 20084"}},
      {.model = "3/15", .tab = 1, .openFields = R"("host":{"ranges":{"18":"100,160"}})",
       .before = {R"(reload "set":{"0x2004":100})"}, .actions = {"click 20082"},
       .controls = {R"("20083":{"min":-28,"max":32})"}},
      {.model = "3/15", .tab = 1, .before = {R"(reload "set":{"0x2103":248})"}, .actions = {"click 20094"}},
      {.what = "arrows have no bound", .model = "3/15", .tab = 1, .before = {R"(reload "set":{"0x2100":255})"},
       .actions = {"click 20087"}, .calls = {"Inc 0x2100"}, .boxes = {Stop(54)}},
      {.model = "3/15", .tab = 1, .actions = {"click 20088", "click 20086", "click 20098"},
       .calls = {"Dec 0x2101", "Get 0x2101", "Inc 0x2101", "Get 0x2101", "Inc 0x2102", "Get 0x2102"}},
      {.what = "the phase goes in steps of 8", .model = "3/15", .tab = 1, .actions = {"slide 20093 77"},
       .calls = {"Set 0x2103=72"}, .controls = {R"("20093":{"pos":72},"20095":{"text":"72"})"}},
      {.model = "3/15", .tab = 1, .openFields = R"("host":{"ranges":{"16":"3,250"}})", .actions = {"slide 20093 5"},
       .calls = {"Set 0x2103=8"}},
      {.model = "3/15", .tab = 1, .actions = {R"(sim "fail":["0x2003"])", "slide 20079 10"},
       .calls = {"Set 0x2003=138"}, .boxes = {Stop(58)}, .controls = {R"("20079":{"pos":0})"}},
      {.model = "3/15", .tab = 1, .actions = {"select 20099 1"}, .calls = {"SetAspect(1)"}},
      {.model = "3/15", .tab = 1, .actions = {"select 21069 4", "click 21073"},
       .calls = {"*", "ExecHSizeReset()", "Get 0x2102", "Get 0x2006"}},
      {.what = "ranges by model", .model = "3/10", .tab = 1, .openFields = kNoRanges,
       .controls = {R"("21060":{"min":-63,"max":63},"21057":{"min":-6,"max":6},"21063":{"min":-14,"max":14})"}},
      {.model = "3/15", .tab = 1, .openFields = kNoRanges,
       .controls = {R"("20083":{"min":-32,"max":32},"21057":{"min":-8,"max":8},"21063":{"min":-18,"max":18},
                      "20093":{"min":0,"max":248})"}},
      {.what = "aspect items by model", .model = "3/8", .tab = 1,
       .controls = {R"("20099":{"items":["@5/350","@5/351","@5/352"]})"}},
      {.model = "3/47", .tab = 1, .controls = {R"("20099":{"items":["@5/350","@5/351","@5/355","@5/356","@5/360"]})"}},
      {.model = "3/15", .tab = 1, .before = {R"(reload "set":{"0x2008":2})"},
       .controls = {R"("20099":{"items":["@5/1","@5/2","@5/3","@5/4"],"sel":2},"20093":{"page":8},
                      "20086":{"bitmap":22156})"}},
  });
}

TEST(Type3Pages, InputAndScreenPages) {
  RunCases({
      {.model = "3/15", .tab = 2,
       .actions = {"click 20108", "select 20109 3", "select 20110 1", "select 21054 2", "select 21055 0", "select 20111 1"},
       .calls = {"ExecAutoAdjust()", "SetVideoFormat(3)", "SetVideoNR(1,0)", "SetProgressive(2)", "SetBlack(0)",
                 "SetHDTV(1)"}},
      {.model = "3/15", .tab = 2, .before = {R"(reload "set":{"0x2200":9})"},
       .controls = {R"("20109":{"sel":3,"items":["@5/98","NTSC","PAL","SECAM","NTSC 4.43","M-PAL","N-PAL"]},
                      "21054":{"items":["@5/30","TV","@5/326"]})"}},
      {.model = "3/15", .tab = 2, .before = {R"(reload "set":{"0x2200":3})"}, .controls = {R"("20109":{"sel":-1})"}},
      {.model = "3/15", .tab = 3, .openFields = kGammas,
       .actions = {"select 20112 7", "select 20113 2", "select 20114 3", "select 20115 0", "select 20116 2",
                   "select 20117 3", "select 20118 1", "select 20119 2"},
       .calls = {"SetBlankColor(32)", "SetStartup(2)", "SetMirror(3)", "SetGamma(0)", "SetPinPInput(2)",
                 "SetPinPPosition(3)", "SetPinPAudio(1)", "SetPinPSize(2)"}},
      {.what = "no gamma entries: the list is disabled and not read", .model = "3/15", .tab = 3,
       .openFields = R"("host":{"gamma":[]})", .actions = {"reload"}, .calls = {"*", "Get 0x3001", "!Get 0x30A1"},
       .controls = {R"("20115":{"enabled":false})"}},
      {.model = "3/15", .tab = 3, .openFields = kGammas, .before = {R"(reload "set":{"0x30A1":5})"},
       .controls = {R"("20115":{"items":["@5/72","@5/75"],"sel":1})"}},
      {.what = "model 8: fewer blank colours and start-up items; a code it lacks selects nothing",
       .model = "3/8", .tab = 3, .before = {R"(reload "set":{"0x3000":64,"0x3004":0})"},
       .controls = {R"("20112":{"items":["@5/60","@5/61","@5/62","@5/63","@5/64","@5/65","@5/66"],"sel":-1},
                      "20113":{"items":["@5/331","@5/330"],"sel":0})"}},
      {.model = "3/15", .tab = 3, .before = {R"(reload "set":{"0x3000":64,"0x3004":32,"0x2302":5})"},
       .controls = {R"("20112":{"sel":8},"20113":{"sel":2},"20116":{"sel":2})"}},
      {.model = "3/47", .tab = 3, .before = {R"(reload "set":{"0x2302":5})"},
       .controls = {R"("20116":{"items":["@5/87","@5/88"],"sel":-1})"}},
  });
}

TEST(Type3Pages, SetupPage) {
  RunCases({
      {.model = "3/15", .tab = 4, .openFields = R"("host":{"ranges":{"21":"0,48"}})",
       .before = {R"(reload "set":{"0x2001":32})"}, .actions = {"click 20122"}},
      {.what = "auto power off steps hand the value over; a refused slide keeps the box",
       .model = "3/15", .tab = 4, .before = {R"(reload "set":{"0x3110":10})"},
       .actions = {"click 20128", R"(sim "fail":["0x3110"])", "slide 20127 20"},
       .calls = {"IncrementAutoPowerOff(10)", "Set 0x3110=20"}, .boxes = {Stop(37)},
       .controls = {R"("20129":{"text":"11"})"}},
      {.model = "3/15", .tab = 4, .actions = {R"(sim "fail":["0x2001","0x3110"])", "slide 20121 20", "slide 20127 20"},
       .calls = {"Set 0x2001=20", "Set 0x3110=20"}, .boxes = {Stop(65), Stop(37)}},
      {.model = "3/10", .tab = 4, .actions = {"reload", "click 20073"},
       .calls = {"*", "Get 0x2600", "Get 0x2602", "SetIRFront(0)"}},
      {.model = "3/15", .tab = 4, .actions = {"reload"}, .calls = {"*", "Get 0x3300", "!Get 0x2600", "!Get 0x2601",
                                                                 "!Get 0x2602"}},
      {.model = "3/47", .tab = 4, .openFields = kNormalBright, .actions = {"select 20072 1"},
       .calls = {"SetWhisper(2)"}},
      {.model = "3/47", .tab = 4, .openFields = kNormalBright, .before = {R"(reload "set":{"0x3300":2})"},
       .controls = {R"("20072":{"items":["@5/25","@5/27"],"sel":1})"}},
      {.model = "3/47",
       .tab = 4, .openFields = R"("host":{"whisper":[{"code":4,"name":"Eco"},{"code":7,"name":"Whisper"}]})",
       .actions = {"select 20072 0"}, .calls = {"SetWhisper(7)"}, .controls = {R"("20072":{"items":["@5/26"]})"}},
      {.model = "3/47", .tab = 4, .openFields = R"("host":{"whisper":[]})", .actions = {"reload"},
       .calls = {"*", "Get 0x3008", "!Get 0x3300"}, .controls = {R"("20072":{"enabled":false})"}},
      {.what = "rows by model", .model = "3/8", .tab = 4, .controls = {R"("20131":{"visible":false})"}},
      {.model = "3/48", .tab = 4, .controls = {R"("20076":{"visible":true})"}},
      {.what = "a failed read disables its row until a good refresh", .model = "3/10", .tab = 4,
       .before = {R"(reload "set":{"0x2600":0},"fail":["0x2601"])"},
       .controls = {R"("20073":{"check":0},"20074":{"enabled":false})"}},
      {.model = "3/10", .tab = 4, .before = {R"(reload "fail":["0x2601"])", R"(reload "clear":true)"},
       .controls = {R"("20074":{"enabled":true})"}},
      {.model = "3/15", .tab = 4, .before = {R"(reload "fail":["0x3110"])"},
       .controls = {R"("20127":{"enabled":false},"20129":{"text":""})"}},
      {.model = "3/15", .tab = 4, .before = {R"(reload "fail":["0x3110"])", R"(reload "clear":true)"},
       .controls = {R"("20127 20128":{"enabled":true})"}},
  });
}

}  // namespace
}  // namespace pages::testing
