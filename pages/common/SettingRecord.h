#pragma once
// What a page's refresh read, row by row. The patterns note every row they
// read (slider group, arrow pair, list, check box, per-source slider), so a
// tool that copies settings from one projector to another finds each
// setting of a page, and the controls that change it, in the page itself
// rather than in a second list of settings.
#include <optional>
#include <vector>

namespace expert::pages {

enum class SettingKind { List, Slider, Check, Arrows };

struct SettingRecord {
  SettingKind kind = SettingKind::List;
  int control = 0;            // the list, slider or check box; for arrows, the value box
  int lower = 0, raise = 0;   // arrows: the buttons that step the value down and up
  bool read = false;          // the last read of the row succeeded
  bool perSource = false;     // the projector keeps the setting per input source
  std::optional<int> source;  // per source: the source it was read for
};

// In the order the rows were first read; a row read again replaces its note.
class SettingRecords {
 public:
  void Note(const SettingRecord& record) {
    for (SettingRecord& known : m_records)
      if (known.control == record.control) {
        known = record;
        return;
      }
    m_records.push_back(record);
  }
  const std::vector<SettingRecord>& All() const { return m_records; }

 private:
  std::vector<SettingRecord> m_records;
};

}  // namespace expert::pages
