#include "host/profile/ProfileApply.h"

#include <charconv>
#include <cstdlib>
#include <map>
#include <set>

#include "framework/HeadlessDisplay.h"
#include "framework/UserInput.h"
#include "host/profile/ProfileCapture.h"
#include "pages/common/SettingPage.h"

namespace profile {
namespace {

using expert::pages::SettingRecord;

std::optional<long long> NumberIn(const WindowState& box) {
  long long value = 0;
  const char* end = box.text.data() + box.text.size();
  const auto [at, error] = std::from_chars(box.text.data(), end, value);
  if (box.text.empty() || error != std::errc() || at != end) return std::nullopt;
  return value;
}

// The message boxes the page showed since the last call, as one text.
std::string TakeMessages() {
  std::string text;
  for (const RecordedMessageBox& box : TheHeadlessDisplay().TakeMessageBoxes())
    text += (text.empty() ? "" : " ") + box.text;
  return text;
}

class PageApplier {
 public:
  PageApplier(const Profile& profile, ApplyReport& report) : m_profile(profile), m_report(report) {}

  void Visit(expert::pages::CSettingPage& page, const PageContext& context) {
    TakeMessages();  // what the refresh showed is no refusal of ours
    std::map<int, Setting> shown;
    for (Setting& setting : SettingsShown(page, context)) shown.emplace(setting.control, std::move(setting));
    for (std::size_t i = 0; i < m_profile.settings.size(); ++i) {
      const Setting& wanted = m_profile.settings[i];
      if (wanted.page != context.templateId || m_done.count(i)) continue;
      m_done.insert(i);
      const auto current = shown.find(wanted.control);
      const SettingRecord* record = RecordOf(page, wanted.control);
      if (current == shown.end() || !record || current->second.kind != wanted.kind) {
        m_report.unavailable.push_back({wanted.tab, wanted.label});
        continue;
      }
      if (wanted.input != current->second.input) {
        m_report.refused.push_back({wanted.tab, wanted.label,
                                    "kept per input source: saved for input " + InputText(wanted.input) +
                                        ", the projector shows input " + InputText(current->second.input)});
        continue;
      }
      if (current->second.value == wanted.value) {
        ++m_report.unchanged;
        continue;
      }
      const std::string refusal = Change(*page.GetSafeHwnd(), *record, wanted);
      if (refusal.empty())
        ++m_report.set;
      else
        m_report.refused.push_back({wanted.tab, wanted.label, refusal});
    }
  }

  // Settings on pages or dialogs the walk never showed: this projector lacks them.
  void ReportUnvisited() {
    for (std::size_t i = 0; i < m_profile.settings.size(); ++i)
      if (!m_done.count(i)) m_report.unavailable.push_back({m_profile.settings[i].tab, m_profile.settings[i].label});
  }

 private:
  static const SettingRecord* RecordOf(const expert::pages::CSettingPage& page, int control) {
    for (const SettingRecord& record : page.SettingsRead())
      if (record.control == control) return &record;
    return nullptr;
  }

  static std::string InputText(const std::optional<int>& input) {
    return input ? std::to_string(*input) : std::string("none");
  }

  // Acts on the control as a user does; empty when the page now shows the value.
  static std::string Change(WindowState& page, const SettingRecord& record, const Setting& wanted) {
    HWND control = page.FindChild(record.control);
    if (!control) return "the page has no control " + std::to_string(record.control);
    const int value = static_cast<int>(wanted.value);
    switch (wanted.kind) {
      case Kind::List:
        if (!control->HasItem(value)) return "the list has no item " + std::to_string(value);
        UserSelectListItem(control, value);
        return Outcome(control->curSel == value, "the projector kept " + ItemText(*control));
      case Kind::Slider: {
        const int low = std::min(control->rangeMin, control->rangeMax), high = std::max(control->rangeMin, control->rangeMax);
        if (value < low || value > high)
          return std::to_string(value) + " is outside the range " + std::to_string(low) + " to " + std::to_string(high);
        UserSlide(control, value);
        return Outcome(control->pos == value, "the projector kept " + std::to_string(control->pos));
      }
      case Kind::Check:
        if (value != 0 && value != 1) return std::to_string(value) + " is not 0 or 1";
        UserSetCheck(control, value);
        return Outcome(control->check == value, "the projector kept " + std::to_string(control->check));
      case Kind::Arrows:
        return Step(page, record, *control, wanted.value);
      case Kind::Edit:
        break;
    }
    return "the page has no such setting";
  }

  // "+" or "-" pressed until the box shows the value; a press that changes
  // nothing, or a message box, ends it.
  static std::string Step(WindowState& page, const SettingRecord& record, const WindowState& box, long long target) {
    std::optional<long long> now = NumberIn(box);
    const long long presses = now ? std::llabs(target - *now) * 2 + 4 : 0;
    for (long long press = 0; now && press < presses; ++press) {
      if (*now == target) return {};
      HWND button = page.FindChild(*now < target ? record.raise : record.lower);
      if (!button || !IsWindowUsable(button)) return "the value cannot be stepped further than " + std::to_string(*now);
      UserClick(button);
      if (std::string messages = TakeMessages(); !messages.empty()) return messages;
      const std::optional<long long> next = NumberIn(box);
      if (!next || *next == *now) return "the projector kept " + (next ? std::to_string(*next) : std::string("nothing"));
      if ((*now < target) != (*next < target) && *next != target)
        return "the projector steps from " + std::to_string(*now) + " to " + std::to_string(*next) + ", past " +
               std::to_string(target);
      now = next;
    }
    if (now && *now == target) return {};
    return "the projector shows " + (now ? std::to_string(*now) : std::string("nothing"));
  }

  static std::string ItemText(const WindowState& list) {
    return list.HasItem(list.curSel) ? "\"" + list.items[static_cast<std::size_t>(list.curSel)].text + "\""
                                     : std::string("no item");
  }

  static std::string Outcome(bool shown, const std::string& otherwise) {
    const std::string messages = TakeMessages();
    if (!messages.empty()) return messages;
    return shown ? std::string() : otherwise;
  }

  const Profile& m_profile;
  ApplyReport& m_report;
  std::set<std::size_t> m_done;
};

}  // namespace

ApplyReport ApplyProfile(const Profile& profile, const host::ProjectorEntry& entry,
                         const models::ModelDatabase& database, const ApplyOptions& options) {
  ApplyReport report;
  report.name = entry.name;
  if (entry.modelType != profile.modelType || entry.modelNo != profile.modelNo) {
    report.error = "model " + ModelText(entry.modelType, entry.modelNo) + " is not the profile's model " +
                   ModelText(profile.modelType, profile.modelNo);
    return report;
  }
  WalkOptions walk = options.walk;
  if (!walk.before)
    walk.before = [&options](CPjtInterface& pjt) { return RequirePowerOn(pjt, options.powerOn, options.warmupMs); };
  PageApplier applier(profile, report);
  const std::optional<std::string> error = WalkDialog(
      entry, database, walk,
      [&applier](expert::pages::CSettingPage& page, const PageContext& context) { applier.Visit(page, context); });
  if (error) {
    const ApplyReport done = report;
    report = {};
    report.name = done.name;
    report.error = *error;
    // What was done before the link failed still counts.
    report.set = done.set;
    report.refused = done.refused;
    return report;
  }
  applier.ReportUnvisited();
  return report;
}

}  // namespace profile
