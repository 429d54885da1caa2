// Copies of the connection-settings classes keep the settings and never the
// open connection. The serial class keeps its connection in the same holder
// and copies member by member as the network one does.
#include <gtest/gtest.h>

#include "FakeProjector.h"
#include "beamlink/SocketCtrl.h"

namespace beamlink::test {
namespace {

const Request kGetMirror{0, Action::Get, 0x3001, 0, 0};

TEST(ControlCopyTest, ACopiedSocketCtrlConnectsOnItsOwn) {
  FakeProjector projector({Serve()});
  CSocketCtrl original;
  original.SetTarget("127.0.0.1", projector.Port(), 2000, "");
  ASSERT_TRUE(original.Call(kGetMirror).ok);

  CSocketCtrl copy(original);
  EXPECT_EQ(copy.GetEndpoint(), original.GetEndpoint());
  EXPECT_FALSE(copy.IsConnected());
  EXPECT_TRUE(original.IsConnected());
  ASSERT_TRUE(copy.Call(kGetMirror).ok);
  EXPECT_EQ(projector.Connections(), 2);
  // Dropping the copy's connection leaves the original's alone.
  copy.Disconnect();
  ASSERT_TRUE(original.Call(kGetMirror).ok);
  EXPECT_EQ(projector.Connections(), 2);

  // Assignment drops the target's own connection and takes none.
  CSocketCtrl assigned;
  assigned.SetTarget("127.0.0.1", projector.Port(), 2000, "");
  ASSERT_TRUE(assigned.Call(kGetMirror).ok);
  assigned = original;
  EXPECT_FALSE(assigned.IsConnected());
  EXPECT_TRUE(original.IsConnected());
}

TEST(ControlCopyTest, ChangedSettingsLeadToANewConnection) {
  FakeProjector first({Serve()});
  FakeProjector second({Serve()});
  CSocketCtrl control;
  control.SetTarget("127.0.0.1", first.Port(), 2000, "");
  ASSERT_TRUE(control.Call(kGetMirror).ok);
  control.m_nPort = second.Port();  // written in place, as the host may
  ASSERT_TRUE(control.Call(kGetMirror).ok);
  EXPECT_EQ(first.Connections(), 1);
  EXPECT_EQ(second.Connections(), 1);
}

TEST(ControlCopyTest, AnUnterminatedAddressSlotIsReadWithinItsBounds) {
  CSocketCtrl control;
  std::fill(std::begin(control.m_szAddress), std::end(control.m_szAddress), '1');
  EXPECT_EQ(control.GetEndpoint().address.size(), sizeof control.m_szAddress);
  EXPECT_EQ(control.Call(kGetMirror).failure, CallFailure::Unreachable);
}

}  // namespace
}  // namespace beamlink::test
