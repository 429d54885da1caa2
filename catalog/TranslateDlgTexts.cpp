#include <string>

#include "catalog/Catalog.h"
#include "catalog/CodedLabel.h"
#include "framework/Wnd.h"

namespace {

void TranslateWindowText(int category, CWnd& window) {
  if (const auto number = expert::catalog::ParseCodedLabel(window.GetWindowText())) {
    char text[kCatalogTextSize];
    GetCatalogTextInserts(category, *number, text, {});
    window.SetWindowText(text);
  }
}

}  // namespace

void TranslateDlgTexts(int category, CWnd* dialog) {
  if (MessageCatalog == nullptr || dialog == nullptr || dialog->GetSafeHwnd() == nullptr) return;
  TranslateWindowText(category, *dialog);
  // Direct children only: pages and sub-dialogs translate themselves.
  for (CWnd* child = dialog->GetWindow(GW_CHILD); child != nullptr; child = child->GetWindow(GW_HWNDNEXT)) {
    TranslateWindowText(category, *child);
  }
}
