#pragma once
// CExpertDlg: the "Expert Control" dialog. The host constructs it, hands over
// one projector's description with a CopyData operation and runs it modally.
// It creates the pages of the model type, lists their tabs, and shows and
// refreshes the page of the selected tab.
#include <array>
#include <map>
#include <optional>
#include <string>

#include "beamlink/PjtInterface.h"
#include "framework/Dialog.h"
#include "pages/common/ControlTabDlg.h"
#include "pages/common/StatusTabDlg.h"
#include "pages/common/ScreenTabDlg.h"
#include "pages/type1/AutoTabType1Dlg.h"
#include "pages/type1/InputTabType1Dlg.h"
#include "pages/type1/SetupTabType1Dlg.h"
#include "pages/type2/AutoTabType2Dlg.h"
#include "pages/type2/InputTabType2Dlg.h"
#include "pages/type2/SetupTabType2Dlg.h"
#include "pages/type3/InputTabType3Dlg.h"
#include "pages/type3/PictureTabType3Dlg.h"
#include "pages/type3/ScreenTabType3Dlg.h"
#include "pages/type3/SetupTabType3Dlg.h"
#include "pages/type4/ControlTabType4Dlg.h"
#include "pages/type4/PictureTabType4Dlg.h"
#include "pages/type5/PictureTabType5Dlg.h"
#include "pages/type4/ImageTabType4Dlg.h"
#include "pages/type4/InputTabType4Dlg.h"
#include "pages/type4/OptionTabType4Dlg.h"
#include "pages/type4/SetupTabType4Dlg.h"
#include "pages/type4/SignalTabType4Dlg.h"
#include "pages/type4/ScreenTabType4Dlg.h"
#include "pages/type5/InputType5Dlg.h"
#include "pages/type5/SetupType5TabDlg.h"
#include "pages/type5/Option5TabDlg.h"
#include "pages/type5/AudioType5Dlg.h"
#include "pages/type1/ImageTabType1Dlg.h"
#include "pages/type1/PictureTabType1Dlg.h"
#include "pages/type1/PositionTabType1Dlg.h"
#include "pages/type2/ImageTabType2Dlg.h"
#include "pages/type2/PictureTabType2Dlg.h"
#include "pages/type2/PositionTabType2Dlg.h"

// What the dialog needs of a page: its window object, where its projector
// pointer lives, and its refresh.
struct PageSlot {
  CDialog* page = nullptr;
  CPjtInterface** pjt = nullptr;
  void (*refresh)(CDialog&) = nullptr;
};

template <class Page>
PageSlot SlotOf(Page& page) {
  return {&page, &page.m_pPjt, [](CDialog& dialog) { static_cast<Page&>(dialog).InitDisp(); }};
}

class CExpertDlg : public CDialog {
 public:
  explicit CExpertDlg(CWnd* pParent = nullptr);
  ~CExpertDlg() override;

  // Host hand-off. Arrays are read at their full fixed size: 7 input codes,
  // 7 x 64 bytes of input names, 32 list codes, 32 x 64 bytes of list names.
  void CopyData(std::string name, int modelType, int inputCount, const char* inputNames, const int* inputCodes,
                const int* inputCodes2, int aspectCount, const int* aspectCodes, const char* aspectNames,
                int gammaCount, const int* gammaCodes, const char* gammaNames, int colorTempCount,
                const int* colorTempCodes, const char* colorTempNames);
  void CopyData2(std::string name, int modelNo, int modelType, int inputCount, const char* inputNames,
                 const int* inputCodes, const int* inputCodes2, int whisperCount, const int* whisperCodes,
                 const char* whisperNames, int aspectCount, const int* aspectCodes, const char* aspectNames,
                 int gammaCount, const int* gammaCodes, const char* gammaNames, int colorTempCount,
                 const int* colorTempCodes, const char* colorTempNames);
  // Range texts 0 to 31; 32 and 33 stay as they are.
  void CopyData3(std::array<std::string, 32> ranges);
  void CopyData(const CModelInfo* info, int connectionIndex);
  void CopyData(const CProjectorItem* item);

  void DispTabScreen();
  BOOL OnInitDialog() override;
  void OnSelchangeExpertTab(NMHDR* pNMHDR, LRESULT* pResult);
  void OnDestroy() override;

  // The page object behind a template, or null when no such page is built.
  CDialog* PageForTemplate(int templateId) const;

  // ---- fields, in declaration order ----
  HINSTANCE m_hPrevResource = nullptr;
  std::string m_strProjectorName;
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
  std::string m_strRange[kHostRangeCount];
  int m_nMyButtonCount = 0;
  int m_nMyButtonCode[kHostListSize] = {};
  char m_szMyButtonName[kHostListSize][kHostNameSize] = {};
  BYTE m_bOption1 = 0;
  BYTE m_bOption2 = 0;
  CPjtInterface m_pjt;
  // Page objects join here, in declaration order, as they are built.
  CStatusTabDlg m_dlgStatus;
  CControlTabDlg m_dlgControl;
  CControlTabType4Dlg m_dlgControlType4;
  CPictureTabType4Dlg m_dlgPictureType4;
  CPictureTabType5Dlg m_dlgPictureType5;
  CImageTabType4Dlg m_dlgImageType4;
  CScreenTabType4Dlg m_dlgScreenType4;
  CInputTabType4Dlg m_dlgInputType4;
  COptionTabType4Dlg m_dlgOptionType4;
  CSignalTabType4Dlg m_dlgSignalType4;
  CSetupTabType4Dlg m_dlgSetupType4;
  CInputType5Dlg m_dlgInputType5;
  CSetupType5TabDlg m_dlgSetupType5;
  COption5TabDlg m_dlgOptionType5;
  CAudioType5Dlg m_dlgAudioType5;
  CPictureTabType1Dlg m_dlgPictureType1;
  CPictureTabType2Dlg m_dlgPictureType2;
  CImageTabType1Dlg m_dlgImageType1;
  CImageTabType2Dlg m_dlgImageType2;
  CPositionTabType1Dlg m_dlgPositionType1;
  CPositionTabType2Dlg m_dlgPositionType2;
  CInputTabType1Dlg m_dlgInputType1;
  CInputTabType2Dlg m_dlgInputType2;
  CAutoTabType1Dlg m_dlgAutoType1;
  CAutoTabType2Dlg m_dlgAutoType2;
  CScreenTabDlg m_dlgScreen;
  CSetupTabType1Dlg m_dlgSetupType1;
  CSetupTabType2Dlg m_dlgSetupType2;
  CPictureTabType3Dlg m_dlgPictureType3;
  CInputTabType3Dlg m_dlgInputType3;
  CScreenTabType3Dlg m_dlgScreenType3;
  CSetupTabType3Dlg m_dlgSetupType3;
  BYTE m_bAudioTab = 0;
  CDialog* m_pTab5Page = nullptr;
  CDialog* m_pTab6Page = nullptr;
  CDialog* m_pTab7Page = nullptr;
  BYTE m_bPjtFlag = 0;
  CTabCtrl m_tab;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  // Each page member registers itself here in the constructor.
  void RegisterPage(int templateId, const PageSlot& slot) { m_pages[templateId] = slot; }
  DECLARE_MESSAGE_MAP()

 private:
  void CreatePage(int templateId);
  void SetCaption();
  void ReportLinkProblem();
  std::map<int, PageSlot> m_pages;  // by template
  std::optional<beamlink::LinkProblem> m_reportedLink;  // told once, until the link works again
};
