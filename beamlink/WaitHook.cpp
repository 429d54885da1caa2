#include "beamlink/WaitHook.h"

#include <algorithm>
#include <utility>

namespace beamlink {
namespace {

thread_local WaitHook* t_hook = nullptr;
thread_local WaitScope* t_scope = nullptr;

}  // namespace

WaitHook* SetThreadWaitHook(WaitHook* hook) { return std::exchange(t_hook, hook); }

WaitScope::WaitScope(std::string peer) : m_info{std::move(peer), Clock::now()}, m_outer(t_scope) { t_scope = this; }

WaitScope::~WaitScope() {
  t_scope = m_outer;
  if (!m_outer && t_hook) t_hook->CallEnded();
}

// The call the hook hears about is the outermost one.
WaitScope* WaitScope::Outermost() {
  WaitScope* scope = t_scope;
  while (scope && scope->m_outer) scope = scope->m_outer;
  return scope;
}

Deadline SliceEnd(Deadline deadline) {
  if (!t_hook || !t_scope) return deadline;
  return std::min(deadline, Clock::now() + kWaitSlice);
}

bool KeepWaiting() {
  WaitScope* scope = WaitScope::Outermost();
  if (!scope) return true;
  if (scope->m_abandoned) return false;
  if (t_hook && t_hook->Waiting(scope->m_info)) scope->m_abandoned = true;
  return !scope->m_abandoned;
}

bool CallAbandoned() {
  const WaitScope* scope = WaitScope::Outermost();
  return scope && scope->m_abandoned;
}

}  // namespace beamlink
