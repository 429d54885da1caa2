// The operation table as a whole: names, shapes, codes, and that the
// interface, the table and the documentation agree.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "OperationsDoc.h"
#include "beamlink/Operations.h"
#include "projector/CommandCodes.h"

using beamlink::Action;
using beamlink::ArgumentShape;
using beamlink::OperationInfo;
using beamlink::ResultShape;

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool Generic(const OperationInfo& op) { return op.arguments == ArgumentShape::CodeAndValue; }
bool OwnSetting(std::uint16_t code) { return code >= 0x4000 && code <= 0x4FFF; }
bool OwnAction(std::uint16_t code) { return code >= 0x7000 && code <= 0x70FF; }

TEST(OperationTable, NamesAreUniqueSaveForTheTwoFormsOfTheAutoPowerOffSteps) {
  std::map<std::string, int> count;
  for (const OperationInfo& op : beamlink::AllOperations()) ++count[op.name];
  for (const auto& [name, n] : count) {
    if (name == "IncrementAutoPowerOff" || name == "DecrementAutoPowerOff") {
      EXPECT_EQ(n, 2) << name;
      EXPECT_NE(beamlink::FindOperation(name, ArgumentShape::None),
                beamlink::FindOperation(name, ArgumentShape::CurrentValue));
    } else {
      EXPECT_EQ(n, 1) << name;
    }
  }
  EXPECT_GE(count.size(), 170u);
}

TEST(OperationTable, EachActionFitsItsArgumentsAndResult) {
  const std::set<ArgumentShape> carriesValue = {
      ArgumentShape::CodeAndValue, ArgumentShape::Value, ArgumentShape::AspectPosition,
      ArgumentShape::GammaPosition, ArgumentShape::VideoFormatPosition, ArgumentShape::StartupPosition,
      ArgumentShape::PinPInputPosition, ArgumentShape::PositionPlusOffset, ArgumentShape::RgbInPosition,
      ArgumentShape::ValueAndFlag, ArgumentShape::InputAndValue};
  for (const OperationInfo& op : beamlink::AllOperations()) {
    SCOPED_TRACE(op.name);
    const bool readsValue =
        op.writesThroughPointer || op.result == ResultShape::ValueItself || op.result == ResultShape::ShownValueItself;
    switch (op.action) {
      case Action::Get:
        EXPECT_TRUE(readsValue);
        EXPECT_FALSE(carriesValue.count(op.arguments) && !Generic(op));
        break;
      case Action::Set:
        EXPECT_TRUE(carriesValue.count(op.arguments) || op.arguments == ArgumentShape::None);
        EXPECT_FALSE(readsValue);
        break;
      case Action::Increment:
      case Action::Decrement:
        EXPECT_FALSE(carriesValue.count(op.arguments) && !Generic(op));
        EXPECT_TRUE(readsValue || Generic(op));  // a named step tells the caller where it went
        break;
      case Action::Execute:
        EXPECT_TRUE(op.arguments == ArgumentShape::None || op.arguments == ArgumentShape::Point ||
                    op.arguments == ArgumentShape::MemoryPosition);
        EXPECT_FALSE(readsValue);
        break;
    }
    if (op.writesThroughPointer) {
      EXPECT_TRUE(op.result == ResultShape::Flag || op.result == ResultShape::GenericOne);
    }
    EXPECT_EQ(Generic(op), op.result == ResultShape::GenericOne);
  }
}

// A setting with a generic code is reached by that code; only settings
// without one get codes of our own, and pure actions codes of their own range.
TEST(OperationTable, CodesAreTheGenericOnesWhereTheSettingHasOne) {
  for (const OperationInfo& op : beamlink::AllOperations()) {
    if (Generic(op)) continue;
    SCOPED_TRACE(op.name);
    if (OwnAction(op.code)) {
      EXPECT_EQ(op.action, Action::Execute);
    } else {
      EXPECT_TRUE(pjcode::FindCode(op.code) || OwnSetting(op.code));
    }
  }
  for (const pjcode::CodeInfo& code : pjcode::AllCodes()) EXPECT_FALSE(OwnSetting(code.code) || OwnAction(code.code));

  // Codes peers rely on: a change here is a change of the wire format.
  const std::map<std::string, std::uint16_t> known = {
      {"GetKeystoneV", 0x2007}, {"SetKeystoneV", 0x2007}, {"IncrementKeystoneV", 0x2007},
      {"GetWhisper", 0x3300}, {"SetBlank", 0x3020}, {"SetMute", 0x2002}, {"SetBrightness", 0x2003},
      {"GetInputSource", 0x2000}, {"SetPowerOn", 0x6000}, {"SetPowerOff", 0x6000},
      {"ExecBrightnessReset", 0x2003}, {"ExecLampTimeReset", 0x1090}, {"ExecUserGammaPReset", 0x3090},
      {"GetColorTempGainR", 0x30B1}, {"IncrementColorTempOffset", 0x30B5}};
  for (const auto& [name, code] : known) EXPECT_EQ(beamlink::FindOperation(name)->code, code) << name;
}

TEST(OperationTable, AGetterAndASetterOfOneNameShareTheirCode) {
  for (const OperationInfo& op : beamlink::AllOperations()) {
    const std::string name = op.name;
    if (op.action != Action::Set || name.rfind("Set", 0) != 0) continue;
    if (const OperationInfo* getter = beamlink::FindOperation("Get" + name.substr(3))) {
      EXPECT_EQ(getter->code, op.code) << name;
    }
  }
}

TEST(OperationTable, EveryNamedOperationOfTheInterfaceHasItsRow) {
  const std::string source = ReadFile(BEAMLINK_SOURCE_DIR "/PjtOperations.cpp");
  ASSERT_FALSE(source.empty());
  std::set<std::string> called;
  const std::regex invoke(R"re(Invoke\("(\w+)")re");
  for (auto it = std::sregex_iterator(source.begin(), source.end(), invoke); it != std::sregex_iterator(); ++it)
    called.insert((*it)[1]);
  for (const std::string& name : called) EXPECT_NE(beamlink::FindOperation(name), nullptr) << name;
  for (const OperationInfo& op : beamlink::AllOperations()) {
    if (Generic(op)) continue;
    EXPECT_TRUE(called.count(op.name)) << op.name << " has a row but no operation";
  }
}

TEST(OperationTable, TheDocumentationShowsTheWholeTable) {
  const std::string doc = ReadFile(DOCS_DIR "/operations.md");
  ASSERT_FALSE(doc.empty());
  EXPECT_NE(doc.find(OperationsTable()), std::string::npos)
      << "docs/operations.md is out of date: regenerate its table with beamlink_ops_table";
}

}  // namespace
