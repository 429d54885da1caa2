#include "framework/Wnd.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "framework/WindowTree.h"

namespace {
std::vector<std::unique_ptr<WindowState>>& TopLevel() {
  static auto* windows = new std::vector<std::unique_ptr<WindowState>>;  // outlives every module
  return *windows;
}

using Siblings = std::vector<std::unique_ptr<WindowState>>;

Siblings& SiblingsOf(HWND window) { return window->parent ? window->parent->children : TopLevel(); }

// Where a window stands among its siblings (the end when it is not there).
Siblings::iterator PositionOf(HWND window) {
  Siblings& siblings = SiblingsOf(window);
  return std::find_if(siblings.begin(), siblings.end(), [&](const auto& p) { return p.get() == window; });
}

void SendDestroy(HWND window) {
  if (window->attached) window->attached->OnDestroy();
  for (auto& child : window->children) SendDestroy(child.get());
}

void DetachAll(HWND window) {
  for (auto& child : window->children) DetachAll(child.get());
  if (window->attached) window->attached->m_hWnd = nullptr;
  window->attached = nullptr;
  if (window->temporary) window->temporary->m_hWnd = nullptr;
}

std::optional<std::string> g_appName;  // set by AfxSetAppName
std::string (*g_defaultAppName)() = nullptr;
}  // namespace

HWND CreateWindowState(HWND parent) {
  auto window = std::make_unique<WindowState>();
  window->parent = parent;
  HWND raw = window.get();
  (parent ? parent->children : TopLevel()).push_back(std::move(window));
  return raw;
}

void DestroyWindowState(HWND window) {
  CurrentDisplay().OnWindowChanged(window, WindowChange::Destroyed);
  SendDestroy(window);
  DetachAll(window);
  auto& siblings = SiblingsOf(window);
  const auto it = PositionOf(window);
  if (it == siblings.end()) return;
  std::unique_ptr<WindowState> doomed = std::move(*it);
  siblings.erase(it);
  // Owned windows lose their owner rather than point at freed memory.
  for (auto& top : TopLevel())
    if (top->owner == window) top->owner = nullptr;
}

CWnd::~CWnd() {
  if (!m_hWnd) return;
  // A wrapper going away before its window: the window stays, unbound.
  if (m_hWnd->attached == this) m_hWnd->attached = nullptr;
  m_hWnd = nullptr;
}

const CWnd CWnd::wndTop;

CWnd* CWnd::FromHandle(HWND window) {
  if (!window) return nullptr;
  if (window->attached) return window->attached;
  if (!window->temporary) {
    window->temporary = std::make_unique<CWnd>();
    window->temporary->m_hWnd = window;
  }
  return window->temporary.get();
}

bool CWnd::Attach(HWND window) {
  if (!window || m_hWnd || window->attached) return false;
  window->attached = this;
  m_hWnd = window;
  return true;
}

HWND CWnd::Detach() {
  HWND window = m_hWnd;
  if (window && window->attached == this) window->attached = nullptr;
  m_hWnd = nullptr;
  return window;
}

void CWnd::NotifyDisplay(WindowChange change) const {
  if (m_hWnd) CurrentDisplay().OnWindowChanged(m_hWnd, change);
}

int CWnd::GetDlgCtrlID() const { return m_hWnd ? m_hWnd->id : 0; }

std::string CWnd::GetWindowText() const { return m_hWnd ? m_hWnd->text : std::string(); }

void CWnd::SetWindowText(const std::string& text) {
  if (!m_hWnd || m_hWnd->text == text) return;
  m_hWnd->text = text;
  NotifyDisplay(WindowChange::Text);
}

void CWnd::SetDlgItemText(int id, const std::string& text) {
  if (CWnd* item = GetDlgItem(id)) item->SetWindowText(text);
}

std::string CWnd::GetDlgItemText(int id) const {
  const CWnd* item = GetDlgItem(id);
  return item ? item->GetWindowText() : std::string();
}

CWnd* CWnd::GetParent() const {
  if (!m_hWnd) return nullptr;
  return FromHandle(m_hWnd->parent ? m_hWnd->parent : m_hWnd->owner);
}

CWnd* CWnd::GetOwner() const { return m_hWnd ? FromHandle(m_hWnd->owner ? m_hWnd->owner : m_hWnd->parent) : nullptr; }

CWnd* CWnd::GetWindow(UINT cmd) const {
  if (!m_hWnd) return nullptr;
  switch (cmd) {
    case GW_CHILD:
      return m_hWnd->children.empty() ? nullptr : FromHandle(m_hWnd->children.front().get());
    case GW_OWNER:
      return FromHandle(m_hWnd->owner);
    case GW_HWNDNEXT:
    case GW_HWNDPREV: {
      auto& siblings = SiblingsOf(m_hWnd);
      const auto it = PositionOf(m_hWnd);
      if (it == siblings.end()) return nullptr;
      if (cmd == GW_HWNDNEXT) return std::next(it) == siblings.end() ? nullptr : FromHandle(std::next(it)->get());
      return it == siblings.begin() ? nullptr : FromHandle(std::prev(it)->get());
    }
    default:
      return nullptr;
  }
}

