#include "host/app/OperateActions.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include "host/app/HostText.h"

namespace host {

OperateActions::OperateActions(QMainWindow& window) : QObject(&window) {
  m_menu = window.menuBar()->addMenu(HostText(Msg(7, 117)));
  m_menu->setObjectName("operateMenu");
  QAction* on = Add(m_menu, HostText(Msg(7, 118)), {fleet::Action::PowerOn, {}});
  QAction* off = Add(m_menu, HostText(Msg(7, 119)), {fleet::Action::PowerOff, {}});
  m_inputs = m_menu->addMenu(HostText(Msg(7, 120)));
  m_inputs->setObjectName("inputMenu");
  QMenu* blank = OnOff(HostText(Msg(7, 121)), fleet::Action::BlankOn, fleet::Action::BlankOff);
  QMenu* mute = OnOff(HostText(Msg(7, 122)), fleet::Action::MuteOn, fleet::Action::MuteOff);
  QMenu* freeze = OnOff(HostText(Msg(7, 123)), fleet::Action::FreezeOn, fleet::Action::FreezeOff);
  m_menu->addSeparator();
  m_cancel = m_menu->addAction(HostText(Msg(7, 126)));
  m_cancel->setObjectName("cancelOperation");
  m_cancel->setShortcut(Qt::Key_Escape);
  connect(m_cancel, &QAction::triggered, this, &OperateActions::CancelRequested);

  QToolBar* tools = window.addToolBar(HostText(Msg(7, 117)));
  tools->setObjectName("operateToolBar");
  tools->setMovable(false);
  tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
  tools->addActions({on, off});
  for (QMenu* menu : {m_inputs, blank, mute, freeze}) {
    tools->addAction(menu->menuAction());
    if (auto* button = qobject_cast<QToolButton*>(tools->widgetForAction(menu->menuAction())))
      button->setPopupMode(QToolButton::InstantPopup);
  }
  Update(false, false);
}

QAction* OperateActions::Add(QMenu* menu, QString text, fleet::Operation operation) {
  QAction* action = menu->addAction(text);
  m_operations << action;
  connect(action, &QAction::triggered, this, [this, operation] { emit Requested(operation); });
  return action;
}

QMenu* OperateActions::OnOff(const QString& title, fleet::Action on, fleet::Action off) {
  QMenu* menu = m_menu->addMenu(title);
  Add(menu, HostText(Msg(7, 124)), {on, {}});
  Add(menu, HostText(Msg(7, 125)), {off, {}});
  return menu;
}

void OperateActions::SetInputs(const QStringList& inputs) {
  for (QAction* action : m_inputs->actions()) {
    m_operations.removeAll(action);
    m_inputs->removeAction(action);
    action->deleteLater();
  }
  for (const QString& input : inputs)
    Add(m_inputs, QString(input).replace('&', "&&"), {fleet::Action::Input, input.toStdString()});
  Update(m_selected, m_running);
}

void OperateActions::Update(bool selected, bool running) {
  m_selected = selected;
  m_running = running;
  for (QAction* action : m_operations) action->setEnabled(selected && !running);
  m_inputs->setEnabled(selected && !running && !m_inputs->actions().isEmpty());
  m_cancel->setEnabled(running);
}

}  // namespace host
