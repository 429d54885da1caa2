#pragma once
// Settings the projector keeps per input source (volume, treble, bass): every
// call names the source the projector reports as current, read just before.
//
//   const SourceGroup kVolume{.controls = {.minus = 20318, .slider = 20317, .plus = 20319, .box = 20142,
//                                          .rangeText = 21, .defaultRange = {0, 32}, .tick = 4},
//                             .io = SourceChannelOf<&CPjtInterface::GetInputSrcVolume,
//                                                   &CPjtInterface::SetVolumeEachSrc,
//                                                   &CPjtInterface::IncrementInputSrcVol,
//                                                   &CPjtInterface::DecrementInputSrcVol>()};
#include <cstdint>

#include "pages/common/Rows.h"

namespace expert::pages {

struct SourceChannel {
  bool (*get)(CPjtInterface&, int source, std::uint16_t& raw) = nullptr;
  bool (*set)(CPjtInterface&, int source, int raw) = nullptr;
  // One step; true with the new raw value.
  bool (*step)(CPjtInterface&, int source, bool up, std::uint16_t& raw) = nullptr;
};

// A slider group bound to the current input source. `controls` gives the
// ids, offset, range and tick (its channel is not used). When the source
// cannot be read nothing is sent and the box is emptied: a value shown or
// sent without its source would belong to another input.
struct SourceGroup {
  SliderGroup controls;
  SourceChannel io;
  bool emptyBoxWhenRefused = false;  // a refused step or slide also empties the box
  int sourceBox = 0;                 // a box that shows the source a step used; 0: none
};

template <auto Get, auto Set, auto Increment, auto Decrement>
constexpr SourceChannel SourceChannelOf() {
  return {
      [](CPjtInterface& pjt, int source, std::uint16_t& raw) {
        std::int16_t value = 0;
        if (!(pjt.*Get)(source, &value)) return false;
        raw = static_cast<std::uint16_t>(value);
        return true;
      },
      [](CPjtInterface& pjt, int source, int raw) { return static_cast<bool>((pjt.*Set)(source, raw)); },
      [](CPjtInterface& pjt, int source, bool up, std::uint16_t& raw) {
        std::int16_t value = 0;
        if (!(up ? (pjt.*Increment)(source, &value) : (pjt.*Decrement)(source, &value))) return false;
        raw = static_cast<std::uint16_t>(value);
        return true;
      }};
}

}  // namespace expert::pages
