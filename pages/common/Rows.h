#pragma once
// The rows a page is made of, as data. A page declares one constant per row
// in its own file and hands it to the patterns of CSettingPage; what a row
// does differently from the usual is a field of its declaration.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "catalog/Catalog.h"
#include "pages/common/Channel.h"
#include "pages/common/RangeText.h"

class CComboBox;
class CExpertDlg;

namespace expert::pages {

// What a refused change shows: an error box (stop icon) with a category-2201
// message, or nothing.
struct Refusal {
  bool silent = true;
  CatMsg message{};
};
constexpr Refusal ErrorBox(CatMsg message) { return {false, message}; }
constexpr Refusal kSilent{};

// Where a "-" or "+" button stops.
struct Bound {
  enum class Kind { None, Fixed, SliderEnd } kind = Kind::None;
  int value = 0;
};
constexpr Bound StopAt(int value) { return {Bound::Kind::Fixed, value}; }
constexpr Bound kAtSliderEnd{Bound::Kind::SliderEnd, 0};  // the slider range's end, as set up
constexpr Bound kNoBound{};

// "-" button, slider, "+" button and value box of one numeric setting. The
// cached value (a field of the page) holds the value as shown: raw − offset.
// A group without a slider (0) is a pair of step buttons with a value box.
struct SliderGroup {
  int minus = 0, slider = 0, plus = 0, box = 0;  // control ids; 0: the group has none
  Channel io;
  int offset = 0;  // raw value = shown value + offset
  Bound lower, upper;
  int rangeText = -1;    // the m_strRange entry of the slider range; -1: none
  Range defaultRange{};  // when the range text gives none
  int tick = 1;
  int pageSize = 0;  // the slider's page move; 0: the slider's own
  // A released slider sends its position cut down to a multiple of this
  // (never below the slider's minimum) and shows what it sent.
  int multiple = 1;
  Refusal onStepRefused;                // "-" and "+"
  std::optional<Refusal> onSlideRefused;  // the slider; empty: as the buttons
  bool snapBack = true;  // a refused slide puts the slider back on the cached value
  int preset = 0;        // cached value and box text before each read
  bool readBeforeStep = false;  // "-" and "+" step only when the projector answers a read first
  std::string (*format)(int shown) = nullptr;  // value box text; null: "%d"
  // A step that changes nothing, or a refused slide, empties the value box:
  // the box then vouches for no value until the next good read or change.
  bool emptyBoxWhenUnchanged = false;
  // A failed read also moves the slider to the preset, so that it never
  // stands on an old value next to an empty box.
  bool presetSliderWhenUnread = false;
};

// The auto power off group of every model type: Get and Set 0x3110 with no
// offset, range text 0 (default 0..99). Its buttons hand the cached value to
// the projector and show what comes back (the same value: nothing changes,
// nothing is reported); a refused slide shows 2201/37. `ids` gives the
// control ids and the tick. A failed read disables the buttons and the slider.
SliderGroup AutoPowerOffGroup(const SliderGroup& ids);

// Two bitmap arrow buttons and a value box (picture or menu position): every
// click steps, with no bound, and the value is read back into the box. Which
// arrow raises the value differs between pages.
enum class Arrow { Up, Down, Left, Right };
struct ArrowPair {
  int raise = 0, lower = 0;  // the buttons that send Inc and Dec
  Arrow raiseArrow = Arrow::Up, lowerArrow = Arrow::Down;  // their images
  int box = 0;
  Channel io;
  Refusal onRefused;
  int offset = 0;  // raw value = shown value + offset
};

// The dialog's host code tables: a count and up to 32 codes each.
enum class HostTable { Aspect, Gamma, ColorTemp, MyButton };
// The first `count` codes of a table, the count taken as 0 to 32 whatever
// the host handed over.
std::span<const int> HostCodes(const CExpertDlg& host, HostTable table);

// A list filled from a host code table: one item per code in table order,
// the code kept as the item's data. The value read selects the first item
// whose code equals it (none when no code does); a chosen item sends its
// code, or its position for setters that take one (SetAspect, SetGamma).
// No selection sends nothing. An empty table disables the list unread.
struct CodeTable {
  HostTable table = HostTable::Aspect;
  int textBase = 0;  // item text: catalog 5/(code + textBase)
  // Another text for some codes (on some models); empty: the rule above.
  std::optional<CatMsg> (*textFor)(const CExpertDlg& host, int code) = nullptr;
  bool sendsPosition = false;
};

// Drop-down list: how list positions and projector values correspond.
struct ListMap {
  // The position showing `value`; -1: none.
  int (*position)(const CExpertDlg& host, const CComboBox& list, int value) = nullptr;
  // The value to send for `position` (a selected item); empty: send nothing.
  std::optional<int> (*value)(const CExpertDlg& host, const CComboBox& list, int position) = nullptr;
};

struct ListRow {
  int list = 0;
  Channel io;
  ListMap map;  // null functions: position = value
  std::vector<CatMsg> items;  // filled by FillList; empty: the page fills it
  Refusal onRefused;
  bool rereadWhenRefused = false;      // a refused choice shows the projector's value again
  bool unknownKeepsSelection = false;  // a value with no position leaves the list as it was
  std::optional<CodeTable> codes;      // filled from a host code table; `map` is then unused
  // The chosen item's text goes to the projector object's m_strSelItemText
  // before the setter runs.
  bool passItemText = false;
};

// Automatic check box: ticked = 1.
struct CheckRow {
  int box = 0;
  Channel io;
  Refusal onRefused;
  bool rereadWhenRefused = false;
};

// "-" and "+" buttons of a motor (zoom, focus): a step, nothing read back.
struct StepButtons {
  int minus = 0, plus = 0;
  Channel io;
  Refusal onRefused;
};

// Reset list and its "Execute" button: one reset operation per item.
struct ResetItem {
  CatMsg text;
  int (CPjtInterface::*run)();  // 0: done
};
struct ResetList {
  int list = 0;
  int execute = 0;
  std::vector<ResetItem> items;
};

// Standard list maps.
extern const ListMap kPositionIsValue;
// The dialog's input list: the first of the seven input codes equal to the
// value; the code at a position, when it is 0 to 6.
extern const ListMap kSelectableInputs;
// The item data of the items.
extern const ListMap kItemData;
// HDMI audio: the projector's 1 and 2 are positions 0 and 1; another value
// has no position, another position sends nothing.
extern const ListMap kHdmiAudioMap;

// A list item that carries a projector code as its item data.
struct CodedItem {
  CatMsg text;
  int code;
};
// Blank colours: each item carries its colour code; the code is sent. An
// item without a code sends nothing.
extern const ListMap kBlankColour;
// Start-up screen: the projector's 0, 1 and 32 are positions 0, 1 and 2;
// the position is sent.
extern const ListMap kStartup;

}  // namespace expert::pages
