#pragma once
// The library's connection-settings classes, one per kind of line, and the
// host's schedule record. Each copies member by member; the copy of a
// connection-settings object keeps the settings but never the open socket or
// port: it connects on its own when used.
#include <string>

#include "beamlink/Connection.h"
#include "beamlink/ConnectionHolder.h"
#include "beamlink/HostRecords.h"

// A projector on the network.
class CSocketCtrl {
 public:
  CSocketCtrl();

  // Address: a dotted IPv4 text or a host name; port 0: the default port; timeout 0: the
  // default. Texts are cut to their 64-byte slots; null counts as empty.
  void SetTarget(const char* address, int port, int timeoutMs, const char* password);
  beamlink::Endpoint GetEndpoint() const;

  // One exchange, connecting first when needed.
  beamlink::CallResult Call(const beamlink::Request& request);
  bool IsConnected() const { return m_link.IsOpen(); }
  void Disconnect() { m_link.Reset(); }
  // How connections are opened (the default: real sockets); drops the open one.
  void SetTransportFactory(beamlink::TransportFactory factory);

  char m_szAddress[kHostNameSize] = {};
  int m_nPort = 0;
  int m_nTimeoutMs = 0;
  char m_szPassword[kHostNameSize] = {};

 private:
  beamlink::TransportFactory m_factory;
  beamlink::ConnectionHolder m_link;
};

// A projector on a serial line.
class CComCtrl {
 public:
  CComCtrl();

  // Port index: the serial port's number (its device comes from the
  // configurable pattern); baud 0 and timeout 0: the defaults.
  void SetTarget(int portIndex, int baudRate, int timeoutMs, const char* password);
  // A device to open in place of the port index's, such as a pseudo-terminal;
  // empty: the port index's.
  void SetDevicePath(std::string path);
  beamlink::Endpoint GetEndpoint() const;

  beamlink::CallResult Call(const beamlink::Request& request);
  bool IsConnected() const { return m_link.IsOpen(); }
  void Disconnect() { m_link.Reset(); }
  void SetTransportFactory(beamlink::TransportFactory factory);

  int m_nPortIndex = 0;
  int m_nBaudRate = 0;
  int m_nTimeoutMs = 0;
  char m_szPassword[kHostNameSize] = {};
  std::string m_strDevicePath;

 private:
  beamlink::TransportFactory m_factory;
  beamlink::ConnectionHolder m_link;
};

// One entry of the host's projector schedule: at a time of chosen weekdays,
// send one setting to one projector.
class CScheduleInfo {
 public:
  std::string m_strName;
  std::string m_strProjectorName;
  BYTE m_bEnabled = 0;
  int m_nWeekdays = 0;  // bit 0 Sunday ... bit 6 Saturday
  int m_nHour = 0;
  int m_nMinute = 0;
  int m_nCode = 0;      // the command code to set
  int m_nValue = 0;     // the raw value to set it to
};
