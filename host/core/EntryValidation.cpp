#include "host/core/EntryValidation.h"

#include <algorithm>
#include <functional>
#include <optional>

#include "beamlink/SerialTransport.h"
#include "catalog/Catalog.h"
#include "host/core/LoopbackGuard.h"
#include "models/Address.h"

namespace host {
namespace {

bool HasControlCharacter(const std::string& text) {
  return std::any_of(text.begin(), text.end(), [](char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte < 0x20 || byte == 0x7F;
  });
}

bool IsBlank(const std::string& text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsLetterOrDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// The limits are bytes of UTF-8; people count characters. The message states
// both readings that hold: plain Latin letters take one byte, accented ones
// two, Chinese characters three.
std::string TooLong(CatMsg message, std::size_t bytes) {
  return CatalogText(message, static_cast<int>(bytes), static_cast<int>(bytes / 3));
}

void CheckAddress(const ProjectorEntry& entry, const ValidationRules& rules,
                  const std::function<void(EntryField, std::string)>& add) {
  const std::string& address = entry.address;
  if (address.empty()) return add(EntryField::Address, CatalogText(Msg(7, 207)));
  if (const std::optional<std::uint32_t> ip = models::ParseDottedAddress(address)) {
    if (*ip == 0 || *ip == 0xFFFFFFFFu) return add(EntryField::Address, CatalogText(Msg(7, 57), address));
  } else if (!IsHostName(address)) {
    return add(EntryField::Address, CatalogText(Msg(7, 208), address));
  } else if (address.size() > kMaxSlotText) {
    return add(EntryField::Address, CatalogText(Msg(7, 209), address, static_cast<int>(kMaxSlotText)));
  }
  if (rules.loopbackOnly && !IsLoopbackTarget(address)) add(EntryField::Address, CatalogText(Msg(7, 210), address));
}

void CheckSerialDevice(const ProjectorEntry& entry, const ValidationRules& rules,
                       const std::function<void(EntryField, std::string)>& add) {
  const std::string& device = entry.serialDevice;
  if (device.empty()) {  // a list written before device paths: a port number
    if (entry.serialPort < 0 || entry.serialPort >= kMaxSerialPorts)
      return add(EntryField::SerialDevice, CatalogText(Msg(7, 217), entry.serialPort + 1, kMaxSerialPorts));
  } else if (HasControlCharacter(device)) {
    return add(EntryField::SerialDevice, CatalogText(Msg(7, 215)));
  } else if (device.front() != '/') {
    return add(EntryField::SerialDevice, CatalogText(Msg(7, 214), device));
  }
  if (rules.loopbackOnly && !IsPseudoTerminal(device))
    add(EntryField::SerialDevice, CatalogText(Msg(7, 216), SerialDeviceOf(entry)));
}

}  // namespace

bool IsHostName(std::string_view text) {
  if (text.empty()) return false;
  std::size_t start = 0;
  bool lastAllDigits = false;
  while (true) {
    const std::size_t end = std::min(text.find('.', start), text.size());
    const std::string_view label = text.substr(start, end - start);
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') return false;
    if (!std::all_of(label.begin(), label.end(), [](char c) { return IsLetterOrDigit(c) || c == '-'; }))
      return false;
    lastAllDigits = std::all_of(label.begin(), label.end(), IsDigit);
    if (end == text.size()) break;
    start = end + 1;
  }
  return !lastAllDigits;
}

std::string FieldLabel(EntryField field) {
  switch (field) {
    case EntryField::Name:
      return CatalogText(Msg(7, 2));
    case EntryField::Group:
      return CatalogText(Msg(7, 201));
    case EntryField::Model:
      return CatalogText(Msg(7, 3));
    case EntryField::Connection:
      return CatalogText(Msg(7, 24));
    case EntryField::Address:
      return CatalogText(Msg(7, 18));
    case EntryField::Protocol:
      return CatalogText(Msg(7, 68));
    case EntryField::TcpPort:
      return CatalogText(Msg(7, 19));
    case EntryField::SerialDevice:
      return CatalogText(Msg(7, 202));
    case EntryField::BaudRate:
      return CatalogText(Msg(7, 21));
    case EntryField::Password:
      return CatalogText(Msg(7, 22));
    case EntryField::Timeout:
      return CatalogText(Msg(7, 23));
  }
  return {};
}

std::vector<EntryProblem> ValidateEntry(const ProjectorEntry& entry, const ValidationRules& rules) {
  std::vector<EntryProblem> problems;
  const std::function<void(EntryField, std::string)> add = [&problems](EntryField field, std::string text) {
    problems.push_back({field, std::move(text)});
  };

  if (IsBlank(entry.name))
    add(EntryField::Name, CatalogText(Msg(7, 218)));
  else if (entry.name.size() > kMaxSlotText)
    add(EntryField::Name, TooLong(Msg(7, 203), kMaxSlotText));
  else if (HasControlCharacter(entry.name))
    add(EntryField::Name, CatalogText(Msg(7, 56)));

  // Empty: no group. Groups never travel to a projector, but share the
  // names' limit so that a group fits wherever a name does.
  if (entry.group.size() > kMaxSlotText)
    add(EntryField::Group, TooLong(Msg(7, 204), kMaxSlotText));
  else if (HasControlCharacter(entry.group))
    add(EntryField::Group, CatalogText(Msg(7, 205)));

  if (rules.database && !rules.database->Find(entry.modelType, entry.modelNo))
    add(EntryField::Model, CatalogText(Msg(7, 41), entry.modelType, entry.modelNo));

  if (entry.link == Link::Network) {
    CheckAddress(entry, rules, add);
    if (entry.tcpPort < kMinTcpPort || entry.tcpPort > kMaxTcpPort)
      add(EntryField::TcpPort, CatalogText(Msg(7, 211), std::to_string(entry.tcpPort), kMinTcpPort, kMaxTcpPort));
  } else {
    CheckSerialDevice(entry, rules, add);
    if (!beamlink::BaudRateConstant(entry.baudRate))
      add(EntryField::BaudRate, CatalogText(Msg(7, 47), entry.baudRate));
  }

  // PJLink passwords have at most 32 bytes.
  const std::size_t maxPassword = entry.link == Link::Network && entry.pjlink ? 32 : kMaxSlotText;
  if (entry.password.size() > maxPassword)
    add(EntryField::Password, TooLong(Msg(7, 206), maxPassword));
  else if (HasControlCharacter(entry.password))
    add(EntryField::Password, CatalogText(Msg(7, 59)));

  if (entry.timeoutMs < kMinTimeoutMs || entry.timeoutMs > kMaxTimeoutMs)
    add(EntryField::Timeout, CatalogText(Msg(7, 212), std::to_string(entry.timeoutMs), kMinTimeoutMs, kMaxTimeoutMs));
  return problems;
}

}  // namespace host
