#include "pages/type5/Option5TabDlg.h"

#include <algorithm>
#include <array>
#include <map>

#include "frame/ExpertDlg.h"
#include "pages/common/ControlView.h"
#include "pages/type5/ServiceDlg.h"

using namespace expert::pages;

namespace {

enum : int {
  kCCDisplayLabel = 20289,
  kCCModeLabel = 20290,
  kCCChannelLabel = 20291,
  kCCDisplayColon = 20402,
  kCCModeColon = 20403,
  kCCChannelColon = 20404,
};

template <auto Get, auto Set>
constexpr Channel Named() {
  return {.get = Getter<Get>, .set = Setter<Set>};
}
using StepOut = bool (CPjtInterface::*)(std::int16_t*);

const ListRow kAutoSearch{.list = 20364, .io = Named<&CPjtInterface::GetAutoSearch, &CPjtInterface::SetAutoSearch>(),
                          .items = {Msg(5, 327), Msg(5, 329)}, .rereadWhenRefused = true};
const ListRow kAutoKeystone{.list = 20365,
                            .io = Named<&CPjtInterface::GetAutoKeystone, &CPjtInterface::SetAutoKeystone>(),
                            .items = {Msg(5, 327), Msg(5, 329)}, .rereadWhenRefused = true};
const ListRow kAutoOn{.list = 20366, .io = Named<&CPjtInterface::GetAutoOn, &CPjtInterface::SetAutoPowerOn>(),
                      .items = {Msg(5, 327), Msg(5, 329)}, .rereadWhenRefused = true};
// The buttons step only when the projector answers a read first; nothing is reported.
const SliderGroup kAutoOff{
    .minus = 20367, .slider = 20369, .plus = 20368, .box = 20370,
    .io = {.get = Getter<&CPjtInterface::GetAutoOff>, .set = Setter<&CPjtInterface::SetAutoPowerOff>,
           .step = Stepper<static_cast<StepOut>(&CPjtInterface::IncrementAutoPowerOff),
                           static_cast<StepOut>(&CPjtInterface::DecrementAutoPowerOff)>},
    .rangeText = 0, .defaultRange = {0, 99}, .tick = 5, .readBeforeStep = true};

// Each item carries its function code; a code the list lacks leaves the list
// as it was, and an item without a code (negative) sends nothing.
const ListMap kFunctionCode{kItemData.position, [](const CExpertDlg& host, const CComboBox& list, int position) {
                              const std::optional<int> code = kItemData.value(host, list, position);
                              return code && *code >= 0 ? code : std::nullopt;
                            }};
const ListRow kMyButton1{.list = 20371, .io = Named<&CPjtInterface::GetMyButton1, &CPjtInterface::SetMyButton1>(),
                         .map = kFunctionCode, .rereadWhenRefused = true, .unknownKeepsSelection = true};
const ListRow kMyButton2{.list = 20372, .io = Named<&CPjtInterface::GetMyButton2, &CPjtInterface::SetMyButton2>(),
                         .map = kFunctionCode, .rereadWhenRefused = true, .unknownKeepsSelection = true};

const ListRow kCCDisplay{.list = 20292, .io = Named<&CPjtInterface::GetCCDisplay, &CPjtInterface::SetCCDisplay>(),
                         .items = {Msg(5, 408), Msg(5, 409), Msg(5, 410)}};
const ListRow kCCMode{.list = 20293, .io = Named<&CPjtInterface::GetCCMode, &CPjtInterface::SetCCMode>(),
                      .items = {Msg(5, 411), Msg(5, 412)}};
// Channels are numbered from 1.
const ListRow kCCChannel{
    .list = 20294, .io = Named<&CPjtInterface::GetCCChannel, &CPjtInterface::SetCCChannel>(),
    .map = {[](const CExpertDlg&, const CComboBox&, int value) { return value - 1; },
            [](const CExpertDlg&, const CComboBox&, int position) -> std::optional<int> { return position + 1; }}};

bool HasClosedCaptions(int model) { return model == 40 || model == 42 || model == 44 || model == 45; }

// Function codes whose item text differs from the usual 5/(code + 170) on a model.
const std::map<int, std::map<int, int>>& MyButtonTexts() {
  static const std::map<int, int> inputs{{0, 1001}, {4, 1002}};
  static const std::map<int, std::map<int, int>> texts{
      {37, inputs}, {39, inputs}, {45, inputs}, {38, {{0, 1003}}},
      {40, {{0, 1001}, {4, 1002}, {25, 1007}, {32, 1008}, {33, 1009}, {34, 1010}, {35, 1011}, {36, 1012}}},
      {41, {{3, 1006}, {25, 1007}, {32, 1008}, {33, 1009}, {34, 1010}, {35, 1011}, {36, 1012}}},
      {42, {{0, 1001}, {4, 1002}, {3, 1006}, {32, 1008}, {33, 1009}, {34, 1010}, {35, 1011}, {36, 1012}}},
      {43, {{3, 1006}, {25, 1007}}},
      {44, {{0, 1001}, {4, 1002}, {25, 1007}, {48, 1013}, {49, 1014}}},
  };
  return texts;
}

}  // namespace

