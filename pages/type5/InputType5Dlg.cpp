#include "pages/type5/InputType5Dlg.h"

#include <array>

#include "frame/ExpertDlg.h"
#include "pages/common/ControlView.h"

using namespace expert::pages;

namespace {

// Label and colon of each row that only some models have, and the labels that
// change with the model.
enum : int {
  kRgbIn1Label = 20390,
  kRgbIn2Label = 20391,
  kFrameLockComp1Label = 20425,
  kFrameLockComp2Label = 20426,
  kHdmiLabel = 20427,
  kFrameLockHdmiLabel = 20428,
  kHdmiColon = 20429,
  kFrameLockComp1Colon = 20430,
  kFrameLockComp2Colon = 20431,
  kFrameLockHdmiColon = 20432,
};

template <int Offset>
int LessOffset(const CExpertDlg&, const CComboBox&, int value) { return value - Offset; }

// The setters of the computer inputs take a flag the projector library
// passes on; which models set it is the page's business.
template <auto Set, bool Flag>
bool FlaggedSetter(CPjtInterface& pjt, int position) {
  (pjt.*Set)(position, Flag);
  return true;
}

template <auto Get, int Argument>
bool ArgumentGetter(CPjtInterface& pjt, std::uint16_t& raw) {
  std::int16_t value = 0;
  if (!(pjt.*Get)(Argument, &value)) return false;
  raw = static_cast<std::uint16_t>(value);
  return true;
}

const CatMsg kOff = Msg(5, 327), kOn = Msg(5, 329);

const ListRow kProgressive{.list = 20294, .io = {.get = Getter<&CPjtInterface::GetProgressive>,
                                                 .set = Setter<&CPjtInterface::SetProgressive>}};
// The projector counts noise reduction levels from 1; the setter is told so.
const ListRow kVideoNR{.list = 20295,
                       .io = {.get = Getter<&CPjtInterface::GetVideoNrVal>,
                              .set = [](CPjtInterface& pjt, int position) { pjt.SetVideoNR(position, 1); return true; }},
                       .map = {.position = LessOffset<1>},
                       .items = {Msg(5, 367), Msg(5, 368), Msg(5, 369)}};
const ListRow k3DYCS{.list = 20296, .io = {.get = Getter<&CPjtInterface::Get3dycs>, .set = Setter<&CPjtInterface::Set3DYCS>}};
const ListRow kColorSpace{.list = 20297, .io = {.get = Getter<&CPjtInterface::GetColorSpace>,
                                                .set = Setter<&CPjtInterface::SetColorSpace>}};
const ListRow kComponent{.list = 20298, .io = {.get = Getter<&CPjtInterface::GetComponent>,
                                               .set = Setter<&CPjtInterface::SetComponent>}};
// The setters take the list position; the library sends the format value.
const ListRow kCVideoFormat{.list = 20299,
                            .io = {.get = ArgumentGetter<&CPjtInterface::GetVideoFormat, true>,
                                   .set = Setter<&CPjtInterface::SetCVideoFormat>},
                            .map = {.position = kVideoFormats.position}};
const ListRow kSVideoFormat{.list = 20300,
                            .io = {.get = ArgumentGetter<&CPjtInterface::GetVideoFormat, false>,
                                   .set = Setter<&CPjtInterface::SetSVideoFormat>},
                            .map = {.position = kVideoFormats.position}};
const ListRow kM1D{.list = 20301, .io = {.get = Getter<&CPjtInterface::GetM1d>, .set = Setter<&CPjtInterface::SetM1D>},
                   .items = {Msg(5, 17), Msg(5, 104)}};
const ListRow kFrameLock{.list = 20302, .io = {.get = Getter<&CPjtInterface::GetFrameLock>,
                                               .set = Setter<&CPjtInterface::SetFrameLock>},
                         .items = {kOff, kOn}};
// RGB IN values start at 2 (the setters add it). Index: the models' flag.
const ListRow kRgbIn1[2] = {
    {.list = 20303, .io = {.get = ArgumentGetter<&CPjtInterface::GetRgbIn, 1>,
                           .set = FlaggedSetter<&CPjtInterface::SetRgbIn1, false>}, .map = {.position = LessOffset<2>}},
    {.list = 20303, .io = {.get = ArgumentGetter<&CPjtInterface::GetRgbIn, 1>,
                           .set = FlaggedSetter<&CPjtInterface::SetRgbIn1, true>}, .map = {.position = LessOffset<2>}}};
const ListRow kRgbIn2[2] = {
    {.list = 20304, .io = {.get = ArgumentGetter<&CPjtInterface::GetRgbIn, 2>,
                           .set = FlaggedSetter<&CPjtInterface::SetRgbIn2, false>}, .map = {.position = LessOffset<2>}},
    {.list = 20304, .io = {.get = ArgumentGetter<&CPjtInterface::GetRgbIn, 2>,
                           .set = FlaggedSetter<&CPjtInterface::SetRgbIn2, true>}, .map = {.position = LessOffset<2>}}};
const ListRow kFrameLockComp1[2] = {
    {.list = 20305, .io = {.get = Getter<&CPjtInterface::GetFrameLockComp1>,
                           .set = FlaggedSetter<&CPjtInterface::SetFrameLockComp1, false>}, .items = {kOff, kOn}},
    {.list = 20305, .io = {.get = Getter<&CPjtInterface::GetFrameLockComp1>,
                           .set = FlaggedSetter<&CPjtInterface::SetFrameLockComp1, true>}, .items = {kOff, kOn}}};
const ListRow kFrameLockComp2[2] = {
    {.list = 20306, .io = {.get = Getter<&CPjtInterface::GetFrameLockComp2>,
                           .set = FlaggedSetter<&CPjtInterface::SetFrameLockComp2, false>}, .items = {kOff, kOn}},
    {.list = 20306, .io = {.get = Getter<&CPjtInterface::GetFrameLockComp2>,
                           .set = FlaggedSetter<&CPjtInterface::SetFrameLockComp2, true>}, .items = {kOff, kOn}}};
const ListRow kHdmi{.list = 20307, .io = {.get = Getter<&CPjtInterface::GetHDMI>, .set = Setter<&CPjtInterface::SetHDMI>},
                    .items = {Msg(5, 405), Msg(5, 406), Msg(5, 407)}};
const ListRow kFrameLockHdmi{.list = 20308, .io = {.get = Getter<&CPjtInterface::GetFrameLockHDMI>,
                                                   .set = Setter<&CPjtInterface::SetFrameLockHDMI>},
                             .items = {kOff, kOn}};

bool Among(int model, std::initializer_list<int> models) {
  for (int m : models)
    if (m == model) return true;
  return false;
}
bool HasComputerFrameLock(int model) { return model >= 40 && model <= 44; }
bool HasHdmi(int model) { return model >= 41 && model <= 43; }
// Models 41 and 43 set the flag of the computer-input setters.
int FlagOf(int model) { return model == 41 || model == 43 ? 1 : 0; }

// Puts a catalog text in place of the template's item at `index`.
void ReplaceItem(CWnd& page, int listId, int index, CatMsg text) {
  ControlView<CComboBox> list(ChildWindow(page, listId));
  if (list.DeleteString(index) == CB_ERR) return;
  list.InsertString(index, CatalogText(text));
}

}  // namespace

