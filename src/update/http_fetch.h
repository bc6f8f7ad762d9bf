// The update check's one HTTP request: a hand-made HTTP/1.0 GET over a plain
// TCP connection that reads at most 2048 bytes of the answer.
#pragma once
#include <string>

// A URL split for the request. The scheme plays no part: the request is
// plain HTTP to the URL's port, or to port 80 when it names none.
struct UrlParts {
  std::string host;
  std::string path;  // "/" and the URL's path ("/" for none)
  int port = 80;
};

// Splits "scheme://host:port/path" (scheme and port optional); false when
// the host is empty or the port is no number from 1 to 65535.
[[nodiscard]] bool splitUrl(const std::string& url, UrlParts& parts);

// The head of a response's body: the text between the first and the second
// empty line (CR LF CR LF), or everything after the first when there is no
// second one, trimmed of blanks, cut to its first 3 characters. Reads the
// response up to its first zero byte; "" when it has no empty line.
std::string responseBodyHead(const std::string& response);

// Sends "GET <path> HTTP/1.0" with the lines Host, Accept: */*, User-Agent
// and Connection: close, reads what arrives within 10 seconds of the request
// into a 2048-byte buffer until the server closes the connection, and gives
// the response's `responseBodyHead`; "" when nothing could be fetched.
std::string fetchBodyHead(const std::string& url, const std::string& userAgent);
