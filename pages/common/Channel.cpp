#include "pages/common/Channel.h"

namespace expert::pages {

bool ReadRaw(CPjtInterface* pjt, const Channel& channel, std::uint16_t& raw) {
  if (!pjt) return false;
  if (channel.get) return channel.get(*pjt, raw);
  return pjt->Get(channel.code, 0, pjt, &raw) == 1;
}

bool WriteRaw(CPjtInterface* pjt, const Channel& channel, int raw) {
  if (!pjt) return false;
  if (channel.set) return channel.set(*pjt, raw);
  return pjt->Set(channel.code, raw, pjt) == 1;
}

std::optional<std::uint16_t> StepRaw(CPjtInterface* pjt, const Channel& channel, bool up, bool& stepped) {
  stepped = false;
  if (!pjt) return std::nullopt;
  std::optional<std::uint16_t> value;
  if (channel.step) {
    stepped = channel.step(*pjt, up, value);
  } else {
    stepped = (up ? pjt->Inc(channel.code, 0, pjt) : pjt->Dec(channel.code, 0, pjt)) == 1;
  }
  if (stepped && !value) {
    std::uint16_t raw = 0;
    if (ReadRaw(pjt, channel, raw)) value = raw;
  }
  return value;
}

}  // namespace expert::pages
