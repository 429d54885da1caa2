#include "framework/Controls.h"

#include <algorithm>
#include <cstdlib>

namespace {
bool IsItem(const WindowState* window, int index) { return window && window->HasItem(index); }
}  // namespace

// ---- CButton --------------------------------------------------------------

void CButton::SetCheck(int check) {
  if (!m_hWnd || m_hWnd->check == check) return;
  m_hWnd->check = check;
  NotifyDisplay(WindowChange::Check);
}

int CButton::GetCheck() const { return m_hWnd ? m_hWnd->check : 0; }

HBITMAP CButton::SetBitmap(HBITMAP bitmap) {
  if (!m_hWnd) return nullptr;
  HBITMAP previous = FindBitmap(m_hWnd->bitmapId);
  m_hWnd->bitmapId = bitmap ? bitmap->id : 0;
  NotifyDisplay(WindowChange::Bitmap);
  return previous;
}

HBITMAP CButton::GetBitmap() const { return m_hWnd ? FindBitmap(m_hWnd->bitmapId) : nullptr; }

// ---- CComboBox ------------------------------------------------------------

int CComboBox::AddString(const std::string& text) { return InsertString(-1, text); }

int CComboBox::InsertString(int index, const std::string& text) {
  if (!m_hWnd) return CB_ERR;
  auto& items = m_hWnd->items;
  if (index < -1 || index > static_cast<int>(items.size())) return CB_ERR;
  const int at = index == -1 ? static_cast<int>(items.size()) : index;
  items.insert(items.begin() + at, ListItem{text, 0});
  if (m_hWnd->curSel >= at) ++m_hWnd->curSel;
  NotifyDisplay(WindowChange::Items);
  return at;
}

int CComboBox::DeleteString(int index) {
  if (!IsItem(m_hWnd, index)) return CB_ERR;
  auto& items = m_hWnd->items;
  items.erase(items.begin() + index);
  if (m_hWnd->curSel == index)
    m_hWnd->curSel = -1;
  else if (m_hWnd->curSel > index)
    --m_hWnd->curSel;
  NotifyDisplay(WindowChange::Items);
  return static_cast<int>(items.size());
}

void CComboBox::ResetContent() {
  if (!m_hWnd) return;
  m_hWnd->items.clear();
  m_hWnd->curSel = -1;
  NotifyDisplay(WindowChange::Items);
}

int CComboBox::GetCount() const { return m_hWnd ? static_cast<int>(m_hWnd->items.size()) : CB_ERR; }

int CComboBox::GetCurSel() const { return m_hWnd ? m_hWnd->curSel : CB_ERR; }

int CComboBox::SetCurSel(int index) {
  if (!m_hWnd) return CB_ERR;
  const int selection = IsItem(m_hWnd, index) ? index : -1;
  if (m_hWnd->curSel != selection) {
    m_hWnd->curSel = selection;
    NotifyDisplay(WindowChange::Selection);
  }
  return selection == -1 ? CB_ERR : selection;
}

int CComboBox::SetItemData(int index, DWORD_PTR data) {
  if (!IsItem(m_hWnd, index)) return CB_ERR;
  m_hWnd->items[index].data = data;
  return 0;
}

DWORD_PTR CComboBox::GetItemData(int index) const {
  return IsItem(m_hWnd, index) ? m_hWnd->items[index].data : static_cast<DWORD_PTR>(CB_ERR);
}

int CComboBox::GetLBText(int index, std::string& text) const {
  if (!IsItem(m_hWnd, index)) return CB_ERR;
  text = m_hWnd->items[index].text;
  return static_cast<int>(text.size());
}

int CComboBox::FindStringExact(int startAfter, const std::string& text) const {
  if (!m_hWnd) return CB_ERR;
  const int count = static_cast<int>(m_hWnd->items.size());
  for (int step = 1; step <= count; ++step) {
    const int index = ((startAfter < 0 ? -1 : startAfter) + step) % count;
    if (m_hWnd->items[index].text == text) return index;
  }
  return CB_ERR;
}

// ---- CSliderCtrl ----------------------------------------------------------

