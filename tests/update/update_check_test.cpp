// The update check against small HTTP servers of the test's own on the
// loopback interface, and the schedule of the check at start.
#include "update/update_check.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

#include "support/loopback_server.h"
#include "update/http_fetch.h"

namespace {

const char* const updatePath = "/files/zorvane.dat";

// Points the check at a server for one test.
struct UpdateUrl {
  explicit UpdateUrl(const std::string& url) { setenv("ZORVANE_UPDATE_URL", url.c_str(), 1); }
  ~UpdateUrl() { unsetenv("ZORVANE_UPDATE_URL"); }
};

std::string okAnswer(const std::string& body) {
  return "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Length: " + std::to_string(body.size()) +
         "\r\n\r\n" + body;
}

}  // namespace

TEST(UpdateCheck, decidesOnTheFirstThreeCharactersOfTheServersBody) {
  struct Case {
    std::vector<std::string> answer;
    std::string head;
    UpdateOutcome outcome;
  };
  const Case cases[] = {
      {{okAnswer("  251\r\n")}, "251", UpdateOutcome::NewUpdate},
      {{okAnswer("250")}, "250", UpdateOutcome::NoUpdate},
      {{okAnswer("099")}, "099", UpdateOutcome::NoUpdate},
      {{okAnswer("2.5.1")}, "2.5", UpdateOutcome::NoUpdate},
      {{okAnswer("1000")}, "100", UpdateOutcome::NoUpdate},
      {{okAnswer("$FF")}, "$FF", UpdateOutcome::NewUpdate},
      {{okAnswer("")}, "", UpdateOutcome::ConnectionProblem},
      {{"HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\n<html><body><h1>Not Found</h1></body></html>"},
       "<ht", UpdateOutcome::ConnectionProblem},
      // An answer in several pieces is joined before the body is looked for.
      {{"HTTP/1.0 200 OK\r\nConte", "nt-Type: text/plain\r\n\r", "\n 3", "01\r\n"}, "301", UpdateOutcome::NewUpdate},
      // A second empty line ends the body.
      {{"HTTP/1.0 200 OK\r\n\r\n 2\r\n\r\n99"}, "2", UpdateOutcome::NoUpdate},
      // Only the first 2048 bytes are read: the body of a long header is cut off.
      {{"HTTP/1.0 200 OK\r\nX-Padding: " + std::string(2100, 'x') + "\r\n\r\n260"}, "", UpdateOutcome::ConnectionProblem},
      {{"HTTP/1.0 200 OK\r\nX-Padding: " + std::string(1900, 'x') + "\r\n\r\n260" + std::string(4000, ' ')}, "260",
       UpdateOutcome::NewUpdate},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer.front().substr(0, 60));
    {
      LoopbackServer server(c.answer);
      EXPECT_EQ(fetchBodyHead(server.url(updatePath), updateUserAgent()), c.head);
    }
    LoopbackServer server(c.answer);
    UpdateUrl url(server.url(updatePath));
    EXPECT_EQ(checkForUpdate(), c.outcome);
  }
}

TEST(UpdateCheck, sendsExactlyTheRequestLines) {
  LoopbackServer server({okAnswer("250")});
  EXPECT_EQ(fetchBodyHead(server.url("/files/zorvane.dat?x=1"), updateUserAgent()), "250");
  EXPECT_EQ(server.request(),
            "GET /files/zorvane.dat?x=1 HTTP/1.0\r\n"
            "Host: 127.0.0.1\r\n"
            "Accept: */*\r\n"
            "User-Agent: Lumavex JPG to PCX 2.5\r\n"
            "Connection: close\r\n"
            "\r\n");
}

TEST(UpdateCheck, aRefusedConnectionIsAConnectionProblem) {
  UpdateUrl url("http://127.0.0.1:" + std::to_string(closedPort()) + updatePath);
  EXPECT_EQ(fetchBodyHead(updateFileUrl(), updateUserAgent()), "");
  EXPECT_EQ(checkForUpdate(), UpdateOutcome::ConnectionProblem);
}

