#pragma once
// The control classes the module uses. Each is a view on its window's state;
// none of their setters notifies anyone but the display.
#include <string>

#include "framework/Resources.h"
#include "framework/Wnd.h"

class CStatic : public CWnd {};
class CEdit : public CWnd {};

class CButton : public CWnd {
 public:
  void SetCheck(int check);
  int GetCheck() const;
  HBITMAP SetBitmap(HBITMAP bitmap);  // returns the previous image
  HBITMAP GetBitmap() const;
};

class CComboBox : public CWnd {
 public:
  int AddString(const std::string& text);                // index of the new item
  int InsertString(int index, const std::string& text);  // -1 appends; CB_ERR if out of range
  int DeleteString(int index);                           // items left, or CB_ERR
  void ResetContent();
  int GetCount() const;
  int GetCurSel() const;                                 // CB_ERR when nothing is selected
  int SetCurSel(int index);                              // -1 clears; CB_ERR if not an item
  int SetItemData(int index, DWORD_PTR data);            // CB_ERR if not an item
  DWORD_PTR GetItemData(int index) const;                // CB_ERR if not an item
  int GetLBText(int index, std::string& text) const;     // length, or CB_ERR
  int FindStringExact(int startAfter, const std::string& text) const;
};

class CSliderCtrl : public CWnd {
 public:
  void SetRange(int minimum, int maximum, BOOL redraw = FALSE);
  void SetRangeMin(int minimum, BOOL redraw = FALSE);
  void SetRangeMax(int maximum, BOOL redraw = FALSE);
  int GetRangeMin() const;
  int GetRangeMax() const;
  void GetRange(int& minimum, int& maximum) const;
  void SetPos(int pos);  // clamped to the range
  int GetPos() const;
  void SetTicFreq(int frequency);
  int GetTicFreq() const;
  int SetPageSize(int size);  // returns the previous size
  int GetPageSize() const;
};

class CTabCtrl : public CWnd {
 public:
  int InsertItem(int index, const std::string& text);  // the first item becomes selected
  BOOL DeleteAllItems();
  int GetItemCount() const;
  int GetCurSel() const;
  int SetCurSel(int index);  // previous selection; no notification
  CSize SetItemSize(CSize size);
  std::string GetItemText(int index) const;
};

class CBitmap {
 public:
  BOOL LoadBitmap(UINT id);  // looked up through the resource chain
  HBITMAP GetSafeHandle() const { return m_bitmap; }
  operator HBITMAP() const { return m_bitmap; }

 private:
  HBITMAP m_bitmap = nullptr;
};