BEGIN_MESSAGE_MAP(CInputType5Dlg, CSettingPage)
  ON_CBN_SELCHANGE(20294, &CInputType5Dlg::OnCbnSelchangeInput5ProgComb)
  ON_CBN_SELCHANGE(20295, &CInputType5Dlg::OnCbnSelchangeInput5VidnrComb)
  ON_CBN_SELCHANGE(20296, &CInputType5Dlg::OnCbnSelchangeInput53dycsComb)
  ON_CBN_SELCHANGE(20297, &CInputType5Dlg::OnCbnSelchangeInput5CospsComb)
  ON_CBN_SELCHANGE(20298, &CInputType5Dlg::OnCbnSelchangeInput5CompoComb)
  ON_CBN_SELCHANGE(20299, &CInputType5Dlg::OnCbnSelchangeInput5CvidfmtComb)
  ON_CBN_SELCHANGE(20300, &CInputType5Dlg::OnCbnSelchangeInput5SvidfmtComb)
  ON_CBN_SELCHANGE(20301, &CInputType5Dlg::OnCbnSelchangeInput5M1dComb)
  ON_CBN_SELCHANGE(20302, &CInputType5Dlg::OnCbnSelchangeInput5FrlckCombo)
  ON_CBN_SELCHANGE(20303, &CInputType5Dlg::OnCbnSelchangeInput5Rgbin1Comb)
  ON_CBN_SELCHANGE(20304, &CInputType5Dlg::OnCbnSelchangeInput5Rgbin2Comb)
  ON_CBN_SELCHANGE(20305, &CInputType5Dlg::OnCbnSelchangeInput5Framelockcomp1Comb)
  ON_CBN_SELCHANGE(20306, &CInputType5Dlg::OnCbnSelchangeInput5Framelockcomp2Comb)
  ON_CBN_SELCHANGE(20307, &CInputType5Dlg::OnCbnSelchangeInput5HdmiComb)
  ON_CBN_SELCHANGE(20308, &CInputType5Dlg::OnCbnSelchangeInput5FramelockhdmiComb)
