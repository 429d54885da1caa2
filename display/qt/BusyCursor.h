#pragma once
// The busy cursor for slow projector calls. Every call stays synchronous on
// the GUI thread; the transports this factory opens wake that thread once a
// wait for the projector has lasted `threshold`, set the busy cursor, and go
// on waiting. The cursor comes back when the event loop runs again, that is
// when the module's handler has returned or shows a message box.
//
//   dialog.m_pjt.SetTransportFactory(qtdisplay::WithBusyCursor(beamlink::DefaultTransportFactory()));
#include <chrono>

#include "beamlink/Transport.h"

namespace qtdisplay {

inline constexpr std::chrono::milliseconds kBusyThreshold{300};

beamlink::TransportFactory WithBusyCursor(beamlink::TransportFactory inner,
                                          std::chrono::milliseconds threshold = kBusyThreshold);

// Whether the busy cursor is showing now.
bool BusyCursorShown();

}  // namespace qtdisplay
