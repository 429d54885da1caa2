#pragma once
// The projector interface object: one per dialog. It keeps the connection data
// the host handed over and the lists it needs to turn list positions into
// projector values.
#include <string>

#include "beamlink/HostRecords.h"

class CPjtInterface {
 public:
  CPjtInterface();

  // Connection data: kind 1 is the network (address text, third value the TCP
  // port), any other kind a serial port (port index, third value the baud
  // rate). The fourth value is the reply timeout in milliseconds, the second
  // text the password. Texts are cut to fit their 64-byte slots.
  void CopyData(int connectKind, int portIndex, int thirdValue, const char* address, int fourthValue,
                const char* secondText);
  // The aspect and gamma codes by list position. Counts beyond 32 count as 32,
  // negative counts as 0.
  void CopyAspectData(int count, const int* codes);
  void CopyGammaData(int count, const int* codes);

  // Read and written directly by the dialog and its pages.
  int m_nConnectKind = 0;
  int m_nPortIndex = 0;
  char m_szAddress[kHostNameSize] = {};
  BYTE m_bExtFlag = 0;
  int m_nPjtModelType = 0;
  std::string m_strSelItemText;

  // The rest of the connection data, and the lists.
  int m_nThirdValue = 0;
  int m_nFourthValue = 0;
  char m_szSecondText[kHostNameSize] = {};
  int m_nAspectCount = 0;
  int m_nAspectCode[kHostListSize] = {};
  int m_nGammaCount = 0;
  int m_nGammaCode[kHostListSize] = {};
};
