#pragma once
// The window's preferences, kept with QSettings under expert-control: the
// maintenance limits a row is marked at, and the dialog that sets them.
#include <QDialog>

class QSpinBox;

namespace host {

// Lamp or filter hours above these mark a row for maintenance.
struct MaintenanceLimits {
  int lampHours = 3000;
  int filterHours = 1000;
  bool operator==(const MaintenanceLimits&) const = default;
};

MaintenanceLimits LoadMaintenanceLimits();
void SaveMaintenanceLimits(const MaintenanceLimits& limits);

class PreferencesDialog : public QDialog {
 public:
  explicit PreferencesDialog(const MaintenanceLimits& limits, QWidget* parent = nullptr);
  MaintenanceLimits Limits() const;

 private:
  QSpinBox* m_lamp;
  QSpinBox* m_filter;
};

}  // namespace host
