#include "host/core/ProjectorStore.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <limits>

#include <nlohmann/json.hpp>

#include "host/core/EntryValidation.h"

namespace host {
namespace {

// The JSON library's text without its own error code in front
// ("[json.exception.parse_error.101] parse error at line 1, ..."), which says
// nothing to a user.
std::string PlainJsonError(const nlohmann::json::exception& error) {
  std::string text = error.what();
  if (text.starts_with("[json.exception.")) {
    const std::size_t end = text.find("] ");
    if (end != std::string::npos) text.erase(0, end + 2);
  }
  return text;
}

using nlohmann::json;
namespace fs = std::filesystem;

constexpr int kFormatVersion = 1;

std::string Errno() { return std::strerror(errno); }

// Closes a descriptor on every way out.
struct FileDescriptor {
  int fd = -1;
  ~FileDescriptor() {
    if (fd >= 0) close(fd);
  }
};

class EntryReader {
 public:
  EntryReader(const json& object, std::size_t index) : m_object(object), m_index(index) {
    if (!object.is_object()) Fail("", "is not an object");
  }

  std::string Text(const char* field, bool required, std::string fallback = {}) const {
    const auto it = m_object.find(field);
    if (it == m_object.end()) {
      if (required) Fail(field, "is missing");
      return fallback;
    }
    if (!it->is_string()) Fail(field, "must be a text");
    return it->get<std::string>();
  }

  int Integer(const char* field, bool required, int fallback = 0) const {
    const auto it = m_object.find(field);
    if (it == m_object.end()) {
      if (required) Fail(field, "is missing");
      return fallback;
    }
    if (!it->is_number_integer()) Fail(field, "must be a whole number");
    const auto value = it->get<long long>();
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
      Fail(field, "is out of range");
    return static_cast<int>(value);
  }

  [[noreturn]] void Fail(const std::string& field, const std::string& what) const {
    std::string where = "projector " + std::to_string(m_index + 1);
    if (!field.empty()) where += ", \"" + field + "\"";
    throw StoreFormatError(where + ": " + what);
  }

 private:
  const json& m_object;
  std::size_t m_index;
};

ProjectorEntry ReadEntry(const json& object, std::size_t index) {
  const EntryReader reader(object, index);
  ProjectorEntry entry;
  entry.name = reader.Text("name", true);
  entry.group = reader.Text("group", false);
  entry.modelType = reader.Integer("type", true);
  entry.modelNo = reader.Integer("model", true);
  const std::string link = reader.Text("connection", true);
  if (link == "network") {
    entry.link = Link::Network;
    entry.address = reader.Text("address", true);
    entry.tcpPort = reader.Integer("port", false, kDefaultTcpPort);
    const std::string protocol = reader.Text("protocol", false);
    if (!protocol.empty() && protocol != "beamlink" && protocol != "pjlink")
      reader.Fail("protocol", "must be \"beamlink\" or \"pjlink\"");
    entry.pjlink = protocol == "pjlink";
  } else if (link == "serial") {
    entry.link = Link::Serial;
    entry.serialPort = reader.Integer("serial_port", true);
    entry.baudRate = reader.Integer("baud", false, kDefaultBaudRate);
  } else {
    reader.Fail("connection", "must be \"network\" or \"serial\"");
  }
  entry.password = reader.Text("password", false);
  // Earlier versions accepted reply timeouts of up to a minute; such an entry
  // keeps working with the longest timeout accepted now.
  entry.timeoutMs = std::min(reader.Integer("timeout_ms", false, kDefaultTimeoutMs), kMaxTimeoutMs);
  // Models are not looked up here: a database of another version may lack
  // one, and the entry must survive that.
  const std::vector<EntryProblem> problems = ValidateEntry(entry, ValidationRules{});
  if (!problems.empty()) reader.Fail("", problems.front().text);
  return entry;
}

json WriteEntry(const ProjectorEntry& entry) {
  json object = json::object();
  object["name"] = entry.name;
  if (!entry.group.empty()) object["group"] = entry.group;  // absent: none, as older lists say
  object["type"] = entry.modelType;
  object["model"] = entry.modelNo;
  if (entry.link == Link::Network) {
    object["connection"] = "network";
    object["address"] = entry.address;
    object["port"] = entry.tcpPort;
    if (entry.pjlink) object["protocol"] = "pjlink";  // absent: our own, as lists written before PJLink say
  } else {
    object["connection"] = "serial";
    object["serial_port"] = entry.serialPort;
    object["baud"] = entry.baudRate;
  }
  object["password"] = entry.password;
  object["timeout_ms"] = entry.timeoutMs;
  return object;
}

// "projectors.json.corrupt-20240131-142502", with "-2", "-3" ... when that
// name is taken.
fs::path AsideName(const fs::path& file) {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &local);
  const std::string base = file.string() + ".corrupt-" + stamp;
  fs::path candidate = base;
  std::error_code ignored;
  for (int n = 2; fs::exists(candidate, ignored) || fs::is_symlink(candidate, ignored); ++n)
    candidate = base + "-" + std::to_string(n);
  return candidate;
}

// Reads at most one byte more than a list may hold, so that a huge file
// (or one that keeps growing) is never read whole.
bool ReadWhole(const fs::path& file, std::string& text, std::string& error) {
  std::ifstream in(file, std::ios::binary);
  if (!in) {
    error = Errno();
    return false;
  }
  text.resize(kMaxListBytes + 1);
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) {
    error = Errno();
    return false;
  }
  text.resize(static_cast<std::size_t>(in.gcount()));
  return true;
}

