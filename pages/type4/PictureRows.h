#pragma once
// Rows that the picture pages of types 4 and 5 share: the same settings in
// controls with the same ids on both templates. The sliders and what makes
// a custom mode editable differ, and stay in each page.
#include "pages/common/Rows.h"
#include "projector/CommandCodes.h"

namespace expert::pages::picture45 {

enum : int { kGammaCustom = 20133, kColorTempCustom = 20143, kMyMemoryExecute = 21065, kResetExecute = 21070 };

inline const ListRow kGamma{.list = 20142, .io = {.code = pjcode::kGamma, .set = Setter<&CPjtInterface::SetGamma>},
                            .codes = CodeTable{.table = HostTable::Gamma, .textBase = 204, .sendsPosition = true}};
inline const ListRow kColorTemp{.list = 20144, .io = {pjcode::kColourTemperature},
                                .onRefused = ErrorBox(Msg(2201, 61)),
                                .codes = CodeTable{.table = HostTable::ColorTemp, .textBase = 250}};
inline const ListRow kMyMemory{.list = 21064, .items = {Msg(5, 280), Msg(5, 281), Msg(5, 282), Msg(5, 283),
                                                        Msg(5, 284), Msg(5, 285), Msg(5, 286), Msg(5, 287)}};
inline const ResetList kResets{20157, kResetExecute,
                               {{Msg(5, 105), &CPjtInterface::ExecBrightnessReset},
                                {Msg(5, 106), &CPjtInterface::ExecContrastReset},
                                {Msg(5, 290), &CPjtInterface::ExecColorReset},
                                {Msg(5, 291), &CPjtInterface::ExecTintReset},
                                {Msg(5, 292), &CPjtInterface::ExecSharpnessReset}}};

}  // namespace expert::pages::picture45
