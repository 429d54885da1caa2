#include "host/core/HostSession.h"

#include <algorithm>

#include "catalog/Catalog.h"
#include "host/core/LoopbackGuard.h"

namespace host {

HostSession::HostSession(const models::ModelDatabase& database, ProjectorStore store, Mode mode, bool loopbackOnly)
    : m_database(database), m_store(std::move(store)), m_mode(mode), m_loopbackOnly(loopbackOnly || mode == Mode::Demo) {
  if (mode == Mode::Demo) {
    ShowDemoProjectors();
    return;
  }
  LoadOutcome outcome = m_store.Load();
  switch (outcome.kind) {
    case LoadOutcome::Kind::Loaded:
      for (ListedEntry& listed : outcome.entries)
        m_rows.push_back({std::move(listed.entry), {}, std::move(listed.written), std::move(listed.damage)});
      m_saves = true;
      break;
    case LoadOutcome::Kind::Missing:
      ShowDemoProjectors();
      m_saves = true;
      break;
    case LoadOutcome::Kind::MovedAside:
      m_notices.push_back(
          CatalogText(Msg(7, 37), m_store.File().string(), outcome.problem, outcome.movedTo.string()));
      ShowDemoProjectors();
      m_saves = true;
      break;
    case LoadOutcome::Kind::Kept:
      m_notices.push_back(CatalogText(Msg(7, 39), m_store.File().string(), outcome.problem));
      break;
  }
}

void HostSession::ShowDemoProjectors() {
  m_demo = std::make_unique<DemoFleet>(m_database);
  for (const ProjectorEntry& entry : m_demo->Entries()) m_rows.push_back({entry, {}, {}, {}});
}

std::vector<std::string> HostSession::Groups() const {
  std::vector<std::string> groups;
  for (const Row& row : m_rows)
    if (!row.entry.group.empty()) groups.push_back(row.entry.group);
  std::sort(groups.begin(), groups.end());
  groups.erase(std::unique(groups.begin(), groups.end()), groups.end());
  return groups;
}

std::vector<std::string> HostSession::TakeNotices() { return std::exchange(m_notices, {}); }

beamlink::TransportFactory HostSession::Transports() const {
  return m_loopbackOnly ? LoopbackOnlyTransports() : beamlink::TransportFactory{};
}

bool HostSession::Save(std::string& error) {
  if (!m_saves) return true;
  std::vector<ListedEntry> entries;
  for (const Row& row : m_rows)
    if (!row.entry.demo) entries.push_back({row.entry, row.damage, row.written});
  if (m_store.Save(entries, error)) return true;
  error = CatalogText(Msg(7, 38), m_store.File().string(), error);
  return false;
}

bool HostSession::Add(ProjectorEntry entry, std::string& error) {
  entry.demo = false;
  m_rows.push_back({std::move(entry), {}, {}, {}});
  return Save(error);
}

bool HostSession::Replace(std::size_t row, ProjectorEntry entry, std::string& error) {
  Row& target = m_rows.at(row);
  // An edited demo projector keeps its simulator (the edit may only rename
  // it) and is still never saved.
  entry.demo = target.entry.demo;
  // The status stays until the next refresh brings the new one, rather than
  // a blank column meanwhile.
  target = {std::move(entry), std::move(target.status), {}, {}};
  return Save(error);
}

bool HostSession::Remove(std::size_t row, std::string& error) { return Remove(std::vector<std::size_t>{row}, error); }

bool HostSession::Remove(std::vector<std::size_t> rows, std::string& error) {
  std::sort(rows.begin(), rows.end());
  rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
  if (!rows.empty()) m_rows.at(rows.back());  // range check, before anything goes
  // From the last, so that the indices still to go stay valid.
  for (auto row = rows.rbegin(); row != rows.rend(); ++row)
    m_rows.erase(m_rows.begin() + static_cast<std::ptrdiff_t>(*row));
  return Save(error);
}

}  // namespace host
