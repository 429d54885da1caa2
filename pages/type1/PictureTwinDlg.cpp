#include "pages/type1/PictureTwinDlg.h"

#include "projector/CommandCodes.h"

using namespace expert::pages;

namespace {

// The buttons stop at ±32 whatever slider range the model sets.
const SliderGroup kBrightness{.minus = 21035, .slider = 21038, .plus = 21036, .box = 21116,
                              .io = {pjcode::kBrightness}, .offset = 128, .lower = StopAt(-32), .upper = StopAt(32),
                              .rangeText = 17, .defaultRange = {-32, 32}, .tick = 4,
                              .onStepRefused = ErrorBox(Msg(2201, 58))};
const SliderGroup kContrast{.minus = 21037, .slider = 21039, .plus = 21040, .box = 21115,
                            .io = {pjcode::kContrast}, .offset = 128, .lower = StopAt(-32), .upper = StopAt(32),
                            .rangeText = 18, .defaultRange = {-32, 32}, .tick = 4,
                            .onStepRefused = ErrorBox(Msg(2201, 59))};
const ListRow kMirror{.list = 21033, .io = {.code = pjcode::kMirror, .set = Setter<&CPjtInterface::SetMirror>},
                      .items = {Msg(5, 21), Msg(5, 22), Msg(5, 23), Msg(5, 24)}};

}  // namespace

BEGIN_MESSAGE_MAP(CPictureTwinDlg, CSettingPage)
  ON_CBN_SELCHANGE(21041, &CPictureTwinDlg::OnCbnSelchangeAspect)
  ON_CBN_SELCHANGE(21033, &CPictureTwinDlg::OnCbnSelchangeMirror)
  ON_CBN_SELCHANGE(21034, &CPictureTwinDlg::OnCbnSelchangeLanguage)
  ON_BN_CLICKED(21035, &CPictureTwinDlg::OnBnClickedBrightnessMinus)
  ON_BN_CLICKED(21036, &CPictureTwinDlg::OnBnClickedBrightnessPlus)
  ON_BN_CLICKED(21037, &CPictureTwinDlg::OnBnClickedContrastMinus)
  ON_BN_CLICKED(21040, &CPictureTwinDlg::OnBnClickedContrastPlus)
  ON_BN_CLICKED(21044, &CPictureTwinDlg::OnBnClickedResetExecute)
END_MESSAGE_MAP()

CPictureTwinDlg::CPictureTwinDlg(UINT templateId, CWnd* parent, CPjtInterface* const& pjt, OwnRows rows)
    : CSettingPage(templateId, parent, pjt), m_own(rows) {}

void CPictureTwinDlg::DoDataExchange(CDataExchange* pDX) {
  CDialog::DoDataExchange(pDX);
  DDX_Control(pDX, 21043, m_cbReset);
  DDX_Control(pDX, 21034, m_cbLanguage);
  DDX_Control(pDX, 21033, m_cbMirror);
  DDX_Control(pDX, 21039, m_slContrast);
  DDX_Control(pDX, 21038, m_slBrightness);
  DDX_Control(pDX, 21041, m_cbAspect);
}

void CPictureTwinDlg::SetUpShared() {
  SetupSlider(kBrightness);
  SetupSlider(kContrast);
  FillList(m_own.aspect);
  FillList(kMirror);
  FillList(m_own.language);
  FillResets(m_own.resets);
}

void CPictureTwinDlg::EnableShared() {
  EnableGroup(kBrightness);
  EnableGroup(kContrast);
  Enable({m_own.aspect.list, kMirror.list, m_own.language.list});
  SelectFirstReset(m_own.resets);
}

void CPictureTwinDlg::ReadBrightnessAndContrast() {
  ReadSlider(kBrightness, m_nBrightness);
  ReadSlider(kContrast, m_nContrast);
}

void CPictureTwinDlg::ReadAspect() { ReadList(m_own.aspect); }

void CPictureTwinDlg::ReadMirrorAndLanguage() {
  ReadList(kMirror);
  ReadList(m_own.language);
}

void CPictureTwinDlg::OnCbnSelchangeAspect() { ListChanged(m_own.aspect); }
void CPictureTwinDlg::OnCbnSelchangeMirror() { ListChanged(kMirror); }
void CPictureTwinDlg::OnCbnSelchangeLanguage() { ListChanged(m_own.language); }
void CPictureTwinDlg::OnBnClickedBrightnessMinus() { StepDown(kBrightness, m_nBrightness); }
void CPictureTwinDlg::OnBnClickedBrightnessPlus() { StepUp(kBrightness, m_nBrightness); }
void CPictureTwinDlg::OnBnClickedContrastMinus() { StepDown(kContrast, m_nContrast); }
void CPictureTwinDlg::OnBnClickedContrastPlus() { StepUp(kContrast, m_nContrast); }
void CPictureTwinDlg::OnBnClickedResetExecute() { ExecuteReset(m_own.resets); }

void CPictureTwinDlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{kBrightness, m_nBrightness}, {kContrast, m_nContrast}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