const int COption5TabDlg::MyButtonDefaultTable[17] = {0, 4, 3, 5, 2, 1, 6, 16, 17, 18, 19, 20, 21, 22, 23, 24, -1};
int COption5TabDlg::MyButtonLookupTable[33] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,
                                               -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1};

int COption5TabDlg::GetMyBtnIdx(int value) {
  for (int i = 0; i < 33 && MyButtonLookupTable[i] != -1; ++i)
    if (MyButtonLookupTable[i] == value) return i;
  return -1;
}

int COption5TabDlg::GetMyBtnVal(int index) { return index >= 0 && index < 33 ? MyButtonLookupTable[index] : -1; }

BEGIN_MESSAGE_MAP(COption5TabDlg, CSettingPage)
  ON_CBN_SELCHANGE(20364, &COption5TabDlg::OnCbnSelchangeOpt5Atseacomb)
  ON_CBN_SELCHANGE(20365, &COption5TabDlg::OnCbnSelchangeOpt5Atkscomb)
  ON_CBN_SELCHANGE(20366, &COption5TabDlg::OnCbnSelchangeOpt5Atoncomb)
  ON_BN_CLICKED(20367, &COption5TabDlg::OnBnClickedOpt5Btnatoffneg)
  ON_BN_CLICKED(20368, &COption5TabDlg::OnBnClickedOpt5Btnatoffpos)
  ON_CBN_SELCHANGE(20371, &COption5TabDlg::OnCbnSelchangeOpt5Mybtn1comb)
  ON_CBN_SELCHANGE(20372, &COption5TabDlg::OnCbnSelchangeOpt5Mybtn2comb)
  ON_BN_CLICKED(20373, &COption5TabDlg::OnBnClickedOpt5Btnsvc)
  ON_CBN_SELCHANGE(20292, &COption5TabDlg::OnCbnSelchangeOth4CcdisplayComb)
  ON_CBN_SELCHANGE(20293, &COption5TabDlg::OnCbnSelchangeOth4CcmodeComb)
  ON_CBN_SELCHANGE(20294, &COption5TabDlg::OnCbnSelchangeOth4CcchannelComb)
END_MESSAGE_MAP()

COption5TabDlg::COption5TabDlg(CWnd* pParent) : CSettingPage(20052, pParent, m_pPjt) {}

void COption5TabDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20364, m_cbAutoSearch);
  DDX_Control(pDX, 20365, m_cbAutoKeystone);
  DDX_Control(pDX, 20366, m_cbAutoOn);
  DDX_Control(pDX, 20369, m_slAutoOff);
  DDX_Control(pDX, 20370, m_edAutoOff);
  DDX_Control(pDX, 20371, m_cbMyButton1);
  DDX_Control(pDX, 20372, m_cbMyButton2);
  DDX_Control(pDX, 20368, m_btAutoOffPlus);
  DDX_Control(pDX, 20367, m_btAutoOffMinus);
}

int COption5TabDlg::Model() const { return Host().m_nModelNo; }

