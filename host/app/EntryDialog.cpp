#include "host/app/EntryDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <atomic>
#include <mutex>
#include <optional>
#include <thread>

#include "host/app/HostText.h"
#include "host/core/IdentityQuery.h"
#include "host/core/LoopbackGuard.h"
#include "host/core/SerialDevices.h"

namespace host {
namespace {

constexpr int kBaudRates[] = {9600, 19200, 38400, 57600, 115200};
std::atomic<int> g_queriesInFlight{0};

QString ModelKey(int type, int model) { return QString("%1/%2").arg(type).arg(model); }

// Numbers are typed, not spun: a spin box would silently hold 99999 to its
// maximum, where the user must be told the range instead.
std::optional<int> TypedNumber(const QLineEdit* field) {
  bool ok = false;
  const int value = field->text().trimmed().toInt(&ok, 10);
  return ok ? std::optional<int>(value) : std::nullopt;
}

QLineEdit* NumberField(int value) {
  auto* field = new QLineEdit(QString::number(value));
  field->setInputMethodHints(Qt::ImhDigitsOnly);
  return field;
}

}  // namespace

// Shared by the dialog and its query worker: the worker reports to the
// dialog only while the dialog still exists.
struct EntryDialog::QueryState {
  std::mutex mutex;
  EntryDialog* dialog = nullptr;
  bool running = false;
};

EntryDialog::EntryDialog(const models::ModelDatabase& database, ValidationRules rules, const ProjectorEntry* initial,
                         QWidget* parent)
    : QDialog(parent), m_rules(rules), m_queryState(std::make_shared<QueryState>()) {
  m_queryState->dialog = this;
  setWindowTitle(initial ? HostText(Msg(7, 15)) : HostText(Msg(7, 14)));
  const ProjectorEntry start = initial ? *initial : ProjectorEntry{};
  m_demo = start.demo;

  m_name = new QLineEdit(QString::fromStdString(start.name));
  m_group = new QComboBox;
  m_group->setEditable(true);
  m_group->setInsertPolicy(QComboBox::NoInsert);
  m_group->lineEdit()->setPlaceholderText(HostText(Msg(7, 228)));
  m_group->setCurrentText(QString::fromStdString(start.group));
  m_model = new QComboBox;
  // Each model in the words of the window's Model column.
  for (const models::ModelDescription& model : database.All()) {
    const ProjectorEntry of{.modelType = model.type, .modelNo = model.model};
    m_model->addItem(QString::fromStdString(ModelText(of, database)), ModelKey(model.type, model.model));
  }
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
  m_address->setPlaceholderText("192.168.0.10 / projector-3.lab");
  m_tcpPort = NumberField(start.tcpPort);
  m_protocol = new QComboBox;
  m_protocol->addItem(HostText(Msg(7, 69)));
  m_protocol->addItem(HostText(Msg(7, 70)));
  m_protocol->setCurrentIndex(start.pjlink ? 1 : 0);
  m_query = new QPushButton(HostText(Msg(7, 71)));
  m_query->setEnabled(start.pjlink);
  connect(m_protocol, &QComboBox::currentIndexChanged, m_query, [this](int index) {
    m_query->setEnabled(index == 1 && !QueryRunning());
  });
  connect(m_query, &QPushButton::clicked, this, &EntryDialog::QueryProjector);
  // The answer takes several lines: it wraps under the button, whole.
  m_identity = new QLabel;
  m_identity->setWordWrap(true);
  m_identity->setTextInteractionFlags(Qt::TextSelectableByMouse);
  m_identity->hide();
  auto* queryBox = new QWidget;
  auto* queryLayout = new QVBoxLayout(queryBox);
  queryLayout->setContentsMargins(0, 0, 0, 0);
  queryLayout->addWidget(m_query, 0, Qt::AlignLeft);
  queryLayout->addWidget(m_identity);

  m_serialDevice = new QComboBox;
  m_serialDevice->setEditable(true);
  m_serialDevice->setInsertPolicy(QComboBox::NoInsert);
  for (const std::string& device : ListSerialDevices()) m_serialDevice->addItem(QString::fromStdString(device));
  m_serialDevice->lineEdit()->setPlaceholderText("/dev/ttyUSB0");
  m_serialDevice->setCurrentText(
      start.link == Link::Serial ? QString::fromStdString(SerialDeviceOf(start)) : QString());
  m_baudRate = new QComboBox;
  for (int rate : kBaudRates) m_baudRate->addItem(QString::number(rate), rate);
  if (m_baudRate->findData(start.baudRate) < 0) m_baudRate->addItem(QString::number(start.baudRate), start.baudRate);
  m_baudRate->setCurrentIndex(m_baudRate->findData(start.baudRate));

  m_password = new QLineEdit(QString::fromStdString(start.password));
  m_password->setEchoMode(QLineEdit::Password);
  m_timeout = NumberField(start.timeoutMs);

  // Names for scripts and tests that fill the form.
  m_name->setObjectName("name");
  m_group->setObjectName("group");
  m_model->setObjectName("model");
  m_link->setObjectName("link");
  m_address->setObjectName("address");
  m_tcpPort->setObjectName("tcpPort");
  m_protocol->setObjectName("protocol");
  m_query->setObjectName("query");
  m_identity->setObjectName("identity");
  m_serialDevice->setObjectName("serialDevice");
  m_baudRate->setObjectName("baudRate");
  m_password->setObjectName("password");
  m_timeout->setObjectName("timeout");

  // One form, so that every field starts at one left edge; the rows of the
  // connection kind not chosen are hidden.
  auto* form = new QFormLayout;
  form->addRow(HostText(Msg(7, 2)), m_name);
  form->addRow(HostText(Msg(7, 201)), m_group);
  form->addRow(HostText(Msg(7, 3)), m_model);
  form->addRow(HostText(Msg(7, 24)), m_link);
  form->addRow(HostText(Msg(7, 18)), m_address);
  form->addRow(HostText(Msg(7, 68)), m_protocol);
  form->addRow(HostText(Msg(7, 19)), m_tcpPort);
  form->addRow(QString(), queryBox);
  form->addRow(HostText(Msg(7, 202)), m_serialDevice);
  form->addRow(HostText(Msg(7, 21)), m_baudRate);
  form->addRow(HostText(Msg(7, 22)), m_password);
  form->addRow(HostText(Msg(7, 23)), m_timeout);
  const auto showLinkRows = [form, this, queryBox](int link) {
    for (QWidget* field : {static_cast<QWidget*>(m_address), static_cast<QWidget*>(m_protocol),
                           static_cast<QWidget*>(m_tcpPort), queryBox})
      form->setRowVisible(field, link == 0);
    for (QWidget* field : {static_cast<QWidget*>(m_serialDevice), static_cast<QWidget*>(m_baudRate)})
      form->setRowVisible(field, link == 1);
  };
  connect(m_link, &QComboBox::currentIndexChanged, this, showLinkRows);
  m_link->setCurrentIndex(start.link == Link::Network ? 0 : 1);
  showLinkRows(m_link->currentIndex());

  m_damage = new QLabel;
  m_damage->setObjectName("damage");
  m_damage->setWordWrap(true);
  m_damage->hide();
  m_problems = new QLabel;
  m_problems->setObjectName("problems");
  m_problems->setWordWrap(true);
  m_problems->setStyleSheet("color: #b00020;");
  m_problems->hide();

  // Once OK has named the problems, each one goes as soon as it is put right.
  for (QLineEdit* field : {m_name, m_address, m_tcpPort, m_password, m_timeout})
    connect(field, &QLineEdit::textChanged, this, &EntryDialog::ShowProblems);
  for (QComboBox* field : {m_group, m_serialDevice})
    connect(field, &QComboBox::currentTextChanged, this, &EntryDialog::ShowProblems);
  for (QComboBox* field : {m_model, m_link, m_protocol, m_baudRate})
    connect(field, &QComboBox::currentIndexChanged, this, &EntryDialog::ShowProblems);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &EntryDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &EntryDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(m_damage);
  layout->addLayout(form);
  layout->addWidget(m_problems);
  layout->addWidget(buttons);
  setMinimumWidth(480);
}

EntryDialog::~EntryDialog() {
  // A query still running finishes on its own, within its reply timeout, and
  // finds no dialog to report to.
  const std::lock_guard lock(m_queryState->mutex);
  m_queryState->dialog = nullptr;
}

void EntryDialog::SetGroups(const std::vector<std::string>& groups) {
  const QString current = m_group->currentText();
  m_group->clear();
  for (const std::string& group : groups) m_group->addItem(QString::fromStdString(group));
  m_group->setCurrentText(current);
}

void EntryDialog::SetDamage(const std::string& damage) {
  m_damage->setText(HostText(Msg(7, 227), damage));
  m_damage->setVisible(!damage.empty());
  if (damage.empty()) return;
  m_checked = true;
  ShowProblems();
}

ProjectorEntry EntryDialog::Entry() const {
  ProjectorEntry entry;
  entry.name = m_name->text().toStdString();
  entry.group = m_group->currentText().trimmed().toStdString();
  const QStringList key = m_model->currentData().toString().split('/');
  if (key.size() == 2) {
    entry.modelType = key[0].toInt();
    entry.modelNo = key[1].toInt();
  }
  entry.link = m_link->currentIndex() == 0 ? Link::Network : Link::Serial;
  if (entry.link == Link::Network) {
    entry.address = m_address->text().trimmed().toStdString();
    entry.tcpPort = TypedNumber(m_tcpPort).value_or(0);
    entry.pjlink = m_protocol->currentIndex() == 1;
  } else {
    SetSerialDevice(entry, m_serialDevice->currentText().trimmed().toStdString());
    entry.baudRate = m_baudRate->currentData().toInt();
  }
  entry.password = m_password->text().toStdString();
  entry.timeoutMs = TypedNumber(m_timeout).value_or(0);
  entry.demo = m_demo;
  return entry;
}

std::vector<EntryProblem> EntryDialog::Problems() const {
  const ProjectorEntry entry = Entry();
  std::vector<EntryProblem> problems = ValidateEntry(entry, m_rules);
  for (EntryProblem& problem : problems) {
    // The numbers as typed, which may not be numbers at all.
    if (problem.field == EntryField::TcpPort)
      problem.text = CatalogText(Msg(7, 211), m_tcpPort->text().trimmed().toStdString(), kMinTcpPort, kMaxTcpPort);
    else if (problem.field == EntryField::Timeout)
      problem.text =
          CatalogText(Msg(7, 212), m_timeout->text().trimmed().toStdString(), kMinTimeoutMs, kMaxTimeoutMs);
  }
  // An empty device field would read as the first port of older lists.
  if (entry.link == Link::Serial && entry.serialDevice.empty())
    problems.push_back({EntryField::SerialDevice, CatalogText(Msg(7, 213))});
  return problems;
}

QWidget* EntryDialog::FieldWidget(EntryField field) const {
  switch (field) {
    case EntryField::Name:
      return m_name;
    case EntryField::Group:
      return m_group;
    case EntryField::Model:
      return m_model;
    case EntryField::Connection:
      return m_link;
    case EntryField::Address:
      return m_address;
    case EntryField::Protocol:
      return m_protocol;
    case EntryField::TcpPort:
      return m_tcpPort;
    case EntryField::SerialDevice:
      return m_serialDevice;
    case EntryField::BaudRate:
      return m_baudRate;
    case EntryField::Password:
      return m_password;
    case EntryField::Timeout:
      return m_timeout;
  }
  return nullptr;
}

void EntryDialog::ShowProblems() {
  if (!m_checked) return;
  // Validation looks only at the fields of the connection kind chosen, so a
  // hidden field never has an error on show.
  QStringList lines;
  for (const EntryProblem& problem : Problems()) lines << QString::fromStdString(problem.text);
  m_problems->setText(lines.join('\n'));
  m_problems->setVisible(!lines.isEmpty());
  GrowToFit();
}

// A window's layout sets its minimum size but not the height that wrapped
// texts take at its width: a text that grows after the window is shown would
// be cut off below its first lines.
void EntryDialog::GrowToFit() {
  if (!layout()) return;
  layout()->activate();
  const int needed = layout()->hasHeightForWidth() ? layout()->totalHeightForWidth(width()) : sizeHint().height();
  if (needed > height()) resize(width(), needed);
}

bool EntryDialog::QueryRunning() const {
  const std::lock_guard lock(m_queryState->mutex);
  return m_queryState->running;
}

int EntryDialog::QueriesInFlight() { return g_queriesInFlight.load(); }

void EntryDialog::QueryProjector() {
  if (QueryRunning()) return;
  const ProjectorEntry entry = Entry();
  // Only what the query needs is checked here; OK checks the rest.
  for (const EntryProblem& problem : Problems()) {
    if (problem.field != EntryField::Name && problem.field != EntryField::Model &&
        problem.field != EntryField::Group) {
      m_identity->setText(QString::fromStdString(problem.text));
      m_identity->show();
      return;
    }
  }
  m_query->setEnabled(false);
  m_query->setText(HostText(Msg(7, 33)));
  m_identity->hide();
  {
    const std::lock_guard lock(m_queryState->mutex);
    m_queryState->running = true;
  }
  ++g_queriesInFlight;
  const beamlink::TransportFactory transports = m_rules.loopbackOnly ? LoopbackOnlyTransports() : nullptr;
  // The window never waits for a projector: the query runs on a worker and
  // its answer comes back through the dialog's event queue.
  std::thread([state = m_queryState, entry, transports] {
    std::string error;
    const auto identity = QueryIdentity(entry, transports, error);
    const bool ok = identity.has_value();
    const std::string text = ok ? IdentityText(*identity) : error;
    const std::string name = ok ? identity->name : std::string();
    {
      const std::lock_guard lock(state->mutex);
      state->running = false;
      if (EntryDialog* dialog = state->dialog)
        QMetaObject::invokeMethod(
            dialog, [dialog, ok, text, name] { dialog->ShowQueryAnswer(ok, text, name); }, Qt::QueuedConnection);
    }
    --g_queriesInFlight;
  }).detach();
}

void EntryDialog::ShowQueryAnswer(bool ok, const std::string& text, const std::string& name) {
  m_query->setText(HostText(Msg(7, 71)));
  m_query->setEnabled(m_protocol->currentIndex() == 1);
  m_identity->setText(QString::fromStdString(text));
  m_identity->setToolTip(QString::fromStdString(text));
  m_identity->show();
  GrowToFit();
  if (ok && m_name->text().trimmed().isEmpty() && !name.empty())
    m_name->setText(QString::fromStdString(name));  // OK says when it is too long
}

void EntryDialog::accept() {
  m_checked = true;
  const std::vector<EntryProblem> problems = Problems();
  ShowProblems();
  if (problems.empty()) {
    QDialog::accept();
    return;
  }
  if (QWidget* field = FieldWidget(problems.front().field)) field->setFocus();
}

}  // namespace host
