#pragma once
// What the position pages of types 1 and 2 share, on ids of their own: the
// vertical and horizontal arrow pairs, the horizontal size buttons, the
// horizontal phase group and the reset command. Over scan differs (a slider
// group on type 1, a list on type 2) and stays in each page.
#include <cstdint>

#include "pages/common/SettingPage.h"

class CPositionTwinDlg : public expert::pages::CSettingPage {
 public:
  std::int16_t m_nVPos = 0;
  std::int16_t m_nHPos = 0;
  std::int16_t m_nHSize = 0;
  std::int16_t m_nHPhase = 0;

  void OnBnClickedVPosUp();
  void OnBnClickedVPosDown();
  void OnBnClickedHPosLeft();
  void OnBnClickedHPosRight();
  void OnBnClickedHSizeMinus();
  void OnBnClickedHSizePlus();
  void OnBnClickedHPhaseMinus();
  void OnBnClickedHPhasePlus();
  void OnBnClickedResetExecute();
  void OnHScroll(UINT nSBCode, UINT nPos, CWnd* pScrollBar) override;

  struct PositionRows {
    expert::pages::ArrowPair vertical;    // up raises, down lowers
    expert::pages::ArrowPair horizontal;  // left raises, right lowers
    expert::pages::SliderGroup hSize;     // buttons and box, no slider
    expert::pages::SliderGroup hPhase;
    expert::pages::ResetList resets;
  };

 protected:
  CPositionTwinDlg(UINT templateId, CWnd* parent, CPjtInterface* const& pjt, const PositionRows& rows);

  // OnInitDialog: arrow images, the horizontal phase range, the reset list.
  void SetUpShared();
  // InitDisp: enables and reads the arrows, horizontal phase and size, and
  // selects the first reset.
  void ReadShared();

  const PositionRows& m_rows;
  expert::pages::ArrowBitmaps m_bmpArrows;
};
