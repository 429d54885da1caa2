#pragma once
// Rows that the type-1 pages share with their type-2 twins: the same setting
// reached the same way, in controls with other ids.
#include <vector>

#include "pages/common/Rows.h"

namespace expert::pages::twin {

// The projector counts from 1 where the list counts from 0.
inline constexpr ListMap kValueLessOne{
    .position = [](const CExpertDlg&, const CComboBox&, int value) { return value - 1; }};

// The video format, read through the format table; the library turns the
// position sent into the format value.
ListRow VideoFormat(int list);

// Picture-in-picture: the lists of the input pages. Input and audio items
// are the template's on type 1 (`items` empty) and catalog texts on type 2.
ListRow PinPInput(int list, std::vector<CatMsg> items);
ListRow PinPPosition(int list);
ListRow PinPAudio(int list, std::vector<CatMsg> items);
ListRow PinPSize(int list);

// Setup pages: the volume group, raw level without offset, whose buttons
// stop at 0 and 32 whatever the slider's range; the three infra-red receivers.
SliderGroup Volume(int minus, int slider, int plus, int box);
CheckRow IRFront(int box);
CheckRow IRRear(int box);
CheckRow IRTop(int box);

// The auto pages' auto power off group (a tick every 8): a step that changes
// nothing and a refused slide empty the value box.
SliderGroup AutoPowerOff(int minus, int slider, int plus, int box);

// Starts the automatic picture adjustment; no page reports its result.
void AutoAdjust(CPjtInterface* pjt);

}  // namespace expert::pages::twin
