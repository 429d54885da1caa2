#include "projector/LinkProblemText.h"

#include "catalog/Catalog.h"

std::string LinkProblemText(const beamlink::LinkProblem& problem) {
  using beamlink::CallFailure;
  switch (problem.failure) {
    case CallFailure::Timeout: return CatalogText(Msg(2201, 900), problem.peer);
    case CallFailure::Unreachable: return CatalogText(Msg(2201, 901), problem.peer);
    case CallFailure::PasswordRejected: return CatalogText(Msg(2201, 902), problem.peer);
    case CallFailure::PasswordRequired: return CatalogText(Msg(2201, 903), problem.peer);
    case CallFailure::PasswordMismatch: return CatalogText(Msg(2201, 906), problem.peer);
    case CallFailure::PasswordNotAsked: return CatalogText(Msg(2201, 907), problem.peer);
    case CallFailure::Closed: return CatalogText(Msg(2201, 904), problem.peer);
    case CallFailure::UnknownName: return CatalogText(Msg(2201, 908), problem.peer);
    case CallFailure::Cancelled: return CatalogText(Msg(2201, 909), problem.peer);
    case CallFailure::Protocol:
    case CallFailure::None: break;
  }
  return CatalogText(Msg(2201, 905), problem.peer);
}
