#include "pages/common/StatusTabDlg.h"

#include <cstring>

#include "frame/ExpertDlg.h"
#include "pages/common/StatusTexts.h"
#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

enum : int {
  kLampLabel = 20006,
  kFilterLabel = 20007,
  kPowerText = 20008,
  kInputText = 20009,
  kErrorText = 20010,
  kBlankText = 20011,
  kMuteText = 20012,
  kFreezeText = 20013,
  kLampText = 20014,
  kFilterText = 20015,
  kResetExecute = 20018,
  kResetList = 20019,
  kResetLabel = 20077,
};

// A read-only state: its code, where it shows and the text of a value.
struct StateText {
  std::uint16_t code;
  int text;
  std::string (*item)(std::uint16_t value);
};

std::string OnOff(std::uint16_t value) { return CatalogText(value == 1 ? Msg(5, 31) : Msg(5, 30)); }

std::string PowerState(std::uint16_t value) {
  if (value == 1) return CatalogText(Msg(5, 31));
  if (value == 2) return CatalogText(Msg(5, 309));  // cooling down
  return CatalogText(Msg(5, 30));
}

std::string FreezeState(std::uint16_t value) { return CatalogText(value == 1 ? Msg(5, 333) : Msg(5, 336)); }

std::string Hours(std::uint16_t value) { return CatalogText(Msg(5, 320), value); }

const StateText kPower{pjcode::kPowerStatus, kPowerText, PowerState};
const StateText kError{pjcode::kErrorStatus, kErrorText, ErrorStatusText};
const StateText kBlank{pjcode::kBlank, kBlankText, OnOff};
const StateText kMute{pjcode::kMute, kMuteText, OnOff};
const StateText kFreeze{pjcode::kFreeze, kFreezeText, FreezeState};
const StateText kLampTime{pjcode::kLampTime, kLampText, Hours};
const StateText kFilterTime{pjcode::kFilterTime, kFilterText, Hours};

const ResetList kResets{kResetList, kResetExecute,
                        {{Msg(5, 322), &CPjtInterface::ExecLampTimeReset},
                         {Msg(5, 321), &CPjtInterface::ExecFilterTimeReset}}};

bool IsType3(const CExpertDlg& host) { return host.m_nModelType == 3; }

}  // namespace

BEGIN_MESSAGE_MAP(CStatusTabDlg, CSettingPage)
  ON_BN_CLICKED(kResetExecute, &CStatusTabDlg::OnBnClickedResetExecute)
END_MESSAGE_MAP()

CStatusTabDlg::CStatusTabDlg(CWnd* pParent) : CSettingPage(20000, pParent, m_pPjt) {}

void CStatusTabDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, kResetList, m_cbReset);
}

BOOL CStatusTabDlg::OnInitDialog() {
  CSettingPage::OnInitDialog();
  // Type 3 keeps no lamp or filter time.
  if (IsType3(Host())) Show({kLampLabel, kFilterLabel, kResetLabel, kResetExecute, kResetList}, false);
  FillResets(kResets);
  return TRUE;
}

void CStatusTabDlg::InitDisp() {
  // Each state is read on its own; one that cannot be read shows ": -".
  const auto show = [this](const StateText& state) {
    std::uint16_t value = 0;
    if (!ReadRaw(Pjt(), Channel{state.code}, value)) {
      SetText(state.text, ": -");
      return;
    }
    SetText(state.text, CatalogText(Msg(5, 319), state.item(value)));
  };
  show(kPower);

  // The input shows its name, not through the state format.
  std::uint16_t input = 0;
  if (!ReadRaw(Pjt(), Channel{pjcode::kInputSource}, input)) {
    SetText(kInputText, ": -");
  } else {
    std::string text = ": ";
    for (int i = 0; i < kHostInputSize; ++i) {
      if (Host().m_nInputCode[i] != input) continue;
      text += InputName(i);
      break;
    }
    SetText(kInputText, text);
  }

  show(kError);
  show(kBlank);
  show(kMute);
  show(kFreeze);
  if (!IsType3(Host())) {
    show(kLampTime);
    show(kFilterTime);
    SelectFirstReset(kResets);
  }
}

void CStatusTabDlg::OnBnClickedResetExecute() { ExecuteReset(kResets); }
