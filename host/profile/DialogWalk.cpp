#include "host/profile/DialogWalk.h"

#include <algorithm>
#include <mutex>
#include <vector>

#include "frame/ExpertDlg.h"
#include "frame/PageTable.h"
#include "framework/HeadlessDisplay.h"
#include "framework/Resources.h"
#include "framework/UserInput.h"
#include "host/core/EntryLink.h"
#include "pages/common/SettingPage.h"
#include "projector/LinkProblemText.h"
#include "resources/Templates.h"

namespace profile {
namespace {

std::mutex& WalkMutex() {
  static std::mutex mutex;
  return mutex;
}

// "73;Brightness\t\t:" → "Brightness"; an uncoded text gives nothing.
std::string EnglishNote(const std::string& coded) {
  const std::size_t semicolon = coded.find(';');
  if (semicolon == std::string::npos || semicolon == 0) return {};
  for (std::size_t i = 0; i < semicolon; ++i)
    if (coded[i] < '0' || coded[i] > '9') return {};
  std::string note = coded.substr(semicolon + 1);
  note = note.substr(0, note.find('\t'));
  while (!note.empty() && (note.back() == ':' || note.back() == ' ')) note.pop_back();
  return note;
}

// A push button labelled with an ellipsis opens a dialog: the platform's
// convention, which the templates keep ("Custom...", "Service...").
bool OpensDialog(const ControlTemplate& control) {
  const std::string note = EnglishNote(control.text);
  return control.kind == ControlKind::Button && note.size() > 3 && note.ends_with("...");
}

// The row a control sits on: a drop-down list's rectangle includes its open
// list, so only a row's height of it counts.
constexpr int kRowHeight = 14;
bool RowsOverlap(const DluRect& a, const DluRect& b) {
  return a.y < b.y + std::min(b.cy, kRowHeight) && b.y < a.y + std::min(a.cy, kRowHeight);
}

class Walk {
 public:
  Walk(CExpertDlg& dialog, const PageVisitor& visit) : m_dialog(dialog), m_visit(visit) {}

  bool Pump(CDialog& top) {
    if (&top != &m_dialog) {
      VisitSettingsDialog(top);
    } else if (!m_walked) {
      m_walked = true;
      VisitTabs();
      m_dialog.EndDialog(IDOK);
    } else {
      m_dialog.EndDialog(IDOK);
    }
    return true;
  }

 private:
  void VisitTabs() {
    const int tabs = m_dialog.m_tab.GetItemCount();
    for (int index = 1; index < tabs; ++index) {
      const int templateId = expert::TemplateForTab(m_dialog.m_nModelType, m_dialog.m_nModelNo, index);
      if (!IsSettingsPage(templateId)) continue;
      auto* page = dynamic_cast<expert::pages::CSettingPage*>(m_dialog.PageForTemplate(templateId));
      if (!page) continue;
      UserSelectTab(m_dialog.m_tab.GetSafeHwnd(), index);
      m_context = {templateId, index, TabTitle(index), false};
      m_visit(*page, m_context);
      OpenSettingsDialogs(*page, templateId);
    }
  }

  std::string TabTitle(int index) const {
    const WindowState* tab = m_dialog.m_tab.GetSafeHwnd();
    return tab && tab->HasItem(index) ? tab->items[static_cast<std::size_t>(index)].text : std::string();
  }

  // The page's buttons that open a settings dialog, as a user clicks them;
  // the dialog is visited while it runs (Pump).
  void OpenSettingsDialogs(expert::pages::CSettingPage& page, int templateId) {
    const DialogTemplate* found = FindDialogTemplate(templateId);
    if (!found) return;
    for (const ControlTemplate& control : found->controls) {
      if (!OpensDialog(control)) continue;
      HWND button = page.GetSafeHwnd() ? page.GetSafeHwnd()->FindChild(control.id) : nullptr;
      if (!button || !IsWindowUsable(button)) continue;
      UserClick(button);
    }
  }

  void VisitSettingsDialog(CDialog& top) {
    if (auto* page = dynamic_cast<expert::pages::CSettingPage*>(&top)) {
      PageContext context = m_context;
      context.templateId = static_cast<int>(top.GetTemplateId());
      context.dialog = true;
      m_visit(*page, context);
    }
    if (!top.HasEnded()) UserEscape(top.GetSafeHwnd());
  }

