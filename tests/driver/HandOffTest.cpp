// "open": which description reaches the dialog, through which hand-off, and
// what the dialog then shows and holds.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalog/Catalog.h"
#include "tests/driver/DriverTestSupport.h"

namespace driver::testing {
namespace {

using ::testing::ElementsAreArray;
using ::testing::HasSubstr;

const models::ModelDescription& Model(int type, int model) {
  const models::ModelDescription* found = Database().Find(type, model);
  if (!found) throw std::runtime_error("test model missing from the database");
  return *found;
}

std::vector<std::string> Titles(std::initializer_list<int> numbers) {
  std::vector<std::string> titles;
  for (int number : numbers) titles.push_back(CatalogText(Msg(4, number)));
  return titles;
}

// What the dialog holds once "open" has handed the description over.
struct Held {
  int modelNo = -1;
  int whisperCount = -1;
  std::vector<std::string> ranges;
  std::string caption;
  int tabs = 0;
};

Held OpenAndLook(const std::string& openLine) {
  Held held;
  RunSession({Line(openLine), Do([&held](Session& session) {
                CExpertDlg* dialog = session.OpenDialog();
                ASSERT_NE(dialog, nullptr);
                held.modelNo = dialog->m_nModelNo;
                held.whisperCount = dialog->m_nWhisperCount;
                held.ranges.assign(std::begin(dialog->m_strRange), std::end(dialog->m_strRange));
                held.caption = dialog->GetWindowText();
                held.tabs = dialog->m_tab.GetItemCount();
              })});
  return held;
}

std::string Ranges32Json(const std::string& prefix) {
  std::string json = "[";
  for (int i = 0; i < 32; ++i) json += (i ? ",\"" : "\"") + prefix + std::to_string(i) + "\"";
  return json + "]";
}

TEST(DriverOpen, ModalEventCarriesTheCaptionAndTheTabsOfTheModel) {
  const auto& network = Model(5, 30);
  const auto& serial = Model(1, 8);
  ASSERT_EQ(network.connection.kind, 1);
  ASSERT_NE(serial.connection.kind, 1);
  const OrderedJson modal = FirstEvent(RunLines({R"({"cmd":"open","model":"5/30"})"}), "modal");
  EXPECT_EQ(modal["caption"], CatalogText(Msg(4, 155), network.name, network.connection.AddressText()));
  EXPECT_THAT(modal["tabs"].get<std::vector<std::string>>(),
              ElementsAreArray(Titles({156, 166, 167, 160, 165, 169, 162, 163, 164})));
  EXPECT_EQ(RunLines({R"({"cmd":"open","model":"1/8"})"})[0]["caption"],
            CatalogText(Msg(4, 170), serial.name, serial.connection.port + 1));
}

TEST(DriverHandOff, ItemAndModelInfoHandOverEverything) {
  const auto& model = Model(5, 30);
  const Held item = OpenAndLook(R"({"cmd":"open","model":"5/30"})");
  EXPECT_EQ(item.modelNo, 30);
  EXPECT_EQ(item.whisperCount, static_cast<int>(model.whisper.size()));
  EXPECT_THAT(item.ranges, ElementsAreArray(model.ranges));  // 32 and 33 despite the item's skipped text

  const Held info = OpenAndLook(R"({"cmd":"open","model":"5/30","handoff":"modelinfo","connectionIndex":3})");
  EXPECT_EQ(info.modelNo, 30);
  EXPECT_THAT(info.ranges, ElementsAreArray(model.ranges));
  EXPECT_EQ(info.caption, item.caption);  // connection entry 3 reached the interface
}

TEST(DriverHandOff, OlderOverloadsLeaveWhatTheyDoNotCarry) {
  const auto& model = Model(5, 30);
  ASSERT_FALSE(model.whisper.empty());
  const Held args = OpenAndLook(R"({"cmd":"open","model":"5/30","handoff":"args"})");
  EXPECT_EQ(args.modelNo, 0);
  EXPECT_EQ(args.whisperCount, 0);
  EXPECT_THAT(args.ranges, ::testing::Each(""));
  // No connection data reaches the interface: the caption takes the serial form.
  EXPECT_EQ(args.caption, CatalogText(Msg(4, 170), model.name, 1));

  const Held args2 = OpenAndLook(R"({"cmd":"open","model":"5/30","handoff":"args2"})");
  EXPECT_EQ(args2.modelNo, 30);
  EXPECT_EQ(args2.whisperCount, static_cast<int>(model.whisper.size()));
  EXPECT_THAT(args2.ranges, ::testing::Each(""));
}

TEST(DriverHandOff, Ranges32SetsTheFirst32AndLeavesTheLastTwo) {
  const auto& model = Model(5, 30);
  ASSERT_FALSE(model.ranges[32].empty());
  const std::string ranges = Ranges32Json("r");
  const Held item = OpenAndLook(R"({"cmd":"open","model":"5/30","ranges32":)" + ranges + "}");
  const Held args = OpenAndLook(R"({"cmd":"open","model":"5/30","handoff":"args","ranges32":)" + ranges + "}");
  for (const Held* held : {&item, &args}) {
    for (int i = 0; i < 32; ++i) EXPECT_EQ(held->ranges[i], "r" + std::to_string(i));
  }
  EXPECT_EQ(item.ranges[32], model.ranges[32]);
  EXPECT_EQ(item.ranges[33], model.ranges[33]);
  EXPECT_EQ(args.ranges[32], "");
  EXPECT_EQ(args.ranges[33], "");
}

TEST(DriverHost, OverridesReachTheDialog) {
  const Held held = OpenAndLook(
      R"({"cmd":"open","model":"5/30","host":{"name":"Hall","connection":{"address":"10.0.0.2"},"ranges":{}}})");
  EXPECT_EQ(held.caption, CatalogText(Msg(4, 155), "Hall", "10.0.0.2"));
  EXPECT_THAT(held.ranges, ::testing::Each(""));

  // "host" alone: a model of the database is its base...
  const Held known = OpenAndLook(R"({"cmd":"open","host":{"type":5,"model":36,"name":"Side"}})");
  EXPECT_EQ(known.modelNo, 36);
  EXPECT_EQ(known.ranges, OpenAndLook(R"({"cmd":"open","model":"5/36"})").ranges);
  // ...any other model must be described in full.
  const Held own = OpenAndLook(
      R"({"cmd":"open","host":{"type":4,"model":77,"name":"Lab","inputs":[],"connection":{"address":"127.0.0.9"}}})");
  EXPECT_EQ(own.modelNo, 77);
  EXPECT_EQ(own.caption, CatalogText(Msg(4, 155), "Lab", "127.0.0.9"));
  // A host may hand over a type the module does not know: the status tab alone.
  const Held unknownType = OpenAndLook(
      R"({"cmd":"open","host":{"type":9,"model":1,"name":"New","inputs":[],"connection":{"address":"127.0.0.9"}}})");
  EXPECT_EQ(unknownType.tabs, 1);
  EXPECT_EQ(own.tabs, 8);
}

TEST(DriverHost, BadDescriptionsAndOptionsAreRefusedBeforeAnyDialogOpens) {
  const auto output = RunLines({
      R"({"cmd":"open","seq":1})",
      R"({"cmd":"open","model":"9/9","seq":2})",
      R"({"cmd":"open","model":"5/30","host":{"inputs":[{"name":"A","code":"x","code2":0}]},"seq":3})",
      R"({"cmd":"open","model":"5/30","host":{"colour":1},"seq":4})",
      R"({"cmd":"open","model":"5/30","host":[1],"seq":5})",
      R"({"cmd":"open","host":{"name":"No type"},"seq":6})",
      R"({"cmd":"open","host":{"type":4,"model":77,"name":"Lab"},"seq":7})",
      R"({"cmd":"open","model":"5/30","handoff":"fax","seq":8})",
      R"({"cmd":"open","model":"5/30","connectionIndex":1,"seq":9})",
      R"({"cmd":"open","model":"5/30","ranges32":["a"],"seq":10})",
      std::string(R"({"cmd":"open","model":"5/30","ranges32":)") + "[7" + Ranges32Json("").substr(4) + R"(,"seq":11})",
      R"({"cmd":"open","model":"5/30","connect":"tcp://10.0.0.1:4352","seq":12})",
  });
  EXPECT_EQ(output.size(), 12u);  // replies only: no dialog was opened
  EXPECT_THAT(ErrorOf(output, "1"), HasSubstr("needs \"model\""));
  EXPECT_THAT(ErrorOf(output, "2"), HasSubstr("no model \"9/9\""));
  EXPECT_THAT(ErrorOf(output, "3"), HasSubstr("inputs[0].code"));
  EXPECT_THAT(ErrorOf(output, "4"), HasSubstr("colour"));
  EXPECT_THAT(ErrorOf(output, "5"), HasSubstr("\"host\" must be an object"));
  EXPECT_THAT(ErrorOf(output, "6"), HasSubstr("must carry \"type\" and \"model\""));
  EXPECT_THAT(ErrorOf(output, "7"), HasSubstr("inputs"));  // an unknown model must be complete
  EXPECT_THAT(ErrorOf(output, "8"), HasSubstr("unknown handoff \"fax\""));
  EXPECT_THAT(ErrorOf(output, "9"), HasSubstr("\"modelinfo\""));
  EXPECT_THAT(ErrorOf(output, "10"), HasSubstr("exactly 32 strings"));
  EXPECT_THAT(ErrorOf(output, "11"), HasSubstr("ranges32[0] must be a string"));
  EXPECT_THAT(ErrorOf(output, "12"), HasSubstr("loopback"));
}

}  // namespace
}  // namespace driver::testing