void CSliderCtrl::SetRange(int minimum, int maximum, BOOL redraw) {
  if (!m_hWnd) return;
  m_hWnd->rangeMin = minimum;
  m_hWnd->rangeMax = maximum;
  m_hWnd->pos = m_hWnd->ClampToRange(m_hWnd->pos);  // the slider keeps its thumb inside the range
  NotifyDisplay(WindowChange::Range);
  if (redraw) NotifyDisplay(WindowChange::Repaint);
}

void CSliderCtrl::SetRangeMin(int minimum, BOOL redraw) { SetRange(minimum, GetRangeMax(), redraw); }
void CSliderCtrl::SetRangeMax(int maximum, BOOL redraw) { SetRange(GetRangeMin(), maximum, redraw); }
int CSliderCtrl::GetRangeMin() const { return m_hWnd ? m_hWnd->rangeMin : 0; }
int CSliderCtrl::GetRangeMax() const { return m_hWnd ? m_hWnd->rangeMax : 0; }

void CSliderCtrl::GetRange(int& minimum, int& maximum) const {
  minimum = GetRangeMin();
  maximum = GetRangeMax();
}

void CSliderCtrl::SetPos(int pos) {
  if (!m_hWnd) return;
  const int clamped = m_hWnd->ClampToRange(pos);
  if (m_hWnd->pos == clamped) return;
  m_hWnd->pos = clamped;
  NotifyDisplay(WindowChange::Position);
}

int CSliderCtrl::GetPos() const { return m_hWnd ? m_hWnd->pos : 0; }

void CSliderCtrl::SetTicFreq(int frequency) {
  if (!m_hWnd) return;
  m_hWnd->tickFreq = frequency;
  NotifyDisplay(WindowChange::Ticks);
}

int CSliderCtrl::GetTicFreq() const { return m_hWnd ? m_hWnd->tickFreq : 0; }

int CSliderCtrl::SetPageSize(int size) {
  if (!m_hWnd) return 0;
  const int previous = GetPageSize();
  m_hWnd->pageSize = size;
  NotifyDisplay(WindowChange::Range);
  return previous;
}

// The platform's default page is a fifth of the range.
int CSliderCtrl::GetPageSize() const {
  if (!m_hWnd) return 0;
  if (m_hWnd->pageSize > 0) return m_hWnd->pageSize;
  return std::max(1, std::abs(m_hWnd->rangeMax - m_hWnd->rangeMin) / 5);
}

// ---- CTabCtrl -------------------------------------------------------------

int CTabCtrl::InsertItem(int index, const std::string& text) {
  if (!m_hWnd || index < 0) return -1;
  auto& items = m_hWnd->items;
  const int at = std::min(index, static_cast<int>(items.size()));
  items.insert(items.begin() + at, ListItem{text, 0});
  if (items.size() == 1)
    m_hWnd->curSel = 0;  // a tab control always has a tab selected once it has one
  else if (m_hWnd->curSel >= at)
    ++m_hWnd->curSel;
  NotifyDisplay(WindowChange::Items);
  return at;
}

BOOL CTabCtrl::DeleteAllItems() {
  if (!m_hWnd) return FALSE;
  m_hWnd->items.clear();
  m_hWnd->curSel = -1;
  NotifyDisplay(WindowChange::Items);
  return TRUE;
}

int CTabCtrl::GetItemCount() const { return m_hWnd ? static_cast<int>(m_hWnd->items.size()) : 0; }

int CTabCtrl::GetCurSel() const { return m_hWnd ? m_hWnd->curSel : -1; }

int CTabCtrl::SetCurSel(int index) {
  if (!m_hWnd) return -1;
  const int previous = m_hWnd->curSel;
  if (!IsItem(m_hWnd, index)) return -1;
  if (previous != index) {
    m_hWnd->curSel = index;
    NotifyDisplay(WindowChange::Selection);
  }
  return previous;
}

CSize CTabCtrl::SetItemSize(CSize size) {
  if (!m_hWnd) return CSize{};
  const CSize previous = m_hWnd->itemSize;
  m_hWnd->itemSize = size;
  NotifyDisplay(WindowChange::ItemSize);
  return previous;
}

std::string CTabCtrl::GetItemText(int index) const { return IsItem(m_hWnd, index) ? m_hWnd->items[index].text : std::string(); }

// ---- CBitmap --------------------------------------------------------------

BOOL CBitmap::LoadBitmap(UINT id) {
  m_bitmap = FindBitmap(static_cast<int>(id));
  return m_bitmap != nullptr;
}