END_MESSAGE_MAP()

CInputType5Dlg::CInputType5Dlg(CWnd* pParent) : CSettingPage(20046, pParent, m_pPjt) {}

void CInputType5Dlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 20294, m_cbProgressive);
  DDX_Control(pDX, 20295, m_cbVideoNR);
  DDX_Control(pDX, 20296, m_cb3DYCS);
  DDX_Control(pDX, 20297, m_cbColorSpace);
  DDX_Control(pDX, 20298, m_cbComponent);
  DDX_Control(pDX, 20299, m_cbCVideoFormat);
  DDX_Control(pDX, 20300, m_cbSVideoFormat);
  DDX_Control(pDX, 20301, m_cbM1D);
  DDX_Control(pDX, 20302, m_cbFrameLock);
  DDX_Control(pDX, 20303, m_cbRgbIn1);
  DDX_Control(pDX, 20304, m_cbRgbIn2);
}

int CInputType5Dlg::Model() const { return Host().m_nModelNo; }

BOOL CInputType5Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  const int model = Model();
  ReplaceItem(*this, kProgressive.list, 0, Msg(5, 30));
  ReplaceItem(*this, kProgressive.list, 2, Msg(5, 326));
  ReplaceItem(*this, k3DYCS.list, 0, Msg(5, 30));
  for (int list : {kColorSpace.list, kCVideoFormat.list, kSVideoFormat.list}) ReplaceItem(*this, list, 0, Msg(5, 98));
  FillList(kFrameLock);
  FillList(kVideoNR);
  if (model == 41 || model == 43) FillList(k3DYCS.list, std::array{Msg(5, 30), Msg(5, 417), Msg(5, 418)});
  // The second computer-input item: "Auto" on some models, "Component" on the others.
  const CatMsg second = Among(model, {37, 38, 41, 43}) ? Msg(5, 98) : Msg(5, 103);
  for (int list : {kRgbIn1[0].list, kRgbIn2[0].list}) FillList(list, std::array{Msg(5, 102), second});
  for (const ListRow* row : {&kM1D, &kFrameLockComp1[0], &kFrameLockComp2[0], &kFrameLockHdmi, &kHdmi}) FillList(*row);

  const bool computerFrameLock = HasComputerFrameLock(model), hdmi = HasHdmi(model);
  Show({kFrameLockComp1Label, kFrameLockComp1Colon, kFrameLockComp1[0].list, kFrameLockComp2Label,
        kFrameLockComp2Colon, kFrameLockComp2[0].list},
       computerFrameLock);
  Show({kHdmiLabel, kHdmiColon, kHdmi.list, kFrameLockHdmiLabel, kFrameLockHdmiColon, kFrameLockHdmi.list}, hdmi);
  if (model == 41 || model == 43) {
    SetText(kFrameLockComp1Label, CatalogText(Msg(4, 188)));
    SetText(kFrameLockComp2Label, CatalogText(Msg(4, 189)));
  }
  if (Among(model, {37, 38, 39, 40, 42, 44, 45})) {
    SetText(kRgbIn1Label, CatalogText(Msg(4, 179)));
    SetText(kRgbIn2Label, CatalogText(Msg(4, 180)));
  }
  return TRUE;
}

