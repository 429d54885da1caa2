// The input page of type 4 (models 9 and 22 only) and its signal page.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

TEST(InputType4Page, Cases) {
  RunCases({
      {.model = "4/22", .tab = 3, .actions = {R"(reload "set":{"0x2206":1,"0x220A":2})"},
       .calls = {"Get 0x2207", "Get 0x220A", "Get 0x2206"},
       .controls = {R"("20220":{"sel":0},"20111":{"sel":2},"20221":{"items":["@5/30","TV","FILM"]})"}},
      {.model = "4/9", .tab = 3, .actions = {"select 20220 2", "select 20221 1", "select 20111 0"},
       .calls = {"SetVideoNR(2,1)", "SetProgressive(1)", "Set3DYCS(0)"}},
  });
}

TEST(SignalType4Page, Cases) {
  RunCases({
      {.model = "4/21", .tab = 3, .actions = {R"(reload "set":{"0x2200":2})"},
       .calls = {"Get 0x2204", "Get 0x2017", "Get 0x2200", "Get 0x3014", "Get 0x2020"},
       .controls = {R"("20222":{"items":["@5/98","RGB","SMPTE240","REC709","REC601"]},
                      "20224":{"sel":4,"items":["@5/98","NTSC","PAL","SECAM","NTSC 4.43","M-PAL","N-PAL"]})"}},
      {.model = "4/9", .tab = 4,
       .actions = {"select 20224 2", "select 20222 1", "select 20223 1", "select 20225 1", "select 21060 0"},
       .calls = {"SetVideoFormat(2)", "SetColorSpace(1)", "SetComponent(1)", "SetFrameLock(1)", "SetDVI(0)"}},
  });
}

}  // namespace
}  // namespace pages::testing
