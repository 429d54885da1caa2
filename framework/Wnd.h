#pragma once
// CWnd: the object side of a window. It attaches to a WindowState (the
// window handle) and forwards every change to it, telling the display.
// Changes made from code never produce notifications; only user input does
// (see UserInput.h).
#include <string>

#include "framework/Display.h"
#include "framework/Types.h"
#include "framework/WindowState.h"

class CWnd {
 public:
  CWnd() = default;
  virtual ~CWnd();
  CWnd(const CWnd&) = delete;
  CWnd& operator=(const CWnd&) = delete;

  HWND m_hWnd = nullptr;
  HWND GetSafeHwnd() const { return m_hWnd; }
  static CWnd* FromHandle(HWND window);  // the attached object, or a temporary wrapper
  bool Attach(HWND window);               // binds this object to an existing window
  HWND Detach();

  // Identity and text.
  int GetDlgCtrlID() const;
  std::string GetWindowText() const;
  void GetWindowText(std::string& text) const { text = GetWindowText(); }
  void SetWindowText(const std::string& text);
  void SetDlgItemText(int id, const std::string& text);
  std::string GetDlgItemText(int id) const;

  // Relations.
  CWnd* GetParent() const;  // a child's parent; a top-level window's owner
  CWnd* GetOwner() const;
  CWnd* GetWindow(UINT cmd) const;  // GW_CHILD, GW_HWNDNEXT, GW_HWNDPREV, GW_OWNER
  CWnd* GetDlgItem(int id) const;

  // Style.
  BOOL ShowWindow(int cmd);  // returns whether it was visible before
  BOOL IsWindowVisible() const;  // visible, and every ancestor visible
  BOOL EnableWindow(BOOL enable = TRUE);  // returns whether it was disabled before
  BOOL IsWindowEnabled() const;
  UINT GetStyle() const;

  // Geometry, in pixels.
  static const CWnd wndTop;
  void MoveWindow(int x, int y, int width, int height, BOOL repaint = TRUE);
  BOOL SetWindowPos(const CWnd* insertAfter, int x, int y, int cx, int cy, UINT flags);
  void GetWindowRect(CRect* rect) const;  // in the parent's client coordinates
  void GetClientRect(CRect* rect) const;
  void UpdateWindow();
  void Invalidate(BOOL erase = TRUE);

  int MessageBox(const std::string& text, const char* caption = nullptr, UINT type = MB_OK);
  virtual BOOL DestroyWindow();

  // Messages. Controls send these to their parent's object.
  virtual BOOL OnCommand(int notification, int id);
  virtual BOOL OnNotify(NMHDR* header, LRESULT* result);
  virtual void OnHScroll(UINT code, UINT pos, CWnd* scrollBar);
  virtual void OnDestroy() {}

 protected:
  // The message-map lookup (DECLARE_MESSAGE_MAP overrides it).
  virtual BOOL OnCmdMsg(int notification, int id, NMHDR* header, LRESULT* result);
  void NotifyDisplay(WindowChange change) const;
};

constexpr UINT SWP_NOSIZE = 0x0001u;
constexpr UINT SWP_NOMOVE = 0x0002u;
constexpr UINT SWP_NOZORDER = 0x0004u;

// The application name: the caption of AfxMessageBox and of the module's
// message boxes. Until AfxSetAppName names one, the default source gives it,
// asked afresh each time so that it follows the current language (the
// message catalog installs one while it is loaded); without a source it is
// "Projector Manager".
void AfxSetAppName(const std::string& name);
void AfxSetDefaultAppNameSource(std::string (*source)());
std::string AfxGetAppName();
int AfxMessageBox(const std::string& text, UINT type = MB_OK);
