#pragma once
// Add or edit one projector: name, group, model of the database, network
// address (IPv4 or host name), protocol (ours or PJLink, whose projector a
// Query button asks) and TCP port, or serial device and baud rate, password,
// reply timeout. OK keeps the dialog open until the entry passes validation;
// from then on each error line goes as soon as its field is right.
#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "host/core/EntryValidation.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace host {

class EntryDialog : public QDialog {
 public:
  // `initial` null: a new projector.
  EntryDialog(const models::ModelDatabase& database, ValidationRules rules, const ProjectorEntry* initial,
              QWidget* parent = nullptr);
  ~EntryDialog() override;

  // The groups the list already has (HostSession::Groups()), offered by the
  // group field.
  void SetGroups(const std::vector<std::string>& groups);
  // Editing a row whose entry could not be used as written: says why, and
  // shows at once what is wrong with the fields that could be read.
  void SetDamage(const std::string& damage);

  // What the fields hold now. A number field whose text is not a number
  // gives a value out of its range, so that it never passes.
  ProjectorEntry Entry() const;
  // The problems OK would name now, of the fields shown.
  std::vector<EntryProblem> Problems() const;
  // A Query still running on its worker, for this dialog and for all: a
  // closed dialog leaves its worker to finish within its reply timeout.
  bool QueryRunning() const;
  static int QueriesInFlight();

  void accept() override;

 private:
  struct QueryState;

  QWidget* FieldWidget(EntryField field) const;
  // After the first OK: the error lines of the fields as they are now.
  void ShowProblems();
  // Taller when a wrapped text (the problems, the query's answer) needs it.
  void GrowToFit();
  // Asks the PJLink projector on a worker thread what it says of itself; the
  // answer fills the name (when empty) and shows its maker and product.
  void QueryProjector();
  void ShowQueryAnswer(bool ok, const std::string& text, const std::string& name);

  ValidationRules m_rules;
  bool m_demo = false;
  bool m_checked = false;  // OK was chosen once: errors follow the fields
  QLineEdit* m_name;
  QComboBox* m_group;
  QComboBox* m_model;
  QComboBox* m_link;
  QLineEdit* m_address;
  QLineEdit* m_tcpPort;
  QComboBox* m_protocol;
  QPushButton* m_query;
  QLabel* m_identity;
  QComboBox* m_serialDevice;
  QComboBox* m_baudRate;
  QLineEdit* m_password;
  QLineEdit* m_timeout;
  QLabel* m_damage;
  QLabel* m_problems;
  std::shared_ptr<QueryState> m_queryState;
};

}  // namespace host
