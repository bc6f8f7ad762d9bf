#include "support/loopback_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace {

// Nothing a test does takes this long; a stuck client must not hold the
// suite for ever.
const int giveUpMilliseconds = 30000;

int boundSocket(int& port) {
  int s = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (s < 0 || bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    if (s >= 0) close(s);
    return -1;
  }
  port = ntohs(address.sin_port);
  return s;
}

bool readable(int s) {
  pollfd entry{s, POLLIN, 0};
  return poll(&entry, 1, giveUpMilliseconds) > 0;
}

}  // namespace

LoopbackServer::LoopbackServer(std::vector<std::string> pieces) {
  listener = boundSocket(port);
  if (listener >= 0 && listen(listener, 1) == 0) thread = std::thread(&LoopbackServer::serve, this, std::move(pieces));
}

LoopbackServer::~LoopbackServer() {
  if (thread.joinable()) thread.join();
  if (listener >= 0) close(listener);
}

std::string LoopbackServer::url(const std::string& path) const {
  return "http://127.0.0.1:" + std::to_string(port) + path;
}

const std::string& LoopbackServer::request() {
  if (thread.joinable()) thread.join();
  return received;
}

void LoopbackServer::serve(std::vector<std::string> pieces) {
  if (!readable(listener)) return;
  int client = accept(listener, nullptr, nullptr);
  if (client < 0) return;
  char buffer[1024];
  while (received.find("\r\n\r\n") == std::string::npos && readable(client)) {
    ssize_t n = recv(client, buffer, sizeof buffer, 0);
    if (n <= 0) break;
    received.append(buffer, static_cast<size_t>(n));
  }
  for (size_t i = 0; i < pieces.size(); i++) {
    if (i > 0) std::this_thread::sleep_for(std::chrono::milliseconds(30));
    if (send(client, pieces[i].data(), pieces[i].size(), MSG_NOSIGNAL) < 0) break;
  }
  if (pieces.empty())  // silent: hold on until the client gives up
    while (readable(client) && recv(client, buffer, sizeof buffer, 0) > 0) {
    }
  close(client);
}

int closedPort() {
  int port = 0;
  int s = boundSocket(port);
  if (s >= 0) close(s);
  return port;
}
