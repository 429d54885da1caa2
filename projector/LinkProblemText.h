#pragma once
// The one sentence a user reads when the link to a projector fails: why, in
// words, and where the traffic really went.
#include <string>

#include "beamlink/Connection.h"

std::string LinkProblemText(const beamlink::LinkProblem& problem);
