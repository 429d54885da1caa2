#include "host/app/EntryDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "host/app/HostText.h"
#include "host/core/IdentityQuery.h"
#include "host/core/LoopbackGuard.h"

namespace host {
namespace {

constexpr int kBaudRates[] = {9600, 19200, 38400, 57600, 115200};

QString ModelKey(int type, int model) { return QString("%1/%2").arg(type).arg(model); }

}  // namespace

EntryDialog::EntryDialog(const models::ModelDatabase& database, ValidationRules rules, const ProjectorEntry* initial,
                         QWidget* parent)
    : QDialog(parent), m_rules(rules) {
  setWindowTitle(initial ? HostText(Msg(7, 15)) : HostText(Msg(7, 14)));
  const ProjectorEntry start = initial ? *initial : ProjectorEntry{};
  m_demo = start.demo;

  m_name = new QLineEdit(QString::fromStdString(start.name));
  m_model = new QComboBox;
  for (const models::ModelDescription& model : database.All())
    m_model->addItem(HostText(Msg(7, 25), model.type, model.model, model.name), ModelKey(model.type, model.model));
  if (initial) {
    const int at = m_model->findData(ModelKey(start.modelType, start.modelNo));
    // A model the database no longer has stays visible, so that OK names it.
    if (at >= 0)
      m_model->setCurrentIndex(at);
    else {
      m_model->addItem(HostText(Msg(7, 41), start.modelType, start.modelNo), ModelKey(start.modelType, start.modelNo));
      m_model->setCurrentIndex(m_model->count() - 1);
    }
  }

  m_link = new QComboBox;
  m_link->addItem(HostText(Msg(7, 16)));
  m_link->addItem(HostText(Msg(7, 17)));

  m_address = new QLineEdit(QString::fromStdString(start.address));
  m_address->setPlaceholderText("192.168.0.10");
  m_tcpPort = new QSpinBox;
  m_tcpPort->setRange(1, 65535);
  m_tcpPort->setValue(start.tcpPort);
  m_protocol = new QComboBox;
  m_protocol->addItem(HostText(Msg(7, 69)));
  m_protocol->addItem(HostText(Msg(7, 70)));
  m_protocol->setCurrentIndex(start.pjlink ? 1 : 0);
  auto* query = new QPushButton(HostText(Msg(7, 71)));
  query->setEnabled(start.pjlink);
  connect(m_protocol, &QComboBox::currentIndexChanged, query, [query](int index) { query->setEnabled(index == 1); });
  connect(query, &QPushButton::clicked, this, &EntryDialog::QueryProjector);
  m_identity = new QLabel;
  m_identity->setWordWrap(true);
  m_identity->hide();

  // Numbered from 1 as the dialog's caption numbers serial ports.
  m_serialPort = new QSpinBox;
  m_serialPort->setRange(1, kMaxSerialPorts);
  m_serialPort->setValue(start.serialPort + 1);
  m_baudRate = new QComboBox;
  for (int rate : kBaudRates) m_baudRate->addItem(QString::number(rate), rate);
  if (m_baudRate->findData(start.baudRate) < 0) m_baudRate->addItem(QString::number(start.baudRate), start.baudRate);
  m_baudRate->setCurrentIndex(m_baudRate->findData(start.baudRate));

  m_password = new QLineEdit(QString::fromStdString(start.password));
  m_password->setEchoMode(QLineEdit::Password);
  m_timeout = new QSpinBox;
  m_timeout->setRange(kMinTimeoutMs, kMaxTimeoutMs);
  m_timeout->setSingleStep(100);
  m_timeout->setValue(start.timeoutMs);

  // Names for scripts and tests that fill the form.
  m_name->setObjectName("name");
  m_model->setObjectName("model");
  m_link->setObjectName("link");
  m_address->setObjectName("address");
  m_tcpPort->setObjectName("tcpPort");
  m_protocol->setObjectName("protocol");
  query->setObjectName("query");
  m_identity->setObjectName("identity");
  m_serialPort->setObjectName("serialPort");
  m_baudRate->setObjectName("baudRate");
  m_password->setObjectName("password");
  m_timeout->setObjectName("timeout");

  // One form, so that every field starts at one left edge; the rows of the
  // connection kind not chosen are hidden.
  auto* form = new QFormLayout;
  form->addRow(HostText(Msg(7, 2)), m_name);
  form->addRow(HostText(Msg(7, 3)), m_model);
  form->addRow(HostText(Msg(7, 24)), m_link);
  form->addRow(HostText(Msg(7, 18)), m_address);
  form->addRow(HostText(Msg(7, 68)), m_protocol);
  form->addRow(HostText(Msg(7, 19)), m_tcpPort);
  form->addRow(query, m_identity);
  form->addRow(HostText(Msg(7, 20)), m_serialPort);
  form->addRow(HostText(Msg(7, 21)), m_baudRate);
  form->addRow(HostText(Msg(7, 22)), m_password);
  form->addRow(HostText(Msg(7, 23)), m_timeout);
  const auto showLinkRows = [form, this, query](int link) {
    for (QWidget* field : {static_cast<QWidget*>(m_address), static_cast<QWidget*>(m_protocol),
                           static_cast<QWidget*>(m_tcpPort), static_cast<QWidget*>(query)})
      form->setRowVisible(field, link == 0);
    for (QWidget* field : {static_cast<QWidget*>(m_serialPort), static_cast<QWidget*>(m_baudRate)})
      form->setRowVisible(field, link == 1);
  };
  connect(m_link, &QComboBox::currentIndexChanged, this, showLinkRows);
  m_link->setCurrentIndex(start.link == Link::Network ? 0 : 1);
  showLinkRows(m_link->currentIndex());

  m_problems = new QLabel;
  m_problems->setObjectName("problems");
  m_problems->setWordWrap(true);
  m_problems->setStyleSheet("color: #b00020;");
  m_problems->hide();

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &EntryDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &EntryDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(m_problems);
  layout->addWidget(buttons);
  setMinimumWidth(460);
}

ProjectorEntry EntryDialog::Entry() const {
  ProjectorEntry entry;
  entry.name = m_name->text().toStdString();
  const QStringList key = m_model->currentData().toString().split('/');
  if (key.size() == 2) {
    entry.modelType = key[0].toInt();
    entry.modelNo = key[1].toInt();
  }
  entry.link = m_link->currentIndex() == 0 ? Link::Network : Link::Serial;
  if (entry.link == Link::Network) {
    entry.address = m_address->text().trimmed().toStdString();
    entry.tcpPort = m_tcpPort->value();
    entry.pjlink = m_protocol->currentIndex() == 1;
  } else {
    entry.serialPort = m_serialPort->value() - 1;
    entry.baudRate = m_baudRate->currentData().toInt();
  }
  entry.password = m_password->text().toStdString();
  entry.timeoutMs = m_timeout->value();
  entry.demo = m_demo;
  return entry;
}

QWidget* EntryDialog::FieldWidget(EntryField field) const {
  switch (field) {
    case EntryField::Name:
      return m_name;
    case EntryField::Model:
      return m_model;
    case EntryField::Address:
      return m_address;
    case EntryField::TcpPort:
      return m_tcpPort;
    case EntryField::SerialPort:
      return m_serialPort;
    case EntryField::BaudRate:
      return m_baudRate;
    case EntryField::Password:
      return m_password;
    case EntryField::Timeout:
      return m_timeout;
  }
  return nullptr;
}

void EntryDialog::QueryProjector() {
  ProjectorEntry entry = Entry();
  // Only what the query needs is checked here; OK checks the rest.
  for (const EntryProblem& problem : ValidateEntry(entry, m_rules)) {
    if (problem.field != EntryField::Name && problem.field != EntryField::Model) {
      m_identity->setText(QString::fromStdString(problem.text));
      m_identity->show();
      return;
    }
  }
  std::string error;
  const beamlink::TransportFactory transports = m_rules.loopbackOnly ? LoopbackOnlyTransports() : nullptr;
  setCursor(Qt::WaitCursor);
  const auto identity = QueryIdentity(entry, transports, error);
  unsetCursor();
  m_identity->setText(QString::fromStdString(identity ? IdentityText(*identity) : error));
  m_identity->show();
  if (identity && m_name->text().trimmed().isEmpty() && !identity->name.empty())
    m_name->setText(QString::fromStdString(identity->name));  // OK says when it is too long
}

void EntryDialog::accept() {
  const std::vector<EntryProblem> problems = ValidateEntry(Entry(), m_rules);
  if (problems.empty()) {
    QDialog::accept();
    return;
  }
  QStringList lines;
  for (const EntryProblem& problem : problems) lines << QString::fromStdString(problem.text);
  m_problems->setText(lines.join('\n'));
  m_problems->show();
  if (QWidget* field = FieldWidget(problems.front().field)) field->setFocus();
}

}  // namespace host
