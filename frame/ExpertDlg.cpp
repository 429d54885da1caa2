#include "frame/ExpertDlg.h"

#include "catalog/Catalog.h"
#include "frame/ModuleEntry.h"
#include "frame/PageTable.h"
#include "projector/LinkProblemText.h"
#include "resources/Templates.h"

using namespace expert;

namespace {
constexpr int kTabControl = 21016;
constexpr int kTabWidth = 120;    // pixels: every tab is this wide
constexpr CPoint kPageOrigin{20, 64};  // pixels, in the dialog: the tab control's display area
}  // namespace

BEGIN_MESSAGE_MAP(CExpertDlg, CDialog)
  ON_NOTIFY(TCN_SELCHANGE, kTabControl, &CExpertDlg::OnSelchangeExpertTab)
END_MESSAGE_MAP()

CExpertDlg::CExpertDlg(CWnd* pParent) : CDialog(resources::kExpertDialogTemplate, pParent) {
  RegisterPage(resources::kStatusPage, SlotOf(m_dlgStatus));
  RegisterPage(resources::kControlPage, SlotOf(m_dlgControl));
  RegisterPage(resources::kControlType4Page, SlotOf(m_dlgControlType4));
  RegisterPage(resources::kPictureType4Page, SlotOf(m_dlgPictureType4));
  RegisterPage(resources::kPictureType5Page, SlotOf(m_dlgPictureType5));
  RegisterPage(resources::kImagePage, SlotOf(m_dlgImageType4));
  RegisterPage(resources::kScreenPage, SlotOf(m_dlgScreenType4));
  RegisterPage(resources::kInputType4Page, SlotOf(m_dlgInputType4));
  RegisterPage(resources::kOptionType4Page, SlotOf(m_dlgOptionType4));
  RegisterPage(resources::kSignalType4Page, SlotOf(m_dlgSignalType4));
  RegisterPage(resources::kSetupType4Page, SlotOf(m_dlgSetupType4));
  RegisterPage(resources::kInputType5Page, SlotOf(m_dlgInputType5));
  RegisterPage(resources::kSetupType5Page, SlotOf(m_dlgSetupType5));
  RegisterPage(resources::kOptionType5Page, SlotOf(m_dlgOptionType5));
  RegisterPage(resources::kAudioType5Page, SlotOf(m_dlgAudioType5));
  RegisterPage(resources::kPictureType1Page, SlotOf(m_dlgPictureType1));
  RegisterPage(resources::kPictureType2Page, SlotOf(m_dlgPictureType2));
  RegisterPage(resources::kImageType1Page, SlotOf(m_dlgImageType1));
  RegisterPage(resources::kImageType2Page, SlotOf(m_dlgImageType2));
  RegisterPage(resources::kPositionType1Page, SlotOf(m_dlgPositionType1));
  RegisterPage(resources::kPositionType2Page, SlotOf(m_dlgPositionType2));
  RegisterPage(resources::kInputType1Page, SlotOf(m_dlgInputType1));
  RegisterPage(resources::kInputType2Page, SlotOf(m_dlgInputType2));
  RegisterPage(resources::kAutoType1Page, SlotOf(m_dlgAutoType1));
  RegisterPage(resources::kAutoType2Page, SlotOf(m_dlgAutoType2));
  RegisterPage(resources::kScreenType12Page, SlotOf(m_dlgScreen));
  RegisterPage(resources::kSetupType1Page, SlotOf(m_dlgSetupType1));
  RegisterPage(resources::kSetupType2Page, SlotOf(m_dlgSetupType2));
  RegisterPage(resources::kPictureType3Page, SlotOf(m_dlgPictureType3));
  RegisterPage(resources::kInputType3Page, SlotOf(m_dlgInputType3));
  RegisterPage(resources::kScreenType3Page, SlotOf(m_dlgScreenType3));
  RegisterPage(resources::kSetupType3Page, SlotOf(m_dlgSetupType3));
}

CExpertDlg::~CExpertDlg() = default;

void CExpertDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kTabControl, m_tab);
}

CDialog* CExpertDlg::PageForTemplate(int templateId) const {
  const auto it = m_pages.find(templateId);
  return it == m_pages.end() ? nullptr : it->second.page;
}

