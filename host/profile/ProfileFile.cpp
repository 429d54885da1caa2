#include "host/profile/ProfileFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <ctime>
#include <fstream>
#include <limits>
#include <set>
#include <sstream>

#include <nlohmann/json.hpp>

namespace profile {
namespace {

using Json = nlohmann::ordered_json;

constexpr std::string_view kKindNames[] = {"list", "slider", "check", "edit", "arrows"};

[[noreturn]] void Fail(const std::string& fileName, const std::string& what) {
  throw ProfileError(fileName + ": " + what);
}

std::string Describe(const Json& value) {
  std::string text = value.dump();
  return text.size() > 40 ? text.substr(0, 37) + "..." : text;
}

const Json& Field(const Json& object, const char* key, const std::string& where, const std::string& fileName) {
  const auto it = object.find(key);
  if (it == object.end()) Fail(fileName, where + "has no \"" + key + "\"");
  return *it;
}

std::string StringField(const Json& object, const char* key, const std::string& where, const std::string& fileName) {
  const Json& value = Field(object, key, where, fileName);
  if (!value.is_string()) Fail(fileName, where + "\"" + key + "\" must be a text, not " + Describe(value));
  return value.get<std::string>();
}

long long IntegerField(const Json& object, const char* key, const std::string& where, const std::string& fileName,
                       long long min, long long max) {
  const Json& value = Field(object, key, where, fileName);
  if (!value.is_number_integer())
    Fail(fileName, where + "\"" + key + "\" must be a whole number, not " + Describe(value));
  const long long number = value.is_number_unsigned() && value.get<unsigned long long>() >
                                                             static_cast<unsigned long long>(max)
                               ? max + 1
                               : value.get<long long>();
  if (number < min || number > max)
    Fail(fileName, where + "\"" + key + "\" " + std::to_string(number) + " is outside " + std::to_string(min) +
                       " to " + std::to_string(max));
  return number;
}

void RefuseUnknownKeys(const Json& object, std::initializer_list<std::string_view> known, const std::string& where,
                       const std::string& fileName) {
  for (const auto& item : object.items()) {
    bool listed = false;
    for (std::string_view key : known) listed = listed || item.key() == key;
    if (!listed) Fail(fileName, where + "unknown field \"" + item.key() + "\"");
  }
}

Setting ParseSetting(const Json& item, std::size_t index, const std::string& fileName) {
  std::string where = "setting " + std::to_string(index + 1) + ": ";
  if (!item.is_object()) Fail(fileName, where + "must be an object, not " + Describe(item));
  Setting setting;
  setting.page = static_cast<int>(IntegerField(item, "page", where, fileName, 1, 65535));
  setting.control = static_cast<int>(IntegerField(item, "control", where, fileName, 1, 65535));
  where = "setting " + std::to_string(index + 1) + " (page " + std::to_string(setting.page) + ", control " +
          std::to_string(setting.control) + "): ";
  setting.tab = StringField(item, "tab", where, fileName);
  setting.label = StringField(item, "label", where, fileName);
  const std::string kind = StringField(item, "kind", where, fileName);
  const std::optional<Kind> known = KindFromName(kind);
  if (!known) Fail(fileName, where + "unknown kind \"" + kind + "\" (list, slider, check, edit or arrows)");
  setting.kind = *known;
  if (setting.kind == Kind::Edit) {
    setting.text = StringField(item, "value", where, fileName);
  } else {
    setting.value = IntegerField(item, "value", where, fileName, -32768, 65535);
    if (item.contains("text")) setting.text = StringField(item, "text", where, fileName);
  }
  if (setting.kind == Kind::List && !setting.text) Fail(fileName, where + "a list setting needs its \"text\"");
  if (setting.kind != Kind::List && setting.kind != Kind::Edit && setting.text)
    Fail(fileName, where + "only a list setting has a \"text\"");
  if (item.contains("input")) setting.input = static_cast<int>(IntegerField(item, "input", where, fileName, 0, 65535));
  RefuseUnknownKeys(item, {"page", "control", "tab", "label", "kind", "value", "text", "input"}, where, fileName);
  return setting;
}

}  // namespace

std::string_view KindName(Kind kind) { return kKindNames[static_cast<int>(kind)]; }

std::optional<Kind> KindFromName(std::string_view name) {
  for (std::size_t i = 0; i < std::size(kKindNames); ++i)
    if (kKindNames[i] == name) return static_cast<Kind>(i);
  return std::nullopt;
}

std::string ModelText(int modelType, int modelNo) {
  return std::to_string(modelType) + "/" + std::to_string(modelNo);
}

std::string ShownValue(const Setting& setting) {
  std::string shown = setting.text && setting.kind == Kind::List ? *setting.text
                      : setting.kind == Kind::Edit               ? setting.text.value_or("")
                      : setting.kind == Kind::Check              ? (setting.value ? "on" : "off")
                                                                 : std::to_string(setting.value);
  if (setting.input) shown += " (input " + std::to_string(*setting.input) + ")";
  return shown;
}

std::string ProfileToJson(const Profile& profile) {
  Json settings = Json::array();
  for (const Setting& setting : profile.settings) {
    Json item = {{"page", setting.page},   {"control", setting.control},
                 {"tab", setting.tab},     {"label", setting.label},
                 {"kind", KindName(setting.kind)}};
    if (setting.kind == Kind::Edit)
      item["value"] = setting.text.value_or("");
    else
      item["value"] = setting.value;
    if (setting.kind == Kind::List) item["text"] = setting.text.value_or("");
    if (setting.input) item["input"] = *setting.input;
    settings.push_back(std::move(item));
  }
  const Json file = {{"format", kFormatName},
                     {"version", kFormatVersion},
                     {"model", ModelText(profile.modelType, profile.modelNo)},
                     {"source", profile.source},
                     {"saved", profile.saved},
                     {"settings", std::move(settings)}};
  // One setting per line: readable, and a diff of two files shows settings.
  std::string text = "{\n";
  bool first = true;
  for (const auto& item : file.items()) {
    if (!first) text += ",\n";
    first = false;
    text += "  " + Json(item.key()).dump() + ": ";
    if (item.value().is_array()) {
      text += "[";
      for (std::size_t i = 0; i < item.value().size(); ++i)
        text += (i ? ",\n    " : "\n    ") + item.value()[i].dump(-1, ' ', false, Json::error_handler_t::replace);
      text += item.value().empty() ? "]" : "\n  ]";
    } else {
      text += item.value().dump(-1, ' ', false, Json::error_handler_t::replace);
    }
  }
  return text + "\n}\n";
}

Profile ProfileFromJson(std::string_view text, const std::string& fileName) {
  Json file;
  try {
    file = Json::parse(text.begin(), text.end(), nullptr, true, false);
  } catch (const Json::parse_error& error) {
    const std::string what = error.what();
    const std::size_t end = what.find("] ");
    Fail(fileName, "not a profile: " + (end == std::string::npos ? what : what.substr(end + 2)));
  }
  if (!file.is_object()) Fail(fileName, "not a profile: the file is not a JSON object");
  const auto format = file.find("format");
  if (format == file.end() || !format->is_string() || *format != kFormatName)
    Fail(fileName, std::string("not a profile: \"format\" is not \"") + kFormatName + "\"");
  const long long version = IntegerField(file, "version", "", fileName, 0, std::numeric_limits<int>::max());
  if (version != kFormatVersion)
    Fail(fileName, "profile version " + std::to_string(version) + " is not known (this program reads version " +
                       std::to_string(kFormatVersion) + ")");
  Profile profile;
  const std::string model = StringField(file, "model", "", fileName);
  int type = 0, number = 0;
  char rest = 0;
  if (std::sscanf(model.c_str(), "%d/%d%c", &type, &number, &rest) != 2 || type < 1 || type > 5 || number < 0 ||
      model != ModelText(type, number))
    Fail(fileName, "\"model\" must be TYPE/NUMBER such as \"5/30\", not \"" + model + "\"");
  profile.modelType = type;
  profile.modelNo = number;
  profile.source = StringField(file, "source", "", fileName);
  profile.saved = StringField(file, "saved", "", fileName);
  const Json& settings = Field(file, "settings", "", fileName);
  if (!settings.is_array()) Fail(fileName, "\"settings\" must be a list");
  RefuseUnknownKeys(file, {"format", "version", "model", "source", "saved", "settings"}, "", fileName);
  std::set<std::pair<int, int>> keys;
  for (std::size_t i = 0; i < settings.size(); ++i) {
    Setting setting = ParseSetting(settings[i], i, fileName);
    if (!keys.insert({setting.page, setting.control}).second)
      Fail(fileName, "setting " + std::to_string(i + 1) + " (page " + std::to_string(setting.page) + ", control " +
                         std::to_string(setting.control) + "): appears twice");
    profile.settings.push_back(std::move(setting));
  }
  return profile;
}

Profile LoadProfile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail(path, std::string("cannot be read: ") + std::strerror(errno));
  std::string text;
  char buffer[65536];
  while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
    text.append(buffer, static_cast<std::size_t>(in.gcount()));
    if (text.size() > kMaxFileBytes)
      Fail(path, "not a profile: larger than " + std::to_string(kMaxFileBytes / (1024 * 1024)) + " MiB");
  }
  if (in.bad()) Fail(path, "cannot be read");
  return ProfileFromJson(text, path);
}

void SaveProfile(const std::string& path, const Profile& profile) {
  const std::string text = ProfileToJson(profile);
  std::string temporary = path + ".tmp-XXXXXX";
  const int fd = ::mkstemp(temporary.data());
  if (fd < 0) Fail(path, std::string("cannot be written: ") + std::strerror(errno));
  const auto give_up = [&](const char* what) {
    const int error = errno;
    ::close(fd);
    ::unlink(temporary.c_str());
    Fail(path, std::string(what) + std::strerror(error));
  };
  if (::fchmod(fd, 0644) != 0) give_up("cannot be written: ");
  for (std::size_t done = 0; done < text.size();) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) give_up("cannot be written: ");
    done += static_cast<std::size_t>(n);
  }
  if (::fsync(fd) != 0) give_up("cannot be written: ");
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    Fail(path, std::string("cannot be written: ") + std::strerror(error));
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    Fail(path, std::string("cannot be written: ") + std::strerror(error));
  }
}

std::string NowIso8601() {
  const std::time_t now = std::time(nullptr);
  std::tm utc{};
  ::gmtime_r(&now, &utc);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
  return text;
}

}  // namespace profile
