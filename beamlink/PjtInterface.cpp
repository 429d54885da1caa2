#include "beamlink/PjtInterface.h"

#include <algorithm>

namespace {
void CopyText(char (&slot)[kHostNameSize], const char* text) { CopyNameSlot(slot, text ? text : ""); }

int CopyCodes(int count, const int* codes, int (&target)[kHostListSize]) {
  const int used = codes ? std::clamp(count, 0, kHostListSize) : 0;
  std::fill(std::begin(target), std::end(target), 0);
  if (used > 0) std::copy(codes, codes + used, target);
  return used;
}
}  // namespace

CPjtInterface::CPjtInterface() = default;

void CPjtInterface::CopyData(int connectKind, int portIndex, int thirdValue, const char* address, int fourthValue,
                             const char* secondText) {
  m_nConnectKind = connectKind;
  m_nPortIndex = portIndex;
  m_nThirdValue = thirdValue;
  CopyText(m_szAddress, address);
  m_nFourthValue = fourthValue;
  CopyText(m_szSecondText, secondText);
}

void CPjtInterface::CopyAspectData(int count, const int* codes) { m_nAspectCount = CopyCodes(count, codes, m_nAspectCode); }

void CPjtInterface::CopyGammaData(int count, const int* codes) { m_nGammaCount = CopyCodes(count, codes, m_nGammaCode); }
