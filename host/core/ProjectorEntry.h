#pragma once
// One projector of the host's list, as the user describes it: a name, a model
// of the model database and how to reach it.
#include <cstdint>
#include <optional>
#include <string>

#include "beamlink/HostRecords.h"
#include "models/ModelDatabase.h"

namespace host {

enum class Link { Network, Serial };

inline constexpr int kDefaultTcpPort = 4352;
inline constexpr int kDefaultBaudRate = 19200;
inline constexpr int kDefaultTimeoutMs = 2000;

// The texts added after the first lists carry `= {}`, so that designated
// initialisers may leave them out.
struct ProjectorEntry {
  std::string name;
  std::string group = {};  // a room or building; empty: none
  int modelType = 0;
  int modelNo = 0;
  Link link = Link::Network;
  std::string address;  // dotted IPv4 or a host name, network only
  int tcpPort = kDefaultTcpPort;
  bool pjlink = false;  // network only: PJLink in place of our own protocol
  int serialPort = 0;  // index: 0 is the first serial port; used when serialDevice is empty
  std::string serialDevice = {};  // serial only: the device's path (/dev/ttyUSB0, a pseudo-terminal)
  int baudRate = kDefaultBaudRate;
  std::string password;  // empty: none
  int timeoutMs = kDefaultTimeoutMs;
  // A simulated projector served by the host itself; never saved.
  bool demo = false;

  bool operator==(const ProjectorEntry&) const = default;
};

// The item the dialog's hand-off takes: the model's lists and ranges from the
// database, the entry's name and connection. Null with `error` when the model
// is not in the database. The item's address is a number: for an entry that
// names its projector by host name it is 0, and the dialog learns the name
// (as the serial device) from AttachEntry, which points its interface at the
// entry after the hand-off.
std::optional<CProjectorItem> MakeProjectorItem(const ProjectorEntry& entry, const models::ModelDatabase& database,
                                                std::string& error);

// The connection kind the hand-off carries for the entry: network on our
// protocol, network on PJLink, or serial.
int ConnectKindOf(const ProjectorEntry& entry);

// "192.168.0.10:4352" for the network ("... (PJLink)"); for a serial line its
// device and baud rate, or for a port number of an older list the port
// numbered as the dialog's caption numbers it (index + 1) as well.
std::string ConnectionText(const ProjectorEntry& entry);
// The serial device an entry opens: its path, or for lists written before
// paths the device of its port index (n-1 for port n: /dev/ttyS<n-1>).
std::string SerialDeviceOf(const ProjectorEntry& entry);
// Sets the entry's serial device, and the port index the dialog's caption
// numbers (n-1 for the device of port n, else 0).
void SetSerialDevice(ProjectorEntry& entry, std::string path);
// "5/30  PV-5300 (...)": type and number, then the database's display name.
std::string ModelText(const ProjectorEntry& entry, const models::ModelDatabase& database);

}  // namespace host
