#include "tools/driver/HostHandOff.h"

#include "models/HostRecords.h"

namespace driver {

void HandOver(CExpertDlg& dialog, const OpenRequest& request) {
  switch (request.handOff) {
    case HandOffKind::Item: {
      const CProjectorItem item = models::ToProjectorItem(request.description);
      dialog.CopyData(&item);
      break;
    }
    case HandOffKind::ModelInfo: {
      const CModelInfo info = models::ToModelInfo(request.description, request.connectionIndex);
      dialog.CopyData(&info, request.connectionIndex);
      break;
    }
    case HandOffKind::Args: {
      // A host using the older overloads keeps the same fixed arrays of 7 and
      // 32 entries with 64-byte names as in its item, so they are taken from there.
      const CProjectorItem r = models::ToProjectorItem(request.description);
      dialog.CopyData(r.m_strName, r.m_nModelType, r.m_nInputCount, r.m_szInputName[0], r.m_nInputCode,
                      r.m_nInputCode2, r.m_nAspectCount, r.m_nAspectCode, r.m_szAspectName[0], r.m_nGammaCount,
                      r.m_nGammaCode, r.m_szGammaName[0], r.m_nColorTempCount, r.m_nColorTempCode,
                      r.m_szColorTempName[0]);
      break;
    }
    case HandOffKind::Args2: {
      const CProjectorItem r = models::ToProjectorItem(request.description);
      dialog.CopyData2(r.m_strName, r.m_nModelNo, r.m_nModelType, r.m_nInputCount, r.m_szInputName[0],
                       r.m_nInputCode, r.m_nInputCode2, r.m_nWhisperCount, r.m_nWhisperCode, r.m_szWhisperName[0],
                       r.m_nAspectCount, r.m_nAspectCode, r.m_szAspectName[0], r.m_nGammaCount, r.m_nGammaCode,
                       r.m_szGammaName[0], r.m_nColorTempCount, r.m_nColorTempCode, r.m_szColorTempName[0]);
      break;
    }
  }
  if (request.ranges32) dialog.CopyData3(*request.ranges32);
}

}  // namespace driver
