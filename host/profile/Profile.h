#pragma once
// A settings profile: every setting the Expert Control dialog showed for one
// projector on its settings tabs and in the settings dialogs they open, as
// the dialog showed it. `page` (the template) and `control` (the id) are the
// keys; `tab` and `label` are texts for people.
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace profile {

enum class Kind { List, Slider, Check, Edit, Arrows };

std::string_view KindName(Kind kind);
std::optional<Kind> KindFromName(std::string_view name);

struct Setting {
  int page = 0;
  int control = 0;
  std::string tab;
  std::string label;
  Kind kind = Kind::List;
  long long value = 0;              // list: position; slider: position; check: 0 or 1; arrows: the number shown
  std::optional<std::string> text;  // list: the item shown
  // A setting the projector keeps per input source: the source it was saved for.
  std::optional<int> input;

  bool SameKey(const Setting& other) const { return page == other.page && control == other.control; }
};

struct Profile {
  int modelType = 0;
  int modelNo = 0;
  std::string source;  // the projector it was saved from
  std::string saved;   // ISO-8601, UTC
  std::vector<Setting> settings;
};

// "5/30".
std::string ModelText(int modelType, int modelNo);
// The value as the dialog shows it: a list's item, else the number; a
// per-source setting names its source.
std::string ShownValue(const Setting& setting);

// Bad input: a damaged or foreign file, or a setting that does not fit the
// model. The text names the file and, where one is at fault, the setting.
class ProfileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace profile
