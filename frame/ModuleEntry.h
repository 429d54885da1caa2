#pragma once
// The module's entry point. The shared library's load and unload call it
// with the attach and detach reasons; tests may call it directly.
#include "framework/Resources.h"

BOOL DllMain(HINSTANCE hInstance, UINT reason, void* reserved);

namespace expert {
// The module's own instance, as recorded by the last entry-point call.
HINSTANCE ModuleHandle();
}  // namespace expert