BOOL CExpertDlg::OnInitDialog() {
  CDialog::OnInitDialog();

  // Page templates and bitmaps are this module's: look there first.
  m_hPrevResource = AfxGetResourceHandle();
  AfxSetResourceHandle(ModuleHandle());

  TranslateDlgTexts(4, this);

  m_pjt.m_bExtFlag = m_bPjtFlag;
  m_pjt.m_nPjtModelType = m_nModelType;
  m_pjt.CopyAspectData(m_nAspectCount, m_nAspectCode);
  m_pjt.CopyGammaData(m_nGammaCount, m_nGammaCode);

  CreatePage(kStatusPageTemplate);
  for (int templateId : CreationOrder(m_nModelType)) CreatePage(templateId);

  m_tab.SetItemSize(CSize{kTabWidth, 0});
  char title[kCatalogTextSize];
  GetCatalogText(4, 156, title);
  m_tab.InsertItem(0, title);
  int index = 1;
  for (const TabEntry& tab : TabsAfterStatus(m_nModelType, m_nModelNo)) {
    GetCatalogText(tab.title, title);
    m_tab.InsertItem(index++, title);
  }
  if (m_nModelType == 5) {
    m_bAudioTab = HasAudioTab(m_nModelType, m_nModelNo);
    m_pTab5Page = PageForTemplate(TemplateForTab(m_nModelType, m_nModelNo, 5));
    m_pTab6Page = PageForTemplate(TemplateForTab(m_nModelType, m_nModelNo, 6));
    m_pTab7Page = PageForTemplate(TemplateForTab(m_nModelType, m_nModelNo, 7));
  }

  SetCaption();
  DispTabScreen();
  return TRUE;
}

// Pages are created hidden and laid over the tab control's display area; a
// page whose class is not built, or whose window could not be made, is never shown.
void CExpertDlg::CreatePage(int templateId) {
  const auto it = m_pages.find(templateId);
  if (it == m_pages.end()) return;
  const PageSlot& slot = it->second;
  *slot.pjt = &m_pjt;
  slot.page->Create(static_cast<UINT>(templateId), this);
  slot.page->SetWindowPos(&wndTop, kPageOrigin.x, kPageOrigin.y, 0, 0, SWP_NOSIZE);
}

void CExpertDlg::SetCaption() {
  char caption[kCatalogTextSize];
  if (beamlink::IsNetworkKind(m_pjt.m_nConnectKind))
    GetCatalogText(4, 155, caption, m_strProjectorName, m_pjt.m_szAddress);
  else  // serial ports are numbered from 1 for people
    GetCatalogText(4, 170, caption, m_strProjectorName, static_cast<long long>(m_pjt.m_nPortIndex) + 1);
  SetWindowText(caption);
}

void CExpertDlg::DispTabScreen() {
  for (auto& [templateId, slot] : m_pages) slot.page->ShowWindow(SW_HIDE);
  const int templateId = TemplateForTab(m_nModelType, m_nModelNo, m_tab.GetCurSel());
  const auto it = m_pages.find(templateId);
  if (it == m_pages.end() || !it->second.page->GetSafeHwnd()) return;
  it->second.page->ShowWindow(SW_SHOW);
  it->second.refresh(*it->second.page);
  ReportLinkProblem();
}

// A page that cannot reach its projector shows a dash in every field; one
// box says why, and the same failure is not told again at every refresh
// until the projector has answered once.
void CExpertDlg::ReportLinkProblem() {
  const std::optional<beamlink::LinkProblem>& problem = m_pjt.LinkProblem();
  if (problem && problem != m_reportedLink)
    MessageBox(LinkProblemText(*problem), AfxGetAppName().c_str(), MB_OK | MB_ICONSTOP);
  m_reportedLink = problem;
}

void CExpertDlg::OnSelchangeExpertTab(NMHDR*, LRESULT* pResult) {
  DispTabScreen();
  *pResult = 0;
}

void CExpertDlg::OnDestroy() {
  CDialog::OnDestroy();
  AfxSetResourceHandle(m_hPrevResource);
}
