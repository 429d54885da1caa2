#include "host/profile/ProfileCapture.h"

#include <charconv>
#include <chrono>
#include <thread>

#include "host/profile/DialogWalk.h"
#include "host/profile/ProfileFile.h"
#include "pages/common/SettingPage.h"
#include "projector/CommandCodes.h"
#include "projector/LinkProblemText.h"

namespace profile {
namespace {

using expert::pages::SettingKind;
using expert::pages::SettingRecord;

constexpr std::uint16_t kPowerOff = 0, kPowerOn = 1, kCoolingDown = 2;

std::optional<long long> NumberShown(const std::string& text) {
  long long value = 0;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, value);
  if (error != std::errc() || at != end || text.empty()) return std::nullopt;
  return value;
}

bool Usable(const WindowState* page, int id) {
  const WindowState* control = id ? page->FindChild(id) : nullptr;
  return control && IsWindowUsable(control);
}

std::string ReadFailure(CPjtInterface& pjt, const char* what) {
  if (pjt.LinkProblem()) return LinkProblemText(*pjt.LinkProblem());
  return std::string("the projector did not give its ") + what + (pjt.LastError().empty() ? "" : ": " + pjt.LastError());
}

}  // namespace

std::vector<Setting> SettingsShown(const expert::pages::CSettingPage& page, const PageContext& context) {
  std::vector<Setting> shown;
  const WindowState* window = page.GetSafeHwnd();
  if (!window) return shown;
  for (const SettingRecord& record : page.SettingsRead()) {
    if (!record.read) continue;
    const WindowState* control = window->FindChild(record.control);
    if (!control || !IsWindowUsable(control)) continue;  // hidden, or the page disabled it
    Setting setting{.page = context.templateId, .control = record.control, .tab = context.tab,
                    .label = ControlLabel(context.templateId, record.control), .kind = KindOf(record.kind)};
    switch (record.kind) {
      case SettingKind::List:
        if (!control->HasItem(control->curSel)) continue;  // nothing shown
        setting.value = control->curSel;
        setting.text = control->items[static_cast<std::size_t>(control->curSel)].text;
        break;
      case SettingKind::Slider:
        setting.value = control->pos;
        break;
      case SettingKind::Check:
        setting.value = control->check;
        break;
      case SettingKind::Arrows: {
        const std::optional<long long> number = NumberShown(control->text);
        if (!number || (!Usable(window, record.lower) && !Usable(window, record.raise))) continue;
        setting.value = *number;
        break;
      }
    }
    if (record.perSource) {
      if (!record.source) continue;
      setting.input = *record.source;
    }
    shown.push_back(std::move(setting));
  }
  return shown;
}

std::optional<std::string> RequirePowerOn(CPjtInterface& pjt, bool powerOn, int warmupMs) {
  std::uint16_t power = 0;
  if (pjt.Get(pjcode::kPowerStatus, 0, &pjt, &power) != 1) return ReadFailure(pjt, "power state");
  if (power == kPowerOn) return std::nullopt;
  if (power == kCoolingDown) return std::string("the projector is cooling down");
  if (power != kPowerOff || !powerOn) return std::string("the projector is in standby");
  if (!pjt.SetPowerOn()) return std::string("the projector did not switch on") +
                               (pjt.LastError().empty() ? "" : ": " + pjt.LastError());
  // The lamp warms up: settings are taken once the projector says it is on.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(warmupMs);
  for (;;) {
    if (pjt.Get(pjcode::kPowerStatus, 0, &pjt, &power) == 1 && power == kPowerOn) return std::nullopt;
    if (std::chrono::steady_clock::now() >= deadline)
      return "the projector was not on " + std::to_string(warmupMs / 1000) + " s after it was switched on";
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
  }
}

CaptureResult CaptureProfile(const host::ProjectorEntry& entry, const models::ModelDatabase& database,
                             const WalkOptions& options) {
  CaptureResult result;
  Profile profile{.modelType = entry.modelType, .modelNo = entry.modelNo, .source = entry.name,
                  .saved = NowIso8601()};
  WalkOptions walk = options;
  if (!walk.before) walk.before = [](CPjtInterface& pjt) { return RequirePowerOn(pjt, false, 0); };
  const std::optional<std::string> error =
      WalkDialog(entry, database, walk, [&](expert::pages::CSettingPage& page, const PageContext& context) {
        for (Setting& setting : SettingsShown(page, context)) profile.settings.push_back(std::move(setting));
      });
  if (error) {
    result.error = *error;
    return result;
  }
  result.profile = std::move(profile);
  return result;
}

}  // namespace profile