BOOL COption5TabDlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  for (const ListRow* row : {&kAutoSearch, &kAutoKeystone, &kAutoOn}) FillList(*row);
  SetupSlider(kAutoOff);
  m_slAutoOff.SetPos(0);
  SetText(kAutoOff.box, "0");
  std::fill(std::begin(MyButtonLookupTable), std::end(MyButtonLookupTable), -1);
  FillMyButtons();
  for (const ListRow* row : {&kCCDisplay, &kCCMode, &kCCChannel}) ControlView<CComboBox>(ChildWindow(*this, row->list)).ResetContent();
  if (!HasClosedCaptions(Model())) {
    Show({kCCDisplayLabel, kCCModeLabel, kCCChannelLabel, kCCDisplayColon, kCCModeColon, kCCChannelColon,
          kCCDisplay.list, kCCMode.list, kCCChannel.list},
         false);
    return TRUE;
  }
  FillList(kCCDisplay);
  FillList(kCCMode);
  for (const char* channel : {"1", "2", "3", "4"}) ControlView<CComboBox>(ChildWindow(*this, kCCChannel.list)).AddString(channel);
  return TRUE;
}

// The host's functions, each item carrying its code; without them the
// template's items get the default codes, as far as there are items.
void COption5TabDlg::FillMyButtons() {
  const CExpertDlg& host = Host();
  const int count = std::clamp(host.m_nMyButtonCount, 0, kHostListSize);
  const auto overrides = MyButtonTexts().find(Model());
  for (CComboBox* list : {&m_cbMyButton1, &m_cbMyButton2}) {
    if (count == 0) {
      for (int i = 0; i < list->GetCount() && MyButtonDefaultTable[i] != -1; ++i)
        list->SetItemData(i, static_cast<DWORD_PTR>(MyButtonDefaultTable[i]));
      continue;
    }
    list->ResetContent();
    for (int i = 0; i < count; ++i) {
      const int code = host.m_nMyButtonCode[i];
      int text = code + 170;
      if (overrides != MyButtonTexts().end())
        if (const auto found = overrides->second.find(code); found != overrides->second.end()) text = found->second;
      list->SetItemData(list->AddString(CatalogText(Msg(5, text))), static_cast<DWORD_PTR>(code));
    }
  }
}

void COption5TabDlg::InitDisp() {
  for (const ListRow* row : {&kAutoSearch, &kAutoKeystone, &kAutoOn}) {
    Enable({row->list});
    ReadList(*row);
  }
  EnableGroup(kAutoOff);
  ReadSlider(kAutoOff, m_nAutoOff);
  for (const ListRow* row : {&kMyButton1, &kMyButton2}) {
    Enable({row->list});
    ReadList(*row);
  }
  if (!HasClosedCaptions(Model())) return;
  for (const ListRow* row : {&kCCDisplay, &kCCMode, &kCCChannel}) {
    Enable({row->list});
    ReadList(*row);
  }
}

// Model 44's items 13 and 14 name functions its My Buttons cannot take: the
// list goes back to the projector's function (to the one last shown when
// it cannot be read: the unsent choice never stays).
void COption5TabDlg::MyButtonChanged(const ListRow& row) {
  const int position = SelectedPosition(row.list);
  if (Model() == 44 && (position == 13 || position == 14)) {
    ShowKnownValue(row);
    ReadList(row);
    return;
  }
  ListChanged(row);
}

void COption5TabDlg::OnBnClickedOpt5Btnsvc() {
  CServiceDlg service;
  service.m_pPjt = m_pPjt;
  service.m_nModelNo = Model();
  service.DoModal();
}

void COption5TabDlg::OnCbnSelchangeOpt5Atseacomb() { ListChanged(kAutoSearch); }
void COption5TabDlg::OnCbnSelchangeOpt5Atkscomb() { ListChanged(kAutoKeystone); }
void COption5TabDlg::OnCbnSelchangeOpt5Atoncomb() { ListChanged(kAutoOn); }
void COption5TabDlg::OnBnClickedOpt5Btnatoffneg() { StepDown(kAutoOff, m_nAutoOff); }
void COption5TabDlg::OnBnClickedOpt5Btnatoffpos() { StepUp(kAutoOff, m_nAutoOff); }
void COption5TabDlg::OnCbnSelchangeOpt5Mybtn1comb() { MyButtonChanged(kMyButton1); }
void COption5TabDlg::OnCbnSelchangeOpt5Mybtn2comb() { MyButtonChanged(kMyButton2); }
void COption5TabDlg::OnCbnSelchangeOth4CcdisplayComb() { ListChanged(kCCDisplay); }
void COption5TabDlg::OnCbnSelchangeOth4CcmodeComb() { ListChanged(kCCMode); }
void COption5TabDlg::OnCbnSelchangeOth4CcchannelComb() { ListChanged(kCCChannel); }

void COption5TabDlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{kAutoOff, m_nAutoOff}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
