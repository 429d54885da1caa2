#pragma once
// Message maps: a class's table from (notification, control id) to the member
// handler that answers it. Unhandled messages go to the base class's map.
//
//   BEGIN_MESSAGE_MAP(CMyPage, CDialog)
//     ON_BN_CLICKED(1001, &CMyPage::OnBnClickedPlus)
//     ON_CBN_SELCHANGE(1002, &CMyPage::OnCbnSelchangePower)
//     ON_NOTIFY(TCN_SELCHANGE, 1003, &CMyPage::OnSelchangeTab)
//   END_MESSAGE_MAP()
#include "framework/Types.h"

template <class T>
struct MessageMapEntry {
  int notification = 0;
  int id = 0;
  void (T::*command)() = nullptr;
  void (T::*notify)(NMHDR*, LRESULT*) = nullptr;

  static constexpr MessageMapEntry Command(int notification, int id, void (T::*handler)()) {
    return {notification, id, handler, nullptr};
  }
  static constexpr MessageMapEntry Notify(int notification, int id, void (T::*handler)(NMHDR*, LRESULT*)) {
    return {notification, id, nullptr, handler};
  }
};

template <class T, std::size_t N>
BOOL DispatchMessageMap(T& self, const MessageMapEntry<T> (&entries)[N], int notification, int id, NMHDR* header,
                        LRESULT* result) {
  for (const auto& entry : entries) {
    if (entry.notification != notification || entry.id != id) continue;
    if (entry.command) {
      (self.*entry.command)();
      return TRUE;
    }
    if (entry.notify) {
      LRESULT ignored = 0;
      (self.*entry.notify)(header, result ? result : &ignored);
      return TRUE;
    }
  }
  return FALSE;
}

#define DECLARE_MESSAGE_MAP() \
 protected:                   \
  BOOL OnCmdMsg(int notification, int id, NMHDR* header, LRESULT* result) override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                          \
  BOOL theClass::OnCmdMsg(int notification, int id, NMHDR* header, LRESULT* result) { \
    using ThisClass = theClass;                                                         \
    using TheBaseClass = baseClass;                                                     \
    static const MessageMapEntry<ThisClass> entries[] = {

#define ON_BN_CLICKED(id, handler) MessageMapEntry<ThisClass>::Command(BN_CLICKED, id, handler),
#define ON_CBN_SELCHANGE(id, handler) MessageMapEntry<ThisClass>::Command(CBN_SELCHANGE, id, handler),
#define ON_NOTIFY(code, id, handler) MessageMapEntry<ThisClass>::Notify(code, id, handler),

#define END_MESSAGE_MAP()                                                            \
  MessageMapEntry<ThisClass>{} /* never matches: no handler */                        \
  }                                                                                  \
  ;                                                                                  \
  if (DispatchMessageMap(*this, entries, notification, id, header, result)) return TRUE; \
  return TheBaseClass::OnCmdMsg(notification, id, header, result);                   \
  }
