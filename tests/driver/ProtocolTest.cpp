// The protocol itself: ordering of replies and events, seq, error replies,
// "text" and "events".
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "catalog/Catalog.h"
#include "framework/Wnd.h"
#include "tests/driver/DriverTestSupport.h"

namespace driver::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

// Close and Escape answer the open after the closed event, with the modal
// result; a second dialog lives where the first did and is announced all the
// same. End of input cancels the run; the open is still answered.
TEST(DriverOrdering, ClosingAnswersTheOpenAfterTheClosedEventAndADialogCanBeOpenedAgain) {
  const auto output = RunLines({kOpen, R"({"cmd":"close","seq":"c"})", R"({"cmd":"dump","seq":"after"})",
                                R"({"cmd":"open","model":"1/3","seq":"again"})", R"({"cmd":"key","key":"escape"})"});
  EXPECT_THAT(Trace(output), ElementsAre("modal 22151", "ok \"c\"", "closed 22151 1", "ok \"o\"", "error \"after\"",
                                         "modal 22151", "ok -", "closed 22151 2", "ok \"again\""));
  EXPECT_EQ(Reply(output, "\"o\"")["result"], 1);
  EXPECT_EQ(Reply(output, "\"again\"")["result"], 2);
  EXPECT_THAT(Trace(RunLines({kOpen, R"({"cmd":"tab","index":2,"seq":1})"})),
              ElementsAre("modal 22151", "ok 1", "closed 22151 2", "ok \"o\""));
}

TEST(DriverSeq, AnyValueIsEchoedOnSuccessAndOnError) {
  const auto output = RunLines({
      R"({"cmd":"events","seq":7})",
      R"({"cmd":"events","seq":{"step":[1,2]}})",
      R"({"cmd":"nonsense","seq":"x"})",
      R"({"cmd":"events"})",
  });
  ASSERT_EQ(output.size(), 4u);
  EXPECT_EQ(output[0]["seq"], 7);
  EXPECT_EQ(output[1]["seq"]["step"][1], 2);
  EXPECT_EQ(output[2]["seq"], "x");
  EXPECT_FALSE(output[2]["ok"].get<bool>());
  EXPECT_FALSE(output[3].contains("seq"));
}

TEST(DriverErrors, BadLinesGetAClearErrorAndTheSessionGoesOn) {
  const std::vector<Expected> bad = {
      {"{\"cmd\":", "malformed JSON"},
      {"[1,2]", "JSON object"},
      {R"({"seq":1})", "\"cmd\""},
      {R"({"cmd":5})", "must be a string"},
      {R"({"cmd":"launch"})", "unknown command \"launch\""},
      {R"({"cmd":"events","verbose":true})", "no field \"verbose\""},
      {R"({"cmd":"text","category":"4","number":155})", "\"category\" must be an integer"},
      {R"({"cmd":"text","category":4,"number":1.5})", "\"number\" must be an integer"},
      {R"({"cmd":"text","category":4,"number":4294967296})", "out of range"},
      {R"({"cmd":"text","category":4})", "needs the field \"number\""},
      {R"({"cmd":"events","seq":)" + std::string(10000, '[') + std::string(10000, ']') + "}", "nested more than"},
      {R"({"cmd":"events","seq":")" + std::string(kMaxLineBytes, 'x') + "\"}", "longer than 65536 bytes"},
  };
  std::vector<std::string> lines = {"   "};  // blank: ignored
  for (const Expected& c : bad) lines.push_back(c.line);
  lines.push_back(R"({"cmd":"events","seq":"last"})");
  const auto output = RunLines(lines);
  ASSERT_EQ(output.size(), bad.size() + 1);
  for (std::size_t i = 0; i < bad.size(); ++i) {
    EXPECT_EQ(output[i]["ok"], false) << bad[i].line.substr(0, 60);
    EXPECT_THAT(output[i].value("error", ""), HasSubstr(bad[i].error)) << bad[i].line.substr(0, 60);
  }
  EXPECT_EQ(ErrorOf(output, "\"last\""), "");
}

