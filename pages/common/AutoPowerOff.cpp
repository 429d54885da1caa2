#include "pages/common/Rows.h"
#include "projector/CommandCodes.h"

namespace expert::pages {

SliderGroup AutoPowerOffGroup(const SliderGroup& ids) {
  SliderGroup row = ids;
  row.io = {.code = pjcode::kAutoPowerOff,
            .stepFrom = ValueStepper<&CPjtInterface::IncrementAutoPowerOff, &CPjtInterface::DecrementAutoPowerOff>};
  row.rangeText = 0;
  row.defaultRange = {0, 99};
  row.onStepRefused = kSilent;
  row.onSlideRefused = ErrorBox(Msg(2201, 37));
  return row;
}

}  // namespace expert::pages
