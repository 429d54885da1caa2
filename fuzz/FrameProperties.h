#pragma once
// What every decoded frame must satisfy, checked by the fuzz targets. A
// violation aborts, so both libFuzzer and the corpus replay report it.
#include <algorithm>
#include <cstdlib>
#include <span>
#include <vector>

#include "FuzzInput.h"
#include "beamlink/Protocol.h"

namespace beamlink::fuzz {

inline Frame Reencode(const Message& message) {
  switch (message.kind) {
    case BodyKind::Request: return Encode(message.request);
    case BodyKind::Reply: return Encode(message.reply);
    case BodyKind::SealedRequest: return Encode(message.request, message.seal);
    case BodyKind::SealedReply: return Encode(message.reply, message.seal);
    case BodyKind::Hello: return Encode(message.hello);
    case BodyKind::Welcome: return Encode(Welcome{});
    case BodyKind::Challenge: return Encode(message.challenge);
    case BodyKind::Answer: return Encode(message.answer);
    case BodyKind::Verdict: return Encode(message.verdict);
  }
  std::abort();  // a kind the reader should never have produced
}

// Feeds a stream to a FrameReader `piece` bytes at a time, as reads arrive.
// Every completed frame must re-encode to exactly the bytes it came from and
// decode alone to the same frame; the reader must always make progress; it
// stops at the first malformed frame. Returns how many frames it completed.
inline std::size_t CheckStream(std::span<const std::uint8_t> stream, std::size_t piece) {
  FrameReader reader;
  std::size_t frames = 0;
  std::size_t frameStart = 0;
  for (std::size_t at = 0; at < stream.size();) {
    const std::span<const std::uint8_t> chunk = stream.subspan(at, std::min(piece, stream.size() - at));
    for (std::size_t used = 0; used < chunk.size();) {
      const std::size_t taken = reader.Feed(chunk.subspan(used));
      used += taken;
      Require(used <= chunk.size());
      if (reader.GetState() == FrameReader::State::Failed) {
        Require(!reader.Error().empty());
        Require(reader.Feed(chunk) == 0);  // a failed reader takes nothing more
        return frames;
      }
      if (reader.GetState() == FrameReader::State::NeedMore) {
        Require(taken > 0);
        continue;
      }
      const Message message = reader.Take();
      const std::span<const std::uint8_t> bytes = stream.subspan(frameStart, at + used - frameStart);
      const Frame encoded = Reencode(message);
      Require(std::equal(encoded.begin(), encoded.end(), bytes.begin(), bytes.end()));
      const std::optional<Message> alone = DecodeFrame(bytes);
      Require(alone && Reencode(*alone) == encoded);
      frameStart = at + used;
      ++frames;
    }
    at += chunk.size();
  }
  return frames;
}

}  // namespace beamlink::fuzz
