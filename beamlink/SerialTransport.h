#pragma once
// A serial line to a projector: raw 8-bit bytes, no flow control, at one of
// the common baud rates.
#include <memory>
#include <optional>
#include <string>

#include "beamlink/FdTransport.h"

namespace beamlink {

class SerialTransport : public FdTransport {
 public:
  // Opens the serial port with this index (see SerialDevicePath).
  static std::unique_ptr<SerialTransport> Open(int portIndex, int baudRate, std::string& error);
  // Opens a device by its path, such as a pseudo-terminal.
  static std::unique_ptr<SerialTransport> Open(const std::string& devicePath, int baudRate, std::string& error);

 private:
  explicit SerialTransport(int fd) : FdTransport(fd, false) {}
};

// Where serial port N lives. The pattern's first "%d" becomes the index; a
// pattern without one gets the index appended. Default: "/dev/ttyS%d".
void SetSerialDevicePattern(std::string pattern);
std::string SerialDevicePath(int portIndex);

// The termios speed for a baud rate, when it is one we support.
std::optional<unsigned> BaudRateConstant(int baudRate);

}  // namespace beamlink
