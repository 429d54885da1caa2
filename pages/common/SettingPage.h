#pragma once
// CSettingPage: what every page of the Expert Control dialog shares. A page
// derives from it, declares its rows (Rows.h) in its own file and keeps the
// handler names of its setting; each handler hands its row to one of the
// patterns below.
//
//   void CControlTabDlg::OnBnClickedMagnifyMinus() { StepDown(kMagnify, m_nMagnify); }
//
// The page reads the model description (model number and type, host lists,
// range texts) from its parent CExpertDlg through Host() and never writes it.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <unordered_map>

#include "catalog/Catalog.h"
#include "framework/Dialog.h"
#include "pages/common/Rows.h"
#include "pages/common/SettingRecord.h"
#include "pages/common/SourceRows.h"

class CExpertDlg;

namespace expert::pages {

// A slider group and the page field that caches its value.
struct SliderBinding {
  const SliderGroup& row;
  std::int16_t& cached;
};

// The four arrow images of a page, loaded from the module's bitmaps and
// owned by the page.
class ArrowBitmaps {
 public:
  CBitmap& operator[](Arrow arrow) { return m_bitmaps[static_cast<int>(arrow)]; }

 private:
  CBitmap m_bitmaps[4];
};

// A slider group bound to the current input source, and its cached value.
struct SourceBinding {
  const SourceGroup& row;
  std::int16_t& cached;
};

class CSettingPage : public CDialog {
 public:
  // Re-reads every value from the projector and shows it.
  virtual void InitDisp() = 0;
  // Every row the refreshes so far have read, with how it went.
  const std::vector<SettingRecord>& SettingsRead() const { return m_settingsRead.All(); }

 protected:
  // `pjt` is the page's own m_pPjt, which the dialog sets before creating it.
  CSettingPage(UINT templateId, CWnd* parent, CPjtInterface* const& pjt);

  // Framework initialisation, the parent dialog, the coded texts (category 4).
  BOOL OnInitDialog() override;
  // Every click and list choice of the user: when its projector calls failed
  // in the link and it showed no box of its own (a reset, My Memory, an auto
  // adjust, a list whose setter reports nothing), the link problem is told
  // again, so that no failure the user caused passes in silence. What the
  // dialog does on its own (opening, refreshing) tells it once.
  BOOL OnCommand(int notification, int id) override;

  const CExpertDlg& Host() const;
  CPjtInterface* Pjt() const { return m_pjt; }

  // Controls by id; a missing id is ignored.
  void Show(std::initializer_list<int> ids, bool show);
  void Enable(std::initializer_list<int> ids, bool enable = true);
  void SetText(int id, const std::string& text);

  // ---- slider groups
  // Slider range from the row's range text (less the offset), else
  // `fallback` or the row's default range; then the tick frequency.
  void SetupSlider(const SliderGroup& row, std::optional<Range> fallback = std::nullopt);
  void EnableGroup(const SliderGroup& row, bool enable = true);
  void HideGroup(const SliderGroup& row);
  // Presets the cached value, reads it and shows it; a failed read disables
  // the group and empties its box. True when the value was read.
  bool ReadSlider(const SliderGroup& row, std::int16_t& cached);
  void StepDown(const SliderGroup& row, std::int16_t& cached) { Step(row, cached, false); }
  void StepUp(const SliderGroup& row, std::int16_t& cached) { Step(row, cached, true); }
  // OnHScroll: on the end of a scroll, sends the position of the slider
  // that scrolled, if it is one of `groups`.
  void ReleaseSlider(UINT code, CWnd* scrollBar, std::initializer_list<SliderBinding> groups);
  // The value in the box and on the slider.
  void ShowSliderValue(const SliderGroup& row, int shown);

  // ---- arrow pairs
  // Loads the row's two images into `bitmaps` and sets them on its buttons.
  void SetArrowImages(const ArrowPair& row, ArrowBitmaps& bitmaps);
  void EnableArrows(const ArrowPair& row, bool enable = true);
  // Reads the value into the box; a failed read disables both buttons and
  // empties the box. True when the value was read.
  bool ReadArrows(const ArrowPair& row, std::int16_t& cached);
  // A click: Inc (raise) or Dec, then the value read back into the box.
  void ArrowClicked(const ArrowPair& row, std::int16_t& cached, bool raise);

