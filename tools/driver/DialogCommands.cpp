#include "tools/driver/DialogCommands.h"

#include <array>
#include <string>

#include "framework/UserInput.h"
#include "tools/driver/CommandArgs.h"
#include "tools/driver/ControlLookup.h"
#include "tools/driver/DialogDump.h"

namespace driver {
namespace {

void RequireItem(const WindowState& window, int index, const std::string& what) {
  const int count = static_cast<int>(window.items.size());
  if (index < 0 || index >= count)
    throw CommandError("index " + std::to_string(index) + " is out of range: " + what + " has " +
                       std::to_string(count) + (count == 1 ? " item" : " items"));
}

void SelectTab(const CommandArgs& args, WindowState& dialog) {
  const int index = args.Int("index");
  HWND tab = nullptr;
  if (const std::optional<int> id = args.OptionalInt("id")) {
    tab = FindUsableControl(dialog, *id, {WindowClass::Tab}, "tab");
  } else {
    tab = FindTabControl(dialog);
    if (!tab) throw CommandError("dialog " + std::to_string(dialog.templateId) + " has no tab control");
    RequireUsable(*tab, "the tab control");
  }
  RequireItem(*tab, index, "the tab control");
  UserSelectTab(tab, index);
}

void SelectListItem(const CommandArgs& args, WindowState& dialog) {
  const int id = args.Int("id");
  const int index = args.Int("index");
  HWND list = FindUsableControl(dialog, id, {WindowClass::ComboBox}, "select");
  RequireItem(*list, index, "list " + std::to_string(id));
  UserSelectListItem(list, index);
}

void SetCheck(const CommandArgs& args, WindowState& dialog) {
  const int id = args.Int("id");
  const int state = args.Int("state");
  if (state != 0 && state != 1) throw CommandError("field \"state\" must be 0 or 1");
  UserSetCheck(FindUsableControl(dialog, id, {WindowClass::CheckBox}, "check"), state);
}

void PressKey(const CommandArgs& args, WindowState& dialog) {
  const std::string key = args.String("key");
  if (key != "escape") throw CommandError("unknown key \"" + key + "\" (the driver knows \"escape\")");
  UserEscape(&dialog);
}

}  // namespace

bool IsDialogCommand(std::string_view name) {
  constexpr std::array<std::string_view, 8> kNames = {"tab", "click", "select", "slide", "check", "close", "key", "dump"};
  for (std::string_view known : kNames)
    if (name == known) return true;
  return false;
}

OrderedJson RunDialogCommand(std::string_view name, const nlohmann::json& command, CDialog& dialog) {
  WindowState& window = *dialog.GetSafeHwnd();
  OrderedJson payload = OrderedJson::object();
  if (name == "tab") {
    SelectTab(CommandArgs(command, name, {"index", "id"}), window);
  } else if (name == "click") {
    const CommandArgs args(command, name, {"id"});
    UserClick(FindUsableControl(window, args.Int("id"),
                                {WindowClass::Button, WindowClass::CheckBox, WindowClass::BitmapButton}, name));
  } else if (name == "select") {
    SelectListItem(CommandArgs(command, name, {"id", "index"}), window);
  } else if (name == "slide") {
    const CommandArgs args(command, name, {"id", "pos"});
    const int id = args.Int("id");
    const int pos = args.Int("pos");
    UserSlide(FindUsableControl(window, id, {WindowClass::Slider}, name), pos);
  } else if (name == "check") {
    SetCheck(CommandArgs(command, name, {"id", "state"}), window);
  } else if (name == "close") {
    CommandArgs(command, name, {});  // takes no fields: refuses any
    // As the user presses the dialog's "Close" (or OK) button.
    UserClick(FindUsableControl(window, IDOK, {WindowClass::Button, WindowClass::BitmapButton}, name));
  } else if (name == "key") {
    PressKey(CommandArgs(command, name, {"key"}), window);
  } else if (name == "dump") {
    CommandArgs(command, name, {});  // takes no fields: refuses any
    payload = DumpDialog(window);
  }
  return payload;
}

}  // namespace driver
