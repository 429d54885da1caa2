#pragma once
// Every dialog template of the module, one function per template.
#include "framework/Template.h"

namespace expert::resources {
constexpr int kExpertDialogTemplate = 22151;

DialogTemplate ExpertDialogTemplate();
}  // namespace expert::resources
