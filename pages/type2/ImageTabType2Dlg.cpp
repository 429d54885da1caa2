#include "pages/type2/ImageTabType2Dlg.h"

#include "frame/ExpertDlg.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

const SliderGroup kSharpness{.minus = 21054, .slider = 21055, .plus = 21056, .box = 21125,
                             .io = {pjcode::kSharpness}, .offset = 128, .lower = StopAt(-6), .upper = StopAt(6),
                             .rangeText = 26, .defaultRange = {-6, 6}, .tick = 1,
                             .onStepRefused = ErrorBox(Msg(2201, 17))};
const ResetList kResets{20029, 21069,
                        {{Msg(5, 296), &CPjtInterface::ExecColorBalRReset},
                         {Msg(5, 298), &CPjtInterface::ExecColorBalBReset},
                         {Msg(5, 292), &CPjtInterface::ExecSharpnessReset},
                         {Msg(5, 290), &CPjtInterface::ExecColorReset},
                         {Msg(5, 291), &CPjtInterface::ExecTintReset}}};

}  // namespace

CImageTabType2Dlg::CImageTabType2Dlg(CWnd* pParent) : CImageTwinDlg(20005, pParent, m_pPjt, kResets) {}

void CImageTabType2Dlg::DoDataExchange(CDataExchange* pDX) {
  CImageTwinDlg::DoDataExchange(pDX);
  DDX_Control(pDX, 20029, m_cbReset);
}

// The colour slider keeps the wide range on every model; only its buttons
// stop at ±32 on model 3. Tint stays within ±14 everywhere.
CImageTwinDlg::ModelRows CImageTabType2Dlg::RowsForModel() const {
  return {kSharpness, kColorWide, Host().m_nModelNo == 3 ? kColorNarrow : kColorWide, kTintNarrow};
}

BOOL CImageTabType2Dlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  SetUpShared();
  return TRUE;
}

void CImageTabType2Dlg::InitDisp() { ReadShared({}); }
