#include "host/profile/ProfileCheck.h"

#include <algorithm>
#include <map>

#include "frame/PageTable.h"
#include "framework/Resources.h"
#include "host/profile/DialogWalk.h"
#include "pages/common/SettingPage.h"
#include "resources/Templates.h"

namespace profile {
namespace {

using expert::pages::SettingKind;

// What the dialog's pages hold for a model before any value is read: each
// setting row with its kind, and the range of its control.
struct ControlShape {
  Kind kind = Kind::List;
  int items = 0;  // lists
  int min = 0, max = 0;  // sliders
};
using PageShapes = std::map<int, std::map<int, ControlShape>>;

// The pages of the model, made by the dialog itself with no projector
// behind it: every read fails, so every row is noted and nothing is sent.
PageShapes ShapesOf(int modelType, int modelNo, const models::ModelDatabase& database) {
  host::ProjectorEntry entry{.name = "check", .modelType = modelType, .modelNo = modelNo, .address = "127.0.0.1"};
  WalkOptions options;
  options.transports = [](const beamlink::Endpoint&, beamlink::Deadline, std::string& error)
      -> std::unique_ptr<beamlink::Transport> {
    error = "no projector connected";
    return nullptr;
  };
  PageShapes shapes;
  WalkDialog(entry, database, options, [&](expert::pages::CSettingPage& page, const PageContext& context) {
    auto& controls = shapes[context.templateId];
    for (const auto& record : page.SettingsRead()) {
      const WindowState* control = page.GetSafeHwnd()->FindChild(record.control);
      if (!control) continue;
      ControlShape shape{KindOf(record.kind), static_cast<int>(control->items.size()),
                         std::min(control->rangeMin, control->rangeMax), std::max(control->rangeMin, control->rangeMax)};
      // An arrow row has no range: it steps as long as the projector takes the steps.
      if (shape.kind == Kind::Arrows) shape.min = -32768, shape.max = 32767;
      controls[record.control] = shape;
    }
  });
  return shapes;
}

bool IsPageOfAnyType(int templateId) {
  for (int type = 1; type <= 5; ++type) {
    const auto pages = expert::CreationOrder(type);
    if (std::find(pages.begin(), pages.end(), templateId) != pages.end()) return true;
  }
  return false;
}

// A settings dialog opened from a page: known only by its template here,
// since it opens only over a projector.
std::optional<ControlShape> DialogControlShape(int templateId, int controlId) {
  const DialogTemplate* found = FindDialogTemplate(templateId);
  if (!found || templateId == expert::resources::kExpertDialogTemplate || IsPageOfAnyType(templateId) ||
      templateId == expert::resources::kStatusPage)
    return std::nullopt;
  for (const ControlTemplate& control : found->controls) {
    if (control.id != controlId) continue;
    switch (control.kind) {
      case ControlKind::ComboBox: return ControlShape{Kind::List, 0, 0, 0};
      case ControlKind::Slider: return ControlShape{Kind::Slider, 0, -32768, 32767};
      case ControlKind::CheckBox: return ControlShape{Kind::Check, 0, 0, 1};
      case ControlKind::Edit: return ControlShape{Kind::Arrows, 0, -32768, 32767};
      default: return std::nullopt;
    }
  }
  return std::nullopt;
}

}  // namespace

void CheckProfileForModel(const Profile& profile, const models::ModelDatabase& database, const std::string& fileName) {
  if (!database.Find(profile.modelType, profile.modelNo))
    throw ProfileError(fileName + ": model " + ModelText(profile.modelType, profile.modelNo) +
                       " is not in the model database");
  const PageShapes shapes = ShapesOf(profile.modelType, profile.modelNo, database);
  for (std::size_t i = 0; i < profile.settings.size(); ++i) {
    const Setting& setting = profile.settings[i];
    const std::string where = fileName + ": setting " + std::to_string(i + 1) + " (" + setting.tab + ": " +
                              setting.label + ", page " + std::to_string(setting.page) + ", control " +
                              std::to_string(setting.control) + "): ";
    std::optional<ControlShape> shape;
    if (const auto page = shapes.find(setting.page); page != shapes.end()) {
      if (const auto control = page->second.find(setting.control); control != page->second.end())
        shape = control->second;
      else
        throw ProfileError(where + "page " + std::to_string(setting.page) + " has no setting with control " +
                           std::to_string(setting.control));
    } else {
      shape = DialogControlShape(setting.page, setting.control);
      if (!shape)
        throw ProfileError(where + "no settings page or dialog of model " +
                           ModelText(profile.modelType, profile.modelNo) + " has this control");
    }
    if (shape->kind != setting.kind)
      throw ProfileError(where + "the control is a " + std::string(KindName(shape->kind)) + ", not a " +
                         std::string(KindName(setting.kind)));
    const long long value = setting.value;
    switch (setting.kind) {
      case Kind::List:
        if (value < 0 || (shape->items > 0 && value >= shape->items))
          throw ProfileError(where + "item " + std::to_string(value) + " is not in the list (" +
                             std::to_string(shape->items) + " items)");
        break;
      case Kind::Slider:
      case Kind::Arrows:
        if (value < shape->min || value > shape->max)
          throw ProfileError(where + std::to_string(value) + " is outside " + std::to_string(shape->min) + " to " +
                             std::to_string(shape->max));
        break;
      case Kind::Check:
        if (value != 0 && value != 1) throw ProfileError(where + "a check box is 0 or 1, not " + std::to_string(value));
        break;
      case Kind::Edit:
        break;
    }
  }
}

}  // namespace profile
