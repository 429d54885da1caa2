#pragma once
// The host's records of a projector, as the host keeps them and hands them to
// the dialog: fixed-size arrays of codes and 64-byte name slots.
#include <cstdint>
#include <string>

using BYTE = std::uint8_t;

constexpr int kHostInputSize = 7;     // entries of the input list
constexpr int kHostListSize = 32;     // entries of every other list
constexpr int kHostNameSize = 64;     // bytes of one name slot, terminator included
constexpr int kHostRangeCount = 34;   // range texts the dialog keeps
constexpr int kHostConnections = 5;   // connection entries of a model record
constexpr int kItemRangeCount = 35;   // range texts a projector item carries
constexpr int kPjLinkInputSize = 3;   // bytes of one PJLink input ("31"), terminator included

// Copies `text` into a name slot, cut at a character boundary if too long,
// always terminated.
void CopyNameSlot(char (&slot)[kHostNameSize], const std::string& text);

// The host's model record: a model with up to five ways to reach it.
class CModelInfo {
 public:
  std::string m_strName;
  int m_nModelNo = 0;
  int m_nModelType = 0;
  int m_nInputCount = 0;
  char m_szInputName[kHostInputSize][kHostNameSize] = {};
  int m_nInputCode[kHostInputSize] = {};
  int m_nInputCode2[kHostInputSize] = {};
  int m_nWhisperCount = 0;
  int m_nWhisperCode[kHostListSize] = {};
  char m_szWhisperName[kHostListSize][kHostNameSize] = {};
  int m_nReserved = 0;
  int m_nAspectCount = 0;
  int m_nAspectCode[kHostListSize] = {};
  char m_szAspectName[kHostListSize][kHostNameSize] = {};
  int m_nGammaCount = 0;
  int m_nGammaCode[kHostListSize] = {};
  char m_szGammaName[kHostListSize][kHostNameSize] = {};
  int m_nColorTempCount = 0;
  int m_nColorTempCode[kHostListSize] = {};
  char m_szColorTempName[kHostListSize][kHostNameSize] = {};
  int m_nConnectEntry[kHostConnections][3] = {};  // the host's own bookkeeping
  int m_nConnectKind[kHostConnections] = {};
  int m_nPortIndex[kHostConnections] = {};
  int m_nThirdValue[kHostConnections] = {};
  char m_szAddress[kHostConnections][kHostNameSize] = {};
  int m_nFourthValue[kHostConnections] = {};
  char m_szSecondText[kHostConnections][kHostNameSize] = {};
  int m_nHostValue[kHostConnections] = {};
  int m_nHostValue2 = 0;
  std::string m_strRange[kHostRangeCount];
  int m_nMyButtonCount = 0;
  int m_nMyButtonCode[kHostListSize] = {};
  char m_szMyButtonName[kHostListSize][kHostNameSize] = {};
  BYTE m_bOption1 = 0;
  BYTE m_bOption2 = 0;
  // The PJLink input ("31") of each input, parallel to the input codes; an
  // empty slot leaves the input to the library's default for its code.
  char m_szPjLinkInput[kHostInputSize][kPjLinkInputSize] = {};
};

// The host's item for one projector in its list.
class CProjectorItem {
 public:
  int m_nModelType = 0;
  int m_nModelNo = 0;
  int m_nInputCount = 0;
  char m_szInputName[kHostInputSize][kHostNameSize] = {};
  int m_nInputCode[kHostInputSize] = {};
  int m_nInputCode2[kHostInputSize] = {};
  int m_nWhisperCount = 0;
  int m_nWhisperCode[kHostListSize] = {};
  char m_szWhisperName[kHostListSize][kHostNameSize] = {};
  int m_nReserved = 0;
  int m_nAspectCount = 0;
  int m_nAspectCode[kHostListSize] = {};
  char m_szAspectName[kHostListSize][kHostNameSize] = {};
  int m_nGammaCount = 0;
  int m_nGammaCode[kHostListSize] = {};
  char m_szGammaName[kHostListSize][kHostNameSize] = {};
  int m_nColorTempCount = 0;
  int m_nColorTempCode[kHostListSize] = {};
  char m_szColorTempName[kHostListSize][kHostNameSize] = {};
  std::string m_strName;
  int m_nConnectKind = 0;
  int m_nPortIndex = 0;
  int m_nThirdValue = 0;
  std::uint32_t m_nAddress = 0;  // first octet in the most significant byte
  int m_nFourthValue = 0;
  char m_szSecondText[kHostNameSize] = {};
  // The 1st to 32nd texts are the model's ranges 0 to 31, the 33rd is the
  // host's own, the 34th and 35th are ranges 32 and 33.
  std::string m_strRange[kItemRangeCount];
  int m_nMyButtonCount = 0;
  int m_nMyButtonCode[kHostListSize] = {};
  char m_szMyButtonName[kHostListSize][kHostNameSize] = {};
  BYTE m_bOption1 = 0;
  BYTE m_bOption2 = 0;
  // The PJLink input ("31") of each input, parallel to the input codes; an
  // empty slot leaves the input to the library's default for its code.
  char m_szPjLinkInput[kHostInputSize][kPjLinkInputSize] = {};
};
