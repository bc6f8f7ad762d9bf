// A small HTTP server of the test's own on 127.0.0.1, on a port the system
// picks: it takes one connection, reads the request up to its empty line,
// sends its answer in pieces and closes. A server without pieces never
// answers and holds the connection until the client closes it.
#pragma once
#include <string>
#include <thread>
#include <vector>

struct LoopbackServer {
  explicit LoopbackServer(std::vector<std::string> pieces);
  ~LoopbackServer();
  LoopbackServer(const LoopbackServer&) = delete;
  LoopbackServer& operator=(const LoopbackServer&) = delete;

  // "http://127.0.0.1:<port>" followed by the path.
  std::string url(const std::string& path) const;
  // What the client sent; waits until the server is done.
  const std::string& request();

  int port = 0;

 private:
  void serve(std::vector<std::string> pieces);
  int listener = -1;
  std::string received;
  std::thread thread;
};

// A loopback port with nobody listening on it.
int closedPort();
