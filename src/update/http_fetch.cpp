#include "update/http_fetch.h"

#include <chrono>
#include <thread>

#include "platform/tcp_client.h"
#include "text/text.h"

namespace {

const int connectMilliseconds = 10000;
const int answerMilliseconds = 10000;  // from the request to the end of the answer
const int pollPauseMilliseconds = 20;
const size_t bufferSize = 2048;

bool readPort(const std::string& text, int& port) {
  if (text.empty() || text.size() > 5) return false;
  port = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    port = port * 10 + (c - '0');
  }
  return port >= 1 && port <= 65535;
}

// Fills the buffer until the server closes the connection, a read fails,
// the buffer is full or the deadline passes.
template <typename Deadline>
size_t readAnswer(const TcpConnection& connection, char* buffer, Deadline deadline) {
  size_t filled = 0;
  while (filled < bufferSize) {
    auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    if (left.count() <= 0 || tcpWaitForData(connection, static_cast<int>(left.count())) != TcpWait::Readable) break;
    long n = tcpReceive(connection, buffer + filled, bufferSize - filled);
    if (n <= 0) break;
    filled += static_cast<size_t>(n);
  }
  return filled;
}

}  // namespace

bool splitUrl(const std::string& url, UrlParts& parts) {
  size_t scheme = url.find("://");
  size_t start = scheme == std::string::npos ? 0 : scheme + 3;
  size_t slash = url.find('/', start);
  std::string authority = url.substr(start, slash == std::string::npos ? std::string::npos : slash - start);
  parts.path = slash == std::string::npos ? "/" : url.substr(slash);
  size_t colon = authority.find(':');
  parts.host = authority.substr(0, colon);
  parts.port = 80;
  if (colon != std::string::npos && !readPort(authority.substr(colon + 1), parts.port)) return false;
  return !parts.host.empty();
}

std::string responseBodyHead(const std::string& response) {
  std::string text = response.substr(0, response.find('\0'));
  const std::string emptyLine = "\r\n\r\n";
  size_t first = text.find(emptyLine);
  if (first == std::string::npos) return "";
  size_t start = first + emptyLine.size();
  size_t second = text.find(emptyLine, start);
  std::string body = text.substr(start, second == std::string::npos ? std::string::npos : second - start);
  return trimmed(body, " ").substr(0, 3);
}

std::string fetchBodyHead(const std::string& url, const std::string& userAgent) {
  UrlParts parts;
  TcpConnection connection;
  if (!splitUrl(url, parts) || !tcpConnect(parts.host, parts.port, connectMilliseconds, connection)) return "";
  std::string request = "GET " + parts.path + " HTTP/1.0\r\nHost: " + parts.host +
                        "\r\nAccept: */*\r\nUser-Agent: " + userAgent + "\r\nConnection: close\r\n\r\n";
  char buffer[bufferSize + 1] = {};  // one zero byte more ends a full buffer's text
  if (tcpSendAll(connection, request.data(), request.size())) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(answerMilliseconds);
    while (std::chrono::steady_clock::now() < deadline) {
      if (tcpWaitForData(connection, 0) == TcpWait::Readable) {
        readAnswer(connection, buffer, deadline);
        break;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(pollPauseMilliseconds));
    }
  }
  tcpClose(connection);
  return responseBodyHead(buffer);
}