CWnd* CWnd::GetDlgItem(int id) const { return m_hWnd ? FromHandle(m_hWnd->FindChild(id)) : nullptr; }

BOOL CWnd::ShowWindow(int cmd) {
  if (!m_hWnd) return FALSE;
  const BOOL wasVisible = m_hWnd->IsVisible();
  const bool show = cmd != SW_HIDE;
  if (show != static_cast<bool>(wasVisible)) {
    m_hWnd->style = show ? (m_hWnd->style | WS_VISIBLE) : (m_hWnd->style & ~WS_VISIBLE);
    NotifyDisplay(WindowChange::Style);
  }
  return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
  for (const WindowState* w = m_hWnd; w; w = w->parent)
    if (!w->IsVisible()) return FALSE;
  return m_hWnd != nullptr;
}

BOOL CWnd::EnableWindow(BOOL enable) {
  if (!m_hWnd) return FALSE;
  const BOOL wasDisabled = !m_hWnd->IsEnabled();
  if (static_cast<bool>(enable) == static_cast<bool>(wasDisabled)) {
    m_hWnd->style = enable ? (m_hWnd->style & ~WS_DISABLED) : (m_hWnd->style | WS_DISABLED);
    NotifyDisplay(WindowChange::Style);
  }
  return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return m_hWnd && m_hWnd->IsEnabled(); }

UINT CWnd::GetStyle() const { return m_hWnd ? m_hWnd->style : 0; }

void CWnd::MoveWindow(int x, int y, int width, int height, BOOL) {
  if (!m_hWnd) return;
  const CRect rect{x, y, x + width, y + height};
  if (m_hWnd->rect == rect) return;
  m_hWnd->rect = rect;
  NotifyDisplay(WindowChange::Geometry);
}

BOOL CWnd::SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags) {
  if (!m_hWnd) return FALSE;
  const CRect& r = m_hWnd->rect;
  const int width = (flags & SWP_NOSIZE) ? r.Width() : cx;
  const int height = (flags & SWP_NOSIZE) ? r.Height() : cy;
  const int left = (flags & SWP_NOMOVE) ? r.left : x;
  const int top = (flags & SWP_NOMOVE) ? r.top : y;
  MoveWindow(left, top, width, height);
  if (!(flags & SWP_NOZORDER) && insertAfter == &wndTop) {
    auto& siblings = SiblingsOf(m_hWnd);
    const auto it = PositionOf(m_hWnd);
    if (it != siblings.end() && it != siblings.begin()) {
      std::rotate(siblings.begin(), it, std::next(it));
      NotifyDisplay(WindowChange::ZOrder);
    }
  }
  return TRUE;
}

void CWnd::GetWindowRect(CRect* rect) const {
  if (rect) *rect = m_hWnd ? m_hWnd->rect : CRect{};
}

void CWnd::GetClientRect(CRect* rect) const {
  if (rect) *rect = m_hWnd ? CRect{0, 0, m_hWnd->rect.Width(), m_hWnd->rect.Height()} : CRect{};
}

void CWnd::UpdateWindow() { NotifyDisplay(WindowChange::Repaint); }
void CWnd::Invalidate(BOOL) { NotifyDisplay(WindowChange::Repaint); }

int CWnd::MessageBox(const std::string& text, const char* caption, UINT type) {
  return CurrentDisplay().ShowMessageBox(MessageBoxRequest{m_hWnd, text, caption ? caption : "Error", type});
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  DestroyWindowState(m_hWnd);
  return TRUE;
}

BOOL CWnd::OnCommand(int notification, int id) { return OnCmdMsg(notification, id, nullptr, nullptr); }

BOOL CWnd::OnNotify(NMHDR* header, LRESULT* result) {
  return header ? OnCmdMsg(header->code, header->idFrom, header, result) : FALSE;
}

void CWnd::OnHScroll(UINT, UINT, CWnd*) {}

BOOL CWnd::OnCmdMsg(int, int, NMHDR*, LRESULT*) { return FALSE; }

void AfxSetAppName(const std::string& name) { g_appName = name; }
void AfxSetDefaultAppNameSource(std::string (*source)()) { g_defaultAppName = source; }

std::string AfxGetAppName() {
  if (g_appName) return *g_appName;
  if (g_defaultAppName) return g_defaultAppName();
  return "Projector Manager";
}

int AfxMessageBox(const std::string& text, UINT type) {
  return CurrentDisplay().ShowMessageBox(MessageBoxRequest{nullptr, text, AfxGetAppName(), type});
}
