#pragma once
// What the user gamma and custom colour temperature dialogs share: they run
// modally over the Expert Control dialog and take its projector and range
// texts, built from the same row patterns as the pages.
#include <cstdint>
#include <span>

#include "pages/common/SettingPage.h"

class CCustomAdjustDlg : public expert::pages::CSettingPage {
 protected:
  // `pjt` is the dialog's own m_pPjt, set from the owner at initialisation.
  CCustomAdjustDlg(UINT templateId, CWnd* parent, CPjtInterface*& pjt, bool type4);

  // Framework initialisation, the owner's projector, coded texts.
  BOOL OnInitDialog() override;

  // The form of the type-4 picture page, which has no resets: the reset
  // buttons go, the dialog ends 15 pixels right of `rightEdgeOf` and Close
  // starts 5 pixels right of `closeAfter`, 5 pixels wider.
  void NarrowWithoutResets(std::span<const int> resetButtons, int rightEdgeOf, int closeAfter);

  // After a reset the value is read back: `raw` of at least `lowest` is shown
  // and becomes the cached value, so that the next step starts from it.
  void ShowReadBack(const expert::pages::SliderGroup& row, std::int16_t& cached, bool reset, std::int16_t raw,
                    int lowest);

  bool m_bType4;

 private:
  CPjtInterface*& m_pjtField;
};
