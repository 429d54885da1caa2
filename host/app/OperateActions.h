#pragma once
// The Operate menu and its toolbar for the selected projectors: Power on,
// Power off, Input (the inputs the selected entries share), Blank, Mute,
// Freeze (on and off each), and Cancel while an operation runs.
#include <QObject>
#include <QStringList>

#include "host/core/FleetEngine.h"

class QAction;
class QMainWindow;
class QMenu;

namespace host {

class OperateActions : public QObject {
  Q_OBJECT

 public:
  explicit OperateActions(QMainWindow& window);

  // The inputs offered, by the names the entries give them.
  void SetInputs(const QStringList& inputs);
  // `selected`: operations may start; `running`: Cancel may.
  void Update(bool selected, bool running);
  QMenu* Menu() const { return m_menu; }
  QAction* CancelAction() const { return m_cancel; }

 signals:
  void Requested(const fleet::Operation& operation);
  void CancelRequested();

 private:
  QAction* Add(QMenu* menu, QString text, fleet::Operation operation);
  QMenu* OnOff(const QString& title, fleet::Action on, fleet::Action off);

  QMenu* m_menu;
  QMenu* m_inputs;
  QList<QAction*> m_operations;
  QAction* m_cancel;
  bool m_selected = false;
  bool m_running = false;
};

}  // namespace host
