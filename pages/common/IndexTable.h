#pragma once
// Static index-to-value tables: a list position turns into a projector value
// and back through a short table ended by a marker (0xFFFF for 16-bit tables,
// -1 for 32-bit ones). Only the entries before the first marker count.
//
//   constexpr IndexTable<std::uint16_t, 4> ActiveIrisTable{{0x00, 0x10, 0x11, 0xFFFF}};
//   ActiveIrisTable.ToValue(1)     // 0x10
//   ActiveIrisTable.ToValue(7)     // 0xFFFF: no such index
//   ActiveIrisTable.ToIndex(0x11)  // 2; -1 for a value the table lacks
//   ListRow{.list = 20293, .io = {pjcode::kActiveIris}, .map = kTableMap<ActiveIrisTable>}
#include <array>
#include <cstddef>
#include <optional>

#include "pages/common/Rows.h"

namespace expert::pages {

template <typename T, std::size_t N>
struct IndexTable {
  static_assert(N >= 1, "a table holds at least its end marker");
  std::array<T, N> entries;  // the last one is the end marker; an earlier copy ends the table there

  constexpr T End() const { return entries[N - 1]; }
  // Entries before the first marker.
  constexpr int Size() const {
    int size = 0;
    while (entries[static_cast<std::size_t>(size)] != End()) ++size;
    return size;
  }
  // The entry at `index`; the end marker for an index outside the table.
  constexpr T ToValue(int index) const {
    return index >= 0 && index < Size() ? entries[static_cast<std::size_t>(index)] : End();
  }
  // The index of the first entry equal to `value`; -1 when none is (the
  // marker itself is never found).
  constexpr int ToIndex(long long value) const {
    for (int i = 0; i < Size(); ++i)
      if (static_cast<long long>(entries[static_cast<std::size_t>(i)]) == value) return i;
    return -1;
  }
  // The value to send for a list position; empty for no selection or a
  // position the table lacks.
  constexpr std::optional<int> ValueFor(int position) const {
    if (position < 0 || position >= Size()) return std::nullopt;
    return static_cast<int>(entries[static_cast<std::size_t>(position)]);
  }
};

// A list whose positions are the indices of `Table`: the value read selects
// its index (none for a value the table lacks), a chosen position sends its
// entry (nothing for a position beyond the table). For a setter that takes
// the position itself, keep only the read: {kTableMap<T>.position, nullptr}.
template <const auto& Table>
inline constexpr ListMap kTableMap{
    [](const CExpertDlg&, const CComboBox&, int value) { return Table.ToIndex(value); },
    [](const CExpertDlg&, const CComboBox&, int position) { return Table.ValueFor(position); }};

}  // namespace expert::pages
