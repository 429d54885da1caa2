#pragma once
// Add or edit one projector: name, model of the database, network address,
// protocol (ours or PJLink, whose projector a Query button asks) and TCP port or serial port and baud rate, password, reply timeout. OK keeps
// the dialog open until the entry passes validation.
#include <QDialog>

#include "host/core/EntryValidation.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace host {

class EntryDialog : public QDialog {
 public:
  // `initial` null: a new projector.
  EntryDialog(const models::ModelDatabase& database, ValidationRules rules, const ProjectorEntry* initial,
              QWidget* parent = nullptr);

  // What the fields hold now.
  ProjectorEntry Entry() const;

  void accept() override;

 private:
  QWidget* FieldWidget(EntryField field) const;
  // Fills the name (when empty) from what the PJLink projector says of
  // itself and shows its maker and product.
  void QueryProjector();

  ValidationRules m_rules;
  bool m_demo = false;
  QLineEdit* m_name;
  QComboBox* m_model;
  QComboBox* m_link;
  QLineEdit* m_address;
  QSpinBox* m_tcpPort;
  QComboBox* m_protocol;
  QLabel* m_identity;
  QSpinBox* m_serialPort;
  QComboBox* m_baudRate;
  QLineEdit* m_password;
  QSpinBox* m_timeout;
  QLabel* m_problems;
};

}  // namespace host
