#pragma once
// The composite and S-video format lists of every model type show the
// projector's format values in one order: Auto, NTSC, PAL, SECAM, NTSC4.43,
// M-PAL, N-PAL.
#include <cstdint>

#include "pages/common/Rows.h"

namespace expert::pages {

// List position -> projector value, ended by 0xFFFF.
extern const std::uint16_t VideoFormatTable[8];

// The position of the first entry equal to `value`; -1 when there is none
// (the end marker is no entry).
int VideoFmtToIdx(std::int16_t value);

// A format list: a value outside the table selects nothing; a position sends
// its table value.
extern const ListMap kVideoFormats;

}  // namespace expert::pages
