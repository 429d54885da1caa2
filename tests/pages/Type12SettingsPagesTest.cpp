// The screen, input, auto and setup pages of types 1 and 2, as tables of
// cases: one row per distinct behaviour.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

constexpr int kInputTab = 4;
constexpr int kAutoTab = 5;
constexpr int kScreenTab = 6;
constexpr int kSetupTab = 7;

TEST(ScreenPage, Cases) {
  RunCases({
      {.what = "codes and values select their items; lists send the code or the position, arrows step and read back",
       .model = "1/3", .tab = kScreenTab, .before = {R"(reload "set":{"0x3000":64,"0x3004":32,"0x3016":130})"},
       .actions = {"select 21085 3", "select 21086 2", "select 21087 1", "select 21088 1", "select 21092 1",
                   "click 21089", "click 21090"},
       .calls = {"SetBlankColor(32)", "SetStartup(2)", "SetMyScreenSize(1)", "SetMyScreenLock(1)", "SetMessage(1)",
                 "Inc 0x3016", "Get 0x3016", "Dec 0x3015", "Get 0x3015"},
       .controls = {R"("21089":{"bitmap":22157},"21091":{"bitmap":22155},"21090":{"bitmap":22156},
                      "21057":{"bitmap":22154},"20021":{"text":"131"},"20022":{"text":"127"},"21094":{"sel":0})"}},
      {.what = "arrows have no bound; a refused step shows its message and keeps the box",
       .model = "1/3", .tab = kScreenTab, .before = {R"(reload "set":{"0x3015":255})"}, .actions = {"click 21057"},
       .calls = {"Inc 0x3015"}, .boxes = {Stop(62)}, .controls = {R"("20022":{"text":"255"})"}},
      {.what = "a done reset rereads the page",
       .model = "1/3", .tab = kScreenTab, .before = {R"(sim "set":{"0x3015":140})", "select 21094 1"},
       .actions = {"click 21093"}, .calls = {"*"}, .controls = {R"("20022":{"text":"128"})"}},
      {.what = "models 16 and 17: three colours, two start-up items; a colour they lack selects nothing",
       .model = "1/16", .tab = kScreenTab, .before = {R"(reload "set":{"0x3000":32,"0x3004":1})"},
       .controls = {R"("21085":{"items":["Blue","White","Black"],"sel":-1},"21086":{"items":["On","Off"],"sel":1})"}},
      {.what = "type 2 has neither message nor menu position, and never reads them",
       .model = "2/12", .tab = kScreenTab, .actions = {"reload"},
       .calls = {"Get 0x3000", "Get 0x3004", "Get 0x3012", "Get 0x30C0"},
       .controls = {R"("21092 21089 20021 21094 21093 20063":{"visible":false})"}},
  });
}

TEST(InputPages, Cases) {
  const std::string unsendableInput =
      R"("host":{"inputs":[{"name":"A","code":4,"code2":1},{"name":"B","code":6,"code2":2}]})";
  RunCases({
      {.what = "formats go through the format table, noise reduction and P in P input count from 1",
       .model = "1/3", .tab = kInputTab, .before = {R"(reload "set":{"0x2200":9,"0x2206":3,"0x2302":2,"0x2018":4})"},
       .controls = {R"("21076":{"sel":3,"items":["Auto","NTSC","PAL","SECAM","NTSC 4.43","M-PAL","N-PAL"]},
                      "21074":{"items":["Auto","RGB","SMPTE240","REC709","REC601"]},"21053":{"sel":2},
                      "21054":{"sel":1},"21057":{"sel":2},"21077":{"items":["Off","On"]})"}},
      {.what = "an unknown format or power-up input selects nothing",
       .model = "1/3", .tab = kInputTab, .before = {R"(reload "set":{"0x2200":3,"0x2018":9})"},
       .controls = {R"("21076":{"sel":-1},"21057":{"sel":-1})"}},
      {.what = "every list sends its position; power-up sends 16 or the input code, not a code above 5",
       .model = "1/3", .tab = kInputTab, .openFields = unsendableInput,
       .actions = {"select 21074 1", "select 21075 1", "select 21076 3", "select 21077 1", "select 21053 0",
                   "select 21059 1", "select 21060 2", "select 21058 1", "select 21054 1", "select 21055 3",
                   "select 21056 1", "select 21061 2", "select 21057 0", "select 21057 1", "select 21057 2"},
       .calls = {"SetColorSpace(1)", "SetComponent(1)", "SetVideoFormat(3)", "Set3DYCS(1)", "SetVideoNR(0,1)",
                 "SetFrameLock(1)", "SetProgressive(2)", "SetS2Aspect(1)", "SetPinPInput(1)", "SetPinPPosition(3)",
                 "SetPinPAudio(1)", "SetPinPSize(2)", "Set 0x2018=16", "Set 0x2018=4"}},
      {.what = "a refused power-up input shows its message",
       .model = "1/3", .tab = kInputTab, .actions = {R"(sim "fail":["0x2018"])", "select 21057 0"},
       .calls = {"Set 0x2018=16"}, .boxes = {Stop(57)}},
      {.what = "models 16 and 17 tell two kinds of 3D-YCS",
       .model = "1/16", .tab = kInputTab, .controls = {R"("21077":{"items":["Off","Normal","Still Image"]})"}},
      {.what = "type 2: the format table, P in P input from 1, every list sends its position, auto adjust",
       .model = "2/12", .tab = kInputTab, .before = {R"(reload "set":{"0x2200":10,"0x2302":2})"},
       .actions = {"select 20046 1", "select 20055 0", "select 20047 1", "select 20048 1", "select 20050 1",
                   "select 20051 2", "select 20052 1", "select 20053 1", "click 20049"},
       .calls = {"SetBNC(1)", "SetVideoFormat(0)", "SetHDTV(1)", "SetSyncOnG(1)", "SetPinPInput(1)",
                 "SetPinPPosition(2)", "SetPinPAudio(1)", "SetPinPSize(1)", "ExecAutoAdjust()"},
       .controls = {R"("20055":{"sel":0,"items":["Auto","NTSC","PAL","SECAM","NTSC 4.43","M-PAL","N-PAL"]},
                      "20050":{"sel":1,"items":["Video","S-Video"]},"20052":{"items":["Video","RGB"]})"}},
      {.what = "models 6 and 7 adjust from their auto page", .model = "2/6", .tab = kInputTab,
       .controls = {R"("20049 20054 20415":{"visible":false})"}},
  });
}

TEST(AutoPages, Cases) {
  RunCases({
      {.what = "without a range text 0..99; a step shows the value the projector returns",
       .model = "1/3", .tab = kAutoTab, .openFields = R"("host":{"ranges":{}})", .actions = {"click 21118"},
       .calls = {"IncrementAutoPowerOff(0)"},
       .controls = {R"("20289":{"min":0,"max":99,"tick":8,"pos":1},"21080":{"text":"1"})"}},
      {.what = "a step that changes nothing empties the box and sends nothing more",
       .model = "1/3", .tab = kAutoTab, .actions = {"click 21119"}, .calls = {"DecrementAutoPowerOff(0)"},
       .controls = {R"("20289":{"pos":0},"21080":{"text":""})"}},
      {.what = "a refused slide shows its message, empties the box and snaps back",
       .model = "1/3", .tab = kAutoTab, .actions = {R"(sim "fail":["0x3110"])", "slide 20289 30"},
       .calls = {"Set 0x3110=30"}, .boxes = {Stop(37)}, .controls = {R"("20289":{"pos":0},"21080":{"text":""})"}},
      {.what = "lists send their position; auto adjust runs",
       .model = "1/3", .tab = kAutoTab,
       .actions = {"select 21082 1", "select 21083 1", "click 21079", "slide 20289 20"},
       .calls = {"SetAutoPowerOn(1)", "SetAutoSearch(1)", "ExecAutoAdjust()", "Set 0x3110=20"},
       .controls = {R"("21080":{"text":"20"})"}},
      {.what = "a failed read disables the slider with its buttons until a good refresh",
       .model = "1/3", .tab = kAutoTab, .before = {R"(reload "fail":["0x3110"])"},
       .actions = {R"(reload "clear":true,"set":{"0x3110":15})"}, .calls = {"*"},
       .controls = {R"("20289":{"enabled":true,"pos":15},"21119":{"enabled":true},"21080":{"text":"15"})"}},
      {.what = "a failed read puts the slider at 0 beside the empty box", .model = "1/3", .tab = kAutoTab,
       .before = {R"(reload "set":{"0x3110":20})"}, .actions = {R"(reload "fail":["0x3110"])"}, .calls = {"*"},
       .controls = {R"("20289":{"pos":0},"21080":{"text":""})"}},
      {.model = "2/6", .tab = kAutoTab, .before = {R"(reload "set":{"0x3110":20})"},
       .actions = {R"(reload "fail":["0x3110"])"}, .calls = {"*"}, .controls = {R"("20057":{"pos":0},"20058":{"text":""})"}},
      {.what = "a value is a signed 16-bit number: raw 65535 without offset is -1", .model = "1/3", .tab = kAutoTab,
       .before = {R"(reload "set":{"0x3110":65535})"}, .controls = {R"("21080":{"text":"-1"})"}},
      {.what = "type 2, models 6 and 7: auto keystone, and the same auto power off group",
       .model = "2/6", .tab = kAutoTab, .actions = {"click 21081", "click 20056", "click 21119"},
       .calls = {"ExecAutoKeyStone()", "ExecAutoAdjust()", "DecrementAutoPowerOff(0)"},
       .controls = {R"("20058":{"text":""},"20057":{"tick":8})"}},
      {.what = "type 2, other models: an empty page that reads nothing",
       .model = "2/12", .tab = kAutoTab, .actions = {"reload"}, .calls = {},
       .controls = {R"("20056 21081 20057 20058 20061 20394":{"visible":false})"}},
  });
}

TEST(Type2SetupPage, Cases) {
  RunCases({
      {.what = "models 6 and 7: receivers, no auto power off, which is never read",
       .model = "2/6", .tab = kSetupTab, .actions = {"reload", "check 20074 0"},
       .calls = {"Get 0x2001", "Get 0x3300", "Get 0x2600", "Get 0x2601", "Get 0x2602", "SetIRTop(0)"},
       .controls = {R"("21105 20075":{"visible":false},"20072":{"visible":true})"}},
      {.what = "other models: auto power off, no receivers",
       .model = "2/12", .tab = kSetupTab, .actions = {"reload", "slide 21105 40"},
       .calls = {"Get 0x2001", "Get 0x3110", "Get 0x3300", "Set 0x3110=40"},
       .controls = {R"("21121":{"text":"40"},"21105":{"max":60,"tick":4},"20072 20076":{"visible":false},"20068":{"tick":2})"}},
      {.what = "a refused auto power off slide shows its message and snaps back; an unchanged step keeps the box",
       .model = "2/12", .tab = kSetupTab, .actions = {R"(sim "fail":["0x3110"])", "slide 21105 40", "click 21106"},
       .calls = {"Set 0x3110=40", "IncrementAutoPowerOff(0)"}, .boxes = {Stop(37)},
       .controls = {R"("21105":{"pos":0},"21121":{"text":"0"})"}},
      {.what = "whisper items keep their host entry: an unknown name in between shifts no code",
       .model = "2/12", .tab = kSetupTab,
       .openFields = R"("host":{"whisper":[{"code":0,"name":"Normal"},{"code":5,"name":"Eco"},{"code":7,"name":"Whisper"}]})",
       .before = {R"(reload "set":{"0x3300":7})"}, .actions = {"select 20071 0", "select 20071 1"},
       .calls = {"SetWhisper(0)", "SetWhisper(7)"}, .controls = {R"("20071":{"items":["Normal","Whisper"],"sel":1})"}},
      {.what = "without whisper entries the list is disabled and not read",
       .model = "2/12", .tab = kSetupTab, .openFields = R"("host":{"whisper":[]})", .actions = {"reload"},
       .calls = {"Get 0x2001", "Get 0x3110"}, .controls = {R"("20071":{"enabled":false})"}},
  });
}

TEST(Type1SetupPage, Cases) {
  RunCases({
      {.what = "the refresh shows every value; without a range text 0..32; the buttons stop at 0 and 32",
       .model = "1/3", .tab = kSetupTab, .openFields = R"("host":{"ranges":{}})",
       .before = {R"(reload "set":{"0x2001":32,"0x2600":0,"0x2608":2,"0x2570":5,"0x2013":3})"},
       .actions = {"click 21103", R"(reload "set":{"0x2001":0})", "click 21101"},
       .calls = {"Get 0x2001", "Get 0x201C", "Get 0x2013", "Get 0x2600", "Get 0x2601", "Get 0x2602", "Get 0x2608",
                 "Get 0x2019", "Get 0x2570", "Get 0x2410"},
       .controls = {R"("21102":{"min":0,"max":32,"tick":2,"pos":0},"21120":{"text":"0"},"21096":{"check":0},
                      "21097":{"check":1},"21055":{"sel":2,"items":["All","1","2","3"]},
                      "21109":{"sel":5,"items":["All","1","2","3","4","5"]},"21056":{"sel":3})"}},
      {.what = "a narrower slider range does not move the buttons' bound",
       .model = "1/3", .tab = kSetupTab, .openFields = R"("host":{"ranges":{"21":"0,20"}})",
       .before = {R"(reload "set":{"0x2001":20})"}, .actions = {"click 21103"},
       .calls = {"Inc 0x2001"}, .boxes = {Stop(65)}, .controls = {R"("21102":{"max":20,"pos":20})"}},
      {.what = "a refused step or slide shows its message and snaps back",
       .model = "1/3", .tab = kSetupTab, .actions = {R"(sim "fail":["0x2001"])", "click 21103", "slide 21102 3"},
       .calls = {"Inc 0x2001", "Set 0x2001=3"}, .boxes = {Stop(65), Stop(65)},
       .controls = {R"("21120":{"text":"16"},"21102":{"pos":16})"}},
      {.what = "lists send their position, receivers the new check state, without a message when refused",
       .model = "1/3", .tab = kSetupTab,
       .actions = {R"(sim "fail":["SetLensLock"])", "select 21054 1", "select 21056 2", "check 21097 0",
                   "select 21055 2", "select 21113 1", "select 21109 4", "select 21110 1"},
       .calls = {"SetSpeaker(1)", "SetScreenType(2)", "SetIRRear(0)", "SetIPRemoteID(2)", "SetAutoAdjustEnable(1)",
                 "SetLensType(4)", "SetLensLock(1)"}},
      {.what = "a failed read disables its controls and empties the box until a good refresh",
       .model = "1/3", .tab = kSetupTab,
       .before = {R"(reload "fail":["0x2001","0x2601"])", R"(reload "clear":true,"set":{"0x2001":7})"},
       .controls = {R"("21101 21102 21097":{"enabled":true},"21120":{"text":"7"})"}},
  });
}

}  // namespace
}  // namespace pages::testing
