#include "beamlink/TcpTransport.h"

#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <netdb.h>

#include <algorithm>
#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "beamlink/Loopback.h"
#include "beamlink/WaitHook.h"

namespace beamlink {
namespace {

constexpr std::string_view kUnknownNamePrefix = "the name ";
constexpr std::string_view kUnknownNameSuffix = " is not known";

std::vector<std::uint32_t> SystemLookup(const std::string& name, bool& notKnown) {
  addrinfo hints{};
  hints.ai_family = AF_INET;
  hints.ai_socktype = SOCK_STREAM;
  addrinfo* found = nullptr;
  const int result = getaddrinfo(name.c_str(), nullptr, &hints, &found);
  std::vector<std::uint32_t> addresses;
  if (result != 0) {
    // No such name, no IPv4 address for it, or no name server to ask: to
    // the person it is all one, the name leads nowhere.
    notKnown = result == EAI_NONAME || result == EAI_NODATA || result == EAI_FAIL || result == EAI_AGAIN ||
               result == EAI_ADDRFAMILY;
    return addresses;
  }
  for (const addrinfo* entry = found; entry; entry = entry->ai_next)
    if (entry->ai_family == AF_INET)
      addresses.push_back(ntohl(reinterpret_cast<const sockaddr_in*>(entry->ai_addr)->sin_addr.s_addr));
  freeaddrinfo(found);
  notKnown = addresses.empty();
  return addresses;
}

std::mutex g_lookupMutex;
NameLookup g_lookup;

NameLookup CurrentLookup() {
  std::lock_guard lock(g_lookupMutex);
  return g_lookup ? g_lookup : NameLookup(SystemLookup);
}

// A lookup cannot be timed out: it runs on a thread of its own, which this
// one leaves behind at the deadline (or when the wait is abandoned); the
// shared state lives until both are done with it.
std::optional<std::uint32_t> Resolve(const std::string& name, Deadline deadline, std::string& error) {
  struct Shared {
    std::mutex mutex;
    std::condition_variable done;
    bool finished = false;
    bool notKnown = false;
    std::vector<std::uint32_t> addresses;
  };
  auto shared = std::make_shared<Shared>();
  try {
    std::thread([shared, name, lookup = CurrentLookup()] {
      bool notKnown = false;
      std::vector<std::uint32_t> addresses;
      try {
        addresses = lookup(name, notKnown);
      } catch (...) {
        notKnown = true;
      }
      std::lock_guard lock(shared->mutex);
      shared->addresses = std::move(addresses);
      shared->notKnown = notKnown || shared->addresses.empty();
      shared->finished = true;
      shared->done.notify_all();
    }).detach();
  } catch (const std::system_error& e) {
    error = "cannot look up " + name + ": " + e.what();
    return std::nullopt;
  }
  std::unique_lock lock(shared->mutex);
  for (;;) {
    const Deadline until = SliceEnd(deadline);
    if (shared->done.wait_until(lock, until, [&] { return shared->finished; })) break;
    if (Clock::now() >= deadline) {
      error = "timed out looking up " + name;
      return std::nullopt;
    }
    lock.unlock();
    const bool goOn = KeepWaiting();
    lock.lock();
    if (!goOn) {
      error = "abandoned";
      return std::nullopt;
    }
  }
  if (shared->notKnown) {
    error = UnknownNameError(name);
    return std::nullopt;
  }
  return shared->addresses.front();
}

}  // namespace

bool IsHostName(std::string_view text) {
  if (text.empty() || text.size() > 253) return false;
  std::string_view last;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t dot = std::min(text.find('.', start), text.size());
    const std::string_view label = text.substr(start, dot - start);
    if (label.empty() || label.size() > 63 || label.front() == '-' || label.back() == '-') return false;
    for (const char c : label)
      if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-')) return false;
    last = label;
    start = dot + 1;
  }
  return !std::all_of(last.begin(), last.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string UnknownNameError(const std::string& name) {
  return std::string(kUnknownNamePrefix) + name + std::string(kUnknownNameSuffix);
}

bool IsUnknownNameError(const std::string& error) {
  return error.starts_with(kUnknownNamePrefix) && error.ends_with(kUnknownNameSuffix);
}

void SetNameLookup(NameLookup lookup) {
  std::lock_guard lock(g_lookupMutex);
  g_lookup = std::move(lookup);
}

std::unique_ptr<TcpTransport> TcpTransport::Open(const std::string& address, int port, Deadline deadline,
                                                 std::string& error) {
  // The same parser decides what is a loopback address, so no two parts of
  // the system disagree on what a text means (leading zeros, for one).
  std::optional<std::uint32_t> ip = ParseDottedQuad(address);
  if (!ip && !IsHostName(address)) {
    error = "\"" + address + "\" is neither a dotted IPv4 address nor a host name";
    return nullptr;
  }
  if (port < 1 || port > 65535) {
    error = "TCP port " + std::to_string(port) + " is out of range";
    return nullptr;
  }
  if (!ip) ip = Resolve(address, deadline, error);
  if (!ip) return nullptr;
  const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) {
    error = "cannot create a socket: " + ErrnoText(errno);
    return nullptr;
  }
  // Owned from here on, so every failure below closes it.
  std::unique_ptr<TcpTransport> transport(new TcpTransport(fd));

  sockaddr_in target{};
  target.sin_family = AF_INET;
  target.sin_port = htons(static_cast<std::uint16_t>(port));
  target.sin_addr.s_addr = htonl(*ip);
  if (connect(fd, reinterpret_cast<const sockaddr*>(&target), sizeof target) != 0) {
    if (errno != EINPROGRESS && errno != EINTR) {
      error = "cannot connect: " + ErrnoText(errno);
      return nullptr;
    }
    const int ready = WaitReady(fd, POLLOUT, deadline);
    if (ready <= 0) {
      error = ready == 0 ? "timed out while connecting" : "cannot connect: " + ErrnoText(errno);
      return nullptr;
    }
    int result = 0;
    socklen_t size = sizeof result;
    if (getsockopt(fd, SOL_SOCKET, SO_ERROR, &result, &size) != 0) result = errno;
    if (result != 0) {
      error = "cannot connect: " + ErrnoText(result);
      return nullptr;
    }
  }
  // Connected: replies are now awaited by blocking receives under a timeout
  // (sends never block, see FdTransport).
  const int flags = fcntl(fd, F_GETFL);
  if (flags < 0 || fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) {
    error = "cannot configure the socket: " + ErrnoText(errno);
    return nullptr;
  }
  // Frames are a dozen bytes and each waits for its answer: send at once.
  const int on = 1;
  setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  return transport;
}

}  // namespace beamlink
