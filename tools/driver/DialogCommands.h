#pragma once
// The commands that act on the top-most modal dialog: tab, click, select,
// slide, check, close, key and dump. Each acts as a user would, through the
// framework's user input, so the module sees the same notifications.
#include <string_view>

#include "tools/driver/OrderedJson.h"

#include "framework/Dialog.h"

namespace driver {

bool IsDialogCommand(std::string_view name);

// Carries out `command` (named `name`) on `dialog` and returns what the reply
// adds to "ok" (nothing for the actions, the dump for "dump"). Throws
// CommandError when a user could not do it.
OrderedJson RunDialogCommand(std::string_view name, const nlohmann::json& command, CDialog& dialog);

}  // namespace driver
