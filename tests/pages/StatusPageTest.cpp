// The status page: states through the state format, failures as ": -", the
// type-3 variant, and the lamp and filter time resets.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

std::string State(CatMsg item) { return CatalogText(Msg(5, 319), CatalogText(item)); }
std::string Hours(unsigned hours) { return CatalogText(Msg(5, 319), CatalogText(Msg(5, 320), hours)); }

TEST(StatusPage, EveryModelOpensOnALiveStatusPage) {
  for (const auto& model : driver::testing::Database().All()) {
    const bool type3 = model.type == 3;
    RunCase({.model = model.Key(),
             .controls = {Is(20008, "text", State(Msg(5, 31))), Is(20010, "text", State(Msg(5, 332))),
                          Is(20009, "text", ": " + (model.inputs.empty() ? "" : model.inputs.front().name)),
                          Each({20006, 20018}, type3 ? R"({"visible":false})" : R"({"visible":true})"),
                          Is(20014, "text", type3 ? "   " : Hours(1200))}});
  }
}

TEST(StatusPage, Cases) {
  RunCases({
      {.what = "states follow the projector; input code 9 is not in the model's list", .model = "5/30",
       .before = {R"(reload "set":{"0x6020":12,"0x2000":9,"0x3020":1,"0x3002":1})"},
       .controls = {Is(20010, "text", State(Msg(5, 413))), Is(20009, "text", ": "), Is(20011, "text", State(Msg(5, 31))),
                    Is(20013, "text", State(Msg(5, 333)))}},
      {.what = "lamp hours are unsigned", .model = "5/30", .before = {R"(reload "set":{"0x1090":65535})"},
       .controls = {Is(20014, "text", Hours(65535))}},
      {.what = "errors 10 and 13 show as one", .model = "5/30", .before = {R"(reload "set":{"0x6020":10})"},
       .controls = {Is(20010, "text", State(Msg(5, 318)))}},
      {.what = "cooling down", .model = "5/30", .before = {R"(reload "set":{"0x6020":13,"0x6000":2})"},
       .controls = {Is(20010, "text", State(Msg(5, 318))), Is(20008, "text", State(Msg(5, 309)))}},
      {.what = "a state that cannot be read shows a dash and the others stay", .model = "1/3",
       .before = {R"(reload "fail":["0x2002","0x1090"])"},
       .controls = {R"("20012 20014":{"text":": -"})", Is(20011, "text", State(Msg(5, 30))),
                    Is(20015, "text", Hours(300))}},
      {.what = "a done reset rereads the page", .model = "4/21", .actions = {"click 20018"},
       .calls = {"ExecLampTimeReset()", "Get 0x6000", "Get 0x2000", "Get 0x6020", "Get 0x3020", "Get 0x2002",
                 "Get 0x3002", "Get 0x1090", "Get 0x10A0"}, .controls = {Is(20014, "text", Hours(0))}},
      {.what = "a failed reset does not, and says nothing", .model = "4/21",
       .actions = {R"(sim "fail":["ExecFilterTimeReset"])", "select 20019 1", "click 20018"},
       .calls = {"ExecFilterTimeReset()"}, .controls = {Is(20015, "text", Hours(300))}},
  });
}

}  // namespace
}  // namespace pages::testing
