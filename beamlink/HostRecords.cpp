#include "beamlink/HostRecords.h"

#include <cstring>

void CopyNameSlot(char (&slot)[kHostNameSize], const std::string& text) {
  std::size_t length = text.size();
  if (length >= kHostNameSize) {
    length = kHostNameSize - 1;
    // Step back over UTF-8 continuation bytes so no character is cut in half.
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  }
  std::memset(slot, 0, sizeof slot);
  std::memcpy(slot, text.data(), length);
}
