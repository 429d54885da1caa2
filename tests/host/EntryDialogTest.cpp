// The projector editor on Qt's offscreen platform: a bad entry is kept out
// with every problem named; error lines follow the fields and never speak of
// hidden ones; numbers out of range are refused with the range, never
// changed; groups and serial devices are offered; a damaged row opens with
// its reason; Query runs on a worker and a closed editor does not mind it.
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <cstdlib>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "HostTestSupport.h"
#include "host/app/EntryDialog.h"
#include "simulator/pjlink/PjLinkServer.h"
#include "simulator/pjsim/Daemon.h"

namespace host::test {
namespace {

QString Problems(const EntryDialog& dialog) {
  const QLabel* problems = dialog.findChild<QLabel*>("problems");
  return problems->isHidden() ? QString() : problems->text();
}

void Type(EntryDialog& dialog, const char* field, const QString& text) {
  dialog.findChild<QLineEdit*>(field)->setText(text);
}

TEST(EntryDialogTest, KeepsABadEntryOutAndNamesTheProblem) {
  EntryDialog dialog(Database(), {&Database(), true}, nullptr);
  Type(dialog, "name", "Bench");
  QComboBox* model = dialog.findChild<QComboBox*>("model");
  model->setCurrentIndex(model->findData("4/9"));
  Type(dialog, "address", "10.1.2.3");
  Type(dialog, "tcpPort", "10000");
  Type(dialog, "password", "pw");
  Type(dialog, "timeout", "1500");
  dialog.findChild<QComboBox*>("group")->setCurrentText("Building 3");

  dialog.accept();  // OK: a non-loopback address in a loopback-only run
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_TRUE(Problems(dialog).contains("10.1.2.3")) << Problems(dialog).toStdString();

  Type(dialog, "address", "localhost");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Entry(), (ProjectorEntry{.name = "Bench", .group = "Building 3", .modelType = 4, .modelNo = 9,
                                            .address = "localhost", .tcpPort = 10000, .password = "pw",
                                            .timeoutMs = 1500}));
}

TEST(EntryDialogTest, ErrorLinesFollowTheFieldsAndHiddenFieldsHaveNone) {
  EntryDialog dialog(Database(), {&Database(), false}, nullptr);
  Type(dialog, "name", "Hall");
  Type(dialog, "address", "300.1.2.3");
  EXPECT_EQ(Problems(dialog), "");  // nothing is said before OK
  dialog.accept();
  EXPECT_TRUE(Problems(dialog).contains("300.1.2.3"));

  Type(dialog, "address", "projector-3.lab");  // fixed: the line goes at once
  EXPECT_EQ(Problems(dialog), "");
  Type(dialog, "address", "300.1.2.3");
  EXPECT_TRUE(Problems(dialog).contains("300.1.2.3"));

  // Serial: the address is hidden and so is its error; the empty device is named.
  dialog.findChild<QComboBox*>("link")->setCurrentIndex(1);
  dialog.findChild<QComboBox*>("serialDevice")->setCurrentText("");
  EXPECT_FALSE(Problems(dialog).contains("300.1.2.3")) << Problems(dialog).toStdString();
  EXPECT_TRUE(Problems(dialog).contains("/dev/ttyUSB0")) << Problems(dialog).toStdString();
  dialog.findChild<QComboBox*>("serialDevice")->setCurrentText("/dev/ttyUSB3");
  EXPECT_EQ(Problems(dialog), "");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.Entry().serialDevice, "/dev/ttyUSB3");
}

