#include "host/app/Preferences.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QSettings>
#include <QSpinBox>

#include "host/app/HostText.h"
#include "host/app/WindowSettings.h"

namespace host {
namespace {

constexpr int kMaxHours = 100000;

QSpinBox* HoursBox(int value, const char* name) {
  auto* box = new QSpinBox;
  box->setObjectName(name);
  box->setRange(1, kMaxHours);
  box->setSingleStep(100);
  box->setValue(value);
  return box;
}

}  // namespace

MaintenanceLimits LoadMaintenanceLimits() {
  QSettings settings = HostSettings();
  MaintenanceLimits limits;
  const auto read = [&](const char* key, int fallback) {
    bool ok = false;
    const int value = settings.value(key).toInt(&ok);
    return ok && value >= 1 && value <= kMaxHours ? value : fallback;
  };
  limits.lampHours = read("maintenance/lampHours", limits.lampHours);
  limits.filterHours = read("maintenance/filterHours", limits.filterHours);
  return limits;
}

void SaveMaintenanceLimits(const MaintenanceLimits& limits) {
  QSettings settings = HostSettings();
  settings.setValue("maintenance/lampHours", limits.lampHours);
  settings.setValue("maintenance/filterHours", limits.filterHours);
}

PreferencesDialog::PreferencesDialog(const MaintenanceLimits& limits, QWidget* parent) : QDialog(parent) {
  setWindowTitle(HostText(Msg(7, 137)));
  m_lamp = HoursBox(limits.lampHours, "lampHours");
  m_filter = HoursBox(limits.filterHours, "filterHours");
  auto* form = new QFormLayout(this);
  form->addRow(HostText(Msg(7, 138)), m_lamp);
  form->addRow(HostText(Msg(7, 139)), m_filter);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  form->addRow(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

MaintenanceLimits PreferencesDialog::Limits() const { return {m_lamp->value(), m_filter->value()}; }

}  // namespace host
