#include <set>
#include <string>
#include <utility>

#include "models/ModelDatabase.h"
#include "tests/models/ModelTestSupport.h"

namespace models {
namespace {

using nlohmann::json;
using testing::TempDir;

std::string Doc(int type, int model) {
  json doc = testing::MinimalDoc();
  doc["type"] = type;
  doc["model"] = model;
  return doc.dump();
}

ModelError LoadError(const TempDir& dir) {
  return testing::ErrorFrom([&] { ModelDatabase::Load(dir.path); });
}

TEST(ModelDatabase, LoadsEveryJsonFileSortedAndFindsByKey) {
  TempDir dir;
  dir.Write("b.json", Doc(5, 30));
  dir.Write("a.json", Doc(5, 4));
  dir.Write("c.json", Doc(1, 17));
  dir.Write("README.md", "not a model");
  std::filesystem::create_directory(dir.path / "old.json");

  const ModelDatabase db = ModelDatabase::Load(dir.path);
  ASSERT_EQ(db.All().size(), 3u);
  EXPECT_EQ(db.All()[0].Key(), "1/17");
  EXPECT_EQ(db.All()[1].Key(), "5/4");
  EXPECT_EQ(db.Find(5, 30), &db.All()[2]);
  EXPECT_EQ(db.Find("1/17"), &db.All()[0]);
  EXPECT_EQ(db.Find(5, 31), nullptr);
  for (const char* key : {"", "5/", "/30", "5/30x", " 5/30", "+5/30", "5//30", "5/99999999999"}) {
    EXPECT_EQ(db.Find(key), nullptr) << key;
  }
}

TEST(ModelDatabase, NamesTheFileModelAndFieldOfAFaultAndRefusesADirectoryWithoutModels) {
  TempDir dir;
  const std::string first = dir.Write("a.json", Doc(5, 30));
  json doc = testing::MinimalDoc();
  doc["model"] = 31;
  doc["ranges"] = {{"17", "200,100"}};
  const std::string second = dir.Write("b.json", doc.dump());
  ModelError e = LoadError(dir);
  EXPECT_EQ(e.File() + " " + e.ModelKey() + " " + e.Field(), second + " 5/31 ranges.17");

  dir.Write("b.json", Doc(5, 30));
  e = LoadError(dir);
  EXPECT_EQ(e.File() + " " + e.ModelKey(), second + " 5/30");
  EXPECT_NE(e.Message().find(first), std::string::npos) << "names the first definition";

  dir.Write("b.json", "{\n  \"type\": 5,\n  \"model\" 30\n}");
  e = LoadError(dir);
  EXPECT_EQ(e.File(), second);
  EXPECT_NE(e.Message().find("line 3"), std::string::npos) << e.what();
  for (const char* text : {"[1, 2]", "1e999"}) {
    dir.Write("b.json", text);
    EXPECT_EQ(LoadError(dir).File(), second) << text;
  }
  std::filesystem::remove(first);
  std::filesystem::remove(second);
  dir.Write("notes.txt", "x");
  EXPECT_NE(LoadError(dir).Message().find("no model files"), std::string::npos);
  EXPECT_THROW(ModelDatabase::Load(dir.path / "absent"), ModelError);
  EXPECT_THROW(ModelDatabase::Load(dir.path / "notes.txt"), ModelError);
}

// The shipped database loads and holds the models with model-specific pages.
TEST(ShippedModelDatabase, LoadsAndHoldsTheModelsThePagesKnow) {
  const ModelDatabase db = ModelDatabase::Load(EXPERT_MODEL_DB_DIR);
  const std::pair<int, int> required[] = {
      {1, 3},  {1, 8},  {1, 16}, {1, 17}, {3, 8},  {3, 10}, {3, 47}, {3, 48}, {4, 9},
      {4, 22}, {5, 30}, {5, 31}, {5, 36}, {5, 37}, {5, 38}, {5, 39}, {5, 40}, {5, 41},
      {5, 42}, {5, 43}, {5, 44}, {5, 45}, {5, 46}};
  for (const auto& [type, model] : required) {
    EXPECT_NE(db.Find(type, model), nullptr) << type << "/" << model;
  }
  std::set<int> types;
  for (const ModelDescription& d : db.All()) types.insert(d.type);
  EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4, 5}));
}

}  // namespace
}  // namespace models
