// The main dialog: a tab control over the page area and a Close button.
#include "resources/Templates.h"

namespace expert::resources {

DialogTemplate ExpertDialogTemplate() {
  DialogTemplate t;
  t.id = kExpertDialogTemplate;
  t.rect = {0, 0, 441, 293};
  t.caption = "Expert Control";
  t.controls = {
      {ControlKind::Button, 1, "27;Close", {384, 272, 50, 14}, WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, {}},
      {ControlKind::Tab, 21016, "Tab1", {7, 7, 427, 261},
       WS_VISIBLE | TCS_FIXEDWIDTH | TCS_MULTILINE | TCS_FOCUSNEVER, {}},
  };
  return t;
}

}  // namespace expert::resources