bool WriteAll(int fd, const std::string& text) {
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

}  // namespace

fs::path DefaultListFile() {
  fs::path base;
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg && fs::path(xdg).is_absolute()) {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
      const passwd* user = getpwuid(getuid());
      home = user ? user->pw_dir : "/";
    }
    base = fs::path(home) / ".config";
  }
  return base / "expert-control" / "projectors.json";
}

std::string EntriesToJson(const std::vector<ProjectorEntry>& entries) {
  json list = json::array();
  for (const ProjectorEntry& entry : entries)
    if (!entry.demo) list.push_back(WriteEntry(entry));
  json document = json::object();
  document["version"] = kFormatVersion;
  document["projectors"] = std::move(list);
  return document.dump(2) + "\n";
}

std::vector<ProjectorEntry> EntriesFromJson(std::string_view text) {
  json document;
  try {
    document = json::parse(text);
  } catch (const json::exception& error) {  // syntax, and numbers no double holds (1e400)
    throw StoreFormatError("not valid JSON: " + PlainJsonError(error));
  }
  if (!document.is_object()) throw StoreFormatError("the list is not a JSON object");
  const auto version = document.find("version");
  if (version != document.end() && version->is_number_integer() && version->get<long long>() > kFormatVersion)
    throw StoreVersionError("written by a later version (format " + std::to_string(version->get<long long>()) + ")");
  if (version == document.end() || !version->is_number_integer() || version->get<long long>() != kFormatVersion)
    throw StoreFormatError("\"version\" must be " + std::to_string(kFormatVersion));
  const auto list = document.find("projectors");
  if (list == document.end() || !list->is_array()) throw StoreFormatError("\"projectors\" must be a list");
  std::vector<ProjectorEntry> entries;
  for (std::size_t i = 0; i < list->size(); ++i) entries.push_back(ReadEntry((*list)[i], i));
  return entries;
}

LoadOutcome ProjectorStore::Load() const {
  LoadOutcome outcome = Read();
  if (!outcome.damaged) return outcome;
  const fs::path aside = AsideName(m_file);
  std::error_code moved;
  fs::rename(m_file, aside, moved);
  if (moved) {
    outcome.problem += " (it could not be moved aside: " + moved.message() + ")";
    return outcome;
  }
  outcome.kind = LoadOutcome::Kind::MovedAside;
  outcome.movedTo = aside;
  return outcome;
}

LoadOutcome ProjectorStore::Read() const {
  LoadOutcome outcome;
  std::error_code status;
  if (!fs::exists(fs::symlink_status(m_file, status))) {
    if (status && status != std::errc::no_such_file_or_directory) {
      outcome.kind = LoadOutcome::Kind::Kept;
      outcome.problem = status.message();
    }
    return outcome;
  }
  if (!fs::is_regular_file(m_file, status)) {
    outcome.kind = LoadOutcome::Kind::Kept;
    outcome.problem = status ? status.message() : "not a regular file";
    return outcome;
  }
  std::string text;
  if (!ReadWhole(m_file, text, outcome.problem)) {
    // Unreadable, not damaged (permissions, a directory in its place): left
    // alone, and not written over either.
    outcome.kind = LoadOutcome::Kind::Kept;
    return outcome;
  }
  try {
    if (text.size() > kMaxListBytes)
      throw StoreFormatError("larger than " + std::to_string(kMaxListBytes / 1024) + " KiB");
    outcome.entries = EntriesFromJson(text);
    outcome.kind = LoadOutcome::Kind::Loaded;
    return outcome;
  } catch (const StoreVersionError& error) {
    outcome.kind = LoadOutcome::Kind::Kept;
    outcome.problem = error.what();
    return outcome;
  } catch (const StoreFormatError& error) {
    outcome.problem = error.what();
  } catch (const json::exception& error) {  // whatever the reader missed is damage too, never a failed start
    outcome.problem = PlainJsonError(error);
  }
  outcome.kind = LoadOutcome::Kind::Kept;
  outcome.damaged = true;
  return outcome;
}

bool ProjectorStore::Save(const std::vector<ProjectorEntry>& entries, std::string& error) const {
  const fs::path directory = m_file.parent_path();
  std::error_code made;
  if (!directory.empty() && !fs::exists(directory, made)) {
    fs::create_directories(directory, made);
    if (made) {
      error = directory.string() + ": " + made.message();
      return false;
    }
    fs::permissions(directory, fs::perms::owner_all, fs::perm_options::replace, made);
  }

  // mkstemp creates the file for the owner alone: the list holds passwords.
  std::string temporary = m_file.string() + ".XXXXXX";
  FileDescriptor file{mkstemp(temporary.data())};
  if (file.fd < 0) {
    error = directory.string() + ": " + Errno();
    return false;
  }
  auto fail = [&](const std::string& why) {
    unlink(temporary.c_str());
    error = why;
    return false;
  };
  if (!WriteAll(file.fd, EntriesToJson(entries))) return fail(temporary + ": " + Errno());
  if (fsync(file.fd) != 0) return fail(temporary + ": " + Errno());
  const int fd = file.fd;
  file.fd = -1;
  if (close(fd) != 0) return fail(temporary + ": " + Errno());
  if (rename(temporary.c_str(), m_file.c_str()) != 0) return fail(m_file.string() + ": " + Errno());
  // The rename itself reaches the disk with the directory.
  FileDescriptor dir{open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
  if (dir.fd >= 0) fsync(dir.fd);
  return true;
}

}  // namespace host
