#include "framework/DataExchange.h"

#include <cstdio>

#include "framework/Wnd.h"

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
  if (control.m_hWnd || !pDX || !pDX->m_pDlgWnd || !pDX->m_pDlgWnd->m_hWnd) return;
  HWND child = pDX->m_pDlgWnd->m_hWnd->FindChild(id);
  if (!child) {
    std::fprintf(stderr, "dialog %d has no control %d to bind\n", pDX->m_pDlgWnd->m_hWnd->templateId, id);
    return;
  }
  if (!control.Attach(child))
    std::fprintf(stderr, "control %d of dialog %d is already bound\n", id, pDX->m_pDlgWnd->m_hWnd->templateId);
}
