// The signal page of type 4.
#include "tests/pages/PageTable.h"

namespace pages::testing {
namespace {

const std::vector<std::string> kReads = {"Get 0x2204", "Get 0x2017", "Get 0x2200", "Get 0x3014", "Get 0x2020"};

TEST(SignalType4Page, Rows) {
  const std::string autoText = CatalogText(Msg(5, 98));
  CheckRows({
      {"4/21", 3, "", R"("set":{"0x2200":2})", {}, kReads, {},
       {{20224, "sel", 4}, {20222, "items", {autoText, "RGB", "SMPTE240", "REC709", "REC601"}},
        {20224, "items", {autoText, "NTSC", "PAL", "SECAM", "NTSC 4.43", "M-PAL", "N-PAL"}}}},
      {"4/9", 4, "", "", {Choose(20224, 2), Choose(20222, 1), Choose(20223, 1), Choose(20225, 1), Choose(21060, 0)},
       {"SetVideoFormat(2)", "SetColorSpace(1)", "SetComponent(1)", "SetFrameLock(1)", "SetDVI(0)"}, {}, {}},
  });
}

}  // namespace
}  // namespace pages::testing
