// Host names: "localhost" reaches the projector end to end; a name that does
// not resolve is a link problem naming it (through an injected lookup, as no
// test may ask a name server); a lookup that hangs costs no more than the
// connect timeout. And the library is quiet: a failed call writes nothing to
// stderr unless asked.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <thread>

#include "FakeProjector.h"
#include "beamlink/Log.h"
#include "beamlink/PjtInterface.h"
#include "beamlink/TcpTransport.h"

namespace beamlink::test {
namespace {

TEST(HostName, TheFormOfANameDecidesWhetherItIsLookedUp) {
  for (const char* name : {"localhost", "projector-3.lab", "PJ1", "a.b-c.d9"}) EXPECT_TRUE(IsHostName(name)) << name;
  for (const char* text : {"", "-pj", "pj-", "a..b", "192.168.0", "10.0.0.1", "pj_3", "pj 3", "pj.", "\xC3\xA9"})
    EXPECT_FALSE(IsHostName(text)) << text;
  EXPECT_FALSE(IsHostName(std::string(64, 'a')));
}

TEST(HostName, LocalhostWorksAndAnUnknownNameIsALinkProblemByName) {
  const FakeProjector projector({Serve()});
  CPjtInterface pjt;
  pjt.CopyData(1, 0, projector.Port(), "localhost", 1000, "");
  std::uint16_t value = 0;
  ASSERT_EQ(pjt.Get(0x2003, 2, &pjt, &value), 1) << pjt.LastError();
  EXPECT_EQ(value, 100);  // the fake projector reads 100 + argument

  struct Restore {
    ~Restore() { SetNameLookup({}); }
  } restore;
  SetNameLookup([](const std::string& name, bool& notKnown) {
    if (name == "hangs.lab") std::this_thread::sleep_for(std::chrono::seconds(2));
    notKnown = true;
    return std::vector<std::uint32_t>{};
  });
  pjt.CopyData(1, 0, projector.Port(), "projector-3.lab", 1000, "");
  EXPECT_EQ(pjt.Get(0x2003, 2, &pjt, &value), 0);
  EXPECT_EQ(pjt.LinkProblem(), (LinkProblem{CallFailure::UnknownName, "projector-3.lab"}));
  EXPECT_NE(pjt.LastError().find("the name projector-3.lab is not known"), std::string::npos) << pjt.LastError();

  pjt.CopyData(1, 0, projector.Port(), "hangs.lab", 300, "");
  const auto start = Clock::now();
  EXPECT_EQ(pjt.Get(0x2003, 2, &pjt, &value), 0);
  EXPECT_LT(Clock::now() - start, std::chrono::milliseconds(800));
  EXPECT_EQ(pjt.LinkProblem()->failure, CallFailure::Unreachable);
  EXPECT_EQ(projector.Connections(), 1);
}

// What a call writes to fd 2 while it runs.
std::string StderrOf(const std::function<void()>& run) {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return "pipe failed";
  std::fflush(stderr);
  const int saved = dup(2);
  dup2(pipeFds[1], 2);
  close(pipeFds[1]);
  run();
  std::fflush(stderr);
  dup2(saved, 2);
  close(saved);
  std::string text;
  char buffer[256];
  for (ssize_t n; (n = read(pipeFds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
  close(pipeFds[0]);
  return text;
}

TEST(QuietLibrary, FailedCallsWriteNothingToStderrUnlessAsked) {
  const FakeProjector guarded({Serve("secret")});
  const auto failEachWay = [&] {
    CPjtInterface pjt;
    std::uint16_t value = 0;
    pjt.CopyData(1, 0, guarded.Port(), "127.0.0.1", 300, "");  // a password is asked, none is set
    pjt.Get(0x2003, 0, &pjt, &value);
    pjt.CopyData(1, 0, guarded.Port(), "127.0.0.1", 300, "wrong");
    pjt.Get(0x2003, 0, &pjt, &value);
    pjt.CopyData(1, 0, 1, "127.0.0.300", 300, "");
    pjt.Get(0x2003, 0, &pjt, &value);
    pjt.CopyData(2, 0, guarded.Port(), "127.0.0.1", 300, "");  // PJLink to a peer that speaks otherwise
    pjt.Get(0x6000, 0, &pjt, &value);
  };
  const bool wasVerbose = Verbose();
  SetVerbose(false);
  EXPECT_EQ(StderrOf(failEachWay), "");
  SetVerbose(true);
  EXPECT_NE(StderrOf(failEachWay).find("beamlink: "), std::string::npos);
  SetVerbose(wasVerbose);
}

}  // namespace
}  // namespace beamlink::test
