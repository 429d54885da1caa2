#pragma once
// Where a session's commands come from and where its replies and events go.
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "tools/driver/OrderedJson.h"

namespace driver {

// The longest command line taken; longer ones are refused with an error and
// never held whole (StreamLines keeps one byte more than this).
inline constexpr std::size_t kMaxLineBytes = 64 * 1024;

// The next command line, or nothing at the end of input (and ever after).
using LineSource = std::function<std::optional<std::string>()>;
// One reply or event.
using OutputSink = std::function<void(const OrderedJson&)>;

LineSource StreamLines(std::istream& in);
LineSource ScriptedLines(std::vector<std::string> lines);

// One compact JSON object per line, flushed at once so that a script driving
// the process through a pipe sees each reply as soon as it exists. Texts that
// are not valid UTF-8 are repaired rather than refused.
std::string ToJsonLine(const OrderedJson& object);
OutputSink StreamSink(std::ostream& out);

}  // namespace driver
