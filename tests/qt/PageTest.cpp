// A built page under the Qt display: the control page of a type-4 model with
// keystone, its slider dragged to a value the projector refuses.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSlider>

#include "catalog/Catalog.h"
#include "projector/CommandCodes.h"
#include "tests/qt/QtTestSupport.h"

namespace qtdisplay::testing {
namespace {

constexpr int kControlPage = 20041;
constexpr int kControlTab = 8;  // type 4, models 9 and 22
constexpr int kKeystoneVSlider = 20285;
constexpr int kKeystoneVBox = 20278;

// Each selection of the page's tab re-reads the page; a click on the tab that
// is already selected is no selection and reads nothing. A refused slide
// shows a modal stop box, and the slider and its box spring back.
TEST(QtPage, NewTabSelectionsRefreshAndARefusedSlideSnapsBackUnderAStopBox) {
  ScopedQtDisplay qt;
  QtDisplay& display = qt.display();
  SimulatedDialog open("4/9");
  open.projector->SetValue(pjcode::kKeystoneV, 0, 128 + 5);
  open.projector->GetFaults().FailRequest(beamlink::Action::Set, pjcode::kKeystoneV);
  BoxAnswerer boxes;
  RunModal(display, open.dialog, [&] {
    QWidget* tabs = display.WidgetFor(open.dialog.m_tab.GetSafeHwnd());
    open.TakeCalls();
    ClickTab(tabs, kControlTab);
    EXPECT_FALSE(open.TakeCalls().empty());
    ClickTab(tabs, kControlTab);
    EXPECT_TRUE(open.TakeCalls().empty());
    ClickTab(tabs, 0);
    ClickTab(tabs, kControlTab);
    EXPECT_FALSE(open.TakeCalls().empty());

    CDialog* page = open.dialog.PageForTemplate(kControlPage);
    ASSERT_NE(page, nullptr) << "the control page is not built";
    ASSERT_TRUE(page->IsWindowVisible());
    auto* slider = WidgetOf<QSlider>(display, page->GetDlgItem(kKeystoneVSlider));
    auto* box = WidgetOf<QLineEdit>(display, page->GetDlgItem(kKeystoneVBox));
    ASSERT_NE(slider, nullptr);
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(slider->isVisible());
    EXPECT_EQ(slider->value(), 5);
    EXPECT_EQ(box->text(), "5");

    DragSlider(slider, -30);
    EXPECT_EQ(slider->value(), 5);
    EXPECT_EQ(box->text(), "5");
    EXPECT_EQ(open.projector->Value(pjcode::kKeystoneV), 128 + 5);
    Click(display.WidgetFor(open.dialog.GetDlgItem(IDOK)->GetSafeHwnd()));
  });
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].text.toStdString(), CatalogText(Msg(2201, 25)));
  EXPECT_EQ(boxes.Boxes()[0].icon, QMessageBox::Critical);
  EXPECT_TRUE(boxes.Boxes()[0].modal);
}

}  // namespace
}  // namespace qtdisplay::testing
