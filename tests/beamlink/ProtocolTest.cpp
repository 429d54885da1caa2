// The frame codec: what goes on the wire, what comes back out, and every
// kind of malformed input the reader must reject.
#include <gtest/gtest.h>

#include "beamlink/Protocol.h"
#include "fuzz/FrameProperties.h"

namespace beamlink {
namespace {

// A body wrapped with a correct marker, length and checksum, so that only
// the body itself is at fault.
Frame Framed(const Frame& body) {
  Frame frame{kStartMarker, static_cast<std::uint8_t>(body.size())};
  frame.insert(frame.end(), body.begin(), body.end());
  frame.push_back(Crc8(std::span<const std::uint8_t>(frame).subspan(1)));
  return frame;
}

std::vector<Frame> OneOfEachKind() {
  Hello hello;
  Challenge challenge;
  Answer answer;
  for (std::size_t i = 0; i < kNonceSize; ++i) challenge.nonce[i] = static_cast<std::uint8_t>(0xF0 ^ i);
  for (std::size_t i = 0; i < kSaltSize; ++i) challenge.salt[i] = hello.nonce[i] = static_cast<std::uint8_t>(i + 1);
  for (std::size_t i = 0; i < kDigestSize; ++i) challenge.proof[i] = answer.digest[i] = static_cast<std::uint8_t>(i * 7);
  const Seal seal{1, 2, 3, 4, 5, 6, 7, 8};
  return {Encode(Request{7, Action::Set, 0x2003, 0x0102, 0xFFFF}),
          Encode(Reply{255, Status::Refused, 0x6000, static_cast<std::uint16_t>(Refusal::PowerOff)}),
          Encode(Request{9, Action::Get, 0x2003, 0, 0}, seal),
          Encode(Reply{9, Status::Value, 0x2003, 0x0080}, seal),
          Encode(hello),
          Encode(Welcome{}),
          Encode(challenge),
          Encode(answer),
          Encode(Verdict{true}),
          Encode(Verdict{false})};
}

// Peers rely on these bytes: a change here is a change of the wire format.
TEST(ProtocolTest, FramesHaveTheirDocumentedBytes) {
  EXPECT_EQ(Encode(Request{1, Action::Get, 0x2003, 0, 0}),
            (Frame{0xA5, 0x09, 0x51, 0x01, 0x01, 0x20, 0x03, 0x00, 0x00, 0x00, 0x00, 0x96}));
  EXPECT_EQ(Encode(Reply{1, Status::Value, 0x2003, 0x0080}),
            (Frame{0xA5, 0x07, 0x52, 0x01, 0x01, 0x20, 0x03, 0x00, 0x80, 0xE7}));
  EXPECT_EQ(Encode(Request{2, Action::Set, 0x2003, 0, 200}),
            (Frame{0xA5, 0x09, 0x51, 0x02, 0x02, 0x20, 0x03, 0x00, 0x00, 0x00, 0xC8, 0xB3}));
  EXPECT_EQ(Encode(Reply{2, Status::Refused, 0x2003, static_cast<std::uint16_t>(Refusal::OutOfRange)}),
            (Frame{0xA5, 0x07, 0x52, 0x02, 0x02, 0x20, 0x03, 0x00, 0x02, 0xBD}));
  EXPECT_EQ(Encode(Verdict{true}), (Frame{0xA5, 0x02, 0x56, 0x01, 0xA3}));
  // Sizes: hello 20, challenge 68, answer 36; sealed request 20, sealed reply 18.
  const Frame sealed = Encode(Request{1, Action::Get, 0x2003, 0, 0}, Seal{1, 2, 3, 4, 5, 6, 7, 8});
  EXPECT_EQ(sealed, (Frame{0xA5, 0x11, 0x71, 0x01, 0x01, 0x20, 0x03, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 7, 8,
                           Crc8(std::span(sealed).subspan(1, 18))}));
  EXPECT_EQ(Encode(Hello{}).size(), 20u);
  EXPECT_EQ(Encode(Challenge{}).size(), 68u);
  EXPECT_EQ(Encode(Reply{}, Seal{}).size(), 18u);
}

// With the encoder pinned by the bytes above, re-encoding what was decoded
// checks every field of the decoder.
TEST(ProtocolTest, EveryKindSurvivesARoundTrip) {
  for (const Frame& frame : OneOfEachKind()) {
    std::string error;
    const std::optional<Message> message = DecodeFrame(frame, &error);
    ASSERT_TRUE(message) << error;
    EXPECT_EQ(fuzz::Reencode(*message), frame);
  }
}

// A stream of every kind, cut into two reads at every byte boundary, gives
// back every frame in order.
TEST(ProtocolTest, TheReaderReassemblesFramesSplitAnywhere) {
  const std::vector<Frame> frames = OneOfEachKind();
  Frame stream;
  for (const Frame& frame : frames) stream.insert(stream.end(), frame.begin(), frame.end());
  for (std::size_t cut = 0; cut <= stream.size(); ++cut) {
    FrameReader reader;
    std::vector<BodyKind> seen;
    for (const auto part : {std::span(stream).first(cut), std::span(stream).subspan(cut)}) {
      for (std::size_t used = 0; used < part.size();) {
        used += reader.Feed(part.subspan(used));
        ASSERT_NE(reader.GetState(), FrameReader::State::Failed) << reader.Error() << " at cut " << cut;
        if (reader.GetState() == FrameReader::State::Ready) seen.push_back(reader.Take().kind);
      }
    }
    ASSERT_EQ(seen.size(), frames.size()) << "cut " << cut;
    for (std::size_t i = 0; i < frames.size(); ++i) EXPECT_EQ(seen[i], DecodeFrame(frames[i])->kind);
  }
}

TEST(ProtocolTest, MalformedInputIsRejected) {
  Frame badChecksum = Encode(Reply{1, Status::Done, 0x2003, 0});
  badChecksum.back() ^= 0x01;
  Frame badMarker = Encode(Hello{});
  badMarker[0] = 0x5A;
  const struct {
    const char* what;
    Frame bytes;
    const char* error;
  } cases[] = {
      {"wrong marker", badMarker, "start of a frame"},
      {"length 0", {kStartMarker, 0x00, 0x00}, "out of bounds"},
      {"length above the maximum", {kStartMarker, kMaxBody + 1}, "out of bounds"},
      {"checksum", badChecksum, "checksum"},
      {"unknown kind", Framed({'Z', 1, 2}), "unknown frame kind"},
      {"action 0", Framed({'Q', 1, 0, 0x20, 0x03, 0, 0, 0, 0}), "unknown action"},
      {"action 6", Framed({'Q', 1, 6, 0x20, 0x03, 0, 0, 0, 0}), "unknown action"},
      {"status 4", Framed({'R', 1, 4, 0x20, 0x03, 0, 0}), "unknown reply status"},
      {"short request", Framed({'Q', 1, 1, 0x20, 0x03, 0, 0, 0}), "not 9"},
      {"long reply", Framed({'R', 1, 1, 0x20, 0x03, 0, 0, 0}), "not 7"},
      {"short challenge", Framed({'C', 1, 2, 3}), "not 65"},
      {"hello without a nonce", Framed({'H'}), "not 17"},
      {"sealed request without its seal", Framed({'q', 1, 1, 0x20, 0x03, 0, 0, 0, 0}), "not 17"},
      {"verdict 2", Framed({'V', 2}), "neither 0 nor 1"},
      {"trailing bytes", Frame{0xA5, 0x01, 0x57, 0xB7, 0x00}, "after the end"},
      {"incomplete", Frame{0xA5, 0x09, 0x51}, "incomplete"},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(DecodeFrame(c.bytes, &error)) << c.what;
    EXPECT_NE(error.find(c.error), std::string::npos) << c.what << ": " << error;
  }
}

// After a bad frame nothing on the stream can be trusted: the reader takes
// no more bytes until it is reset.
TEST(ProtocolTest, AFailedReaderStaysFailedUntilReset) {
  FrameReader reader;
  const Frame garbage{0x00};
  const Frame hello = Encode(Hello{});
  reader.Feed(garbage);
  ASSERT_EQ(reader.GetState(), FrameReader::State::Failed);
  EXPECT_EQ(reader.Feed(hello), 0u);
  EXPECT_EQ(reader.GetState(), FrameReader::State::Failed);
  reader.Reset();
  EXPECT_EQ(reader.Feed(hello), hello.size());
  EXPECT_EQ(reader.GetState(), FrameReader::State::Ready);
}

}  // namespace
}  // namespace beamlink
