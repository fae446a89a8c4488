#pragma once
// The only code that touches sockets: a UDP socket bound to the board port that sends to the
// limited broadcast address and receives from anyone.
#include <cstddef>
#include <cstdint>
#include <memory>

enum class ReceiveResult {
    Datagram,   // data/length hold one datagram of 1..256 bytes
    Dropped,    // a datagram arrived but is unusable (empty, or longer than 256 bytes)
    Timeout,    // nothing arrived within the time-out; a posted receive may stay posted
    Closed,     // the socket was closed (by close(), or after an error); nothing more will come
};

class UdpChannel {
public:
    virtual ~UdpChannel() = default;

    // Opens the socket: broadcast allowed, a large receive buffer, bound to any address:port.
    virtual bool open(uint16_t port) = 0;
    // Sends one datagram to 255.255.255.255:port. False when the socket is closed or the send
    // did not complete.
    virtual bool send(const uint8_t* data, size_t length) = 0;
    // Waits up to timeoutMs for one datagram. data points into the channel's own buffer and
    // stays valid until the next call.
    virtual ReceiveResult receive(int timeoutMs, const uint8_t*& data, size_t& length) = 0;
    // Any thread, any number of times: closes the socket and ends a waiting receive at once.
    // The handle is closed exactly once.
    virtual void close() = 0;
    // Monotonic milliseconds (a virtual clock in tests).
    virtual int64_t nowMs() = 0;
};

// The platform's channel: Winsock overlapped I/O on Windows, poll() elsewhere.
std::unique_ptr<UdpChannel> makeSystemChannel();
