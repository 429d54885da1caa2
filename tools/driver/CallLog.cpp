#include "tools/driver/CallLog.h"

#include <cstdio>

namespace driver {
namespace {

OrderedJson ValueToJson(const CallValue& value) {
  return std::visit([](const auto& v) { return OrderedJson(v); }, value);
}

}  // namespace

OrderedJson CallToJson(const ProjectorCall& call) {
  OrderedJson json = {{"op", call.op}};
  if (call.code) {
    char code[8];
    std::snprintf(code, sizeof code, "0x%04X", static_cast<unsigned>(*call.code));
    json["code"] = code;
  }
  if (call.value) json["value"] = *call.value;
  if (call.args) {
    OrderedJson args = OrderedJson::array();
    for (const CallValue& arg : *call.args) args.push_back(ValueToJson(arg));
    json["args"] = std::move(args);
  }
  if (call.result) json["result"] = ValueToJson(*call.result);
  if (call.out) json["out"] = ValueToJson(*call.out);
  if (!call.error.empty()) json["error"] = call.error;
  return json;
}

std::vector<ProjectorCall> CallLog::Take() {
  std::vector<ProjectorCall> calls;
  calls.swap(m_calls);
  return calls;
}

}  // namespace driver
