#pragma once
// Shared by the host tests: a scratch directory and the model database.
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "models/ModelDatabase.h"

namespace host::test {

// A fresh directory under the system's temporary directory, removed after.
class ScratchDir {
 public:
  ScratchDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "expert-host-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
    m_path = pattern;
  }
  ~ScratchDir() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
  }
  const std::filesystem::path& Path() const { return m_path; }

 private:
  std::filesystem::path m_path;
};

// A scratch directory and the projector list file in it.
struct ListDir : ScratchDir {
  const std::filesystem::path file = Path() / "projectors.json";
};

inline std::string ReadFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

inline void WriteFile(const std::filesystem::path& file, const std::string& text) {
  std::ofstream(file, std::ios::binary) << text;
}

inline const models::ModelDatabase& Database() {
  static const models::ModelDatabase database = models::ModelDatabase::Load(HOST_TEST_MODEL_DB);
  return database;
}

}  // namespace host::test
