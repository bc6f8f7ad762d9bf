// A plain TCP client connection: connect by host name and port, send, wait
// for incoming data, receive, close. Every call reports failure by its
// return value; none of them waits longer than it is told to.
#pragma once
#include <cstddef>
#include <string>

struct TcpConnection {
  int socket = -1;  // -1 when not connected
};

// Resolves the host name and connects to the first of its addresses that
// answers within `timeoutMilliseconds` (each address gets that long).
// The name resolution itself is the system resolver's and has its own limits.
[[nodiscard]] bool tcpConnect(const std::string& host, int port, int timeoutMilliseconds, TcpConnection& connection);

// Sends all of a buffer; false when the connection refuses part of it. A peer
// that has gone away gives false, never a signal.
[[nodiscard]] bool tcpSendAll(const TcpConnection& connection, const void* data, size_t size);

enum class TcpWait { Readable, TimedOut, Failed };

// Waits up to `timeoutMilliseconds` (0: only looks) for the connection to
// have something to read. A connection the peer closed or broke counts as
// readable: the next receive then returns 0 or -1.
TcpWait tcpWaitForData(const TcpConnection& connection, int timeoutMilliseconds);

// Receives what has arrived, at most `size` bytes: the byte count, 0 when
// the peer closed the connection, -1 on an error. Blocks while nothing has
// arrived, so callers wait with `tcpWaitForData` first.
long tcpReceive(const TcpConnection& connection, void* buffer, size_t size);

// Closes the connection; closing one that is not connected does nothing.
void tcpClose(TcpConnection& connection);
