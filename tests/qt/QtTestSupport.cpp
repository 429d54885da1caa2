#include "tests/qt/QtTestSupport.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTest>
#include <cstring>

#include "display/qt/TabStrip.h"
#include "display/qt/TrackbarSlider.h"
#include "framework/UserInput.h"
#include "tests/driver/DriverTestSupport.h"
#include "tools/driver/DialogDump.h"
#include "tools/driver/HostHandOff.h"
#include "tools/driver/ProjectorLink.h"

namespace qtdisplay::testing {

INT_PTR RunModal(QtDisplay& display, CDialog& dialog, std::function<void()> script) {
  QTimer::singleShot(0, [&display, &dialog, script = std::move(script)] {
    script();
    if (dialog.HasEnded() || !dialog.GetSafeHwnd()) return;
    ADD_FAILURE() << "the script left the dialog open";
    if (QWidget* widget = display.WidgetFor(dialog.GetSafeHwnd())) QTest::keyClick(widget, Qt::Key_Escape);
  });
  return dialog.DoModal();
}

void Click(QWidget* widget) {
  ASSERT_NE(widget, nullptr);
  QTest::mouseClick(widget, Qt::LeftButton);
}

void DragSlider(QWidget* widget, int value) {
  auto* slider = dynamic_cast<TrackbarSlider*>(widget);
  ASSERT_NE(slider, nullptr);
  const QPoint from = slider->ThumbRect().center();
  const QPoint to = slider->PointForValue(value);
  QTest::mousePress(slider, Qt::LeftButton, {}, from);
  QTest::mouseMove(slider, (from + to) / 2);
  QTest::mouseMove(slider, to);
  QTest::mouseRelease(slider, Qt::LeftButton, {}, to);
}

void ChooseItem(QWidget* widget, int index) {
  auto* list = dynamic_cast<QComboBox*>(widget);
  ASSERT_NE(list, nullptr);
  list->showPopup();
  QAbstractItemView* view = list->view();
  ASSERT_TRUE(view->isVisible());
  const QRect item = view->visualRect(view->model()->index(index, 0));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, item.center());
}

void ClickTab(QWidget* widget, int index) {
  auto* tabs = dynamic_cast<TabStrip*>(widget);
  ASSERT_NE(tabs, nullptr);
  ASSERT_FALSE(tabs->TabRect(index).isEmpty()) << "no tab " << index;
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->TabRect(index).center());
}

BoxAnswerer::BoxAnswerer() {
  m_timer.setInterval(5);
  QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
  m_timer.start();
}

void BoxAnswerer::Poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (!box || !box->isVisible()) return;
  QAbstractButton* ok = box->button(QMessageBox::Ok);
  const QWidget* owner = box->parentWidget() ? box->parentWidget()->window() : nullptr;
  m_boxes.push_back(SeenBox{box->text(), box->windowTitle(), box->icon(), box->isModal(), ok ? ok->text() : QString(),
                            box->frameGeometry().center(), owner ? owner->frameGeometry().center() : QPoint()});
  if (ok)
    QTest::mouseClick(ok, Qt::LeftButton);
  else
    box->reject();
}

SimulatedDialog::SimulatedDialog(const std::string& model) {
  const models::ModelDescription* description = driver::testing::Database().Find(model);
  if (!description) throw std::runtime_error("no model " + model);
  driver::OpenRequest request;
  request.description = *description;
  driver::HandOver(dialog, request);
  projector = std::make_shared<sim::Projector>(*description);
  // The simulated projector asks for the password the host handed over.
  const char* secondText = dialog.m_pjt.m_szSecondText;
  const std::string password(secondText, strnlen(secondText, sizeof dialog.m_pjt.m_szSecondText));
  dialog.m_pjt.SetTransportFactory(driver::MakeTransportFactory(driver::ConnectTarget{}, projector, password));
  dialog.m_pjt.SetCallObserver([this](const beamlink::CallTrace& trace) { calls.Append(driver::ToProjectorCall(trace)); });
}

nlohmann::ordered_json SimulatedDialog::TakeCalls() {
  nlohmann::ordered_json list = nlohmann::ordered_json::array();
  for (const driver::ProjectorCall& call : calls.Take()) list.push_back(driver::CallToJson(call));
  return list;
}

nlohmann::ordered_json WithoutRects(nlohmann::ordered_json dump) {
  if (dump.is_object()) {
    dump.erase("rect");
    dump.erase("ok");
    dump.erase("seq");
    for (auto& item : dump.items()) item.value() = WithoutRects(item.value());
  } else if (dump.is_array()) {
    for (auto& element : dump) element = WithoutRects(element);
  }
  return dump;
}

}  // namespace qtdisplay::testing
