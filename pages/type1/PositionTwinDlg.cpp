#include "pages/type1/PositionTwinDlg.h"

using namespace expert::pages;

CPositionTwinDlg::CPositionTwinDlg(UINT templateId, CWnd* parent, CPjtInterface* const& pjt, const PositionRows& rows)
    : CSettingPage(templateId, parent, pjt), m_rows(rows) {}

void CPositionTwinDlg::SetUpShared() {
  SetArrowImages(m_rows.vertical, m_bmpArrows);
  SetArrowImages(m_rows.horizontal, m_bmpArrows);
  SetupSlider(m_rows.hPhase);
  FillResets(m_rows.resets);
}

void CPositionTwinDlg::ReadShared() {
  EnableArrows(m_rows.vertical);
  EnableArrows(m_rows.horizontal);
  EnableGroup(m_rows.hPhase);
  EnableGroup(m_rows.hSize);
  ReadArrows(m_rows.vertical, m_nVPos);
  ReadArrows(m_rows.horizontal, m_nHPos);
  ReadSlider(m_rows.hPhase, m_nHPhase);
  ReadSlider(m_rows.hSize, m_nHSize);
  SelectFirstReset(m_rows.resets);
}

void CPositionTwinDlg::OnBnClickedVPosUp() { ArrowClicked(m_rows.vertical, m_nVPos, true); }
void CPositionTwinDlg::OnBnClickedVPosDown() { ArrowClicked(m_rows.vertical, m_nVPos, false); }
void CPositionTwinDlg::OnBnClickedHPosLeft() { ArrowClicked(m_rows.horizontal, m_nHPos, true); }
void CPositionTwinDlg::OnBnClickedHPosRight() { ArrowClicked(m_rows.horizontal, m_nHPos, false); }
void CPositionTwinDlg::OnBnClickedHSizeMinus() { StepDown(m_rows.hSize, m_nHSize); }
void CPositionTwinDlg::OnBnClickedHSizePlus() { StepUp(m_rows.hSize, m_nHSize); }
void CPositionTwinDlg::OnBnClickedHPhaseMinus() { StepDown(m_rows.hPhase, m_nHPhase); }
void CPositionTwinDlg::OnBnClickedHPhasePlus() { StepUp(m_rows.hPhase, m_nHPhase); }
void CPositionTwinDlg::OnBnClickedResetExecute() { ExecuteReset(m_rows.resets); }

void CPositionTwinDlg::OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) {
  ReleaseSlider(nSBCode, pScrollBar, {{m_rows.hPhase, m_nHPhase}});
  CSettingPage::OnHScroll(nSBCode, nPos, pScrollBar);
}
