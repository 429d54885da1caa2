// The host hands a projector's description to the dialog through one of
// these operations, between construction and the modal run. Lists arrive as
// fixed-size arrays and are copied whole; counts are kept as given (pages
// clamp them to the array sizes).
#include <cstdio>
#include <cstring>

#include "frame/ExpertDlg.h"

namespace {
template <std::size_t N>
void CopyCodes(int (&target)[N], const int* source) {
  if (source)
    std::memcpy(target, source, sizeof target);
  else
    std::memset(target, 0, sizeof target);
}

// Every name slot is terminated, so that a name the host filled to the last
// byte cannot run into the next one.
template <std::size_t N>
void CopyNames(char (&target)[N][kHostNameSize], const char* source) {
  if (source)
    std::memcpy(target, source, sizeof target);
  else
    std::memset(target, 0, sizeof target);
  for (auto& slot : target) slot[kHostNameSize - 1] = '\0';
}

std::string SlotText(const char (&slot)[kHostNameSize]) { return std::string(slot, ::strnlen(slot, kHostNameSize)); }

// The parts of a host record that every complete hand-off copies the same way.
template <class Record>
void CopyLists(CExpertDlg& dlg, const Record& r) {
  dlg.m_nModelNo = r.m_nModelNo;
  dlg.m_nModelType = r.m_nModelType;
  dlg.m_nInputCount = r.m_nInputCount;
  CopyNames(dlg.m_szInputName, r.m_szInputName[0]);
  CopyCodes(dlg.m_nInputCode, r.m_nInputCode);
  CopyCodes(dlg.m_nInputCode2, r.m_nInputCode2);
  dlg.m_nWhisperCount = r.m_nWhisperCount;
  CopyCodes(dlg.m_nWhisperCode, r.m_nWhisperCode);
  CopyNames(dlg.m_szWhisperName, r.m_szWhisperName[0]);
  dlg.m_nReserved = r.m_nReserved;
  dlg.m_nAspectCount = r.m_nAspectCount;
  CopyCodes(dlg.m_nAspectCode, r.m_nAspectCode);
  CopyNames(dlg.m_szAspectName, r.m_szAspectName[0]);
  dlg.m_nGammaCount = r.m_nGammaCount;
  CopyCodes(dlg.m_nGammaCode, r.m_nGammaCode);
  CopyNames(dlg.m_szGammaName, r.m_szGammaName[0]);
  dlg.m_nColorTempCount = r.m_nColorTempCount;
  CopyCodes(dlg.m_nColorTempCode, r.m_nColorTempCode);
  CopyNames(dlg.m_szColorTempName, r.m_szColorTempName[0]);
  dlg.m_nMyButtonCount = r.m_nMyButtonCount;
  CopyCodes(dlg.m_nMyButtonCode, r.m_nMyButtonCode);
  CopyNames(dlg.m_szMyButtonName, r.m_szMyButtonName[0]);
  dlg.m_bOption1 = r.m_bOption1;
  dlg.m_bOption2 = r.m_bOption2;
}
}  // namespace

void CExpertDlg::CopyData(std::string name, int modelType, int inputCount, const char* inputNames,
                          const int* inputCodes, const int* inputCodes2, int aspectCount, const int* aspectCodes,
                          const char* aspectNames, int gammaCount, const int* gammaCodes, const char* gammaNames,
                          int colorTempCount, const int* colorTempCodes, const char* colorTempNames) {
  m_strProjectorName = std::move(name);
  m_nModelType = modelType;
  m_nInputCount = inputCount;
  CopyNames(m_szInputName, inputNames);
  CopyCodes(m_nInputCode, inputCodes);
  CopyCodes(m_nInputCode2, inputCodes2);
  m_nAspectCount = aspectCount;
  CopyCodes(m_nAspectCode, aspectCodes);
  CopyNames(m_szAspectName, aspectNames);
  m_nGammaCount = gammaCount;
  CopyCodes(m_nGammaCode, gammaCodes);
  CopyNames(m_szGammaName, gammaNames);
  m_nColorTempCount = colorTempCount;
  CopyCodes(m_nColorTempCode, colorTempCodes);
  CopyNames(m_szColorTempName, colorTempNames);
}

void CExpertDlg::CopyData2(std::string name, int modelNo, int modelType, int inputCount, const char* inputNames,
                           const int* inputCodes, const int* inputCodes2, int whisperCount, const int* whisperCodes,
                           const char* whisperNames, int aspectCount, const int* aspectCodes,
                           const char* aspectNames, int gammaCount, const int* gammaCodes, const char* gammaNames,
                           int colorTempCount, const int* colorTempCodes, const char* colorTempNames) {
  CopyData(std::move(name), modelType, inputCount, inputNames, inputCodes, inputCodes2, aspectCount, aspectCodes,
           aspectNames, gammaCount, gammaCodes, gammaNames, colorTempCount, colorTempCodes, colorTempNames);
  m_nModelNo = modelNo;
  m_nWhisperCount = whisperCount;
  CopyCodes(m_nWhisperCode, whisperCodes);
  CopyNames(m_szWhisperName, whisperNames);
}

void CExpertDlg::CopyData3(std::array<std::string, 32> ranges) {
  for (std::size_t i = 0; i < ranges.size(); ++i) m_strRange[i] = std::move(ranges[i]);
}

void CExpertDlg::CopyData(const CModelInfo* info, int connectionIndex) {
  if (!info) return;
  m_strProjectorName = info->m_strName;
  CopyLists(*this, *info);
  for (int i = 0; i < kHostRangeCount; ++i) m_strRange[i] = info->m_strRange[i];
  m_pjt.CopyPjLinkInputs(info->m_nInputCount, info->m_nInputCode, info->m_szPjLinkInput);

  if (connectionIndex < 0 || connectionIndex >= kHostConnections) {
    std::fprintf(stderr, "projector \"%s\": no connection entry %d; connection data left unchanged\n",
                 m_strProjectorName.c_str(), connectionIndex);
    return;
  }
  const int i = connectionIndex;
  m_pjt.CopyData(info->m_nConnectKind[i], info->m_nPortIndex[i], info->m_nThirdValue[i],
                 SlotText(info->m_szAddress[i]).c_str(), info->m_nFourthValue[i],
                 SlotText(info->m_szSecondText[i]).c_str());
}

void CExpertDlg::CopyData(const CProjectorItem* item) {
  if (!item) return;
  CopyLists(*this, *item);
  m_strProjectorName = item->m_strName;
  // The item's 33rd range text is the host's own and is not handed over.
  for (int i = 0; i < 32; ++i) m_strRange[i] = item->m_strRange[i];
  m_strRange[32] = item->m_strRange[33];
  m_strRange[33] = item->m_strRange[34];
  m_pjt.CopyPjLinkInputs(item->m_nInputCount, item->m_nInputCode, item->m_szPjLinkInput);

  const std::uint32_t a = item->m_nAddress;
  char address[kHostNameSize];
  std::snprintf(address, sizeof address, "%d.%d.%d.%d", static_cast<int>((a >> 24) & 0xFF),
                static_cast<int>((a >> 16) & 0xFF), static_cast<int>((a >> 8) & 0xFF), static_cast<int>(a & 0xFF));
  m_pjt.CopyData(item->m_nConnectKind, item->m_nPortIndex, item->m_nThirdValue, address, item->m_nFourthValue,
                 SlotText(item->m_szSecondText).c_str());
}
