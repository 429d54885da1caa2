// "open": which description reaches the dialog, through which hand-off, and
// what the dialog then shows and holds.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalog/Catalog.h"
#include "tests/driver/DriverTestSupport.h"

namespace driver::testing {
namespace {

const models::ModelDescription& Model(int type, int model) {
  const models::ModelDescription* found = Database().Find(type, model);
  if (!found) throw std::runtime_error("test model missing from the database");
  return *found;
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
  const OrderedJson modal = FirstEvent(RunLines({R"({"cmd":"open","model":"5/30"})"}), "modal");
  EXPECT_EQ(modal["caption"], CatalogText(Msg(4, 155), network.name, network.connection.AddressText()));
  std::vector<std::string> titles;
  for (int number : {156, 166, 167, 160, 165, 169, 162, 163, 164}) titles.push_back(CatalogText(Msg(4, number)));
  EXPECT_EQ(modal["tabs"].get<std::vector<std::string>>(), titles);
  EXPECT_EQ(RunLines({R"({"cmd":"open","model":"1/8"})"})[0]["caption"],
            CatalogText(Msg(4, 170), serial.name, serial.connection.port + 1));
}

// Each hand-off sets what its overload carries and leaves the rest as the
// dialog had it: "ranges32" sets the first 32 range texts only.
TEST(DriverHandOff, EachHandOffCarriesWhatItsOverloadCarries) {
  const auto& model = Model(5, 30);
  ASSERT_FALSE(model.whisper.empty());
  ASSERT_FALSE(model.ranges[32].empty());
  const std::string network = CatalogText(Msg(4, 155), model.name, model.connection.AddressText());
  const std::string serial = CatalogText(Msg(4, 170), model.name, 1);  // no connection data reached the interface
  const std::string set32 = R"(,"ranges32":)" + Ranges32Json("r");
  enum Ranges { kEmpty, kModel, kSet };
  const struct {
    std::string options;
    int modelNo;
    bool whisper;
    Ranges first32, last2;
    const std::string& caption;
  } cases[] = {
      {"", 30, true, kModel, kModel, network},  // 32 and 33 despite the item's skipped text
      {R"(,"handoff":"modelinfo","connectionIndex":3)", 30, true, kModel, kModel, network},
      {R"(,"handoff":"args")", 0, false, kEmpty, kEmpty, serial},
      {R"(,"handoff":"args2")", 30, true, kEmpty, kEmpty, serial},
      {set32, 30, true, kSet, kModel, network},
      {R"(,"handoff":"args")" + set32, 0, false, kSet, kEmpty, serial},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.options);
    const Held held = OpenAndLook(R"({"cmd":"open","model":"5/30")" + c.options + "}");
    EXPECT_EQ(held.modelNo, c.modelNo);
    EXPECT_EQ(held.whisperCount, c.whisper ? static_cast<int>(model.whisper.size()) : 0);
    ASSERT_EQ(held.ranges.size(), std::size(model.ranges));
    for (std::size_t i = 0; i < held.ranges.size(); ++i) {
      const Ranges kind = i < 32 ? c.first32 : c.last2;
      EXPECT_EQ(held.ranges[i], kind == kModel ? model.ranges[i] : kind == kSet ? "r" + std::to_string(i) : "") << i;
    }
    EXPECT_EQ(held.caption, c.caption);
  }
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
  // The same as an override of a model of the database.
  const Held overridden = OpenAndLook(R"({"cmd":"open","model":"1/16","host":{"type":7}})");
  EXPECT_EQ(overridden.tabs, 1);
  EXPECT_EQ(overridden.modelNo, 16);
}

TEST(DriverHost, BadDescriptionsAndOptionsAreRefusedBeforeAnyDialogOpens) {
  const std::string open = R"({"cmd":"open","model":"5/30",)";
  const auto output = RunCases({}, {
      {R"({"cmd":"open"})", "needs \"model\""},
      {R"({"cmd":"open","model":"9/9"})", "no model \"9/9\""},
      {open + R"("host":{"inputs":[{"name":"A","code":"x","code2":0}]}})", "inputs[0].code"},
      {open + R"("host":{"colour":1}})", "colour"},
      {open + R"("host":[1]})", "\"host\" must be an object"},
      {open + R"("host":{"type":"7"}})", "type"},
      {R"({"cmd":"open","host":{"name":"No type"}})", "must carry \"type\" and \"model\""},
      {R"({"cmd":"open","host":{"type":4,"model":77,"name":"Lab"}})", "inputs"},  // an unknown model must be complete
      {open + R"("handoff":"fax"})", "unknown handoff \"fax\""},
      {open + R"("connectionIndex":1})", "\"modelinfo\""},
      {open + R"("ranges32":["a"]})", "exactly 32 strings"},
      {open + R"("ranges32":[7)" + Ranges32Json("").substr(4) + "}", "ranges32[0] must be a string"},
      {open + R"("connect":"tcp://10.0.0.1:4352"})", "only a loopback address"},
  });
  EXPECT_EQ(output.size(), 13u);  // replies only: no dialog was opened
}

}  // namespace
}  // namespace driver::testing
