#pragma once
// CExpertDlg: the "Expert Control" dialog. The host constructs it, hands over
// one projector's description with a CopyData operation and runs it modally.
// It creates the pages of the model type, lists their tabs, and shows and
// refreshes the page of the selected tab.
#include <array>
#include <map>
#include <string>

#include "beamlink/PjtInterface.h"
#include "framework/Dialog.h"
#include "pages/common/ControlTabDlg.h"
#include "pages/common/StatusTabDlg.h"
#include "pages/type3/InputTabType3Dlg.h"
#include "pages/type3/PictureTabType3Dlg.h"
#include "pages/type3/ScreenTabType3Dlg.h"
#include "pages/type3/SetupTabType3Dlg.h"
#include "pages/type4/ControlTabType4Dlg.h"

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
  std::map<int, PageSlot> m_pages;  // by template
};
