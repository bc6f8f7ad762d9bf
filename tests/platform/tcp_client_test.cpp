#include "platform/tcp_client.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <vector>

#include "support/loopback_server.h"

namespace {

double secondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

TEST(TcpClient, sendsWaitsAndReceivesUntilThePeerCloses) {
  LoopbackServer server({"hello ", "world"});
  TcpConnection connection;
  ASSERT_TRUE(tcpConnect("localhost", server.port, 2000, connection));
  const std::string request = "PING\r\n\r\n";
  ASSERT_TRUE(tcpSendAll(connection, request.data(), request.size()));
  std::string answer;
  char buffer[4];
  while (tcpWaitForData(connection, 5000) == TcpWait::Readable) {
    long n = tcpReceive(connection, buffer, sizeof buffer);
    if (n <= 0) {
      EXPECT_EQ(n, 0);
      break;
    }
    answer.append(buffer, static_cast<size_t>(n));
  }
  EXPECT_EQ(answer, "hello world");
  EXPECT_EQ(server.request(), request);
  tcpClose(connection);
  EXPECT_EQ(connection.socket, -1);
  tcpClose(connection);  // twice is harmless
  EXPECT_EQ(tcpWaitForData(connection, 0), TcpWait::Failed);
}

TEST(TcpClient, waitingOnASilentPeerTimesOut) {
  LoopbackServer server({});
  TcpConnection connection;
  ASSERT_TRUE(tcpConnect("127.0.0.1", server.port, 2000, connection));
  EXPECT_EQ(tcpWaitForData(connection, 0), TcpWait::TimedOut);
  EXPECT_EQ(tcpWaitForData(connection, 100), TcpWait::TimedOut);
  tcpClose(connection);
}

TEST(TcpClient, refusedAndImpossibleAddressesFail) {
  TcpConnection connection;
  EXPECT_FALSE(tcpConnect("127.0.0.1", closedPort(), 2000, connection));
  EXPECT_EQ(connection.socket, -1);
  EXPECT_FALSE(tcpConnect("127.0.0.1", 0, 2000, connection));
  EXPECT_FALSE(tcpConnect("127.0.0.1", 65536, 2000, connection));
  EXPECT_FALSE(tcpConnect("", 80, 2000, connection));
}

// A listener whose accept queue is full drops new connection requests, so a
// connect there cannot finish and must be given up after its timeout.
TEST(TcpClient, aConnectThatCannotFinishIsGivenUpAfterItsTimeout) {
  int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length), 0);
  ASSERT_EQ(listen(listener, 0), 0);
  std::vector<TcpConnection> queued;
  bool stalled = false;
  for (int i = 0; i < 8 && !stalled; i++) {
    TcpConnection connection;
    auto start = std::chrono::steady_clock::now();
    if (tcpConnect("127.0.0.1", ntohs(address.sin_port), 300, connection)) {
      queued.push_back(connection);
      continue;
    }
    stalled = true;
    double seconds = secondsSince(start);
    EXPECT_GE(seconds, 0.29);
    EXPECT_LT(seconds, 3.0);
  }
  for (TcpConnection& connection : queued) tcpClose(connection);
  close(listener);
  if (!stalled) GTEST_SKIP() << "this kernel accepted every connection";
}
