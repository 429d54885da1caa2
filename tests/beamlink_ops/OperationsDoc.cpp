#include "OperationsDoc.h"

#include <cstdio>

namespace {

std::string Hex(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", value);
  return text;
}

// The call's parameters with the result pointer added where there is one.
std::string Arguments(const beamlink::OperationInfo& op) {
  std::string text = beamlink::Describe(op.arguments);
  if (op.writesThroughPointer) {
    const std::size_t close = text.find(')');
    text.insert(close, close == 1 ? "&out" : ", &out");
  }
  if (op.argument != 0) text += "; argument " + std::to_string(op.argument);
  if (op.value != 0 || (op.action == beamlink::Action::Set && op.arguments == beamlink::ArgumentShape::None))
    text += "; value " + std::to_string(op.value);
  return text;
}

}  // namespace

std::string OperationRow(const beamlink::OperationInfo& op) {
  const bool generic = op.arguments == beamlink::ArgumentShape::CodeAndValue;
  std::string result = beamlink::Describe(op.result);
  if (op.writesThroughPointer) result += "; the value through the pointer";
  return "| " + std::string(op.name) + " | " + beamlink::ActionName(op.action) + " | " +
         (generic ? std::string("the caller's") : Hex(op.code)) + " | " + Arguments(op) + " | " + result + " |\n";
}

std::string OperationsTable() {
  std::string table = "| Operation | Action | Code | Arguments | Result |\n|---|---|---|---|---|\n";
  for (const beamlink::OperationInfo& op : beamlink::AllOperations()) table += OperationRow(op);
  return table;
}
