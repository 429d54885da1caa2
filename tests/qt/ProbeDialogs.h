#pragma once
// Test dialogs built the way the module's pages and sub-dialogs are: a page
// with a slider group, a drop-down list, a check box, an arrow button and a
// button that opens a nested modal dialog, talking to the projector through
// the dialog's CPjtInterface; and that nested dialog, which narrows itself
// and moves its button when it opens, as the custom adjustment dialogs do.
#include <functional>
#include <string>
#include <vector>

#include "beamlink/PjtInterface.h"
#include "frame/ExpertDlg.h"
#include "framework/Dialog.h"
#include "tests/qt/QtTestSupport.h"

namespace qtdisplay::testing {

enum ProbeId {
  kMinus = 601,
  kSlider = 602,
  kPlus = 603,
  kValue = 604,
  kLabel = 605,
  kList = 606,
  kCheck = 607,
  kCustom = 608,
  kArrow = 609,
  kNotice = 610,
  kPlainLabel = 611,
};
constexpr int kProbePageTemplate = 30990;
constexpr int kProbeNestedTemplate = 30991;
constexpr char kNoticeText[] = "The projector is cooling down.";

class ProbePage : public CDialog {
 public:
  CPjtInterface* m_pPjt = nullptr;
  short m_nBrightness = 0;
  CSliderCtrl m_slider;
  CComboBox m_list;
  CButton m_check;
  CButton m_arrow;
  CBitmap m_arrowBitmap;

  std::vector<UINT> scrollCodes;          // every scroll code the page heard
  int listChanges = 0;
  std::vector<INT_PTR> nestedResults;     // what each nested DoModal returned

  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void InitDisp();
  void OnHScroll(UINT code, UINT pos, CWnd* scrollBar) override;
  void OnBnClickedPlus();
  void OnCbnSelchangeList();
  void OnBnClickedCheck();
  void OnBnClickedCustom();
  void OnBnClickedNotice();
  DECLARE_MESSAGE_MAP()

 private:
  void ShowBrightness(short value);
};

// Creates `page` on the open dialog and places it as the dialog places its
// pages: at (20, 64), on top; then shows and refreshes it.
void AddProbePage(ProbePage& page, CExpertDlg& dialog);

// The nested dialog: it narrows itself to 15 pixels right of its slider and
// puts its OK button 5 pixels right of its label, 5 pixels wider.
class ProbeNested : public CDialog {
 public:
  explicit ProbeNested(CWnd* parent) : CDialog(kProbeNestedTemplate, parent) {}
  BOOL OnInitDialog() override;
};

// The dialog of model 5/30 under the Qt display, with the probe page laid
// over it once its modal loop is up.
struct ProbeDialog {
  ScopedQtDisplay qt;
  QtDisplay& display = qt.display();
  SimulatedDialog open{"5/30"};
  ProbePage page;

  // Runs the dialog modally: adds the probe page, runs `script`, then closes
  // the dialog with its OK button unless the script ended it.
  INT_PTR RunDialog(std::function<void()> script);
  // The widget of a control of the probe page.
  template <class Widget = QWidget>
  Widget* Control(int id) {
    return WidgetOf<Widget>(display, page.GetDlgItem(id));
  }
  void ClickOk() { Click(WidgetOf<QWidget>(display, open.dialog.GetDlgItem(IDOK))); }
};

// A fixture for suites whose every test runs the probe dialog.
class ProbeDialogTest : public ::testing::Test, public ProbeDialog {};

}  // namespace qtdisplay::testing
