#include "platform/x11/SessionBus_x11.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string_view>

namespace tintwatch::x11 {

namespace {

using Clock = std::chrono::steady_clock;

// Undoes the %XX escapes of a bus address's value.
std::string Unescape(std::string_view value) {
  std::string out;
  for (std::size_t i = 0; i < value.size(); ++i) {
    if (value[i] == '%' && i + 2 < value.size()) {
      out.push_back(static_cast<char>(std::strtol(std::string(value.substr(i + 1, 2)).c_str(), nullptr, 16)));
      i += 2;
    } else {
      out.push_back(value[i]);
    }
  }
  return out;
}

struct UnixAddress {
  std::string path;
  bool abstract = false;
};

// The first unix entry with a path or an abstract name; nullopt when the
// address has entries but none of those.
std::optional<UnixAddress> FirstUnixEntry(std::string_view address) {
  while (!address.empty()) {
    const std::size_t end = address.find(';');
    std::string_view entry = address.substr(0, end);
    address = end == std::string_view::npos ? std::string_view() : address.substr(end + 1);
    if (entry.substr(0, 5) != "unix:") continue;
    entry.remove_prefix(5);
    while (!entry.empty()) {
      const std::size_t comma = entry.find(',');
      const std::string_view pair = entry.substr(0, comma);
      entry = comma == std::string_view::npos ? std::string_view() : entry.substr(comma + 1);
      if (pair.substr(0, 5) == "path=") return UnixAddress{Unescape(pair.substr(5)), false};
      if (pair.substr(0, 9) == "abstract=") return UnixAddress{Unescape(pair.substr(9)), true};
    }
  }
  return std::nullopt;
}

int MillisecondsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
  return left > 0 ? static_cast<int>(left) : 0;
}

bool WaitFor(int fd, short events, Clock::time_point deadline) {
  for (;;) {
    pollfd p{fd, events, 0};
    const int ready = poll(&p, 1, MillisecondsLeft(deadline));
    if (ready > 0) return (p.revents & events) != 0;
    if (ready == 0 || errno != EINTR) return false;
  }
}

BusAnswer Ask(const UnixAddress& where, Clock::time_point deadline) {
  sockaddr_un sa{};
  sa.sun_family = AF_UNIX;
  const std::size_t offset = where.abstract ? 1 : 0;
  if (where.path.empty() || where.path.size() + offset >= sizeof sa.sun_path) return BusAnswer::None;
  std::memcpy(sa.sun_path + offset, where.path.data(), where.path.size());
  const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset + where.path.size() +
                                             (where.abstract ? 0 : 1));
  const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
  if (fd < 0) return BusAnswer::None;
  BusAnswer answer = BusAnswer::Silent;
  if (connect(fd, reinterpret_cast<const sockaddr*>(&sa), length) != 0) {
    if (errno != EINPROGRESS && errno != EAGAIN) {
      close(fd);
      return BusAnswer::None;
    }
    if (!WaitFor(fd, POLLOUT, deadline)) {
      close(fd);
      return BusAnswer::Silent;
    }
  }
  // The opening of authentication as every client sends it: a zero byte,
  // then AUTH EXTERNAL with the user id in hex digits of its decimal text.
  char request[64];
  const std::string uid = std::to_string(getuid());
  std::string hex;
  for (const char c : uid) {
    std::snprintf(request, sizeof request, "%02x", static_cast<unsigned char>(c));
    hex += request;
  }
  const std::string hello = std::string(1, '\0') + "AUTH EXTERNAL " + hex + "\r\n";
  if (send(fd, hello.data(), hello.size(), MSG_NOSIGNAL) == static_cast<ssize_t>(hello.size())) {
    std::string reply;
    char buffer[256];
    while (reply.find("\r\n") == std::string::npos && WaitFor(fd, POLLIN, deadline)) {
      const ssize_t got = recv(fd, buffer, sizeof buffer, 0);
      if (got <= 0) break;
      reply.append(buffer, static_cast<std::size_t>(got));
    }
    // Any well-formed answer, a refusal too, is a server that is awake.
    if (reply.find("\r\n") != std::string::npos) answer = BusAnswer::Answers;
  }
  close(fd);
  return answer;
}

}  // namespace

BusAnswer AskBus(const std::string& address, std::chrono::milliseconds within) {
  if (address.empty()) return BusAnswer::None;
  const std::optional<UnixAddress> where = FirstUnixEntry(address);
  if (!where) return BusAnswer::Unchecked;
  return Ask(*where, Clock::now() + within);
}

std::string SessionBusAddress() {
  if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"); address && *address) return address;
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); runtime && *runtime) {
    const std::string bus = std::string(runtime) + "/bus";
    struct stat info {};
    if (stat(bus.c_str(), &info) == 0 && S_ISSOCK(info.st_mode)) return "unix:path=" + bus;
  }
  return {};
}

}  // namespace tintwatch::x11
