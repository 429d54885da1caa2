// The check-box rows of a page, on a small page of their own against the
// in-process simulated projector: the box shows the projector's value, a
// click sends the new state, and a refusal either shows its message or puts
// the box back to what the projector holds.
#include <gtest/gtest.h>

#include "framework/HeadlessDisplay.h"
#include "framework/MessageMap.h"
#include "framework/UserInput.h"
#include "models/ModelDatabase.h"
#include "pages/common/ControlView.h"
#include "pages/common/SettingPage.h"
#include "projector/CommandCodes.h"
#include "simulator/InProcessTransport.h"
#include "simulator/Projector.h"

namespace {

using namespace expert::pages;

constexpr int kReported = 30001;  // refusals show a message
constexpr int kReread = 30002;    // refusals show the projector's value again

const CheckRow kFreezeReported{.box = kReported, .io = {pjcode::kFreeze}, .onRefused = ErrorBox(Msg(2201, 25))};
const CheckRow kFreezeReread{.box = kReread, .io = {pjcode::kFreeze}, .onRefused = kSilent, .rereadWhenRefused = true};

class CheckPage : public CSettingPage {
 public:
  CheckPage() : CSettingPage(0, nullptr, m_pPjt) {}
  void InitDisp() override {
    Enable({kReported, kReread});
    ReadCheck(kFreezeReported);
    ReadCheck(kFreezeReread);
  }
  void ClickedReported() { CheckClicked(kFreezeReported); }
  void ClickedReread() { CheckClicked(kFreezeReread); }
  CPjtInterface* m_pPjt = nullptr;

 protected:
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CheckPage, CSettingPage)
  ON_BN_CLICKED(kReported, &CheckPage::ClickedReported)
  ON_BN_CLICKED(kReread, &CheckPage::ClickedReread)
END_MESSAGE_MAP()

DialogTemplate CheckPageTemplate() {
  DialogTemplate page{.id = 0, .rect = {0, 0, 200, 60}, .caption = "", .font = {}, .style = WS_CHILD, .controls = {}};
  for (int id : {kReported, kReread})
    page.controls.push_back({ControlKind::CheckBox, id, "Freeze", {10, 10 + (id - kReported) * 16, 80, 12},
                             WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, {}});
  return page;
}

class CheckBoxPattern : public ::testing::Test {
 protected:
  void SetUp() override {
    const auto database = models::ModelDatabase::Load(models::ModelDatabase::DefaultDirectory());
    projector = std::make_shared<sim::Projector>(*database.Find("5/30"));
    pjt.SetTransportFactory(sim::InProcessFactory(projector));
    page.m_pPjt = &pjt;
    ASSERT_TRUE(page.CreateIndirect(CheckPageTemplate()));
    TheHeadlessDisplay().TakeMessageBoxes();
  }
  void TearDown() override { page.DestroyWindow(); }

  int Checked(int id) { return ControlView<CButton>(ChildWindow(page, id)).GetCheck(); }
  bool Enabled(int id) { return page.GetDlgItem(id)->IsWindowEnabled(); }
  std::uint16_t Frozen() { return projector->Value(pjcode::kFreeze).value_or(0xFFFF); }

  std::shared_ptr<sim::Projector> projector;
  CPjtInterface pjt;
  CheckPage page;
};

TEST_F(CheckBoxPattern, ShowsTheProjectorsValueAndSendsEveryClick) {
  ASSERT_TRUE(projector->SetValue(pjcode::kFreeze, 0, 1));
  page.InitDisp();
  EXPECT_EQ(Checked(kReported), 1);
  UserClick(page.GetDlgItem(kReported)->m_hWnd);
  EXPECT_EQ(Frozen(), 0);
  UserClick(page.GetDlgItem(kReported)->m_hWnd);
  EXPECT_EQ(Frozen(), 1);
  EXPECT_TRUE(TheHeadlessDisplay().MessageBoxes().empty());
}

TEST_F(CheckBoxPattern, AFailedReadDisablesTheBoxUntilAGoodRead) {
  projector->GetFaults().FailCode(pjcode::kFreeze);
  page.InitDisp();
  EXPECT_FALSE(Enabled(kReported));
  projector->GetFaults().ClearFailures();
  page.InitDisp();
  EXPECT_TRUE(Enabled(kReported));
}

TEST_F(CheckBoxPattern, ARefusalShowsItsMessageOrTheProjectorsValue) {
  page.InitDisp();
  ASSERT_EQ(Checked(kReread), 0);
  projector->GetFaults().FailRequest(beamlink::Action::Set, pjcode::kFreeze);

  UserClick(page.GetDlgItem(kReread)->m_hWnd);
  EXPECT_EQ(Checked(kReread), 0) << "the box must show what the projector still holds";
  EXPECT_TRUE(TheHeadlessDisplay().MessageBoxes().empty());

  UserClick(page.GetDlgItem(kReported)->m_hWnd);
  ASSERT_EQ(TheHeadlessDisplay().MessageBoxes().size(), 1u);
  EXPECT_EQ(TheHeadlessDisplay().MessageBoxes()[0].text, CatalogText(Msg(2201, 25)));
  EXPECT_EQ(Frozen(), 0);
}

}  // namespace
