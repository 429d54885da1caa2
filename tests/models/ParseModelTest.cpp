#include <fstream>
#include <string>
#include <vector>

#include "models/HostRecords.h"
#include "models/ModelParser.h"
#include "tests/models/ModelTestSupport.h"

namespace models {
namespace {

using nlohmann::json;
using testing::ErrorFrom;
using testing::MinimalDoc;

ModelError ParseError(const json& doc) {
  return ErrorFrom([&] { ParseModel(doc, "m.json"); });
}

TEST(ParseModel, ReadsAFullDocumentAndDefaultsWhatIsAbsent) {
  std::ifstream in(MODEL_TEST_FIXTURES "/model_5_30.json");
  const ModelDescription d = ParseModel(json::parse(in), "model_5_30.json");
  EXPECT_EQ(d.Key(), "5/30");
  ASSERT_EQ(d.inputs.size(), 2u);
  EXPECT_EQ(d.inputs[1].code2, -1);
  EXPECT_EQ(d.aspect.at(1).name, "16:9");
  EXPECT_EQ(d.ranges[17], "64,192");
  EXPECT_EQ(d.ranges[16], "");
  EXPECT_TRUE(!d.option1 && d.option2);
  EXPECT_EQ(d.connection.AddressText(), "192.168.0.1");
  EXPECT_EQ(d.connection.text2, "secret");

  json doc = MinimalDoc();
  doc["connection"] = {{"address", 0x0A000002u}};
  const ModelDescription minimal = ParseModel(doc, "m.json");
  EXPECT_EQ(minimal.connection.AddressText(), "10.0.0.2");
  EXPECT_EQ(minimal.connection.kind, 1) << "absent kind means network";
  EXPECT_TRUE(minimal.whisper.empty());
}

// Every value that does not belong where it stands is refused, naming its field.
TEST(ParseModel, RefusesMalformedFields) {
  // Unsigned values are what the parser makes of non-negative numbers in a file.
  const std::vector<std::pair<std::string, json>> cases = {
      {"/type", 0u}, {"/type", 6}, {"/type", "5"}, {"/model", -1}, {"/model", 1.0},
      {"/name", nullptr}, {"/inputs", json::object()}, {"/inputs/0", "x"},
      {"/inputs/0/code", 2147483648LL}, {"/inputs/0/code2", -2147483649LL},
      {"/inputs/0/code", 18446744073709551615ULL}, {"/inputs/0/name", std::string("a\0b", 3)},
      {"/aspect", "16:9"}, {"/gamma", json::array({{{"code", true}, {"name", "g"}}})},
      {"/whisper", json::array({{{"code", 0}}})}, {"/option1", 1}, {"/ranges", json::array()},
      {"/connection", "10.0.0.2"}, {"/connection/kind", "network"}, {"/connection/port", -1},
      {"/connection/third", 1e3}, {"/connection/text2", std::string(64, 'p')},
      {"/connection/address", "256.0.0.1"}, {"/connection/address", "01.2.3.4"},
      {"/connection/address", -1}, {"/connection/address", 4294967296LL},
      {"/inputs/0/pjlink", 31}, {"/inputs/0/pjlink", "71"}, {"/inputs/0/pjlink", "10"},
      {"/inputs/0/pjlink", "3a"}, {"/inputs/0/pjlink", "311"}, {"/inputs/0/pjlink", ""},
  };
  for (const auto& [pointer, value] : cases) {
    json doc = MinimalDoc();
    doc[json::json_pointer(pointer)] = value;
    std::string field = pointer.substr(1);  // "/inputs/0/code" -> "inputs[0].code"
    for (char& c : field) c = c == '/' ? '.' : c;
    if (field.rfind("inputs.0", 0) == 0) field.replace(6, 2, "[0]");
    EXPECT_EQ(ParseError(doc).Field().substr(0, field.size()), field)
        << pointer << " = " << value.dump();
  }
}

TEST(ParseModel, RefusesMissingAndUnknownKeysNamingFileModelAndField) {
  json mistyped = MinimalDoc();
  mistyped["inputs"][0]["code"] = "3";
  EXPECT_STREQ(ParseError(mistyped).what(), "m.json: model 5/30: field \"inputs[0].code\": expected an integer");
  mistyped.erase("type");
  EXPECT_STREQ(ParseError(mistyped).what(), "m.json: field \"type\": missing");
  for (const char* pointer : {"/model", "/name", "/inputs", "/connection", "/connection/address",
                              "/inputs/0/code2"}) {
    json doc = MinimalDoc();
    doc[json::json_pointer(pointer).parent_pointer()].erase(json::json_pointer(pointer).back());
    EXPECT_EQ(ParseError(doc).Message(), "missing") << pointer;
  }
  for (const char* pointer : {"/colourTemp", "/inputs/0/nmae", "/connection/adress"}) {
    json doc = MinimalDoc();
    doc[json::json_pointer(pointer)] = 1;
    EXPECT_EQ(ParseError(doc).Message(), "unknown key") << pointer;
  }
  EXPECT_EQ(ParseError(json::array()).Field(), "");
}

// The PJLink input of each input travels with it to the host record; one
// terminal cannot be two inputs of a model.
TEST(ParseModel, CarriesPjLinkInputsAndRefusesOneNamedTwice) {
  json doc = MinimalDoc();
  doc["inputs"] = json::array({{{"name", "HDMI"}, {"code", 3}, {"code2", 0}, {"pjlink", "32"}},
                               {{"name", "Video"}, {"code", 1}, {"code2", 0}}});
  const CProjectorItem item = ToProjectorItem(ParseModel(doc, "m.json"));
  EXPECT_STREQ(item.m_szPjLinkInput[0], "32");
  EXPECT_STREQ(item.m_szPjLinkInput[1], "");
  doc["inputs"][1]["pjlink"] = "32";
  const ModelError error = ParseError(doc);
  EXPECT_EQ(error.Field(), "inputs[1].pjlink");
  EXPECT_EQ(error.Message(), "PJLink input 32 is already HDMI");
}

TEST(ParseModel, ChecksRangeTextsAndEntryNumbers) {
  json doc = MinimalDoc();
  for (const char* good : {"", "0,0", "0,65535", "64,192"}) {
    doc["ranges"] = {{"17", good}};
    EXPECT_EQ(ParseModel(doc, "m.json").ranges[17], good);
  }
  for (const char* bad : {"abc", ",", "5", "10,5", "0,65536", "-1,5", " 1,2", "1,2,3", "1,"}) {
    doc["ranges"] = {{"17", bad}};
    EXPECT_EQ(ParseError(doc).Field(), "ranges.17") << bad;
  }
  for (const char* key : {"34", "07", "-1", "x", ""}) {
    doc["ranges"] = {{key, ""}};
    EXPECT_EQ(ParseError(doc).Field(), std::string("ranges.") + key);
  }
}

TEST(ParseModel, EnforcesTheHostRecordSizes) {
  json doc = MinimalDoc();
  for (int i = 0; i < 6; ++i) doc["inputs"].push_back(doc["inputs"][0]);
  for (const char* list : {"whisper", "aspect", "gamma", "colorTemp", "myButton"}) {
    doc[list] = json::array();
    for (int i = 0; i < 32; ++i) doc[list].push_back({{"code", i}, {"name", "E"}});
  }
  // 21 three-byte characters: the limit counts bytes, not characters.
  std::string name;
  for (int i = 0; i < 21; ++i) name += "\xE4\xB8\xAD";
  doc["inputs"][6]["name"] = name;
  doc["myButton"][31]["name"] = name;
  EXPECT_EQ(ParseModel(doc, "m.json").myButton.size(), 32u);

  for (const char* list : {"inputs", "whisper", "aspect", "gamma", "colorTemp", "myButton"}) {
    json over = doc;
    over[list].push_back(over[list][0]);
    EXPECT_EQ(ParseError(over).Field(), list);
  }
  doc["myButton"][31]["name"] = name + "a";
  EXPECT_EQ(ParseError(doc).Field(), "myButton[31].name");
}

}  // namespace
}  // namespace models
