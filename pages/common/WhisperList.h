#pragma once
// The whisper (lamp mode) list, filled from the host's whisper table: one
// item per entry whose name the module knows ("Normal", "Whisper", "Bright").
// Each item keeps the index of its table entry as its item data, so an entry
// skipped for an unknown name does not shift the codes of the items after it.
//
//   FillWhisperList(m_cbWhisper, Host());                       // types 1 to 3
//   const ListRow kWhisper{.list = 21042, .io = {pjcode::kWhisper}, .map = kWhisperCode};
//   if (WhisperCount(Host()) == 0) Enable({kWhisper.list}, false); else ReadList(kWhisper);
#include "pages/common/Rows.h"

namespace expert::pages {

enum class WhisperNames {
  kEachKnown,  // one item per known name, in table order
  // A "Bright" name replaces the items so far with "Bright" and "Whisper",
  // which stand for table entries 0 and 1, and ends the walk.
  kBrightEndsWalk,
};

// The host's whisper count, clamped to the table's size (0..32).
int WhisperCount(const CExpertDlg& host);

// Empties the list and adds its items.
void FillWhisperList(CComboBox& list, const CExpertDlg& host, WhisperNames names = WhisperNames::kEachKnown);

// The projector holds the whisper code of the item's table entry: a value
// selects the first item whose code equals it; an item whose entry lies
// beyond the host's count sends nothing. A list whose projector value is
// its position uses kPositionIsValue instead.
extern const ListMap kWhisperCode;

}  // namespace expert::pages
