#include "beamlink/CallTrace.h"

#include <cstdio>

namespace beamlink {
namespace {

std::string Text(const TraceValue& value) {
  if (const auto* number = std::get_if<long long>(&value)) return std::to_string(*number);
  if (const auto* flag = std::get_if<bool>(&value)) return *flag ? "true" : "false";
  return '"' + std::get<std::string>(value) + '"';
}

}  // namespace

std::string Describe(const CallTrace& trace) {
  std::string text = trace.op + "(";
  const char* separator = "";
  if (trace.code) {
    char code[8];
    std::snprintf(code, sizeof code, "0x%04X", static_cast<unsigned>(*trace.code));
    text += code;
    separator = ", ";
  }
  for (const TraceValue& arg : trace.args) {
    text += separator + Text(arg);
    separator = ", ";
  }
  text += ")";
  if (trace.result) text += " -> " + Text(*trace.result);
  if (trace.out) text += ", out " + Text(*trace.out);
  if (!trace.error.empty()) text += " (" + trace.error + ")";
  return text;
}

}  // namespace beamlink
