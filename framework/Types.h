#pragma once
// Basic types and constants of the dialog framework, named as on the platform
// the module was written for, so that module code reads the same.
#include <cstdint>

using UINT = unsigned int;
using BOOL = int;
using BYTE = std::uint8_t;
using WORD = std::uint16_t;
using LRESULT = long;
using INT_PTR = std::intptr_t;
using DWORD_PTR = std::uintptr_t;

constexpr BOOL TRUE = 1;
constexpr BOOL FALSE = 0;

// Dialog results and the ids of the standard buttons.
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;

// Window style bits that the framework interprets.
constexpr UINT WS_CHILD = 0x40000000u;
constexpr UINT WS_VISIBLE = 0x10000000u;
constexpr UINT WS_DISABLED = 0x08000000u;
constexpr UINT WS_TABSTOP = 0x00010000u;
constexpr UINT WS_BORDER = 0x00800000u;
constexpr UINT WS_VSCROLL = 0x00200000u;
// Control-specific style bits (low word), meaningful per control kind.
constexpr UINT ES_RIGHT = 0x0002u;
constexpr UINT ES_READONLY = 0x0800u;
constexpr UINT ES_NUMBER = 0x2000u;
constexpr UINT TBS_AUTOTICKS = 0x0001u;
constexpr UINT TCS_FIXEDWIDTH = 0x0400u;
constexpr UINT TCS_MULTILINE = 0x0200u;
constexpr UINT TCS_FOCUSNEVER = 0x8000u;
constexpr UINT BS_DEFPUSHBUTTON = 0x0001u;  // the button Enter presses
constexpr UINT BS_AUTOCHECKBOX = 0x0003u;

// Notification codes carried to the parent of a control.
constexpr int BN_CLICKED = 0;
constexpr int CBN_SELCHANGE = 1;
constexpr int TCN_SELCHANGE = -551;

// Horizontal scroll codes of a slider.
constexpr UINT TB_LINEUP = 0;
constexpr UINT TB_LINEDOWN = 1;
constexpr UINT TB_PAGEUP = 2;
constexpr UINT TB_PAGEDOWN = 3;
constexpr UINT TB_THUMBPOSITION = 4;
constexpr UINT TB_THUMBTRACK = 5;
constexpr UINT TB_TOP = 6;
constexpr UINT TB_BOTTOM = 7;
constexpr UINT TB_ENDTRACK = 8;
constexpr UINT SB_ENDSCROLL = 8;

// Relations for CWnd::GetWindow.
constexpr UINT GW_HWNDNEXT = 2;
constexpr UINT GW_HWNDPREV = 3;
constexpr UINT GW_OWNER = 4;
constexpr UINT GW_CHILD = 5;

// Show commands.
constexpr int SW_HIDE = 0;
constexpr int SW_SHOW = 5;

// Message box flags and answers.
constexpr UINT MB_OK = 0x0000u;
constexpr UINT MB_ICONSTOP = 0x0010u;
constexpr UINT MB_ICONERROR = MB_ICONSTOP;
constexpr UINT MB_ICONMASK = 0x00F0u;

// List and slider sentinels.
constexpr int CB_ERR = -1;

// Entry-point reasons of a module.
constexpr UINT DLL_PROCESS_DETACH = 0;
constexpr UINT DLL_PROCESS_ATTACH = 1;
constexpr UINT DLL_THREAD_ATTACH = 2;
constexpr UINT DLL_THREAD_DETACH = 3;

struct CPoint {
  int x = 0;
  int y = 0;
};

struct CSize {
  int cx = 0;
  int cy = 0;
};

// A rectangle in pixels. Edges, as on the platform; Width/Height derive.
struct CRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool operator==(const CRect&) const = default;
};

// Header of a notification sent through WM_NOTIFY.
struct NMHDR {
  class CWnd* hwndFrom = nullptr;
  int idFrom = 0;
  int code = 0;
};
