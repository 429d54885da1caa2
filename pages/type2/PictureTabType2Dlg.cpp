#include "pages/type2/PictureTabType2Dlg.h"

#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

// Aspect code 2 has a text of its own on this page.
const ListRow kAspect{.list = 21041, .io = {.code = pjcode::kAspect, .set = Setter<&CPjtInterface::SetAspect>},
                      .codes = CodeTable{.table = HostTable::Aspect,
                                         .textBase = 1,
                                         .textFor = [](const CExpertDlg&, int code) {
                                           return code == 2 ? std::optional<CatMsg>(Msg(5, 360)) : std::nullopt;
                                         },
                                         .sendsPosition = true}};
const ListRow kPicturePosition{
    .list = 20027,
    .io = {.code = pjcode::kPicturePosition, .set = Setter<&CPjtInterface::SetPicturePosition>},
    .items = {Msg(5, 130), Msg(5, 131), Msg(5, 132)}};
// SetGamma takes the list position and sends the host's code at it, so the
// code read back selects the item holding that code.
const ListRow kGamma{.list = 21045, .io = {.code = pjcode::kGamma, .set = Setter<&CPjtInterface::SetGamma>},
                     .codes = CodeTable{.table = HostTable::Gamma, .textBase = 70, .sendsPosition = true}};
const ListRow kLanguage{.list = 21034, .io = {.code = pjcode::kMenuLanguage, .set = Setter<&CPjtInterface::SetLanguage>},
                        .items = {Msg(5, 110), Msg(5, 111), Msg(5, 112), Msg(5, 113), Msg(5, 114), Msg(5, 115),
                                  Msg(5, 116), Msg(5, 117), Msg(5, 118), Msg(5, 127), Msg(5, 120)}};
const ResetList kResets{21043, 21044,
                        {{Msg(5, 105), &CPjtInterface::ExecBrightnessReset},
                         {Msg(5, 106), &CPjtInterface::ExecContrastReset}}};

}  // namespace

BEGIN_MESSAGE_MAP(CPictureTabType2Dlg, CPictureTwinDlg)
  ON_CBN_SELCHANGE(20027, &CPictureTabType2Dlg::OnCbnSelchangePicturePosition)
  ON_CBN_SELCHANGE(21045, &CPictureTabType2Dlg::OnCbnSelchangeGamma)
END_MESSAGE_MAP()

CPictureTabType2Dlg::CPictureTabType2Dlg(CWnd* pParent)
    : CPictureTwinDlg(20003, pParent, m_pPjt, {kAspect, kLanguage, kResets}) {}

void CPictureTabType2Dlg::DoDataExchange(CDataExchange* pDX) {
  CPictureTwinDlg::DoDataExchange(pDX);
  DDX_Control(pDX, 20027, m_cbPicturePosition);
  DDX_Control(pDX, 21045, m_cbGamma);
}

BOOL CPictureTabType2Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  SetUpShared();
  FillList(kPicturePosition);
  FillList(kGamma);
  return TRUE;
}

void CPictureTabType2Dlg::InitDisp() {
  EnableShared();
  Enable({kPicturePosition.list, kGamma.list});
  ReadBrightnessAndContrast();
  ReadAspect();
  ReadList(kPicturePosition);
  ReadList(kGamma);
  ReadMirrorAndLanguage();
}

void CPictureTabType2Dlg::OnCbnSelchangePicturePosition() { ListChanged(kPicturePosition); }
void CPictureTabType2Dlg::OnCbnSelchangeGamma() { ListChanged(kGamma); }