  CExpertDlg& m_dialog;
  const PageVisitor& m_visit;
  PageContext m_context;
  bool m_walked = false;
};

}  // namespace

bool IsSettingsPage(int templateId) {
  namespace r = expert::resources;
  return templateId != 0 && templateId != r::kStatusPage && templateId != r::kControlPage &&
         templateId != r::kControlType4Page;
}

std::string ControlLabel(int templateId, int controlId) {
  const DialogTemplate* found = FindDialogTemplate(templateId);
  if (!found) return std::to_string(controlId);
  const auto self = std::find_if(found->controls.begin(), found->controls.end(),
                                 [&](const ControlTemplate& c) { return c.id == controlId; });
  if (self == found->controls.end()) return std::to_string(controlId);
  // A value control between a label and this one ends the label's reach:
  // "Color Temp" of the left column is not the label of "Contrast" on its right.
  const auto blocked = [&](const ControlTemplate& label) {
    return std::any_of(found->controls.begin(), found->controls.end(), [&](const ControlTemplate& other) {
      const bool valueControl = other.kind == ControlKind::ComboBox || other.kind == ControlKind::Slider ||
                                other.kind == ControlKind::Edit || other.kind == ControlKind::CheckBox;
      return valueControl && &other != &*self && other.rect.x > label.rect.x && other.rect.x < self->rect.x &&
             RowsOverlap(other.rect, self->rect);
    });
  };
  std::vector<const ControlTemplate*> left;
  for (const ControlTemplate& control : found->controls)
    if (control.kind == ControlKind::Static && control.rect.x < self->rect.x && RowsOverlap(control.rect, self->rect) &&
        !EnglishNote(control.text).empty() && !blocked(control))
      left.push_back(&control);
  std::sort(left.begin(), left.end(), [](auto* a, auto* b) { return a->rect.x < b->rect.x; });
  std::string label;
  for (const ControlTemplate* control : left) label += (label.empty() ? "" : ": ") + EnglishNote(control->text);
  if (self->kind == ControlKind::CheckBox && !EnglishNote(self->text).empty())
    label += (label.empty() ? "" : ": ") + EnglishNote(self->text);
  return label.empty() ? std::to_string(controlId) : label;
}

std::optional<std::string> WalkDialog(const host::ProjectorEntry& entry, const models::ModelDatabase& database,
                                      const WalkOptions& options, const PageVisitor& visit) {
  std::string problem;
  const std::optional<CProjectorItem> item = host::MakeProjectorItem(entry, database, problem);
  if (!item) return problem;

  const std::lock_guard<std::mutex> lock(WalkMutex());
  CExpertDlg dialog;
  dialog.CopyData(&*item);
  host::AttachEntry(dialog.m_pjt, entry, options.transports, options.timeoutMs);
  if (options.before)
    if (std::optional<std::string> refused = options.before(dialog.m_pjt)) return refused;

  HeadlessDisplay& display = TheHeadlessDisplay();
  DisplayBackend* previous = SetDisplay(&display);
  display.TakeMessageBoxes();
  Walk walk(dialog, visit);
  display.SetPump([&walk](CDialog& top) { return walk.Pump(top); });
  const INT_PTR result = dialog.DoModal();
  display.SetPump(nullptr);
  SetDisplay(previous);
  if (result == -1) return "the dialog could not be created for model " + std::to_string(entry.modelType) + "/" +
                           std::to_string(entry.modelNo);
  // A link that failed on the way leaves the walk incomplete.
  if (dialog.m_pjt.LinkProblem()) return LinkProblemText(*dialog.m_pjt.LinkProblem());
  return std::nullopt;
}

Kind KindOf(expert::pages::SettingKind kind) {
  using expert::pages::SettingKind;
  switch (kind) {
    case SettingKind::List: return Kind::List;
    case SettingKind::Slider: return Kind::Slider;
    case SettingKind::Check: return Kind::Check;
    case SettingKind::Arrows: return Kind::Arrows;
  }
  return Kind::List;
}

}  // namespace profile