TEST(EntryDialogTest, NumbersOutOfRangeAreRefusedWithTheRangeNeverChanged) {
  EntryDialog dialog(Database(), {&Database(), false}, nullptr);
  Type(dialog, "name", "Hall");
  Type(dialog, "address", "192.168.0.10");
  struct Case {
    const char* field;
    const char* typed;
    const char* range;
  };
  const Case cases[] = {
      {"tcpPort", "99999", "1 to 65535"}, {"tcpPort", "0", "1 to 65535"}, {"tcpPort", "4352x", "1 to 65535"},
      {"timeout", "50", "100 to 10000"},  {"timeout", "", "100 to 10000"}, {"timeout", "99999999999", "100 to 10000"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.field) + " " + c.typed);
    Type(dialog, c.field, c.typed);
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(Problems(dialog).contains(c.range)) << Problems(dialog).toStdString();
    EXPECT_TRUE(Problems(dialog).contains(c.typed)) << Problems(dialog).toStdString();
    EXPECT_EQ(dialog.findChild<QLineEdit*>(c.field)->text(), c.typed);  // never changed behind the user's back
    Type(dialog, c.field, std::string(c.field) == "tcpPort" ? "4352" : "2000");
    EXPECT_EQ(Problems(dialog), "");
  }
}

TEST(EntryDialogTest, OffersTheGroupsAndTheDevicePathOfAnOlderSerialEntry) {
  const ProjectorEntry start{
      .name = "Lab", .group = "West", .modelType = 2, .modelNo = 12, .link = Link::Serial, .address = "",
      .serialPort = 2, .baudRate = 9600, .password = ""};
  EntryDialog dialog(Database(), {&Database(), false}, &start);
  dialog.SetGroups({"East", "West"});
  QComboBox* group = dialog.findChild<QComboBox*>("group");
  EXPECT_EQ(group->count(), 2);
  EXPECT_EQ(group->currentText(), "West");
  // Port 3 of an older list is the device of index 2.
  EXPECT_EQ(dialog.findChild<QComboBox*>("serialDevice")->currentText(), "/dev/ttyS2");
  ProjectorEntry expected = start;
  SetSerialDevice(expected, "/dev/ttyS2");
  EXPECT_EQ(dialog.Entry(), expected);

  group->setCurrentIndex(0);
  dialog.findChild<QComboBox*>("baudRate")->setCurrentText("38400");
  dialog.findChild<QComboBox*>("serialDevice")->setCurrentText("/dev/serial/by-id/usb-FTDI-if00");
  const ProjectorEntry edited = dialog.Entry();
  EXPECT_EQ(edited.group, "East");
  EXPECT_EQ(edited.baudRate, 38400);
  EXPECT_EQ(SerialDeviceOf(edited), "/dev/serial/by-id/usb-FTDI-if00");
  group->setCurrentText("");
  EXPECT_EQ(dialog.Entry().group, "");  // empty: no group
}

