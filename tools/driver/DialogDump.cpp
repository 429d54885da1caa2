#include "tools/driver/DialogDump.h"

#include "tools/driver/ControlLookup.h"

namespace driver {
namespace {

OrderedJson ItemTexts(const WindowState& window) {
  OrderedJson texts = OrderedJson::array();
  for (const ListItem& item : window.items) texts.push_back(item.text);
  return texts;
}

OrderedJson Controls(const WindowState& window) {
  OrderedJson controls = OrderedJson::array();
  for (const auto& child : window.children)
    if (!IsPage(*child)) controls.push_back(DumpControl(*child));
  return controls;
}

}  // namespace

OrderedJson RectToJson(const CRect& rect) { return {rect.left, rect.top, rect.Width(), rect.Height()}; }

OrderedJson DumpControl(const WindowState& control) {
  OrderedJson json = {{"id", control.id},
                         {"kind", WindowClassName(control.windowClass)},
                         {"text", control.text},
                         {"visible", control.IsVisible()},
                         {"enabled", control.IsEnabled()},
                         {"rect", RectToJson(control.rect)}};
  switch (control.windowClass) {
    case WindowClass::ComboBox: {
      json["items"] = ItemTexts(control);
      OrderedJson data = OrderedJson::array();
      for (const ListItem& item : control.items) data.push_back(static_cast<unsigned long long>(item.data));
      json["data"] = std::move(data);
      json["sel"] = control.curSel;
      break;
    }
    case WindowClass::Tab:
      json["items"] = ItemTexts(control);
      json["sel"] = control.curSel;
      break;
    case WindowClass::Slider:
      json["min"] = control.rangeMin;
      json["max"] = control.rangeMax;
      json["pos"] = control.pos;
      json["tick"] = control.tickFreq;
      if (control.pageSize > 0) json["page"] = control.pageSize;
      break;
    case WindowClass::CheckBox:
      json["check"] = control.check;
      break;
    case WindowClass::BitmapButton:
      json["bitmap"] = control.bitmapId != 0 ? OrderedJson(control.bitmapId) : OrderedJson(nullptr);
      break;
    default:
      break;
  }
  return json;
}

OrderedJson DumpDialog(const WindowState& dialog) {
  OrderedJson pages = OrderedJson::array();
  for (const auto& child : dialog.children) {
    if (!IsPage(*child)) continue;
    pages.push_back({{"template", child->templateId},
                     {"visible", child->IsVisible()},
                     {"rect", RectToJson(child->rect)},
                     {"controls", Controls(*child)}});
  }
  return {{"template", dialog.templateId},
          {"caption", dialog.text},
          {"rect", RectToJson(dialog.rect)},
          {"controls", Controls(dialog)},
          {"pages", std::move(pages)}};
}

OrderedJson ModalEvent(const WindowState& dialog) {
  const WindowState* tab = FindTabControl(dialog);
  return {{"event", "modal"},
          {"template", dialog.templateId},
          {"caption", dialog.text},
          {"tabs", tab ? ItemTexts(*tab) : OrderedJson::array()},
          {"tab", tab ? tab->curSel : -1}};
}

}  // namespace driver
