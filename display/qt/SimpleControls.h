#pragma once
// The controls that map straight onto a Qt widget: push buttons, check
// boxes, value boxes (edit controls) and drop-down lists.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "display/qt/WindowView.h"

namespace qtdisplay {

class PushButton : public QPushButton, public WindowView {
 public:
  PushButton(ViewHost& host, QWidget* parent);
  QWidget* Widget() override { return this; }
  void Sync(const WindowState& state, WindowChange change) override;
};

class CheckBox : public QCheckBox, public WindowView {
 public:
  CheckBox(ViewHost& host, QWidget* parent);
  QWidget* Widget() override { return this; }
  void Sync(const WindowState& state, WindowChange change) override;
};

// An edit control: read-only and right-aligned as the style says; the
// module's value boxes are both.
class ValueBox : public QLineEdit, public WindowView {
 public:
  ValueBox(ViewHost& host, QWidget* parent);
  QWidget* Widget() override { return this; }
  void Sync(const WindowState& state, WindowChange change) override;
};

// A drop-down list that cannot be typed into. Its template height is the
// height of the open list; closed, it is as tall as the style makes it.
class ListBox : public QComboBox, public WindowView {
 public:
  ListBox(ViewHost& host, QWidget* parent);
  QWidget* Widget() override { return this; }
  void Sync(const WindowState& state, WindowChange change) override;
};

}  // namespace qtdisplay
