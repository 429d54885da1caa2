#pragma once
// Shared set-up of the catalog routine tests: every test runs in a fresh
// temporary current directory (where marker files go) with the locale
// variables cleared, and leaves no catalog loaded behind.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "catalog/Catalog.h"

class CatalogTest : public ::testing::Test {
 protected:
  static constexpr const char* kVariables[] = {"LC_ALL", "LC_MESSAGES", "LANG", "EXPERT_CATALOG_DIR"};

  void SetUp() override {
    FreeCatalog();  // the module may have loaded one of its own when it was loaded
    m_previousDirectory = std::filesystem::current_path();
    char pattern[] = "/tmp/catalog-test-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    m_directory = pattern;
    std::filesystem::current_path(m_directory);
    for (const char* name : kVariables) {
      const char* value = std::getenv(name);
      m_saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
      ::unsetenv(name);
    }
  }

  void TearDown() override {
    FreeCatalog();
    std::filesystem::current_path(m_previousDirectory);
    std::filesystem::remove_all(m_directory);
    for (const auto& [name, value] : m_saved) {
      if (value) {
        ::setenv(name.c_str(), value->c_str(), 1);
      } else {
        ::unsetenv(name.c_str());
      }
    }
  }

  static void SetLocale(const char* variable, const char* value) { ::setenv(variable, value, 1); }
  void Marker(const char* name) { std::ofstream(m_directory / name) << "any content"; }
  void RemoveMarker(const char* name) { std::filesystem::remove(m_directory / name); }

  // The compiled test catalogs (tests/catalog/fixtures).
  static std::string FixtureDirectory() { return CATALOG_TEST_DIR; }
  static int LoadFixtures() { return LoadCatalogFrom({FixtureDirectory()}); }

  template <class... Inserts>
  static std::string Text(int category, int number, const Inserts&... inserts) {
    char buffer[kCatalogTextSize];
    GetCatalogText(category, number, buffer, inserts...);
    return buffer;
  }

  std::filesystem::path m_directory;

 private:
  std::filesystem::path m_previousDirectory;
  std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};
