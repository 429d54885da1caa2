#include "tools/driver/LineIO.h"

#include <istream>
#include <memory>
#include <ostream>

namespace driver {

LineSource StreamLines(std::istream& in) {
  return [&in]() -> std::optional<std::string> {
    std::string line;
    bool any = false;
    for (int c = in.rdbuf()->sbumpc(); c != std::char_traits<char>::eof(); c = in.rdbuf()->sbumpc()) {
      any = true;
      if (c == '\n') break;
      if (line.size() <= kMaxLineBytes) line.push_back(static_cast<char>(c));
    }
    if (!any) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();  // scripts written on other systems
    return line;
  };
}

LineSource ScriptedLines(std::vector<std::string> lines) {
  auto script = std::make_shared<std::vector<std::string>>(std::move(lines));
  auto next = std::make_shared<std::size_t>(0);
  return [script, next]() -> std::optional<std::string> {
    if (*next >= script->size()) return std::nullopt;
    return (*script)[(*next)++];
  };
}

std::string ToJsonLine(const OrderedJson& object) {
  return object.dump(-1, ' ', false, OrderedJson::error_handler_t::replace);
}

OutputSink StreamSink(std::ostream& out) {
  return [&out](const OrderedJson& object) { out << ToJsonLine(object) << std::endl; };
}

}  // namespace driver
