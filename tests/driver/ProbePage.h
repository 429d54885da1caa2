#pragma once
// A test page of every control kind, laid over the open dialog as the
// module's pages are, that counts what it hears; its "Custom..." button runs
// a nested modal dialog as the picture pages' buttons will.
#include <vector>

#include "framework/Dialog.h"
#include "tests/driver/DriverTestSupport.h"

namespace driver::testing {

enum ProbeId {
  kList = 501,
  kSlider = 502,
  kCheck = 503,
  kLabel = 504,
  kDisabledButton = 505,
  kHiddenList = 506,
  kArrow = 507,
  kCustom = 508,
};
constexpr int kProbeTemplate = 30999;
constexpr int kNestedTemplate = 30998;  // found through the application's resources

class ProbePage : public CDialog {
 public:
  int selChanges = 0;
  int checkClicks = 0;
  std::vector<UINT> scrollCodes;
  std::vector<INT_PTR> nestedResults;  // what each nested DoModal returned
  CComboBox m_list;

  void DoDataExchange(CDataExchange* pDX) override;
  void OnSelchangeList() { ++selChanges; }
  void OnClickedCheck() { ++checkClicks; }
  void OnClickedCustom();
  void OnHScroll(UINT code, UINT, CWnd*) override { scrollCodes.push_back(code); }
  DECLARE_MESSAGE_MAP()
};

// Creates `page` on the open dialog (shown or hidden) when the script reaches it.
Step AddProbePage(ProbePage& page, bool shown);

}  // namespace driver::testing
