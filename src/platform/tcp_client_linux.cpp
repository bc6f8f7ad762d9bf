#include "platform/tcp_client.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// Polls one socket for the given events, going on after interruptions with
// the time that is left.
int pollFor(int socket, short events, int timeoutMilliseconds, short& returned) {
  using Clock = std::chrono::steady_clock;
  Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(timeoutMilliseconds);
  while (true) {
    pollfd entry{socket, events, 0};
    int result = poll(&entry, 1, timeoutMilliseconds);
    if (result >= 0 || errno != EINTR) {
      returned = entry.revents;
      return result;
    }
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
    timeoutMilliseconds = left > 0 ? static_cast<int>(left) : 0;
  }
}

// A blocking connect may wait for minutes on an address that never answers,
// so the connect runs non-blocking and is given up after the timeout.
int connectWithin(const addrinfo& address, int timeoutMilliseconds) {
  int s = socket(address.ai_family, address.ai_socktype | SOCK_CLOEXEC, address.ai_protocol);
  if (s < 0) return -1;
  int flags = fcntl(s, F_GETFL);
  bool connected = flags >= 0 && fcntl(s, F_SETFL, flags | O_NONBLOCK) == 0;
  if (connected && connect(s, address.ai_addr, address.ai_addrlen) != 0) {
    connected = false;
    short returned = 0;
    if ((errno == EINPROGRESS || errno == EINTR) && pollFor(s, POLLOUT, timeoutMilliseconds, returned) > 0) {
      int error = 0;
      socklen_t length = sizeof error;
      connected = getsockopt(s, SOL_SOCKET, SO_ERROR, &error, &length) == 0 && error == 0;
    }
  }
  // Back to blocking: the callers wait with polls of their own.
  if (connected && fcntl(s, F_SETFL, flags) == 0) return s;
  close(s);
  return -1;
}

}  // namespace

bool tcpConnect(const std::string& host, int port, int timeoutMilliseconds, TcpConnection& connection) {
  connection.socket = -1;
  if (host.empty() || port <= 0 || port > 65535) return false;
  addrinfo hints{};
  hints.ai_family = AF_UNSPEC;
  hints.ai_socktype = SOCK_STREAM;
  hints.ai_flags = AI_NUMERICSERV;
  addrinfo* addresses = nullptr;
  if (getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &addresses) != 0) return false;
  for (addrinfo* a = addresses; a && connection.socket < 0; a = a->ai_next)
    connection.socket = connectWithin(*a, timeoutMilliseconds);
  freeaddrinfo(addresses);
  return connection.socket >= 0;
}

bool tcpSendAll(const TcpConnection& connection, const void* data, size_t size) {
  // send with MSG_NOSIGNAL rather than the files' write loop: a write to a
  // closed socket would raise SIGPIPE and end the process.
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    ssize_t n = send(connection.socket, bytes, size, MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    bytes += n;
    size -= static_cast<size_t>(n);
  }
  return true;
}

TcpWait tcpWaitForData(const TcpConnection& connection, int timeoutMilliseconds) {
  if (connection.socket < 0) return TcpWait::Failed;
  short returned = 0;
  int result = pollFor(connection.socket, POLLIN, timeoutMilliseconds, returned);
  if (result < 0 || (returned & POLLNVAL)) return TcpWait::Failed;
  return result == 0 ? TcpWait::TimedOut : TcpWait::Readable;
}

long tcpReceive(const TcpConnection& connection, void* buffer, size_t size) {
  while (true) {
    ssize_t n = recv(connection.socket, buffer, size, 0);
    if (n >= 0 || errno != EINTR) return static_cast<long>(n);
  }
}

void tcpClose(TcpConnection& connection) {
  if (connection.socket >= 0) close(connection.socket);
  connection.socket = -1;
}
