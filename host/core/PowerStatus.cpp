#include "host/core/PowerStatus.h"

#include "beamlink/PjtInterface.h"
#include "catalog/Catalog.h"
#include "host/core/EntryLink.h"
#include "projector/CommandCodes.h"
#include "projector/LinkProblemText.h"

namespace host {

PowerStatus QueryPowerStatus(const ProjectorEntry& entry, const beamlink::TransportFactory& transports) {
  PowerStatus status;
  CPjtInterface pjt;
  AttachEntry(pjt, entry, transports);
  std::uint16_t value = 0;
  if (pjt.Get(pjcode::kPowerStatus, 0, &pjt, &value) != 1) {
    // The link's failure in the words the dialog uses; other failures (a
    // refusal, a garbled reply) in the library's own.
    status.error = pjt.LinkProblem() ? LinkProblemText(*pjt.LinkProblem()) : pjt.LastError();
    return status;
  }
  status.read = true;
  status.state = value;
  return status;
}

std::string PowerStatusText(const PowerStatus& status) {
  if (!status.read) return CatalogText(Msg(7, 32), status.error);
  switch (status.state) {
    case 0:
      return CatalogText(Msg(7, 29));
    case 1:
      return CatalogText(Msg(7, 28));
    case 2:
      return CatalogText(Msg(7, 30));
    default:
      return CatalogText(Msg(7, 31), status.state);
  }
}

}  // namespace host
