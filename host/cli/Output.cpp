#include "host/cli/Output.h"

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>

#include "beamlink/SerialTransport.h"

namespace host::cli {
namespace {

using Json = nlohmann::ordered_json;  // the keys in the documented order

std::size_t Characters(const std::string& text) {
  return static_cast<std::size_t>(
      std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Model(const ProjectorEntry& entry) {
  return std::to_string(entry.modelType) + "/" + std::to_string(entry.modelNo);
}

std::string Connection(const ProjectorEntry& entry) {
  if (entry.link == Link::Network) return entry.address + ":" + std::to_string(entry.tcpPort);
  return beamlink::SerialDevicePath(entry.serialPort) + "@" + std::to_string(entry.baudRate);
}

std::string Protocol(const ProjectorEntry& entry) { return entry.pjlink ? "pjlink" : "beamlink"; }

Json OrNull(const std::string& text) { return text.empty() ? Json(nullptr) : Json(text); }

template <typename T>
Json OrNull(const std::optional<T>& value) {
  return value ? Json(*value) : Json(nullptr);
}

const char* PowerWord(fleet::Power power) {
  switch (power) {
    case fleet::Power::Off: return "off";
    case fleet::Power::On: return "on";
    case fleet::Power::Cooling: return "cooling";
    case fleet::Power::Warming: return "warming";
  }
  return "off";
}

std::string Cell(const std::optional<bool>& value) { return value ? (*value ? "on" : "off") : "-"; }
std::string Cell(const std::optional<long>& value) { return value ? std::to_string(*value) : "-"; }
std::string Cell(const std::string& text) { return text.empty() ? "-" : text; }

std::string Errors(const std::optional<std::vector<std::string>>& errors) {
  if (!errors) return "-";
  if (errors->empty()) return "none";
  std::string text;
  for (const std::string& error : *errors) text += (text.empty() ? "" : ", ") + error;
  return text;
}

std::string Dump(const Json& json) { return json.dump(-1, ' ', false, Json::error_handler_t::replace) + "\n"; }

}  // namespace

std::string Columns(const std::vector<std::vector<std::string>>& rows) {
  std::vector<std::size_t> widths;
  for (const auto& row : rows)
    for (std::size_t c = 0; c < row.size(); ++c) {
      if (widths.size() <= c) widths.push_back(0);
      // A row's last cell is not padded, so it widens no column ("not
      // reached: ..." runs across the columns it has no values for).
      if (c + 1 < row.size()) widths[c] = std::max(widths[c], Characters(row[c]));
    }
  std::string out;
  for (const auto& row : rows) {
    for (std::size_t c = 0; c < row.size(); ++c) {
      out += row[c];
      if (c + 1 < row.size()) out += std::string(widths[c] - Characters(row[c]) + 2, ' ');
    }
    out += "\n";
  }
  return out;
}

std::string ListOutput(const std::vector<ProjectorEntry>& entries, bool json) {
  if (json) {
    Json list = Json::array();
    for (const ProjectorEntry& entry : entries)
      list.push_back({{"name", entry.name},
                      {"group", OrNull(entry.group)},
                      {"model", Model(entry)},
                      {"connection", Connection(entry)},
                      {"protocol", Protocol(entry)}});
    return Dump({{"projectors", list}});
  }
  std::vector<std::vector<std::string>> rows{{"NAME", "GROUP", "MODEL", "CONNECTION", "PROTOCOL"}};
  for (const ProjectorEntry& entry : entries)
    rows.push_back({entry.name, Cell(entry.group), Model(entry), Connection(entry), Protocol(entry)});
  return Columns(rows);
}

std::string StatusOutput(const std::vector<ProjectorEntry>& entries, const std::vector<fleet::Status>& statuses,
                         bool json) {
  if (json) {
    Json list = Json::array();
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const fleet::Status& s = statuses[i];
      list.push_back({{"name", entries[i].name},
                      {"group", OrNull(entries[i].group)},
                      {"reached", s.reached},
                      {"error", s.reached ? Json(nullptr) : Json(s.error)},
                      {"power", s.power ? Json(PowerWord(*s.power)) : Json(nullptr)},
                      {"input", OrNull(s.input)},
                      {"lampHours", OrNull(s.lampHours)},
                      {"filterHours", OrNull(s.filterHours)},
                      {"errors", OrNull(s.errors)},
                      {"blank", OrNull(s.blank)},
                      {"mute", OrNull(s.mute)},
                      {"freeze", OrNull(s.freeze)}});
    }
    return Dump({{"projectors", list}});
  }
  std::vector<std::vector<std::string>> rows{
      {"NAME", "GROUP", "POWER", "INPUT", "LAMP", "FILTER", "BLANK", "MUTE", "FREEZE", "ERRORS"}};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const fleet::Status& s = statuses[i];
    if (!s.reached) {
      rows.push_back({entries[i].name, Cell(entries[i].group), "not reached: " + s.error});
      continue;
    }
    rows.push_back({entries[i].name, Cell(entries[i].group), s.power ? PowerWord(*s.power) : "-",
                    Cell(s.input.value_or("")), Cell(s.lampHours), Cell(s.filterHours), Cell(s.blank), Cell(s.mute),
                    Cell(s.freeze), Errors(s.errors)});
  }
  return Columns(rows);
}

std::string ResultsOutput(const std::vector<ProjectorEntry>& entries, const std::vector<fleet::Result>& results,
                          bool json) {
  if (json) {
    Json list = Json::array();
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const bool ok = results[i].outcome == fleet::Outcome::Done;
      list.push_back({{"name", entries[i].name}, {"ok", ok}, {"error", ok ? Json(nullptr) : Json(results[i].error)}});
    }
    return Dump({{"results", list}});
  }
  std::vector<std::vector<std::string>> rows{{"NAME", "GROUP", "RESULT"}};
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const fleet::Result& r = results[i];
    const std::string text = r.outcome == fleet::Outcome::Done      ? "done"
                             : r.outcome == fleet::Outcome::Refused ? "refused: " + r.error
                                                                    : "not reached: " + r.error;
    rows.push_back({entries[i].name, Cell(entries[i].group), text});
  }
  return Columns(rows);
}

int Fail(const std::string& why) {
  std::fprintf(stderr, "expertctl: %s\n", why.c_str());
  return 2;
}

Progress::Progress(std::size_t total) : m_total(total), m_shown(isatty(STDERR_FILENO) == 1 && total > 0) {}

Progress::~Progress() {
  if (m_shown) std::fputs("\r\033[K", stderr);
}

void Progress::Step() {
  if (!m_shown) return;
  const std::lock_guard lock(m_mutex);
  std::fprintf(stderr, "\r%zu of %zu", ++m_done, m_total);
  std::fflush(stderr);
}

}  // namespace host::cli
