#include "models/ModelDatabase.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <system_error>
#include <utility>

#include <nlohmann/json.hpp>

#include "datadir/DataDirectory.h"

namespace models {
namespace fs = std::filesystem;

namespace {

std::vector<fs::path> ModelFiles(const fs::path& dir) {
  std::error_code error;
  if (!fs::is_directory(dir, error)) {
    throw ModelError(dir.string(), "", "", "model database directory not found");
  }
  std::vector<fs::path> files;
  fs::directory_iterator it(dir, error);
  for (; !error && it != fs::directory_iterator(); it.increment(error)) {
    const fs::path& path = it->path();
    std::error_code typeError;
    if (path.extension() == ".json" && fs::is_regular_file(path, typeError)) files.push_back(path);
  }
  if (error) {
    throw ModelError(dir.string(), "", "", "cannot list the directory: " + error.message());
  }
  if (files.empty()) {
    throw ModelError(dir.string(), "", "", "no model files (*.json) in the model database");
  }
  std::sort(files.begin(), files.end());
  return files;
}

nlohmann::json ReadDocument(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  if (!in) throw ModelError(file.string(), "", "", "cannot open the file");
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) throw ModelError(file.string(), "", "", "cannot read the file");
  try {
    return nlohmann::json::parse(text.str());
  } catch (const nlohmann::json::exception& e) {
    // Drop the library's "[json.exception.parse_error.101] " prefix and keep
    // its "parse error at line L, column C: ..." text.
    std::string reason = e.what();
    const auto end = reason.find("] ");
    if (reason.rfind("[json.exception.", 0) == 0 && end != std::string::npos) {
      reason.erase(0, end + 2);
    }
    throw ModelError(file.string(), "", "", "malformed JSON: " + reason);
  }
}

bool ByTypeThenModel(const ModelDescription& a, const ModelDescription& b) {
  return std::pair(a.type, a.model) < std::pair(b.type, b.model);
}

// One decimal number, the whole of `text`, nothing else.
std::optional<int> ParseKeyNumber(std::string_view text) {
  int value = 0;
  if (text.empty() || text.front() < '0' || text.front() > '9') return std::nullopt;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace

ModelDatabase ModelDatabase::Load(const fs::path& dir) {
  ModelDatabase db;
  std::map<std::pair<int, int>, std::string> definedIn;  // (type, model) -> file
  for (const fs::path& file : ModelFiles(dir)) {
    const std::string source = file.string();
    ModelDescription desc = ParseModel(ReadDocument(file), source);
    const auto [it, inserted] = definedIn.emplace(std::pair(desc.type, desc.model), source);
    if (!inserted) {
      throw ModelError(source, desc.Key(), "model", "model already defined in " + it->second);
    }
    db.models_.push_back(std::move(desc));
  }
  std::sort(db.models_.begin(), db.models_.end(), ByTypeThenModel);
  return db;
}

fs::path ModelDatabase::DefaultDirectory() {
  const char* fromEnvironment = std::getenv("EXPERT_MODEL_DB");
  if (fromEnvironment != nullptr && *fromEnvironment != '\0') return fromEnvironment;
  // Installed: share/expert-control/models beside the program's bin; the
  // build tree has the same layout (build/share/expert-control/models).
  return datadir::ProgramDataDirectory() / "models";
}

const ModelDescription* ModelDatabase::Find(int type, int model) const {
  const auto key = std::pair(type, model);
  const auto it = std::lower_bound(
      models_.begin(), models_.end(), key,
      [](const ModelDescription& d, const std::pair<int, int>& k) {
        return std::pair(d.type, d.model) < k;
      });
  if (it == models_.end() || it->type != type || it->model != model) return nullptr;
  return &*it;
}

const ModelDescription* ModelDatabase::Find(std::string_view key) const {
  const std::size_t slash = key.find('/');
  if (slash == std::string_view::npos) return nullptr;
  const auto type = ParseKeyNumber(key.substr(0, slash));
  const auto model = ParseKeyNumber(key.substr(slash + 1));
  if (!type || !model) return nullptr;
  return Find(*type, *model);
}

}  // namespace models
