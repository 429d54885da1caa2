#pragma once
// The module's own resources: dialog templates, arrow bitmaps and the string
// table, gathered into the module's instance (built on first use, so that it
// is ready whenever the module's entry point runs).
#include "framework/Resources.h"

namespace expert::resources {
HINSTANCE ModuleInstance();

// Bitmap resources of the four arrow buttons.
constexpr int kArrowRight = 22154;
constexpr int kArrowDown = 22155;
constexpr int kArrowLeft = 22156;
constexpr int kArrowUp = 22157;
}  // namespace expert::resources
