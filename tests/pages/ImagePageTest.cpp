// The image page of types 4 and 5.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

const std::vector<std::string> kReads = {"Get 0x2008", "Get 0x2209", "Get 0x2100", "Get 0x2101", "Get 0x2103", "Get 0x2102"};

TEST(ImagePage, Cases) {
  RunCases({
      {.what = "over scan as read on type 4; the arrows carry their images",
       .model = "4/21", .tab = 2, .actions = {R"(reload "set":{"0x2209":95})"}, .calls = kReads,
       .controls = {R"("20049":{"text":"95"},"20047":{"pos":95},"20202":{"bitmap":22157},"20201":{"bitmap":22156},
                      "20203":{"bitmap":22154},"20204":{"bitmap":22155})"}},
      {.what = "over scan less 90 on type 5",
       .model = "5/36", .tab = 2, .actions = {R"(reload "set":{"0x2209":95})"}, .calls = kReads,
       .controls = {R"("20049":{"text":"5"},"20047":{"pos":95})"}},
      {.what = "aspect without codes: no list and no read",
       .model = "4/21", .tab = 2, .openFields = R"("host":{"aspect":[]})", .actions = {"reload"},
       .calls = {kReads.begin() + 1, kReads.end()}, .controls = {R"("20200":{"enabled":false,"count":0})"}},
      {.what = "an aspect outside the table selects nothing",
       .model = "4/9", .tab = 2, .actions = {R"(reload "set":{"0x2008":4})"}, .calls = kReads,
       .controls = {R"("20200":{"sel":-1})"}},
      {.what = "over scan steps only between 90 and 100, whatever range the slider has",
       .model = "4/21", .tab = 2, .openFields = R"("host":{"ranges":{"15":"80,110"}})",
       .before = {R"(reload "set":{"0x2209":100})"}, .actions = {"click 20048"}},
      {.model = "5/36", .tab = 2, .before = {R"(reload "set":{"0x2209":90})"},
       .actions = {"click 20046", "click 20048"},
       .calls = {"Inc 0x2209", "Get 0x2209"}, .controls = {R"("20049":{"text":"1"},"20047":{"pos":91})"}},
      {.what = "H phase + stops at the range text's maximum",
       .model = "4/21", .tab = 2, .openFields = R"("host":{"ranges":{"16":"0,63"}})",
       .before = {R"(reload "set":{"0x2103":62})"}, .actions = {"click 20208", "click 20208"},
       .calls = {"Inc 0x2103", "Get 0x2103"}, .controls = {R"("20210":{"text":"63"},"20209":{"pos":63})"}},
      {.what = "the left arrow raises the H position and the right one lowers it; no bound of the page's own",
       .model = "4/9", .tab = 2, .actions = {"click 20201", "click 20203", "click 20203"},
       .calls = {"Inc 0x2101", "Get 0x2101", "Dec 0x2101", "Get 0x2101", "Dec 0x2101", "Get 0x2101"},
       .controls = {R"("20206":{"text":"127"})"}},
      {.model = "4/9", .tab = 2, .before = {R"(reload "set":{"0x2100":255})"}, .actions = {"click 20202"},
       .calls = {"Inc 0x2100"}, .boxes = {Stop(54)}, .controls = {R"("20205":{"text":"255"})"}},
      {.what = "a refused slide snaps back to the last accepted value",
       .model = "5/36", .tab = 2, .actions = {R"(sim "set":{"0x6000":0})", "slide 20047 98"},
       .calls = {"Set 0x2209=98"}, .boxes = {Stop(53)}, .controls = {R"("20047":{"pos":95},"20049":{"text":"5"})"}},
      {.what = "the next good refresh enables a row that a failed read disabled",
       .model = "4/21", .tab = 2, .before = {R"(reload "fail":["0x2100"])"}, .actions = {R"(reload "clear":true)"},
       .calls = kReads, .controls = {R"("20202 20204":{"enabled":true},"20205":{"text":"128"})"}},
      {.what = "a done reset refreshes the page; auto adjust reads nothing back",
       .model = "4/21", .tab = 2, .actions = {"select 20214 3", "click 20216", "click 20215", "select 20200 2"},
       .calls = Then(Then({"ExecHSizeReset()"}, kReads), {"ExecAutoAdjust()", "SetAspect(2)"})},
  });
}

}  // namespace
}  // namespace pages::testing
