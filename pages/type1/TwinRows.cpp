#include "pages/type1/TwinRows.h"

#include "pages/common/VideoFormat.h"
#include "projector/CommandCodes.h"

namespace expert::pages::twin {

ListRow VideoFormat(int list) {
  return {.list = list, .io = {.code = pjcode::kVideoFormat, .set = Setter<&CPjtInterface::SetVideoFormat>},
          .map = {.position = kVideoFormats.position}};
}

ListRow PinPInput(int list, std::vector<CatMsg> items) {
  return {.list = list, .io = {.code = pjcode::kPictureInPictureInput, .set = Setter<&CPjtInterface::SetPinPInput>},
          .map = kValueLessOne, .items = std::move(items)};
}

ListRow PinPPosition(int list) {
  return {.list = list,
          .io = {.code = pjcode::kPictureInPicturePosition, .set = Setter<&CPjtInterface::SetPinPPosition>},
          .items = {Msg(5, 90), Msg(5, 91), Msg(5, 92), Msg(5, 93)}};
}

ListRow PinPAudio(int list, std::vector<CatMsg> items) {
  return {.list = list, .io = {.code = pjcode::kPictureInPictureAudio, .set = Setter<&CPjtInterface::SetPinPAudio>},
          .items = std::move(items)};
}

ListRow PinPSize(int list) {
  return {.list = list, .io = {.code = pjcode::kPictureInPictureSize, .set = Setter<&CPjtInterface::SetPinPSize>},
          .items = {Msg(5, 330), Msg(5, 95), Msg(5, 96)}};
}

SliderGroup Volume(int minus, int slider, int plus, int box) {
  return {.minus = minus, .slider = slider, .plus = plus, .box = box, .io = {pjcode::kVolume},
          .lower = StopAt(0), .upper = StopAt(32), .rangeText = 21, .defaultRange = {0, 32}, .tick = 2,
          .onStepRefused = ErrorBox(Msg(2201, 65))};
}

CheckRow IRFront(int box) {
  return {.box = box, .io = {.code = pjcode::kIRRemoteSensorFront, .set = Setter<&CPjtInterface::SetIRFront>}};
}
CheckRow IRRear(int box) {
  return {.box = box, .io = {.code = pjcode::kIRRemoteSensorRear, .set = Setter<&CPjtInterface::SetIRRear>}};
}
CheckRow IRTop(int box) {
  return {.box = box, .io = {.code = pjcode::kIRRemoteSensorTop, .set = Setter<&CPjtInterface::SetIRTop>}};
}

SliderGroup AutoPowerOff(int minus, int slider, int plus, int box) {
  return AutoPowerOffGroup(
      {.minus = minus, .slider = slider, .plus = plus, .box = box, .tick = 8, .emptyBoxWhenUnchanged = true,
       .presetSliderWhenUnread = true});
}

void AutoAdjust(CPjtInterface* pjt) {
  if (pjt) pjt->ExecAutoAdjust();
}

}  // namespace expert::pages::twin
