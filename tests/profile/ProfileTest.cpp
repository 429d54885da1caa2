// Profiles end to end: the dialog walked headless over simulated projectors
// on real loopback sockets, for one model of each type and over PJLink; the
// file, its checks and its atomic write.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "host/profile/ProfileApply.h"
#include "host/profile/ProfileCapture.h"
#include "host/profile/ProfileCheck.h"
#include "host/profile/ProfileDiff.h"
#include "host/profile/ProfileFile.h"
#include "projector/CommandCodes.h"
#include "tests/profile/ProfileTestSupport.h"

namespace profile::test {
namespace {

std::string Describe(const ApplyReport& report) {
  std::string text = report.name + ": " + report.error + " set " + std::to_string(report.set) + ", unchanged " +
                     std::to_string(report.unchanged);
  for (const auto& refused : report.refused) text += "\n  refused " + refused.tab + "/" + refused.label + ": " + refused.error;
  for (const auto& missing : report.unavailable) text += "\n  unavailable " + missing.tab + "/" + missing.label;
  return text;
}

std::string Describe(const std::vector<Difference>& differences) {
  std::string text;
  for (const Difference& d : differences)
    text += d.tab + "/" + d.label + ": " + d.from.value_or("-") + " -> " + d.to.value_or("-") + "\n";
  return text;
}

Profile Saved(const host::ProjectorEntry& entry) {
  CaptureResult result = CaptureProfile(entry, Database());
  EXPECT_TRUE(result.profile) << result.error;
  return result.profile.value_or(Profile{});
}

// Every slider and arrow row one step towards 0 (or up from 0), every box
// ticked the other way: values a projector of the model takes. The H phase
// slider of types 2 and 3 sends multiples of 8 only.
int ChangeNumbersAndChecks(Profile& profile) {
  int changed = 0;
  for (Setting& setting : profile.settings) {
    const int step = setting.label == "H Phase" && (profile.modelType == 2 || profile.modelType == 3) ? 8 : 1;
    if (setting.kind == Kind::Slider || setting.kind == Kind::Arrows)
      setting.value += setting.value > 0 ? -step : step;
    else if (setting.kind == Kind::Check)
      setting.value = 1 - setting.value;
    else
      continue;
    ++changed;
  }
  return changed;
}


TEST(ProfileRoundTrip, SaveApplySaveGivesTheSameSettingsForEveryModelType) {
  const struct {
    int type, model;
    std::size_t atLeast;
  } cases[] = {{1, 3, 10}, {2, 6, 10}, {3, 10, 8}, {4, 9, 15}, {5, 30, 25}};
  for (const auto& c : cases) {
    SCOPED_TRACE(ModelText(c.type, c.model));
    Served a(c.type, c.model), b(c.type, c.model);
    Profile wanted = Saved(a.entry);
    ASSERT_GE(wanted.settings.size(), c.atLeast);
    EXPECT_EQ(wanted.source, a.entry.name);
    ASSERT_GT(ChangeNumbersAndChecks(wanted), 3);
    ASSERT_NO_THROW(CheckProfileForModel(wanted, Database(), "changed.json"));

    const ApplyReport onA = ApplyProfile(wanted, a.entry, Database());
    EXPECT_TRUE(onA.Ok()) << Describe(onA);
    EXPECT_GT(onA.set, 3) << Describe(onA);
    const Profile savedA = Saved(a.entry);
    EXPECT_TRUE(DiffProfiles(wanted, savedA).empty()) << Describe(DiffProfiles(wanted, savedA));

    // B still holds the factory values: only A's changes travel.
    const ApplyReport onB = ApplyProfile(savedA, b.entry, Database());
    EXPECT_TRUE(onB.Ok()) << Describe(onB);
    EXPECT_EQ(onB.set, onA.set) << Describe(onB);
    const Profile savedB = Saved(b.entry);
    EXPECT_TRUE(DiffProfiles(savedA, savedB).empty()) << Describe(DiffProfiles(savedA, savedB));

    // Applied again, nothing differs and nothing is sent but reads.
    const ApplyReport again = ApplyProfile(savedA, b.entry, Database());
    EXPECT_EQ(again.set, 0);
    EXPECT_EQ(again.unchanged, static_cast<int>(savedA.settings.size())) << Describe(again);
  }
}

TEST(ProfileApply, RefusedAndUnavailableSettingsAreReportedEachWithItsReason) {
  Served a(5, 30), b(5, 30);
  Profile wanted = Saved(a.entry);
  ChangeNumbersAndChecks(wanted);
  // B refuses every change of contrast and cannot give its sharpness at all.
  b.projector->GetFaults().FailRequest(beamlink::Action::Set, pjcode::kContrast);
  b.projector->GetFaults().FailCode(pjcode::kSharpness);
  const ApplyReport report = ApplyProfile(wanted, b.entry, Database());
  EXPECT_FALSE(report.Ok());
  ASSERT_EQ(report.refused.size(), 1u) << Describe(report);
  EXPECT_EQ(report.refused[0].label, "Contrast");
  EXPECT_FALSE(report.refused[0].error.empty());
  ASSERT_EQ(report.unavailable.size(), 1u) << Describe(report);
  EXPECT_EQ(report.unavailable[0].label, "Sharpness");
  EXPECT_GT(report.set, 3);
}

TEST(ProfileApply, AnotherModelOrAProjectorInStandbyGetsNothing) {
  Served a(5, 30), other(4, 9), standby(5, 30, false, sim::Power::Off);
  Profile wanted = Saved(a.entry);
  EXPECT_GT(a.exchanges, 10);  // the count sees the traffic of a walk
  ChangeNumbersAndChecks(wanted);
  const int before = other.exchanges;
  const ApplyReport refused = ApplyProfile(wanted, other.entry, Database());
  EXPECT_NE(refused.error.find("model 4/9 is not the profile's model 5/30"), std::string::npos) << refused.error;
  EXPECT_EQ(other.exchanges, before);

  const ApplyReport asleep = ApplyProfile(wanted, standby.entry, Database());
  EXPECT_NE(asleep.error.find("standby"), std::string::npos) << asleep.error;
  EXPECT_EQ(asleep.set, 0);
  EXPECT_EQ(standby.projector->PowerState(), sim::Power::Off);

  const ApplyReport woken = ApplyProfile(wanted, standby.entry, Database(), {.powerOn = true, .warmupMs = 10000});
  EXPECT_TRUE(woken.Ok()) << Describe(woken);
  EXPECT_GT(woken.set, 3);
}

TEST(ProfileApply, APerSourceSettingTravelsOnlyToTheSameSource) {
  Served a(5, 30), b(5, 30);
  const Profile saved = Saved(a.entry);
  const auto perSource = std::find_if(saved.settings.begin(), saved.settings.end(),
                                      [](const Setting& s) { return s.input.has_value(); });
  ASSERT_NE(perSource, saved.settings.end()) << "the audio page keeps volume per input";
  Profile wanted;
  wanted = saved;
  wanted.settings = {*perSource};
  wanted.settings[0].value += wanted.settings[0].value > 0 ? -1 : 1;
  wanted.settings[0].input = *perSource->input + 1;
  const ApplyReport report = ApplyProfile(wanted, b.entry, Database());
  ASSERT_EQ(report.refused.size(), 1u) << Describe(report);
  EXPECT_NE(report.refused[0].error.find("saved for input"), std::string::npos);
  EXPECT_EQ(report.set, 0);
}

// PJLink carries power, input, blank, mute and freeze, all on the status and
// control tabs: no settings tab reads anything over it. A PJLink projector's
// profile is empty, and a profile saved over our protocol finds every
// setting unavailable there, with nothing refused.
TEST(ProfilePjLink, APjLinkProjectorSavesAndTakesWhatItCarries) {
  Served native(4, 9), a(4, 9, true);
  const Profile carried = Saved(a.entry);
  EXPECT_TRUE(carried.settings.empty()) << ProfileToJson(carried);
  EXPECT_TRUE(ApplyProfile(carried, a.entry, Database()).Ok());

  Profile wanted = Saved(native.entry);
  ChangeNumbersAndChecks(wanted);
  const ApplyReport report = ApplyProfile(wanted, a.entry, Database());
  EXPECT_TRUE(report.Ok()) << Describe(report);
  EXPECT_EQ(report.set, 0);
  EXPECT_EQ(report.unavailable.size(), wanted.settings.size());
}

TEST(ProfileFile, WrittenAndReadBackUnchanged) {
  Served a(2, 6);
  const Profile saved = Saved(a.entry);
  const auto dir = std::filesystem::temp_directory_path() / ("profile-test-" + std::to_string(::getpid()));
  std::filesystem::create_directories(dir);
  const std::string path = (dir / "hall.json").string();
  SaveProfile(path, saved);
  const Profile read = LoadProfile(path);
  EXPECT_EQ(ProfileToJson(read), ProfileToJson(saved));
  EXPECT_TRUE(DiffProfiles(saved, read).empty());

  // A write that cannot finish leaves the old file as it was, and no temporary.
  std::filesystem::create_directory(dir / "taken.json");
  EXPECT_THROW(SaveProfile((dir / "taken.json").string(), saved), ProfileError);
  EXPECT_THROW(SaveProfile((dir / "missing" / "x.json").string(), saved), ProfileError);
  EXPECT_EQ(ProfileToJson(LoadProfile(path)), ProfileToJson(saved));
  int files = 0;
  for ([[maybe_unused]] const auto& item : std::filesystem::directory_iterator(dir)) ++files;
  EXPECT_EQ(files, 2);  // hall.json and the directory taken.json
  std::filesystem::remove_all(dir);
}

TEST(ProfileFile, BadInputNamesTheFileAndTheSetting) {
  const std::string good =
      R"({"format":"expert-control-profile","version":1,"model":"5/30","source":"Hall","saved":"2026-12-06T21:00:00Z",)"
      R"("settings":[{"page":107,"control":20136,"tab":"Picture","label":"Brightness","kind":"slider","value":3}]})";
  EXPECT_NO_THROW(CheckProfileForModel(ProfileFromJson(good, "good.json"), Database(), "good.json"));
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    text.replace(text.find(from), from.size(), to);
    return text;
  };
  const struct {
    std::string text, message;
  } cases[] = {
      {good.substr(0, good.size() / 2), "f.json: not a profile"},
      {"[1,2]", "f.json: not a profile"},
      {R"({"projectors":[]})", "f.json: not a profile"},
      {replaced("\"version\":1", "\"version\":2"), "profile version 2 is not known"},
      {replaced("\"slider\"", "\"knob\""), "setting 1 (page 107, control 20136): unknown kind \"knob\""},
      {replaced("\"value\":3", "\"value\":\"3\""), "setting 1 (page 107, control 20136): \"value\" must be a whole number"},
      {replaced("\"model\":\"5/30\"", "\"model\":\"5-30\""), "\"model\" must be TYPE/NUMBER"},
  };
  for (const auto& c : cases) {
    try {
      ProfileFromJson(c.text, "f.json");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const ProfileError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
  const struct {
    std::string text, message;
  } unfit[] = {
      {replaced("20136", "20999"), "page 107 has no setting with control 20999"},
      {replaced("\"value\":3", "\"value\":300"), "Picture: Brightness, page 107, control 20136): 300 is outside"},
      {replaced("\"slider\"", "\"check\""), "the control is a slider, not a check"},
      {replaced("\"page\":107", "\"page\":22153"), "no settings page or dialog of model 5/30 has this control"},
      {replaced("\"model\":\"5/30\"", "\"model\":\"5/999\""), "model 5/999 is not in the model database"},
  };
  for (const auto& c : unfit) {
    try {
      CheckProfileForModel(ProfileFromJson(c.text, "f.json"), Database(), "f.json");
      ADD_FAILURE() << "accepted: " << c.text;
    } catch (const ProfileError& error) {
      EXPECT_NE(std::string(error.what()).find(c.message), std::string::npos) << error.what();
    }
  }
}

}  // namespace
}  // namespace profile::test
