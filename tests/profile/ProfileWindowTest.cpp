// The window's profile actions on Qt's offscreen platform: save, compare and
// apply run in the background with progress, the window keeps running, and
// the results table copies as text.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMenu>
#include <QClipboard>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QWidget>

#include <filesystem>

#include "host/app/ProfileActions.h"
#include "host/profile/ProfileFile.h"
#include "tests/profile/ProfileTestSupport.h"

namespace profile::test {
namespace {

bool Finished(const host::ProfileActions& actions) {
  return QTest::qWaitFor([&] { return !actions.Running() && !actions.Summary().isEmpty(); }, 60000);
}

TEST(ProfileWindow, SaveCompareAndApplyToTheSelection) {
  const auto dir = std::filesystem::temp_directory_path() / ("profile-window-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const QString file = QString::fromStdString((dir / "a.json").string());
  Served a(2, 6), b(2, 6), c(2, 6), lab(1, 3);
  QWidget window;
  std::vector<host::ProjectorEntry> selection{a.entry};
  host::ProfileActions actions(window, [&] { return selection; }, Worker());
  ASSERT_EQ(actions.Menu()->actions().size(), 3);

  actions.StartSave(a.entry, file);
  EXPECT_TRUE(actions.Running());
  ASSERT_TRUE(Finished(actions));
  EXPECT_TRUE(actions.Summary().startsWith("Saved ")) << actions.Summary().toStdString();

  Profile changed = LoadProfile(file.toStdString());
  int sliders = 0;
  for (Setting& setting : changed.settings)
    if (setting.kind == Kind::Slider && setting.label != "H Phase" && sliders < 3) {
      setting.value += setting.value > 0 ? -1 : 1;
      ++sliders;
    }
  SaveProfile(file.toStdString(), changed);

  actions.StartCompare(b.entry, file);
  ASSERT_TRUE(Finished(actions));
  EXPECT_EQ(actions.Results().size(), 3u) << actions.ResultsText().toStdString();

  // A file that does not fit the model is refused before anything is sent.
  Profile unfit = changed;
  unfit.settings.front().control = 1;
  const QString bad = QString::fromStdString((dir / "bad.json").string());
  SaveProfile(bad.toStdString(), unfit);
  const int before = b.exchanges;
  actions.StartApply(bad, {b.entry});
  EXPECT_FALSE(actions.Running());
  EXPECT_TRUE(actions.Summary().contains("has no setting with control 1")) << actions.Summary().toStdString();
  EXPECT_EQ(b.exchanges, before);

  actions.StartApply(file, {b.entry, c.entry, lab.entry});
  QProgressDialog* progress = window.findChild<QProgressDialog*>();
  ASSERT_NE(progress, nullptr);
  ASSERT_TRUE(Finished(actions));
  ASSERT_EQ(actions.Results().size(), 3u);
  EXPECT_TRUE(actions.Results()[0].value(1).startsWith("Set 3,")) << actions.ResultsText().toStdString();
  EXPECT_TRUE(actions.Results()[1].value(1).startsWith("Set 3,"));
  EXPECT_TRUE(actions.Results()[2].value(1).contains("is not the profile's model"));
  EXPECT_EQ(actions.Summary(), "2 of 3 projectors took every setting they have");
  // The results table's Copy puts the rows on the clipboard, tab-separated.
  QPushButton* copy = nullptr;
  for (QPushButton* button : window.findChildren<QPushButton*>())
    if (button->text() == "&Copy") copy = button;
  ASSERT_NE(copy, nullptr);
  copy->click();
  EXPECT_EQ(QApplication::clipboard()->text(), actions.ResultsText());
  EXPECT_TRUE(actions.ResultsText().startsWith(QString::fromStdString(b.entry.name) + "\tSet 3,"));

  actions.StartCompare(b.entry, file);
  ASSERT_TRUE(Finished(actions));
  EXPECT_TRUE(actions.Results().empty()) << actions.ResultsText().toStdString();
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace profile::test
