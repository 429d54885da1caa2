// The setup page of type 5.
#include "pages/type5/SetupType5TabDlg.h"
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

constexpr int kTab = 4;

TEST(SetupType5Page, RowsAndResetsFollowTheModel) {
  struct Case {
    const char* model;
    bool audio, hdmi, digital;
    std::size_t rgb1Items, resets;
  };
  for (const Case& c : {Case{"5/30", false, false, false, 4, 2}, Case{"5/36", true, false, false, 4, 1},
                        Case{"5/37", true, false, false, 3, 1}, Case{"5/42", true, true, false, 4, 2},
                        Case{"5/44", true, false, true, 4, 4}})
    RunCase({.model = c.model, .tab = kTab,
             .controls = {Shown({20338, 20317, 20142, 20345, 20321, 20339, 20320, 20326, 20421}, c.audio),
                          Shown({20346, 20329, 20347, 20330}, c.hdmi),
                          Shown({20348, 20332, 20143, 20349, 20335, 20334, 20144, 20145}, c.digital),
                          Is(20305, "enabled", !c.digital), Is(20320, "count", c.rgb1Items),
                          Is(20325, "count", 4), Is(20327, "count", c.resets)}});
}

TEST(SetupType5Page, ListsShowAndSendTheirCodes) {
  struct Case {
    const char* model;
    std::string before;  // sim fields before the refresh
    int list, shown;     // the selection it shows
    int choose;          // the item then chosen
    std::vector<std::string> calls;
    int after;           // the selection after the choice
  };
  const Case cases[] = {
      {"5/38", R"("set":{"GetAudioMIU":16})", 20326, 2, 1, {"SetAudioMIU(1)"}, 1},
      {"5/36", R"("set":{"GetAudioMIU":16})", 20326, 4, 4, {"SetAudioMIU(16)"}, 4},
      {"5/42", R"("set":{"GetAudioM1D":32})", 20329, 4, 4, {"SetAudioM1D(32,true)"}, 4},
      {"5/42", R"("set":{"GetHDMIAudio":2})", 20330, 1, 0, {"SetHDMIAudio(1)"}, 0},
      {"5/44", R"("set":{"GetWhisper":2})", 20315, 2, 1, {"SetWhisper(1)"}, 1},
      // a refused choice shows the projector's value again
      {"5/36", R"("set":{"GetMirror":3},"fail":["SetMirror"])", 20316, 3, 1, {"SetMirror(1)", "GetMirror()"}, 3},
  };
  for (const Case& c : cases) {
    RunCase({.model = c.model, .tab = kTab, .before = {"reload " + c.before},
       .controls = {Is(c.list, "sel", c.shown)}});
    RunCase({.model = c.model, .tab = kTab, .before = {"reload " + c.before},
             .actions = {"select " + std::to_string(c.list) + " " + std::to_string(c.choose)}, .calls = c.calls,
             .controls = {Is(c.list, "sel", c.after)}});
  }
}

TEST(SetupType5Page, Cases) {
  const std::string source4 = R"(reload "set":{"GetInputSource":4,"GetInputSrcVolume:4":20})";
  RunCases({
      {.what = "an HDMI audio value outside the list keeps the selection", .model = "5/42", .tab = kTab,
       .before = {R"(reload "set":{"GetHDMIAudio":2})", R"(reload "set":{"GetHDMIAudio":3})"},
       .controls = {R"("20330":{"sel":1})"}},
      {.what = "a refused HDMI audio choice whose re-read has no item goes back", .model = "5/42", .tab = kTab,
       .before = {R"(reload "set":{"GetHDMIAudio":2})"},
       .actions = {R"(sim "set":{"GetHDMIAudio":3},"fail":["SetHDMIAudio"])", "select 20330 0"},
       .calls = {"SetHDMIAudio(1)", "GetHDMIAudio()"}, .controls = {R"("20330":{"sel":1})"}},
      {.what = "the volume is that of the current input source", .model = "5/36", .tab = kTab, .before = {source4},
       .controls = {R"("20142":{"text":"20"})"}},
      {.model = "5/36", .tab = kTab, .before = {source4}, .actions = {"click 20319", "slide 20317 7"},
       .calls = {"GetInputSource()", "IncrementInputSrcVol(4)", "GetInputSource()", "SetVolumeEachSrc(4,7)"}},
      {.what = "the source cannot be read: nothing is stepped", .model = "5/36", .tab = kTab,
       .before = {source4, "slide 20317 7"},
       .actions = {R"(sim "fail":["GetInputSource"])", "click 20318", "slide 20317 3"},
       .calls = {"GetInputSource()", "GetInputSource()"}, .controls = {R"("20142":{"text":""},"20317":{"pos":7})"}},
      {.what = "digital zoom stops at 100", .model = "5/44", .tab = kTab,
       .before = {R"(reload "set":{"0x300A":100,"0x2007":140})"}, .actions = {"click 20333"}},
      {.what = "zoom and shift report refusals; a keystone reset's value is cached too", .model = "5/44", .tab = kTab,
       .before = {R"(reload "set":{"0x300A":100,"0x2007":140})"},
       .actions = {R"(sim "fail":["0x300A","0x300B"])", "select 20327 0", "click 20328",
                   R"(sim "fail":["SetKeystoneV"])", "slide 20310 30", "click 20331", "click 20335"},
       .calls = {"*"}, .boxes = {Stop(314), Stop(315)}, .controls = {R"("20310":{"pos":0})"}},
      {.what = "a good refresh enables zoom and shift again", .model = "5/44", .tab = kTab,
       .before = {R"(reload "fail":["0x300A","0x300B"])", R"(reload "clear":true)"},
       .controls = {R"("20331 20332 20335 20336":{"visible":true,"enabled":true})"}},
      {.what = "keystone ticks at least one apart; a failed read disables the box", .model = "5/36", .tab = kTab,
       .openFields = R"("host":{"ranges":{"19":"120,133"}})", .before = {R"(reload "fail":["GetKeystoneV"])"},
       .controls = {R"("20310":{"tick":1},"20314":{"enabled":false})"}},
      {.model = "5/36", .tab = kTab, .before = {R"(reload "fail":["GetKeystoneV"])", R"(reload "clear":true)"},
       .controls = {R"("20314":{"enabled":true})"}},
  });
}

// A reset that is done but whose value cannot be read back disables its row
// and keeps the value last known as the cache: the next step starts there.
TEST(SetupType5Page, FailedReadBackAfterAResetKeepsTheKnownValue) {
  using driver::testing::Line;
  const std::string tab = R"({"cmd":"tab","index":)" + std::to_string(kTab) + "}";
  std::int16_t cached = 0;
  const auto output = driver::testing::RunSession(
      {Line(R"({"cmd":"open","model":"5/36"})"), Line(R"({"cmd":"sim","set":{"GetKeystoneV":138}})"), Line(tab),
       Line(R"({"cmd":"sim","fail":["GetKeystoneV"]})"), Line(R"({"cmd":"select","id":20327,"index":0})"),
       Line(R"({"cmd":"click","id":20328,"seq":"r"})"), driver::testing::Do([&](driver::Session& session) {
         auto* page = dynamic_cast<CSetupType5TabDlg*>(session.OpenDialog()->PageForTemplate(20048));
         ASSERT_NE(page, nullptr);
         cached = page->m_nKeystoneV;
       })});
  EXPECT_TRUE(Reply(output, "\"r\"")["ok"].get<bool>());
  EXPECT_EQ(cached, 10);
}

}  // namespace
}  // namespace pages::testing
