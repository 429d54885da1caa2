// Where the programs find their data: from their own location, in the build
// tree as in an installed tree, with the environment variables as overrides.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QIcon>

#include <cstdlib>
#include <filesystem>

#include "catalog/Catalog.h"
#include "datadir/DataDirectory.h"
#include "host/app/AppIcon.h"
#include "models/ModelDatabase.h"

namespace fs = std::filesystem;

TEST(DataLocation, ModelDatabaseIsFoundBesideTheProgramUnlessTheEnvironmentNamesOne) {
  ::unsetenv("EXPERT_MODEL_DB");
  const fs::path found = models::ModelDatabase::DefaultDirectory();
  EXPECT_EQ(found, datadir::ProgramDirectory().parent_path() / "share" / "expert-control" / "models");
  EXPECT_NO_THROW(models::ModelDatabase::Load(found));  // the build tree is laid out as an install

  ::setenv("EXPERT_MODEL_DB", "/elsewhere/db", 1);
  EXPECT_EQ(models::ModelDatabase::DefaultDirectory(), fs::path("/elsewhere/db"));
  ::setenv("EXPERT_MODEL_DB", "", 1);  // empty counts as unset
  EXPECT_EQ(models::ModelDatabase::DefaultDirectory(), found);
  ::unsetenv("EXPERT_MODEL_DB");
}

TEST(DataLocation, InstalledCatalogsAreFoundFromTheModulesPrivateLibraryDirectory) {
  // lib/expert-control -> share/expert-control under the same prefix, wherever it is.
  EXPECT_EQ(datadir::LibraryDataDirectory("/any/prefix/lib/expert-control"), fs::path("/any/prefix/share/expert-control"));
  ::unsetenv("EXPERT_CATALOG_DIR");
  const auto directories = CatalogSearchDirectories();
  ASSERT_EQ(directories.size(), 2u);
  EXPECT_TRUE(fs::exists(fs::path(directories[0]) / "lexbase.cat")) << directories[0];
  EXPECT_EQ(fs::path(directories[1]), datadir::LibraryDataDirectory(directories[0]));
}

TEST(DataLocation, TheHostHasItsIconInEverySizeOfTheMenuEntry) {
  const QIcon icon = host::ApplicationIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_TRUE(icon.availableSizes().contains(QSize(48, 48)));
  EXPECT_TRUE(icon.availableSizes().contains(QSize(256, 256)));
  EXPECT_FALSE(icon.pixmap(32, 32).isNull());
}

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication application(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
