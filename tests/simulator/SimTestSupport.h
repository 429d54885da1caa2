#pragma once
// Shared by the simulator tests: models from the database and short request builders.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>

#include "beamlink/Operations.h"
#include "beamlink/Protocol.h"
#include "beamlink/Transport.h"
#include "models/ModelDatabase.h"
#include "simulator/Projector.h"

namespace sim::test {

inline const models::ModelDatabase& Database() {
  static const models::ModelDatabase database = models::ModelDatabase::Load(SIM_TEST_MODEL_DB);
  return database;
}

inline models::ModelDescription Model(std::string_view key) { return *Database().Find(key); }

inline std::shared_ptr<Projector> MakeProjector(std::string_view key, ProjectorOptions options = {}) {
  return std::make_shared<Projector>(Model(key), options);
}

// 127.0.0.1 at `port` (none for the in-process transport).
inline beamlink::Endpoint Loopback(int port, int timeoutMs, std::string password = {}) {
  beamlink::Endpoint endpoint;
  endpoint.address = "127.0.0.1";
  endpoint.third = port;
  endpoint.timeoutMs = timeoutMs;
  endpoint.password = std::move(password);
  return endpoint;
}

inline beamlink::Request Get(std::uint16_t code, std::uint16_t argument = 0) {
  return {1, beamlink::Action::Get, code, argument, 0};
}
inline beamlink::Request Set(std::uint16_t code, std::uint16_t value, std::uint16_t argument = 0) {
  return {2, beamlink::Action::Set, code, argument, value};
}
inline beamlink::Request Inc(std::uint16_t code, std::uint16_t argument = 0) {
  return {3, beamlink::Action::Increment, code, argument, 0};
}
inline beamlink::Request Dec(std::uint16_t code, std::uint16_t argument = 0) {
  return {4, beamlink::Action::Decrement, code, argument, 0};
}
inline beamlink::Request Exec(std::uint16_t code, std::uint16_t argument = 0) {
  return {5, beamlink::Action::Execute, code, argument, 0};
}

// The reply as one comparable value: the value for Value replies, the
// refusal for refusals.
inline beamlink::Reply Answer(beamlink::Status status, std::uint16_t value = 0) { return {0, status, 0, value}; }
inline beamlink::Reply Strip(beamlink::Reply reply) {
  reply.tag = 0;
  reply.code = 0;
  return reply;
}
inline beamlink::Reply ValueReply(std::uint16_t value) { return Answer(beamlink::Status::Value, value); }
inline beamlink::Reply Done() { return Answer(beamlink::Status::Done); }
inline beamlink::Reply Refused(beamlink::Refusal why) {
  return Answer(beamlink::Status::Refused, static_cast<std::uint16_t>(why));
}

// What the projector answers, tag and code aside.
inline beamlink::Reply Ask(Projector& p, const beamlink::Request& r) { return Strip(p.Handle(r)); }

// The request a named operation of the library sends for these arguments.
inline beamlink::Request Op(std::string_view name, std::initializer_list<long long> args = {}) {
  const beamlink::OperationInfo* op = beamlink::FindOperation(name);
  EXPECT_NE(op, nullptr) << name;
  const auto request = op ? beamlink::BuildRequest(*op, std::span<const long long>(args.begin(), args.size()))
                          : std::nullopt;
  EXPECT_TRUE(request) << name;
  return request.value_or(beamlink::Request{});
}

}  // namespace sim::test
