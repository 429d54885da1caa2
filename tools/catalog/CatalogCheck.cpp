#include "tools/catalog/CatalogCheck.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <set>
#include <sstream>

#include "catalog/CatalogSource.h"
#include "catalog/MessageFormat.h"
#include "tools/catalog/ModelScanner.h"
#include "tools/catalog/SourceScanner.h"

namespace fs = std::filesystem;

namespace expert::catalog {
namespace {

constexpr std::uint16_t kEnglish = 1033;
constexpr std::size_t kPlacesShown = 3;

using MessageKey = std::pair<int, int>;  // (category, number)
using References = std::map<MessageKey, std::vector<std::string>>;

std::string KeyText(const MessageKey& key) { return std::to_string(key.first) + "/" + std::to_string(key.second); }

bool ReadText(const fs::path& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  text = content.str();
  return true;
}

// `path` as the user knows it: relative to the tree when inside it.
std::string Shown(const fs::path& path, const fs::path& root) {
  const fs::path relative = path.lexically_relative(root);
  return relative.empty() || *relative.begin() == ".." ? path.string() : relative.string();
}

std::vector<fs::path> FilesUnder(const fs::path& folder, const std::vector<std::string>& extensions) {
  std::vector<fs::path> files;
  std::error_code error;
  if (!fs::is_directory(folder, error)) return files;
  for (auto it = fs::recursive_directory_iterator(folder, error); !error && it != fs::recursive_directory_iterator();
       it.increment(error)) {
    if (it->is_regular_file(error) &&
        std::find(extensions.begin(), extensions.end(), it->path().extension().string()) != extensions.end()) {
      files.push_back(it->path());
    }
  }
  std::sort(files.begin(), files.end());
  return files;
}

void ScanCode(const CheckOptions& options, References& references, CheckReport& report) {
  const fs::path labelFolder = options.root / options.labelFolder;
  for (const std::string& folder : options.scanFolders) {
    for (const fs::path& file : FilesUnder(options.root / folder, {".cpp", ".h"})) {
      std::string text;
      if (!ReadText(file, text)) {
        report.problems.push_back(Shown(file, options.root) + ": cannot be read");
        continue;
      }
      const CppSourceScan scan = ScanCppSource(text);
      const std::string name = Shown(file, options.root);
      for (const SourceReference& ref : scan.messages) {
        references[{ref.category, ref.number}].push_back(name + ":" + std::to_string(ref.line));
      }
      const fs::path relative = file.lexically_relative(labelFolder);
      if (!options.labelFolder.empty() && !relative.empty() && *relative.begin() != "..") {
        for (const SourceReference& ref : scan.labels) {
          references[{ref.category, ref.number}].push_back(name + ":" + std::to_string(ref.line) + " (label)");
        }
      }
    }
  }
}

void ScanModels(const CheckOptions& options, References& references, CheckReport& report) {
  if (options.modelFolder.empty()) return;
  for (const fs::path& file : FilesUnder(options.root / options.modelFolder, {".json"})) {
    if (file.parent_path() != options.root / options.modelFolder) continue;  // models/db/*.json only
    std::string text;
    if (!ReadText(file, text)) {
      report.problems.push_back(Shown(file, options.root) + ": cannot be read");
      continue;
    }
    const ModelScan scan = ScanModelJson(text, Shown(file, options.root));
    report.problems.insert(report.problems.end(), scan.errors.begin(), scan.errors.end());
    for (const ModelReference& ref : scan.references) references[{ref.category, ref.number}].push_back(ref.where);
  }
}

std::string Places(const std::vector<std::string>& places) {
  std::string text;
  for (std::size_t i = 0; i < places.size() && i < kPlacesShown; ++i) text += (i ? ", " : "") + places[i];
  if (places.size() > kPlacesShown) text += " and " + std::to_string(places.size() - kPlacesShown) + " more";
  return text;
}

std::string InsertList(std::vector<std::string> inserts) {
  std::sort(inserts.begin(), inserts.end());
  std::string text;
  for (const std::string& insert : inserts) text += (text.empty() ? "" : " ") + insert;
  return text.empty() ? "none" : text;
}

void CheckCatalog(const CatalogRequirement& catalog, const CheckOptions& options, const References& references,
                  CheckReport& report) {
  const fs::path path = catalog.source.is_absolute() ? catalog.source : options.root / catalog.source;
  const std::string name = Shown(path, options.root);
  std::string text;
  if (!ReadText(path, text)) {
    report.problems.push_back(name + ": cannot be read");
    return;
  }
  const SourceParseResult parsed = ParseCatalogSource(text, name);
  if (!parsed.ok()) {
    report.problems.insert(report.problems.end(), parsed.errors.begin(), parsed.errors.end());
    return;
  }
  std::map<MessageKey, std::map<std::uint16_t, const SourceMessage*>> messages;
  for (const SourceMessage& message : parsed.messages) {
    messages[{message.category, message.number}][message.language] = &message;
  }

  for (const auto& [key, places] : references) {
    std::string missingIn;
    const auto found = messages.find(key);
    for (const std::uint16_t language : catalog.languages) {
      if (found == messages.end() || !found->second.contains(language)) {
        missingIn += (missingIn.empty() ? "" : ", ") + std::to_string(language);
      }
    }
    if (!missingIn.empty()) {
      report.problems.push_back(name + ": message " + KeyText(key) + " missing in language " + missingIn +
                                " (used at " + Places(places) + ")");
    }
  }

  for (const auto& [key, languages] : messages) {
    const auto english = languages.find(kEnglish);
    if (english == languages.end()) continue;
    const std::string expected = InsertList(ListInserts(english->second->text));
    for (const auto& [language, message] : languages) {
      if (language == kEnglish) continue;
      const std::string actual = InsertList(ListInserts(message->text));
      if (actual != expected) {
        report.problems.push_back(name + ":" + std::to_string(message->line) + ": message " + KeyText(key) +
                                  " in language " + std::to_string(language) + " has inserts {" + actual +
                                  "} but the English text at line " + std::to_string(english->second->line) +
                                  " has {" + expected + "}");
      }
    }
  }
}

}  // namespace

CheckReport RunCatalogCheck(const CheckOptions& options) {
  CheckReport report;
  References references;
  ScanCode(options, references, report);
  ScanModels(options, references, report);
  report.references = references.size();
  for (const CatalogRequirement& catalog : options.catalogs) CheckCatalog(catalog, options, references, report);
  return report;
}

}  // namespace expert::catalog
