// The status page: states through the state format, failures as ": -", the
// type-3 variant, and the lamp and filter time resets.
#include "tests/pages/PageTestSupport.h"

namespace pages::testing {
namespace {

using driver::testing::Database;
using driver::testing::Reply;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::string State(CatMsg item) { return CatalogText(Msg(5, 319), CatalogText(item)); }
std::string Text(const OrderedJson& dump, int id) { return Control(dump, id)["text"].get<std::string>(); }

TEST(StatusPage, EveryModelOpensOnALiveStatusPage) {
  for (const auto& model : Database().All()) {
    const std::string name = model.Key();
    Script script(name, 0);
    const std::string dump = script.Dump();
    const auto output = script.Run();
    const OrderedJson page = Reply(output, dump);
    EXPECT_EQ(Text(page, 20008), State(Msg(5, 31))) << name;
    EXPECT_EQ(Text(page, 20010), State(Msg(5, 332))) << name;
    const std::string firstInput = model.inputs.empty() ? "" : model.inputs.front().name;
    EXPECT_EQ(Text(page, 20009), ": " + firstInput) << name;
    const bool type3 = model.type == 3;
    EXPECT_EQ(Control(page, 20006)["visible"], !type3) << name;
    EXPECT_EQ(Control(page, 20018)["visible"], !type3) << name;
    EXPECT_EQ(Text(page, 20014), type3 ? "   " : CatalogText(Msg(5, 319), CatalogText(Msg(5, 320), 1200u))) << name;
  }
}

TEST(StatusPage, StatesFollowTheProjector) {
  Script script("5/30", 0);
  script.Reload(R"("set":{"0x6020":12,"0x2000":9,"0x3020":1,"0x3002":1})");
  const std::string states = script.Dump();
  script.Reload(R"("set":{"0x6020":10})");
  const std::string error10 = script.Dump();
  script.Reload(R"("set":{"0x6020":13,"0x6000":2})");
  const std::string error13 = script.Dump();
  const auto output = script.Run();

  const OrderedJson page = Reply(output, states);
  EXPECT_EQ(Text(page, 20010), State(Msg(5, 413)));
  EXPECT_EQ(Text(page, 20009), ": ");  // input code 9 is not in the model's list
  EXPECT_EQ(Text(page, 20011), State(Msg(5, 31)));
  EXPECT_EQ(Text(page, 20013), State(Msg(5, 333)));
  EXPECT_EQ(Text(Reply(output, error10), 20010), State(Msg(5, 318)));
  EXPECT_EQ(Text(Reply(output, error13), 20010), State(Msg(5, 318)));
  EXPECT_EQ(Text(Reply(output, error13), 20008), State(Msg(5, 309)));  // cooling down
}

TEST(StatusPage, AStateThatCannotBeReadShowsADashAndTheOthersStay) {
  Script script("1/3", 0);
  script.Reload(R"("fail":["0x2002","0x1090"])");
  const std::string dump = script.Dump();
  const auto output = script.Run();
  const OrderedJson page = Reply(output, dump);
  EXPECT_EQ(Text(page, 20012), ": -");
  EXPECT_EQ(Text(page, 20014), ": -");
  EXPECT_EQ(Text(page, 20011), State(Msg(5, 30)));
  EXPECT_EQ(Text(page, 20015), CatalogText(Msg(5, 319), CatalogText(Msg(5, 320), 300u)));
}

TEST(StatusPage, ResetsReReadThePageOnlyWhenDone) {
  Script script("4/21", 0);
  script.Events();
  script.Click(20018);  // lamp time, the first item
  const std::string lampReset = script.Events();
  const std::string afterLamp = script.Dump();
  script.Sim(R"("fail":["ExecFilterTimeReset"])");
  script.Select(20019, 1);
  script.Click(20018);
  const std::string failedReset = script.Events();
  const std::string afterFailure = script.Dump();
  const auto output = script.Run();

  const auto lampCalls = Calls(Reply(output, lampReset));
  ASSERT_FALSE(lampCalls.empty());
  EXPECT_EQ(lampCalls.front(), "ExecLampTimeReset()");
  EXPECT_GT(lampCalls.size(), 1u);  // the page was read again
  EXPECT_EQ(Text(Reply(output, afterLamp), 20014), CatalogText(Msg(5, 319), CatalogText(Msg(5, 320), 0u)));
  EXPECT_THAT(Calls(Reply(output, failedReset)), ElementsAre("ExecFilterTimeReset()"));
  EXPECT_THAT(Messages(Reply(output, failedReset)), IsEmpty());
  EXPECT_EQ(Text(Reply(output, afterFailure), 20015), Text(Reply(output, afterLamp), 20015));
}

}  // namespace
}  // namespace pages::testing
