// The audio page of type 5.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

constexpr int kTab = 5;

TEST(AudioType5Page, Cases) {
  const std::string source2 =
      R"(reload "set":{"GetInputSource":2,"GetInputSrcVolume:2":30,"GetInputSrcTreble:2":130,"GetSRSWOW:2":1})";
  RunCases({
      {.what = "levels and SRS WOW are those of the current input source; 1 shows as Off", .model = "5/30",
       .tab = kTab, .before = {source2},
       .controls = {R"("20355":{"text":"30"},"20315":{"text":"2"},"20381":{"sel":0})"}},
      {.what = "steps, choices and slides go to the current input source; a refused slide snaps back", .model = "5/30",
       .tab = kTab, .before = {source2},
       .actions = {"click 20349", "select 20381 1", R"(sim "fail":["SetInputSrcBass"])", "slide 20353 3"},
       .calls = {"GetInputSource()", "IncrementInputSrcTreb(2)", "GetInputSource()", "SetSRSWOW(2,2)",
                 "GetInputSource()", "SetInputSrcBass(2,131)"},
       .controls = {R"("20353":{"pos":0},"20316":{"text":""})"}},
      {.what = "without a source every level row is disabled and empty", .model = "5/30", .tab = kTab,
       .before = {source2, R"(reload "clear":true,"fail":["GetInputSource"])"},
       .controls = {R"("20347 20350 20353 20381":{"enabled":false},"20355 20315 20316":{"text":""})"}},
      {.what = "a good refresh enables them again", .model = "5/30", .tab = kTab,
       .before = {R"(reload "fail":["GetInputSource"])", R"(reload "clear":true)"},
       .controls = {R"("20347 20350 20353 20381":{"enabled":true})"}},
      {.what = "a refused choice shows the projector's source", .model = "5/31", .tab = kTab,
       .before = {R"(reload "set":{"GetAudioRGB2":3},"fail":["SetAudioRGB2"])"}, .actions = {"select 20358 1"},
       .calls = {"*"}, .controls = {R"("20358":{"sel":3})"}},
  });
}

TEST(AudioType5Page, SourceListsByModel) {
  struct Case {
    const char* model;
    std::string value;  // the projector's value before the refresh
    int list, shown, choose;
    std::vector<std::string> calls;
    bool hdmiRow;
  };
  const Case cases[] = {
      {"5/41", R"("GetAudioM1D":32)", 20359, 5, 5, {"SetAudioM1D(32,true)"}, true},
      {"5/30", R"("GetAudioM1D":2)", 20359, 2, 1, {"SetAudioM1D(1,false)"}, false},
      {"5/30", R"("GetAudioMIU":16)", 20363, 5, 5, {"SetAudioMIU(16)"}, false},
      {"5/43", R"("GetHDMIAudio":2)", 20364, 1, 0, {"SetHDMIAudio(1)"}, true},
  };
  for (const Case& c : cases) {
    const std::string reload = R"(reload "set":{)" + c.value + "}";
    RunCase({.model = c.model, .tab = kTab, .before = {reload},
             .controls = {Is(c.list, "sel", c.shown), Is(20364, "visible", c.hdmiRow)}});
    RunCase({.model = c.model, .tab = kTab, .before = {reload},
             .actions = {"select " + std::to_string(c.list) + " " + std::to_string(c.choose)}, .calls = c.calls});
  }
}

}  // namespace
}  // namespace pages::testing
