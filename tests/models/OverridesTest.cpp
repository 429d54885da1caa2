#include <string>

#include "models/ModelParser.h"
#include "tests/models/ModelTestSupport.h"

namespace models {
namespace {

using nlohmann::json;

class Overrides : public ::testing::Test {
 protected:
  Overrides() {
    json doc = testing::MinimalDoc();
    doc["gamma"] = json::array({{{"code", 1}, {"name", "Normal"}}});
    doc["ranges"] = {{"17", "0,255"}, {"18", "10,20"}};
    doc["connection"] = {{"port", 2}, {"third", 23}, {"address", "10.0.0.2"}, {"text2", "pw"}};
    base = ParseModel(doc, "db.json");
  }
  ModelDescription Overridden(const json& partial) {
    ModelDescription d = base;
    ApplyOverrides(d, partial, "host");
    return d;
  }
  ModelDescription base;
};

TEST_F(Overrides, ReplaceOnlyWhatTheyName) {
  ModelDescription d = Overridden({{"type", 4}, {"model", 22}, {"option1", true},
                                   {"aspect", json::array({{{"code", 2}, {"name", "16:9"}}})}});
  EXPECT_EQ(d.Key(), "4/22");
  EXPECT_TRUE(d.option1);
  EXPECT_EQ(d.aspect.at(0).name, "16:9");
  EXPECT_EQ(d.gamma.at(0).name, "Normal");
  EXPECT_EQ(d.name, "P");
  EXPECT_EQ(d.ranges[17], "0,255");

  d = Overridden({{"connection", {{"kind", 0}, {"address", 0x7F000002u}}}});
  EXPECT_EQ(d.connection.kind, 0);
  EXPECT_EQ(d.connection.AddressText(), "127.0.0.2");
  EXPECT_EQ(d.connection.port, 2);
  EXPECT_EQ(d.connection.third, 23);
  EXPECT_EQ(d.connection.text2, "pw");

  // Ranges replace the whole table, and may hold what the parser would refuse.
  EXPECT_EQ(Overridden({{"ranges", json::object()}}).ranges, ModelDescription().ranges);
  d = Overridden({{"ranges", {{"18", "abc"}, {"33", ","}}}});
  EXPECT_EQ(d.ranges[17], "");
  EXPECT_EQ(d.ranges[18], "abc");
  EXPECT_EQ(d.ranges[33], ",");
}

TEST_F(Overrides, RefuseBadValuesAndLeaveTheDescriptionUntouched) {
  const json bad[] = {{{"type", 9}},
                      {{"ranges", {{"17", 5}}}},
                      {{"ranges", {{"17", std::string(64, '1')}}}},
                      {{"connection", {{"port", "COM1"}}}},
                      {{"connection", {{"fourth", 60000}}}},  // a dead projector would cost a minute a read
                      {{"name", "Hall"}, {"gamma", json::array({1})}},
                      {{"colortemp", json::array()}},
                      "x"};
  for (const json& partial : bad) {
    ModelDescription d = base;
    const ModelError e = testing::ErrorFrom([&] { ApplyOverrides(d, partial, "host"); });
    EXPECT_EQ(e.File(), "host");
    EXPECT_TRUE(d.name == "P" && d.ranges[17] == "0,255" && d.gamma.size() == 1u)
        << partial.dump();
  }
}

}  // namespace
}  // namespace models
