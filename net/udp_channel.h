#pragma once
// The only code that touches sockets: the board port, open on every adapter that can broadcast,
// sending to the limited broadcast address out of each and receiving from anyone. The cycles
// above never see the adapters: one send is one datagram out of every adapter.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "net/network_adapters.h"

enum class ReceiveResult {
    Datagram,   // data/length hold one datagram of 1..256 bytes
    Dropped,    // a datagram arrived but is unusable (empty, or longer than 256 bytes)
    Timeout,    // nothing arrived within the time-out; a posted receive may stay posted
    Closed,     // the channel was closed (by close()); nothing more will come
};

class UdpChannel {
public:
    // What the system gave the board port to hold datagrams that have not yet been taken.
    struct ReceiveBuffer {
        int asked = 0;     // bytes
        int granted = 0;   // bytes; 0 when not known
    };

    static constexpr int kMaxDropped = 65536;

    virtual ~UdpChannel() = default;

    // Reads the adapters afresh and opens the board port: broadcast allowed, a large receive
    // buffer, replies taken from any adapter. False when there is no adapter to send by or the
    // port cannot be had (another program holds it).
    virtual bool open(uint16_t port) = 0;
    // Sends one datagram to 255.255.255.255:port out of every adapter. True when it left by at
    // least one; false when the channel is closed or every adapter refused it.
    virtual bool send(const uint8_t* data, size_t length) = 0;
    // Waits up to timeoutMs for one datagram. data points into the channel's own buffer and
    // stays valid until the next call.
    virtual ReceiveResult receive(int timeoutMs, const uint8_t*& data, size_t& length) = 0;
    // Any thread, any number of times: closes the port and ends a waiting receive at once.
    // Every handle is closed exactly once.
    virtual void close() = 0;
    // Monotonic milliseconds (a virtual clock in tests).
    virtual int64_t nowMs() = 0;

    // The address (host order) of the adapter the last datagram arrived on; 0 when unknown.
    virtual uint32_t receivedOn() const { return 0; }
    // The address (host order) the last datagram came from; 0 when unknown.
    virtual uint32_t receivedFrom() const { return 0; }
    // Worker thread: whether datagrams were lost (the system had no room to hold them) since
    // the last call; false where the system does not tell.
    virtual bool lostDatagrams() { return false; }
    // Worker thread: drops what has arrived and not been taken (a bounded number, so that a
    // flood cannot hold the caller).
    virtual void dropWaiting();
    // Later opens use only the adapters named, or addressed, in only; empty: every adapter.
    virtual void limitAdapters(std::vector<std::string> only);
    // As the last open found it.
    virtual ReceiveBuffer receiveBuffer() const;
    // Later opens take the interfaces from source instead of the system (for tests).
    void readInterfacesWith(std::function<std::vector<InterfaceAddress>()> source);

protected:
    // For the implementations: what limitAdapters was given, and what an open was granted.
    std::vector<std::string> chosenAdapters() const;
    void recordReceiveBuffer(ReceiveBuffer buffer);
    std::vector<InterfaceAddress> interfaces() const;

private:
    mutable std::mutex settingsLock_;   // the settings are set and read from any thread
    std::function<std::vector<InterfaceAddress>()> interfaceSource_;
    std::vector<std::string> chosen_;
    ReceiveBuffer buffer_;
};

// The platform's channel: Winsock overlapped I/O on Windows, poll() and recvmmsg() elsewhere.
std::unique_ptr<UdpChannel> makeSystemChannel();
