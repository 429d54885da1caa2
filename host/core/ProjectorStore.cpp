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
#include <optional>

#include <nlohmann/json.hpp>

#include "catalog/Catalog.h"
#include "host/core/EntryValidation.h"

namespace host {
namespace {

// The JSON library's text without its own error code in front
// ("[json.exception.parse_error.101] parse error at line 1, ..."), which says
// nothing to a user.
std::string PlainJsonError(const nlohmann::ordered_json::exception& error) {
  std::string text = error.what();
  if (text.starts_with("[json.exception.")) {
    const std::size_t end = text.find("] ");
    if (end != std::string::npos) text.erase(0, end + 2);
  }
  return text;
}

// Ordered, so that an entry written back unchanged keeps its fields' order.
using json = nlohmann::ordered_json;
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

// Reads one entry of the list, field by field, keeping what can be read and
// the first thing that cannot, in the words the editor uses.
class EntryReader {
 public:
  explicit EntryReader(const json& object) : m_object(object) {}

  std::optional<std::string> Text(const char* key, EntryField field, bool required) {
    const auto it = m_object.find(key);
    if (it == m_object.end()) {
      if (required) Fail(CatalogText(Msg(7, 221), FieldLabel(field)));
      return std::nullopt;
    }
    if (!it->is_string()) {
      Fail(CatalogText(Msg(7, 222), FieldLabel(field)));
      return std::nullopt;
    }
    return it->get<std::string>();
  }

  std::optional<int> Integer(const char* key, EntryField field, bool required) {
    const auto it = m_object.find(key);
    if (it == m_object.end()) {
      if (required) Fail(CatalogText(Msg(7, 221), FieldLabel(field)));
      return std::nullopt;
    }
    if (!it->is_number_integer()) {
      Fail(CatalogText(Msg(7, 223), FieldLabel(field)));
      return std::nullopt;
    }
    const auto value = it->get<long long>();
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max()) {
      Fail(CatalogText(Msg(7, 226), FieldLabel(field)));
      return std::nullopt;
    }
    return static_cast<int>(value);
  }

  // A text field that must be one of two words.
  std::optional<std::string> Choice(const char* key, EntryField field, bool required, const char* first,
                                    CatMsg firstText, const char* second, CatMsg secondText) {
    const std::optional<std::string> value = Text(key, field, required);
    if (value && *value != first && *value != second) {
      Fail(CatalogText(Msg(7, 224), FieldLabel(field), *value, CatalogText(firstText), CatalogText(secondText)));
      return std::nullopt;
    }
    return value;
  }

  void Fail(std::string text) {
    if (m_problem.empty()) m_problem = std::move(text);
  }
  const std::string& Problem() const { return m_problem; }

 private:
  const json& m_object;
  std::string m_problem;
};

template <class T>
void Assign(T& field, const std::optional<T>& value) {
  if (value) field = *value;
}

// The entry's name when it is one the editor would accept, so that the
// message can call the entry by it.
std::optional<std::string> UsableName(const ProjectorEntry& entry) {
  for (const EntryProblem& problem : ValidateEntry(entry, ValidationRules{}))
    if (problem.field == EntryField::Name) return std::nullopt;
  return entry.name;
}

ListedEntry ReadEntry(const json& object, std::size_t index) {
  ListedEntry listed;
  ProjectorEntry& entry = listed.entry;
  std::string problem;
  if (!object.is_object()) {
    problem = CatalogText(Msg(7, 225));
  } else {
    EntryReader reader(object);
    Assign(entry.name, reader.Text("name", EntryField::Name, true));
    Assign(entry.group, reader.Text("group", EntryField::Group, false));
    Assign(entry.modelType, reader.Integer("type", EntryField::Model, true));
    Assign(entry.modelNo, reader.Integer("model", EntryField::Model, true));
    const std::optional<std::string> link =
        reader.Choice("connection", EntryField::Connection, true, "network", Msg(7, 16), "serial", Msg(7, 17));
    if (link == "serial") {
      entry.link = Link::Serial;
      // Lists written before device paths name a port number.
      if (object.contains("serial_device") || !object.contains("serial_port")) {
        if (auto device = reader.Text("serial_device", EntryField::SerialDevice, true))
          SetSerialDevice(entry, std::move(*device));
      } else {
        Assign(entry.serialPort, reader.Integer("serial_port", EntryField::SerialDevice, true));
      }
      Assign(entry.baudRate, reader.Integer("baud", EntryField::BaudRate, false));
    } else {
      Assign(entry.address, reader.Text("address", EntryField::Address, link.has_value()));
      Assign(entry.tcpPort, reader.Integer("port", EntryField::TcpPort, false));
      entry.pjlink = reader.Choice("protocol", EntryField::Protocol, false, "beamlink", Msg(7, 69), "pjlink",
                                   Msg(7, 70)) == "pjlink";
    }
    Assign(entry.password, reader.Text("password", EntryField::Password, false));
    // Earlier versions accepted reply timeouts of up to a minute; such an
    // entry keeps working with the longest timeout accepted now.
    if (const std::optional<int> timeout = reader.Integer("timeout_ms", EntryField::Timeout, false))
      entry.timeoutMs = std::min(*timeout, kMaxTimeoutMs);
    problem = reader.Problem();
    // Models are not looked up here: a database of another version may lack
    // one, and the entry must survive that.
    if (problem.empty())
      if (const std::vector<EntryProblem> problems = ValidateEntry(entry, ValidationRules{}); !problems.empty())
        problem = problems.front().text;
  }
  if (problem.empty()) return listed;
  const std::optional<std::string> name = UsableName(entry);
  listed.damage = name ? CatalogText(Msg(7, 219), *name, problem)
                       : CatalogText(Msg(7, 220), static_cast<int>(index + 1), problem);
  listed.written = object.dump();
  return listed;
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
    // An entry read from an older list keeps its port number as written.
    if (entry.serialDevice.empty())
      object["serial_port"] = entry.serialPort;
    else
      object["serial_device"] = entry.serialDevice;
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

std::string EntriesToJson(const std::vector<ListedEntry>& entries) {
  json list = json::array();
  for (const ListedEntry& listed : entries) {
    if (listed.entry.demo) continue;
    if (!listed.damage.empty() && !listed.written.empty()) {
      // Written as it was read; it was JSON when read, so it parses again.
      list.push_back(json::parse(listed.written));
      continue;
    }
    list.push_back(WriteEntry(listed.entry));
  }
  json document = json::object();
  document["version"] = kFormatVersion;
  document["projectors"] = std::move(list);
  return document.dump(2) + "\n";
}

std::string EntriesToJson(const std::vector<ProjectorEntry>& entries) {
  std::vector<ListedEntry> listed;
  for (const ProjectorEntry& entry : entries) listed.push_back({entry, {}, {}});
  return EntriesToJson(listed);
}

std::vector<ListedEntry> EntriesFromJson(std::string_view text) {
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
  std::vector<ListedEntry> entries;
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
  std::vector<ListedEntry> listed;
  for (const ProjectorEntry& entry : entries) listed.push_back({entry, {}, {}});
  return Save(listed, error);
}

bool ProjectorStore::Save(const std::vector<ListedEntry>& entries, std::string& error) const {
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