TEST(EntryDialogTest, DamagedRowOpensWithItsReasonAndTheProblemsOfWhatWasRead) {
  const ProjectorEntry read{.name = "Hall", .modelType = 5, .modelNo = 30, .address = "300.1.2.3", .password = ""};
  EntryDialog dialog(Database(), {&Database(), false}, &read);
  dialog.SetDamage("Projector \"Hall\": the reason");
  const QLabel* damage = dialog.findChild<QLabel*>("damage");
  EXPECT_FALSE(damage->isHidden());
  EXPECT_TRUE(damage->text().contains("the reason"));
  EXPECT_TRUE(Problems(dialog).contains("300.1.2.3"));
  Type(dialog, "address", "192.168.0.10");
  dialog.accept();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

// Network and serial fields sit in the one form: every field of the kind
// shown starts at the same left edge, Query included, and the other kind's
// rows are hidden.
TEST(EntryDialogTest, FieldsShareOneLeftEdge) {
  EntryDialog dialog(Database(), {&Database(), false}, nullptr);
  dialog.findChild<QComboBox*>("protocol")->setCurrentIndex(1);
  dialog.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  const auto left = [&](const char* name) {
    QWidget* widget = dialog.findChild<QWidget*>(name);
    return widget->mapTo(&dialog, QPoint(0, 0)).x();
  };
  const auto shown = [&](const char* name) { return dialog.findChild<QWidget*>(name)->isVisible(); };
  for (const char* field : {"group", "model", "link", "address", "protocol", "tcpPort", "query", "password", "timeout"})
    EXPECT_EQ(left(field), left("name")) << field;
  EXPECT_FALSE(shown("serialDevice"));
  dialog.findChild<QComboBox*>("link")->setCurrentIndex(1);
  EXPECT_TRUE(shown("serialDevice"));
  EXPECT_FALSE(shown("address"));
  EXPECT_FALSE(shown("query"));
  for (const char* field : {"serialDevice", "baudRate"}) EXPECT_EQ(left(field), left("name")) << field;
}

void WaitForQueries() {
  for (int i = 0; i < 1000 && EntryDialog::QueriesInFlight() > 0; ++i) QTest::qWait(10);
  ASSERT_EQ(EntryDialog::QueriesInFlight(), 0);
}

// The query runs on a worker: the button says so meanwhile, the window
// stays live, and the answer is shown whole and fills the empty name.
TEST(EntryDialogTest, QueryRunsOnAWorkerAndShowsTheWholeAnswer) {
  auto projector = std::make_shared<sim::Projector>(*Database().Find(4, 9));
  sim::ServerOptions options;
  options.protocol = sim::pjlink::PjLinkProtocol({});
  std::string error;
  const auto service = sim::pjsim::LoopbackService::Start(projector, options, error);
  ASSERT_TRUE(service) << error;

  EntryDialog dialog(Database(), {&Database(), true}, nullptr);
  dialog.show();
  Type(dialog, "address", "127.0.0.1");
  Type(dialog, "tcpPort", QString::number(service->Port()));
  dialog.findChild<QComboBox*>("protocol")->setCurrentIndex(1);
  QPushButton* query = dialog.findChild<QPushButton*>("query");
  const QString idle = query->text();
  query->click();
  EXPECT_FALSE(query->isEnabled());
  EXPECT_NE(query->text(), idle);
  for (int i = 0; i < 500 && !query->isEnabled(); ++i) QTest::qWait(10);
  ASSERT_TRUE(query->isEnabled());
  EXPECT_EQ(query->text(), idle);
  const QLabel* identity = dialog.findChild<QLabel*>("identity");
  EXPECT_TRUE(identity->wordWrap());
  EXPECT_TRUE(identity->text().contains(QString::fromStdString(projector->Model().name)))
      << identity->text().toStdString();
  // The editor on screen grew for the answer's lines: none is cut off.
  EXPECT_GE(identity->height(), identity->heightForWidth(identity->width())) << identity->text().toStdString();
  EXPECT_EQ(dialog.findChild<QLineEdit*>("name")->text().toStdString(), projector->Model().name);
  WaitForQueries();
}

// A projector that accepts and never answers: the editor closes at once and
// its worker ends within the reply timeout without touching it.
TEST(EntryDialogTest, ClosingTheEditorWhileAQueryRunsIsSafe) {
  const int silent = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  ASSERT_EQ(bind(silent, reinterpret_cast<sockaddr*>(&address), size), 0);
  ASSERT_EQ(listen(silent, 4), 0);
  ASSERT_EQ(getsockname(silent, reinterpret_cast<sockaddr*>(&address), &size), 0);
  {
    auto* dialog = new EntryDialog(Database(), {&Database(), true}, nullptr);
    Type(*dialog, "address", "127.0.0.1");
    Type(*dialog, "tcpPort", QString::number(ntohs(address.sin_port)));
    Type(*dialog, "timeout", "300");
    dialog->findChild<QComboBox*>("protocol")->setCurrentIndex(1);
    dialog->findChild<QPushButton*>("query")->click();
    EXPECT_TRUE(dialog->QueryRunning());
    delete dialog;
  }
  WaitForQueries();
  QTest::qWait(20);  // an answer posted to the closed editor is dropped
  close(silent);
}

}  // namespace
}  // namespace host::test
