#pragma once
// An interface object wired to a scripted projector, with every trace kept.
#include <gtest/gtest.h>

#include <vector>

#include "ScriptedProjector.h"
#include "beamlink/PjtInterface.h"

class PjtFixture : public ::testing::Test {
 protected:
  PjtFixture() {
    pjt.CopyData(1, 0, 0, "127.0.0.1", 200, "");
    pjt.SetTransportFactory(projector.Factory());
    pjt.SetCallObserver([this](const beamlink::CallTrace& trace) { traces.push_back(trace); });
  }

  // The one request the last call sent.
  beamlink::Request Sent() const {
    EXPECT_EQ(projector.Requests().size(), 1u);
    return projector.Requests().empty() ? beamlink::Request{} : projector.Requests().back();
  }
  // Clears what earlier calls sent and reported.
  void Forget() {
    projector.Forget();
    traces.clear();
  }

  ScriptedProjector projector;
  CPjtInterface pjt;
  std::vector<beamlink::CallTrace> traces;
};

// A request with the tag left out, for comparisons.
inline beamlink::Request Untagged(beamlink::Request request) {
  request.tag = 0;
  return request;
}
