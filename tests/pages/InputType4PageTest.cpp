// The input page of type 4 (models 9 and 22 only).
#include "tests/pages/PageTable.h"

namespace pages::testing {
namespace {

TEST(InputType4Page, Rows) {
  CheckRows({
      {"4/22", 3, "", R"("set":{"0x2206":1,"0x220A":2})", {}, {"Get 0x2207", "Get 0x220A", "Get 0x2206"}, {},
       {{20220, "sel", 0}, {20111, "sel", 2}, {20221, "items", {CatalogText(Msg(5, 30)), "TV", "FILM"}}}},
      {"4/9", 3, "", "", {Choose(20220, 2), Choose(20221, 1), Choose(20111, 0)},
       {"SetVideoNR(2,1)", "SetProgressive(1)", "Set3DYCS(0)"}, {}, {}},
  });
}

}  // namespace
}  // namespace pages::testing
