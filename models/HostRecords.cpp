#include "models/HostRecords.h"

#include <algorithm>

namespace models {
namespace {

template <class Record>
void FillLists(Record& r, const ModelDescription& d) {
  r.m_nModelType = d.type;
  r.m_nModelNo = d.model;
  r.m_nInputCount = static_cast<int>(std::min(d.inputs.size(), kMaxInputs));
  for (int i = 0; i < r.m_nInputCount; ++i) {
    CopyNameSlot(r.m_szInputName[i], d.inputs[i].name);
    r.m_nInputCode[i] = d.inputs[i].code;
    r.m_nInputCode2[i] = d.inputs[i].code2;
    d.inputs[i].pjlink.copy(r.m_szPjLinkInput[i], kPjLinkInputSize - 1);  // the parser allows two characters
  }
  auto fill = [](const std::vector<ListEntry>& list, int& count, int (&codes)[kHostListSize],
                 char (&names)[kHostListSize][kHostNameSize]) {
    count = static_cast<int>(std::min(list.size(), kMaxListEntries));
    for (int i = 0; i < count; ++i) {
      codes[i] = list[i].code;
      CopyNameSlot(names[i], list[i].name);
    }
  };
  fill(d.whisper, r.m_nWhisperCount, r.m_nWhisperCode, r.m_szWhisperName);
  fill(d.aspect, r.m_nAspectCount, r.m_nAspectCode, r.m_szAspectName);
  fill(d.gamma, r.m_nGammaCount, r.m_nGammaCode, r.m_szGammaName);
  fill(d.colorTemp, r.m_nColorTempCount, r.m_nColorTempCode, r.m_szColorTempName);
  fill(d.myButton, r.m_nMyButtonCount, r.m_nMyButtonCode, r.m_szMyButtonName);
  r.m_bOption1 = d.option1 ? 1 : 0;
  r.m_bOption2 = d.option2 ? 1 : 0;
}

}  // namespace

CProjectorItem ToProjectorItem(const ModelDescription& d) {
  CProjectorItem item;
  FillLists(item, d);
  item.m_strName = d.name;
  item.m_nConnectKind = d.connection.kind;
  item.m_nPortIndex = d.connection.port;
  item.m_nThirdValue = d.connection.third;
  item.m_nAddress = d.connection.address;
  item.m_nFourthValue = d.connection.fourth;
  CopyNameSlot(item.m_szSecondText, d.connection.text2);
  // The item's 33rd range text is the host's own; the model's ranges 32 and
  // 33 follow it.
  for (int i = 0; i < 32; ++i) item.m_strRange[i] = d.ranges[i];
  item.m_strRange[33] = d.ranges[32];
  item.m_strRange[34] = d.ranges[33];
  return item;
}

CModelInfo ToModelInfo(const ModelDescription& d, int connectionIndex) {
  CModelInfo info;
  FillLists(info, d);
  info.m_strName = d.name;
  for (std::size_t i = 0; i < kRangeCount; ++i) info.m_strRange[i] = d.ranges[i];
  if (connectionIndex >= 0 && connectionIndex < kHostConnections) {
    const int i = connectionIndex;
    info.m_nConnectKind[i] = d.connection.kind;
    info.m_nPortIndex[i] = d.connection.port;
    info.m_nThirdValue[i] = d.connection.third;
    CopyNameSlot(info.m_szAddress[i], d.connection.AddressText());
    info.m_nFourthValue[i] = d.connection.fourth;
    CopyNameSlot(info.m_szSecondText[i], d.connection.text2);
  }
  return info;
}

}  // namespace models