void CInputType5Dlg::Init() {
  const int model = Model();
  const int flag = FlagOf(model);
  for (const ListRow* row : {&kProgressive, &kVideoNR, &k3DYCS, &kColorSpace, &kComponent, &kCVideoFormat,
                             &kSVideoFormat, &kM1D, &kFrameLock, &kRgbIn1[0], &kRgbIn2[0], &kFrameLockComp1[0],
                             &kFrameLockComp2[0], &kHdmi, &kFrameLockHdmi})
    Enable({row->list});
  for (const ListRow* row : {&kProgressive, &kVideoNR, &k3DYCS, &kColorSpace, &kComponent, &kCVideoFormat,
                             &kSVideoFormat, &kM1D})
    ReadList(*row);
  // Models with a frame lock per computer input have no general one.
  if (HasComputerFrameLock(model))
    Enable({kFrameLock.list}, false);
  else
    ReadList(kFrameLock);
  ReadList(kRgbIn1[flag]);
  ReadList(kRgbIn2[flag]);
  if (HasComputerFrameLock(model)) {
    ReadList(kFrameLockComp1[flag]);
    ReadList(kFrameLockComp2[flag]);
  }
  if (HasHdmi(model)) {
    ReadList(kFrameLockHdmi);
    ReadList(kHdmi);
  }
}

void CInputType5Dlg::OnCbnSelchangeInput5ProgComb() { ListChanged(kProgressive); }
void CInputType5Dlg::OnCbnSelchangeInput5VidnrComb() { ListChanged(kVideoNR); }
void CInputType5Dlg::OnCbnSelchangeInput53dycsComb() { ListChanged(k3DYCS); }
void CInputType5Dlg::OnCbnSelchangeInput5CospsComb() { ListChanged(kColorSpace); }
void CInputType5Dlg::OnCbnSelchangeInput5CompoComb() { ListChanged(kComponent); }
void CInputType5Dlg::OnCbnSelchangeInput5CvidfmtComb() { ListChanged(kCVideoFormat); }
void CInputType5Dlg::OnCbnSelchangeInput5SvidfmtComb() { ListChanged(kSVideoFormat); }
void CInputType5Dlg::OnCbnSelchangeInput5M1dComb() { ListChanged(kM1D); }
void CInputType5Dlg::OnCbnSelchangeInput5FrlckCombo() { ListChanged(kFrameLock); }
void CInputType5Dlg::OnCbnSelchangeInput5Rgbin1Comb() { ListChanged(kRgbIn1[FlagOf(Model())]); }
void CInputType5Dlg::OnCbnSelchangeInput5Rgbin2Comb() { ListChanged(kRgbIn2[FlagOf(Model())]); }
void CInputType5Dlg::OnCbnSelchangeInput5Framelockcomp1Comb() { ListChanged(kFrameLockComp1[FlagOf(Model())]); }
void CInputType5Dlg::OnCbnSelchangeInput5Framelockcomp2Comb() { ListChanged(kFrameLockComp2[FlagOf(Model())]); }
void CInputType5Dlg::OnCbnSelchangeInput5HdmiComb() { ListChanged(kHdmi); }
void CInputType5Dlg::OnCbnSelchangeInput5FramelockhdmiComb() { ListChanged(kFrameLockHdmi); }
