#pragma once
// A typed view on one control of a page, whether or not a member is bound to
// it: it shares the control's window state and never takes its binding.
#include "framework/Controls.h"

namespace expert::pages {

template <class Control>
class ControlView : public Control {
 public:
  explicit ControlView(HWND window) { this->m_hWnd = window; }
};

inline HWND ChildWindow(const CWnd& parent, int id) {
  return parent.m_hWnd && id != 0 ? parent.m_hWnd->FindChild(id) : nullptr;
}

}  // namespace expert::pages