TEST(DriverErrors, DialogCommandsNeedAnOpenDialogAndOnlyOneOpensAtATime) {
  std::vector<Expected> cases;
  for (const char* cmd : {"dump", "tab", "click", "select", "slide", "check", "close", "key"})
    cases.push_back({std::string(R"({"cmd":")") + cmd + "\"}", "no dialog is open"});
  cases.push_back({kOpen, ""});
  cases.push_back({R"({"cmd":"open","model":"5/31"})", "already open"});
  EXPECT_EQ(Reply(RunCases({}, cases), "9")["result"], 2);
}

TEST(DriverText, LooksUpCatalogMessagesWithTextAndIntegerInserts) {
  const std::string text = R"({"cmd":"text","category":4,)";
  const auto output = RunCases({}, {
      {text + R"("number":155,"inserts":["P1","127.0.0.2"]})", ""},
      {text + R"("number":170,"inserts":["P2",3]})", ""},
      {text + R"("number":156})", ""},
      {text + R"("number":155,"inserts":["P1",true]})", "inserts[1] must be a string or an integer"},
      {text + R"("number":155,"inserts":"P1"})", "\"inserts\" must be an array"},
  });
  EXPECT_EQ(Reply(output, "1")["text"], CatalogText(Msg(4, 155), "P1", "127.0.0.2"));
  EXPECT_EQ(Reply(output, "2")["text"], CatalogText(Msg(4, 170), "P2", 3));
  EXPECT_EQ(Reply(output, "3")["text"], CatalogText(Msg(4, 156)));
}

TEST(DriverEvents, ReportsMessageBoxesOnceAndNoInventedCalls) {
  const auto output = RunSession({
      Line(kOpen),
      Line(R"({"cmd":"events","seq":0})"),  // what opening the dialog read
      Do([](Session& session) {
        session.OpenDialog()->MessageBox("The brightness could not be changed.", "Projector", MB_ICONSTOP);
        session.OpenDialog()->MessageBox("Cooling down.", "Projector", MB_OK);
      }),
      Line(R"({"cmd":"events","seq":1})"),
      Line(R"({"cmd":"events","seq":2})"),
  });
  const OrderedJson first = Reply(output, "1");
  ASSERT_EQ(first["messages"].size(), 2u);
  EXPECT_EQ(first["messages"][0]["text"], "The brightness could not be changed.");
  EXPECT_EQ(first["messages"][0]["caption"], "Projector");
  EXPECT_EQ(first["messages"][0]["icon"], "stop");
  EXPECT_EQ(first["messages"][1]["icon"], "none");
  EXPECT_TRUE(first["calls"].empty());  // nothing since the last events
  EXPECT_TRUE(Reply(output, "2")["messages"].empty());
}

TEST(DriverEvents, ProjectorCallsAreReportedInOrderInTheirShape) {
  const auto output = RunSession({
      Do([](Session& session) {
        session.Calls().Append({"Get", 0x2003, std::nullopt, std::nullopt, 1LL, 130LL, {}});
        session.Calls().Append({"Inc", 0x0A1, 0, std::nullopt, 1LL, std::nullopt, {}});
        session.Calls().Append({"SetWhisper", std::nullopt, std::nullopt, std::vector<CallValue>{2LL, true, "x"}, true,
                                std::nullopt, {}});
      }),
      Line(R"({"cmd":"events","seq":1})"),
  });
  const OrderedJson calls = Reply(output, "1")["calls"];
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].dump(), R"({"op":"Get","code":"0x2003","result":1,"out":130})");
  EXPECT_EQ(calls[1].dump(), R"({"op":"Inc","code":"0x00A1","value":0,"result":1})");
  EXPECT_EQ(calls[2].dump(), R"({"op":"SetWhisper","args":[2,true,"x"],"result":true})");
}

}  // namespace
}  // namespace driver::testing
