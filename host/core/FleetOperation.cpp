// One operation on one projector, through the same interface calls as the
// control page, and what became of it: done, refused with the projector's
// reason, or not reached with the dialog's words for why.
#include <cstring>

#include "beamlink/Protocol.h"
#include "host/core/FleetWork.h"
#include "projector/CommandCodes.h"
#include "projector/LinkProblemText.h"

namespace host::fleet {
namespace {

Result Refused(std::string why, Refusal refusal = Refusal::Other) {
  return Result{Outcome::Refused, std::move(why), refusal};
}

// The input code the entry's model gives `name`: the name the entry shows
// (in the user's language) or the model database's own. Only the codes the
// control page offers (0 to 6) are sent.
std::optional<int> InputCode(const CProjectorItem& item, const models::ModelDescription* model,
                             const std::string& name) {
  for (int i = 0; i < item.m_nInputCount && i < kHostInputSize; ++i) {
    const bool named = name == item.m_szInputName[i] ||
                       (model && static_cast<std::size_t>(i) < model->inputs.size() && model->inputs[i].name == name);
    if (named && item.m_nInputCode[i] >= 0 && item.m_nInputCode[i] <= 6) return item.m_nInputCode[i];
  }
  return std::nullopt;
}

// A refusal's reason. The library names the projector's refusal in the
// failed call's text; a busy projector is asked what keeps it busy.
Result Classify(CPjtInterface& pjt, const std::string error) {
  using beamlink::CallFailure;
  if (const auto& problem = pjt.LinkProblem()) {
    switch (problem->failure) {
      case CallFailure::PasswordRejected:
      case CallFailure::PasswordMismatch:
        return Refused("wrong password", Refusal::WrongPassword);
      case CallFailure::PasswordRequired:
        return Refused("a password is required", Refusal::PasswordRequired);
      default:
        return Result{Outcome::NotReached, LinkProblemText(*problem)};
    }
  }
  const auto refusedFor = [&error](beamlink::Refusal refusal) {
    return error.find(std::string("refused (") + beamlink::RefusalText(static_cast<std::uint16_t>(refusal)) + ")") !=
           std::string::npos;
  };
  if (refusedFor(beamlink::Refusal::Unsupported))
    return Refused("not supported by this projector", Refusal::NotSupported);
  if (refusedFor(beamlink::Refusal::PowerOff)) return Refused("the power is off", Refusal::PowerOff);
  if (refusedFor(beamlink::Refusal::OutOfRange)) return Refused("out of range", Refusal::OutOfRange);
  if (refusedFor(beamlink::Refusal::Busy)) {
    // PJLink reports a projector warming up as on, so busy while on is
    // warming up; busy in standby is PJLink's answer to a command that needs
    // the lamp.
    std::uint16_t power = 0;
    if (pjt.Get(pjcode::kPowerStatus, 0, &pjt, &power) == 1) {
      if (power == 2) return Refused("cooling down", Refusal::CoolingDown);
      if (power == 1) return Refused("warming up", Refusal::WarmingUp);
      if (power == 0) return Refused("the power is off", Refusal::PowerOff);
    }
    return Refused("busy", Refusal::Busy);
  }
  return Refused(error.empty() ? "refused" : error);
}

}  // namespace

Result ApplyTo(const Operation& operation, const ProjectorEntry& entry, const Reach& reach) {
  CPjtInterface pjt;
  std::string modelError;
  const std::optional<CProjectorItem> item = Prepare(pjt, entry, reach, modelError);
  std::string error;  // of the last call
  pjt.SetCallObserver([&error](const beamlink::CallTrace& trace) { error = trace.error; });

  switch (operation.action) {
    case Action::PowerOn: pjt.SetPowerOn(); break;
    case Action::PowerOff: pjt.SetPowerOff(); break;
    case Action::BlankOn: pjt.SetBlank(1); break;
    case Action::BlankOff: pjt.SetBlank(0); break;
    case Action::MuteOn: pjt.SetMute(1); break;
    case Action::MuteOff: pjt.SetMute(0); break;
    case Action::FreezeOn: pjt.SetFreeze(1); break;
    case Action::FreezeOff: pjt.SetFreeze(0); break;
    case Action::Input: {
      if (!item) return Refused(modelError.empty() ? "the model database could not be read" : modelError);
      const models::ModelDescription* model =
          reach.database ? reach.database->Find(entry.modelType, entry.modelNo) : nullptr;
      const std::optional<int> code = InputCode(*item, model, operation.input);
      if (!code) return Refused("no input \"" + operation.input + "\" on this projector");
      pjt.Set(pjcode::kInputSource, *code, &pjt);
      break;
    }
  }
  if (error.empty()) return Result{Outcome::Done, {}};
  return Classify(pjt, error);
}

}  // namespace host::fleet
