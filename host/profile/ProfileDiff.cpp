#include "host/profile/ProfileDiff.h"

namespace profile {
namespace {

const Setting* Find(const Profile& profile, const Setting& key) {
  for (const Setting& setting : profile.settings)
    if (setting.SameKey(key)) return &setting;
  return nullptr;
}

}  // namespace

std::vector<Difference> DiffProfiles(const Profile& from, const Profile& to) {
  std::vector<Difference> differences;
  for (const Setting& setting : from.settings) {
    const Setting* other = Find(to, setting);
    if (other && other->kind == setting.kind && other->value == setting.value && other->input == setting.input &&
        (setting.kind != Kind::Edit || other->text == setting.text))
      continue;
    differences.push_back({setting.page, setting.control, setting.tab, setting.label, ShownValue(setting),
                           other ? std::optional<std::string>(ShownValue(*other)) : std::nullopt});
  }
  for (const Setting& setting : to.settings)
    if (!Find(from, setting))
      differences.push_back({setting.page, setting.control, setting.tab, setting.label, std::nullopt,
                             ShownValue(setting)});
  return differences;
}

}  // namespace profile
