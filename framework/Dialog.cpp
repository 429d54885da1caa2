#include "framework/Dialog.h"

#include <algorithm>

#include "framework/WindowTree.h"

namespace {
std::vector<CDialog*>& ModalStack() {
  static auto* stack = new std::vector<CDialog*>;
  return *stack;
}

WindowClass ClassOf(ControlKind kind) {
  switch (kind) {
    case ControlKind::Button: return WindowClass::Button;
    case ControlKind::CheckBox: return WindowClass::CheckBox;
    case ControlKind::BitmapButton: return WindowClass::BitmapButton;
    case ControlKind::Static: return WindowClass::Static;
    case ControlKind::Edit: return WindowClass::Edit;
    case ControlKind::ComboBox: return WindowClass::ComboBox;
    case ControlKind::Slider: return WindowClass::Slider;
    case ControlKind::Tab: return WindowClass::Tab;
  }
  return WindowClass::Static;
}

void CreateControl(HWND dialog, const ControlTemplate& control, const DialogBaseUnits& units) {
  HWND window = CreateWindowState(dialog);
  window->id = control.id;
  window->windowClass = ClassOf(control.kind);
  window->text = control.text;
  window->style = control.style | WS_CHILD;
  window->rect = DialogUnitsToPixels(control.rect, units);
  for (const std::string& item : control.initialItems) window->items.push_back(ListItem{item, 0});
}
}  // namespace

const std::vector<CDialog*>& ModalDialogs() { return ModalStack(); }

CDialog::CDialog(UINT templateId, CWnd* parent) : m_nIDTemplate(templateId), m_pParentWnd(parent) {}

CDialog::~CDialog() {
  if (m_hWnd) DestroyWindow();
}

BOOL CDialog::Create(UINT templateId, CWnd* parent) {
  m_nIDTemplate = templateId;
  const DialogTemplate* found = FindDialogTemplate(static_cast<int>(templateId));
  return found ? CreateFromTemplate(*found, parent, false) : FALSE;
}

BOOL CDialog::CreateIndirect(const DialogTemplate& dialogTemplate, CWnd* parent) {
  m_nIDTemplate = static_cast<UINT>(dialogTemplate.id);
  return CreateFromTemplate(dialogTemplate, parent, false);
}

BOOL CDialog::CreateFromTemplate(const DialogTemplate& dialogTemplate, CWnd* parent, bool modal) {
  if (m_hWnd) return FALSE;
  const bool child = !modal && (dialogTemplate.style & WS_CHILD) && parent && parent->m_hWnd;
  HWND window = CreateWindowState(child ? parent->m_hWnd : nullptr);
  if (!child && parent) window->owner = parent->m_hWnd;
  window->windowClass = WindowClass::Dialog;
  window->templateId = dialogTemplate.id;
  window->text = dialogTemplate.caption;
  window->style = dialogTemplate.style & ~WS_VISIBLE;
  const DialogBaseUnits units = CurrentDisplay().BaseUnits(dialogTemplate.font);
  window->rect = DialogUnitsToPixels(dialogTemplate.rect, units);
  Attach(window);
  for (const ControlTemplate& control : dialogTemplate.controls) CreateControl(window, control, units);
  NotifyDisplay(WindowChange::Created);

  OnInitDialog();
  if (m_hWnd && (modal || (dialogTemplate.style & WS_VISIBLE))) ShowWindow(SW_SHOW);
  return m_hWnd != nullptr;
}

INT_PTR CDialog::DoModal() {
  const DialogTemplate* found = FindDialogTemplate(static_cast<int>(m_nIDTemplate));
  if (!found || m_hWnd) return -1;
  m_bEnded = false;
  m_nModalResult = -1;
  m_bModalRunning = true;
  // Without a parent the dialog is owned by the innermost modal dialog
  // running, the window the user is working in.
  CWnd* owner = m_pParentWnd ? m_pParentWnd : (ModalStack().empty() ? nullptr : ModalStack().back());
  ModalStack().push_back(this);
  if (CreateFromTemplate(*found, owner, true) && !m_bEnded) CurrentDisplay().RunModalLoop(*this);
  auto& stack = ModalStack();
  stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
  m_bModalRunning = false;
  DestroyWindow();
  return m_nModalResult;
}

void CDialog::EndDialog(int result) {
  m_nModalResult = result;
  m_bEnded = true;
  if (m_bModalRunning)
    CurrentDisplay().OnDialogEnded(*this);
  else
    ShowWindow(SW_HIDE);
}

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
  CDataExchange exchange(this, saveAndValidate != FALSE);
  DoDataExchange(&exchange);
  return TRUE;
}

void CDialog::OnOK() { EndDialog(IDOK); }
void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCommand(int notification, int id) {
  if (CWnd::OnCommand(notification, id)) return TRUE;
  if (notification != BN_CLICKED) return FALSE;
  if (id == IDOK) {
    OnOK();
    return TRUE;
  }
  if (id == IDCANCEL) {
    OnCancel();
    return TRUE;
  }
  return FALSE;
}