  // ---- slider groups bound to the current input source
  // The projector's current input source; empty when it cannot be read.
  std::optional<int> CurrentSource();
  // Reads the value of `source` and shows it, enabling the group; without a
  // source, or when the read fails, the group is disabled and its box emptied.
  void ReadSourceSlider(const SourceGroup& row, std::optional<int> source, std::int16_t& cached);
  // "-" and "+": no bounds; the projector answers with the new value.
  void StepSource(const SourceGroup& row, std::int16_t& cached, bool up);
  // OnHScroll: the released position for the current source; the slider
  // ends on the cached value (a refused or unsent position snaps back).
  void ReleaseSourceSlider(UINT code, CWnd* scrollBar, std::initializer_list<SourceBinding> groups);

  // ---- lists
  void FillList(const ListRow& row);
  void FillList(int listId, std::span<const CatMsg> items);
  // Puts a catalog text in place of a list's first template item (such as
  // "Auto" or "All"); the other template items stay as they are.
  void ReplaceFirstItem(int listId, CatMsg text);
  // Items with their codes as item data.
  void FillList(int listId, std::span<const CodedItem> items);
  // Appends the host's input names, the first m_nInputCount of them.
  void AddInputNames(int listId);
  // The host's name of input `index` (its slot may lack a terminator).
  std::string InputName(int index) const;
  // Reads the value and selects its position; a failed read disables the list.
  // Returns the value read.
  std::optional<int> ReadList(const ListRow& row);
  // The selection-change handler: sends the selected position's value.
  void ListChanged(const ListRow& row);
  int SelectedPosition(int listId) const;
  // Lists filled from a host code table (ListRow::codes): the code of an
  // item, or of the selected one; empty for none.
  std::optional<int> CodeAt(const ListRow& row, int position) const;
  std::optional<int> SelectedCode(const ListRow& row) const;

  // Puts the list back on the position last read or taken (none when the
  // last read failed): a choice that was not sent, or that the projector
  // refused, never stays on show.
  void ShowKnownValue(const ListRow& row);

  // The power list: the projector's power state decides. While it cools
  // down nothing is sent and the one plain notice says why; choosing the
  // state it is in sends nothing.
  void PowerChanged(const ListRow& row, CatMsg readFailure, CatMsg coolingDown);

  // ---- check boxes
  void ReadCheck(const CheckRow& row);
  void CheckClicked(const CheckRow& row);

  // ---- motor steps
  void Nudge(const StepButtons& row, bool up);

  // ---- reset list
  void FillResets(const ResetList& row);
  void SelectFirstReset(const ResetList& row);
  // Runs the reset of the selected item; when it is done, refreshes the page.
  void ExecuteReset(const ResetList& row);
  // My Memory "Execute": loads (positions 0..3) or saves (4..7) the selected
  // memory; a memory loaded or saved refreshes the page. No selection sends nothing.
  void ExecuteMyMemory(int listId);

  // ---- message boxes
  void ShowError(CatMsg message);   // stop icon
  void ShowNotice(CatMsg message);  // no icon
  void Report(const Refusal& refusal);

  // A row read by the page's own code rather than by a pattern.
  void NoteRead(const SettingRecord& record) { m_settingsRead.Note(record); }

 private:
  void Step(const SliderGroup& row, std::int16_t& cached, bool up);
  bool WithinBound(const SliderGroup& row, std::int16_t cached, bool up) const;
  void SelectValue(const ListRow& row, int value);
  int PositionOf(const ListRow& row, int value) const;  // -1: no item shows it
  bool HasPosition(const ListRow& row, int value) const;
  void FillCodes(const ListRow& row);
  int CodePosition(const CodeTable& table, int value) const;

  CPjtInterface* const& m_pjt;
  const CExpertDlg* m_host = nullptr;
  std::unordered_map<int, int> m_listShown;  // list id: the position last read or taken
  SettingRecords m_settingsRead;
};

}  // namespace expert::pages