TEST(UpdateCheck, aServerThatNeverAnswersIsGivenUpAfterTenSeconds) {
  LoopbackServer server({});
  auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(fetchBodyHead(server.url(updatePath), updateUserAgent()), "");
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  EXPECT_GE(seconds, 9.9);
  EXPECT_LT(seconds, 30.0);
}

TEST(UpdateCheck, theUpdateFileIsTheMakersUnlessTheEnvironmentNamesAnother) {
  EXPECT_EQ(updateFileUrl(), "http://www.lumavex.example/files/zorvane.dat");
  UpdateUrl url("http://127.0.0.1:1/x");
  EXPECT_EQ(updateFileUrl(), "http://127.0.0.1:1/x");
}

TEST(UpdateCheck, splitsTheUrlIntoHostPathAndPort) {
  struct Case {
    std::string url;
    bool ok;
    std::string host, path;
    int port;
  };
  const Case cases[] = {
      {"http://www.lumavex.example/files/zorvane.dat", true, "www.lumavex.example", "/files/zorvane.dat", 80},
      {"https://www.lumavex.example/files/zorvane.dat", true, "www.lumavex.example", "/files/zorvane.dat", 80},
      {"http://127.0.0.1:8080/a/b?c=d", true, "127.0.0.1", "/a/b?c=d", 8080},
      {"localhost:65535", true, "localhost", "/", 65535},
      {"http://host", true, "host", "/", 80},
      {"http://host:0/", false, "host", "/", 0},
      {"http://host:65536/", false, "host", "/", 0},
      {"http://host:8o/", false, "host", "/", 0},
      {"http:///path", false, "", "/path", 80},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.url);
    UrlParts parts;
    ASSERT_EQ(splitUrl(c.url, parts), c.ok);
    if (!c.ok) continue;
    EXPECT_EQ(parts.host, c.host);
    EXPECT_EQ(parts.path, c.path);
    EXPECT_EQ(parts.port, c.port);
  }
}

TEST(UpdateCheck, readsTheServersNumberAsTheCommandLineDoes) {
  struct Case {
    std::string fetched;
    UpdateOutcome outcome;
  };
  const Case cases[] = {
      {"", UpdateOutcome::ConnectionProblem},    {"abc", UpdateOutcome::ConnectionProblem},
      {"0", UpdateOutcome::ConnectionProblem},   {"%11", UpdateOutcome::NoUpdate},
      {"-99", UpdateOutcome::NoUpdate},          {"251", UpdateOutcome::NewUpdate},
      {"\t25", UpdateOutcome::NoUpdate},         {"999", UpdateOutcome::NewUpdate},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fetched);
    EXPECT_EQ(updateOutcome(c.fetched), c.outcome);
  }
}

TEST(UpdateCheck, theScheduledCheckComesDueAfterThePeriodOfTheUpdateRange) {
  const int64_t now = 1'750'000'000, day = 24 * 60 * 60;
  struct Case {
    int32_t range;
    int64_t daysAgo;
    bool due;
  };
  const Case cases[] = {
      {1, 8, true},    {1, 6, false},   {5, 8, false},  {5, 10000, false}, {0, 2, true},   {0, 0, false},
      {2, 31, true},   {2, 29, false},  {3, 91, true},  {3, 89, false},    {4, 181, true}, {4, 179, false},
      {9, 31, true},   {-1, 29, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "range " << c.range << ", " << c.daysAgo << " days ago");
    EXPECT_EQ(scheduledUpdateDue(c.range, now - c.daysAgo * day, now), c.due);
  }
  // Exactly one period ago is not yet before now.
  EXPECT_FALSE(scheduledUpdateDue(1, now - 7 * day, now));
  EXPECT_TRUE(scheduledUpdateDue(1, now - 7 * day - 1, now));
}
