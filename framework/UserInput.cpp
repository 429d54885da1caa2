#include "framework/UserInput.h"

#include "framework/Wnd.h"

namespace {
CWnd* ParentObject(HWND control) { return control && control->parent ? control->parent->attached : nullptr; }

void SendCommand(HWND control, int notification) {
  if (CWnd* parent = ParentObject(control)) parent->OnCommand(notification, control->id);
}

void SendScroll(HWND slider, UINT code, int pos) {
  if (CWnd* parent = ParentObject(slider)) parent->OnHScroll(code, static_cast<UINT>(pos), CWnd::FromHandle(slider));
}

void Change(HWND window, WindowChange change) { CurrentDisplay().OnWindowChanged(window, change); }
}  // namespace

void UserClick(HWND control) {
  if (!control) return;
  if (control->windowClass == WindowClass::CheckBox) {
    control->check = control->check ? 0 : 1;
    Change(control, WindowChange::Check);
  }
  SendCommand(control, BN_CLICKED);
}

void UserSetCheck(HWND control, int state) {
  if (!control) return;
  if (control->check != state) {
    control->check = state;
    Change(control, WindowChange::Check);
  }
  SendCommand(control, BN_CLICKED);
}

bool UserSelectListItem(HWND combo, int index) {
  if (!combo || !combo->HasItem(index)) return false;
  if (combo->curSel != index) {
    combo->curSel = index;
    Change(combo, WindowChange::Selection);
  }
  SendCommand(combo, CBN_SELCHANGE);
  return true;
}

bool UserSelectTab(HWND tab, int index) {
  if (!tab || !tab->HasItem(index)) return false;
  if (tab->curSel != index) {
    tab->curSel = index;
    Change(tab, WindowChange::Selection);
  }
  if (CWnd* parent = ParentObject(tab)) {
    NMHDR header{CWnd::FromHandle(tab), tab->id, TCN_SELCHANGE};
    LRESULT result = 0;
    parent->OnNotify(&header, &result);
  }
  return true;
}

void UserSliderScroll(HWND slider, UINT code, int pos) {
  if (!slider) return;
  if (code != TB_ENDTRACK) {
    const int clamped = slider->ClampToRange(pos);
    if (slider->pos != clamped) {
      slider->pos = clamped;
      Change(slider, WindowChange::Position);
    }
    pos = clamped;
  }
  SendScroll(slider, code, code == TB_ENDTRACK ? 0 : pos);
}

void UserSlide(HWND slider, int pos) {
  if (!slider) return;
  UserSliderScroll(slider, TB_THUMBTRACK, pos);
  UserSliderScroll(slider, TB_ENDTRACK, 0);
}

void UserEscape(HWND dialog) {
  if (dialog && dialog->attached) dialog->attached->OnCommand(BN_CLICKED, IDCANCEL);
}
