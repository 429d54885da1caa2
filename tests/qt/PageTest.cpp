// A built page under the Qt display: the control page of a type-4 model with
// keystone, its slider dragged to a value the projector refuses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <cstdlib>
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
  QPoint dialogCentre;
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

    dialogCentre = display.WidgetFor(open.dialog.GetSafeHwnd())->frameGeometry().center();
    DragSlider(slider, -30);
    EXPECT_EQ(slider->value(), 5);
    EXPECT_EQ(box->text(), "5");
    EXPECT_EQ(open.projector->Value(pjcode::kKeystoneV), 128 + 5);
    Click(display.WidgetFor(open.dialog.GetDlgItem(IDOK)->GetSafeHwnd()));
  });
  ASSERT_EQ(boxes.Boxes().size(), 1u);
  EXPECT_EQ(boxes.Boxes()[0].text.toStdString(), CatalogText(Msg(2201, 25)));
  EXPECT_EQ(boxes.Boxes()[0].icon, QMessageBox::Critical);
  EXPECT_LE((boxes.Boxes()[0].centre - dialogCentre).manhattanLength(), 2) << "centred on the dialog";
  EXPECT_TRUE(boxes.Boxes()[0].modal);
}

// A box that comes while the dialog opens (the projector cannot be reached)
// is centred on the application's window, where the dialog will appear; in
// Chinese, Qt's own button texts are Chinese too.
TEST(QtPage, BoxBeforeTheDialogShowsIsCentredOnTheHostWindowAndSpeaksTheLanguage) {
  setenv("LC_ALL", "zh_CN.UTF-8", 1);
  std::vector<SeenBox> seen;
  QPoint hostCentre;
  {
    ScopedQtDisplay qt;  // takes Qt's translations for the language now set
    QWidget host;
    host.setGeometry(300, 200, 640, 480);
    host.show();
    QApplication::setActiveWindow(&host);
    hostCentre = host.frameGeometry().center();
    SimulatedDialog open("4/9");
    open.dialog.m_pjt.SetTransportFactory([](const beamlink::Endpoint&, beamlink::Deadline, std::string& error) {
      error = "connection refused";
      return std::unique_ptr<beamlink::Transport>();
    });
    BoxAnswerer boxes;
    RunModal(qt.display(), open.dialog, [&] { open.dialog.EndDialog(IDCANCEL); });
    seen = boxes.Boxes();
  }
  setenv("LC_ALL", "C", 1);
  ASSERT_FALSE(seen.empty());
  EXPECT_LE((seen[0].centre - hostCentre).manhattanLength(), 2);
  EXPECT_EQ(seen[0].okText.toStdString(), "确定");
}

}  // namespace
}  // namespace qtdisplay::testing
