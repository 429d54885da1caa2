#include "beamlink/SerialTransport.h"

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <mutex>

namespace beamlink {
namespace {

std::mutex g_patternMutex;
std::string g_pattern = "/dev/ttyS%d";

constexpr struct {
  int rate;
  speed_t speed;
} kBaudRates[] = {{1200, B1200},   {2400, B2400},   {4800, B4800},     {9600, B9600},    {19200, B19200},
                  {38400, B38400}, {57600, B57600}, {115200, B115200}, {230400, B230400}};

std::string SupportedRates() {
  std::string text;
  for (const auto& entry : kBaudRates) text += (text.empty() ? "" : ", ") + std::to_string(entry.rate);
  return text;
}

}  // namespace

void SetSerialDevicePattern(std::string pattern) {
  const std::lock_guard lock(g_patternMutex);
  g_pattern = std::move(pattern);
}

std::string SerialDevicePath(int portIndex) {
  const std::lock_guard lock(g_patternMutex);
  std::string path = g_pattern;
  // Plain text substitution: the pattern is never used as a printf format.
  const std::size_t at = path.find("%d");
  if (at == std::string::npos) return path + std::to_string(portIndex);
  return path.replace(at, 2, std::to_string(portIndex));
}

std::optional<unsigned> BaudRateConstant(int baudRate) {
  for (const auto& entry : kBaudRates)
    if (entry.rate == baudRate) return entry.speed;
  return std::nullopt;
}

std::unique_ptr<SerialTransport> SerialTransport::Open(int portIndex, int baudRate, std::string& error) {
  if (portIndex < 0) {
    error = "serial port index " + std::to_string(portIndex) + " is negative";
    return nullptr;
  }
  return Open(SerialDevicePath(portIndex), baudRate, error);
}

std::unique_ptr<SerialTransport> SerialTransport::Open(const std::string& devicePath, int baudRate,
                                                       std::string& error) {
  const std::optional<unsigned> speed = BaudRateConstant(baudRate);
  if (!speed) {
    error = "baud rate " + std::to_string(baudRate) + " is not supported (supported: " + SupportedRates() + ")";
    return nullptr;
  }
  // O_NOCTTY: a projector's line must never become our controlling terminal.
  const int fd = open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    error = "cannot open " + devicePath + ": " + ErrnoText(errno);
    return nullptr;
  }
  std::unique_ptr<SerialTransport> transport(new SerialTransport(fd));
  termios settings{};
  if (tcgetattr(fd, &settings) != 0) {
    error = devicePath + " is not a serial device: " + ErrnoText(errno);
    return nullptr;
  }
  cfmakeraw(&settings);
  settings.c_cflag |= CLOCAL | CREAD;
  settings.c_cflag &= ~static_cast<tcflag_t>(CSTOPB | PARENB | CRTSCTS);
  settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY);
  settings.c_cc[VMIN] = 0;
  settings.c_cc[VTIME] = 0;
  if (cfsetispeed(&settings, *speed) != 0 || cfsetospeed(&settings, *speed) != 0 ||
      tcsetattr(fd, TCSANOW, &settings) != 0) {
    error = "cannot set up " + devicePath + ": " + ErrnoText(errno);
    return nullptr;
  }
  // Whatever arrived before we opened belongs to nobody.
  tcflush(fd, TCIOFLUSH);
  return transport;
}

}  // namespace beamlink
