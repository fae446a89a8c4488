// The UDP channel over Windows Sockets 2. A socket bound to 0.0.0.0 sends a limited broadcast out
// of one adapter only, so each adapter gets a socket of its own, bound to its address and the
// board port: a broadcast sent on it leaves by that adapter, and broadcasts and replies that
// arrive on that adapter come to it. Sends and receives are overlapped; their completion
// routines run on the worker thread during alertable waits. A datagram that is already waiting
// on a socket with no receive posted is taken at once by a call that does not block. close() from another thread closes
// every socket, which makes pending I/O complete with WSA_OPERATION_ABORTED on the worker, and
// signals the wait's event, so that a receive with nothing posted ends at once too.
#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "net/network_adapters.h"
#include "net/udp_channel.h"
#include "net/wire.h"

namespace {

constexpr int kReceiveBufferBytes = 8 * 1024 * 1024;  // room for thousands of replies at once
constexpr DWORD kSendWaitMs = 1000;
constexpr DWORD kDrainMs = 5000;      // after closesocket, aborted I/O completes at once
constexpr DWORD kFailedWaitMs = 50;   // a wait that could not be made is retried this often
constexpr int kFailuresToRetire = 3;  // receives in a row that fail before a socket is given up

// One adapter's socket and the I/O posted on it. The overlapped structures, buffers and the
// sender's address belong to the system while their I/O is pending, so a Port never moves.
struct Port {
    Port() = default;
    Port(const Port&) = delete;
    Port& operator=(const Port&) = delete;
    // Only a socket that close() has not reached is closed here (a bind that failed in open()).
    ~Port() {
        if (!closed && sock != INVALID_SOCKET) closesocket(sock);
    }

    bool pending() const { return sendPending || receivePending; }

    uint32_t address = 0;          // the adapter's, host order
    SOCKET sock = INVALID_SOCKET;
    bool closed = false;           // under the channel's mutex: a closed handle is never used again
    int granted = 0;               // receive buffer the system says it gave; 0 unknown

    WSAOVERLAPPED sendOverlapped{};
    uint8_t sendData[kSendBufferSize] = {};
    bool sendPending = false;
    bool sendAsked = false;        // part of the send() under way
    DWORD sendError = 0;
    DWORD sendBytes = 0;

    WSAOVERLAPPED receiveOverlapped{};
    uint8_t receiveData[kReceiveBufferSize] = {};
    sockaddr_in from{};
    INT fromLength = 0;
    DWORD receiveFlags = 0;
    bool receivePending = false;
    bool receiveDone = false;      // completed; not yet handed out
    DWORD receiveError = 0;
    DWORD receiveBytes = 0;
    DWORD doneFlags = 0;
    int failures = 0;              // receives in a row that failed other than by a datagram
    bool retired = false;          // failed too often: no receive is posted on it any more
};

enum class Bound { Yes, Held, No };

// Outcomes that a datagram caused (an empty or oversize one, or an ICMP error that one of ours
// met): the socket works, the datagram is only unusable.
bool datagramOutcome(DWORD error) {
    return error == 0 || error == WSAEMSGSIZE || error == WSAECONNRESET || error == WSAENETRESET;
}

void CALLBACK onSent(DWORD error, DWORD bytes, LPWSAOVERLAPPED overlapped, DWORD) {
    auto* port = static_cast<Port*>(overlapped->hEvent);
    port->sendError = error;
    port->sendBytes = bytes;
    port->sendPending = false;
}

void CALLBACK onReceived(DWORD error, DWORD bytes, LPWSAOVERLAPPED overlapped, DWORD flags) {
    auto* port = static_cast<Port*>(overlapped->hEvent);
    if (!port->receivePending) return;   // already accounted for: nobody waits for it
    port->receiveError = error;
    port->receiveBytes = bytes;
    port->doneFlags = flags;
    port->receivePending = false;
    port->receiveDone = true;
}

// A socket for the adapter at port.address, bound to that address and boardPort.
Bound bindPort(Port& port, uint16_t boardPort) {
    port.sock = WSASocketA(AF_INET, SOCK_DGRAM, IPPROTO_UDP, nullptr, 0, WSA_FLAG_OVERLAPPED);
    if (port.sock == INVALID_SOCKET) return Bound::No;
    const BOOL on = TRUE;
    // Both before bind, or they do not hold. Exclusive: no other socket can bind this address
    // and port, not even one that asks to share it with SO_REUSEADDR, so none can take over the
    // replies that arrive here (we never set SO_REUSEADDR ourselves). It does not keep another
    // program off 0.0.0.0 on the port: Windows lets that bind succeed beside ours.
    if (setsockopt(port.sock, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&on),
                   static_cast<int>(sizeof on)) != 0 ||
        setsockopt(port.sock, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&on),
                   static_cast<int>(sizeof on)) != 0) {
        return Bound::No;
    }
    // Calls that are not overlapped never block: a datagram that is there is taken at once.
    u_long nonBlocking = 1;
    if (ioctlsocket(port.sock, FIONBIO, &nonBlocking) != 0) return Bound::No;
    const int size = kReceiveBufferBytes;
    setsockopt(port.sock, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&size),
               static_cast<int>(sizeof size));
    int granted = 0;
    int grantedSize = static_cast<int>(sizeof granted);
    if (getsockopt(port.sock, SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char*>(&granted), &grantedSize) == 0) {
        port.granted = granted;
    }
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(boardPort);
    local.sin_addr.s_addr = htonl(port.address);
    if (bind(port.sock, reinterpret_cast<const sockaddr*>(&local), static_cast<int>(sizeof local)) == 0) {
        return Bound::Yes;
    }
    // In use, or denied because another program holds it exclusively on every address. Any
    // other failure is this adapter's own (its address went away meanwhile).
    const int error = WSAGetLastError();
    return error == WSAEADDRINUSE || error == WSAEACCES ? Bound::Held : Bound::No;
}

class Win32UdpChannel final : public UdpChannel {
public:
    // By now no worker runs: a pending I/O of a thread that has ended is already cancelled.
    ~Win32UdpChannel() override { teardown(); }

    bool open(uint16_t boardPort) override {
        teardown();
        WSADATA data;
        if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return false;
        started_ = true;
        const std::vector<std::string> only = chosenAdapters();
        std::vector<std::unique_ptr<Port>> ports;
        int granted = 0;
        for (const NetworkAdapter& adapter : broadcastAdapters(interfaces(), only)) {
            // An address that cannot be had (tentative, or a duplicate, just after link-up) gives
            // way to the adapter's next one.
            std::vector<uint32_t> addresses = {adapter.address};
            addresses.insert(addresses.end(), adapter.alternatives.begin(), adapter.alternatives.end());
            for (const uint32_t address : addresses) {
                // Two adapters given one address would hold the port against each other.
                if (std::any_of(ports.begin(), ports.end(), [&](const auto& p) { return p->address == address; })) {
                    continue;
                }
                auto port = std::make_unique<Port>();
                port->address = address;
                const Bound bound = bindPort(*port, boardPort);
                if (bound == Bound::Held) {   // another program has the port: replies would be lost
                    ports.clear();
                    port.reset();
                    teardown();
                    return false;
                }
                if (bound == Bound::No) continue;
                granted = ports.empty() ? port->granted : std::min(granted, port->granted);
                ports.push_back(std::move(port));
                break;
            }
        }
        WSAEVENT event = ports.empty() ? WSA_INVALID_EVENT : WSACreateEvent();
        if (event == WSA_INVALID_EVENT) {
            ports.clear();
            teardown();
            return false;
        }
        boardPort_ = boardPort;
        next_ = 0;
        receivedOn_ = 0;
        std::lock_guard<std::mutex> lock(mutex_);
        event_ = event;
        ports_ = std::move(ports);
        recordReceiveBuffer({kReceiveBufferBytes, granted});
        closed_ = false;
        owner_ = GetCurrentThreadId();
        return true;
    }

    bool send(const uint8_t* data, size_t length) override {
        if (length > kSendBufferSize) return false;
        sockaddr_in to{};
        to.sin_family = AF_INET;
        to.sin_port = htons(boardPort_);
        to.sin_addr.s_addr = htonl(INADDR_BROADCAST);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (closed_) return false;
            for (auto& port : ports_) postSend(*port, data, length, to);
        }
        const ULONGLONG deadline = GetTickCount64() + kSendWaitMs;
        auto waiting = [&] {
            return std::any_of(ports_.begin(), ports_.end(),
                               [](const auto& p) { return p->sendAsked && p->sendPending; });
        };
        while (waiting() && !isClosed() && waitUntil(deadline)) {
        }
        // An adapter that refused (unplugged meanwhile) or did not finish in time does not undo
        // the others' sends. One whose send is still pending keeps its buffer until it completes.
        bool sentAny = false;
        for (auto& port : ports_) {
            if (port->sendAsked && !port->sendPending && port->sendError == 0 && port->sendBytes == length) {
                sentAny = true;
            }
            port->sendAsked = false;
        }
        return sentAny && !isClosed();
    }

    ReceiveResult receive(int timeoutMs, const uint8_t*& data, size_t& length) override {
        data = nullptr;
        length = 0;
        receivedOn_ = 0;
        receivedFrom_ = 0;
        const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(timeoutMs > 0 ? timeoutMs : 0);
        // Even with no socket left to receive on, the time-out is waited out.
        for (bool timedOut = false;;) {
            if (isClosed()) return ReceiveResult::Closed;
            if (Port* port = nextReady()) return takeFrom(*port, data, length);
            if (timedOut) return ReceiveResult::Timeout;
            // Nothing has come: every socket with no receive waiting gets one (the datagram
            // handed out last is done with now), and the wait runs their completions.
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (closed_) return ReceiveResult::Closed;
                for (auto& port : ports_) {
                    if (!port->closed && !port->retired && !port->receivePending && !port->receiveDone) {
                        postReceive(*port);
                    }
                }
            }
            timedOut = !waitUntil(deadline);
        }
    }

    void close() override {
        bool owner = false;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            closeLocked();
            owner = owner_ != 0 && owner_ == GetCurrentThreadId();
        }
        // Only the thread that issued the I/O can run its completions and so release the
        // library safely; another thread's close just ends the waits.
        if (owner) teardown();
    }

    int64_t nowMs() override { return static_cast<int64_t>(GetTickCount64()); }

    uint32_t receivedOn() const override { return receivedOn_; }
    uint32_t receivedFrom() const override { return receivedFrom_; }

private:
    // Under mutex_, on an open channel.
    void postSend(Port& port, const uint8_t* data, size_t length, const sockaddr_in& to) {
        // A send that never completed still owns the buffer and the overlapped.
        if (port.closed || port.sendPending) return;
        if (length > 0) std::memcpy(port.sendData, data, length);
        WSABUF buffer{static_cast<ULONG>(length), reinterpret_cast<char*>(port.sendData)};
        port.sendOverlapped = WSAOVERLAPPED{};
        port.sendOverlapped.hEvent = &port;   // free for our use with a completion routine
        port.sendError = 0;
        port.sendBytes = 0;
        port.sendPending = true;
        port.sendAsked = true;
        if (WSASendTo(port.sock, &buffer, 1, nullptr, 0, reinterpret_cast<const sockaddr*>(&to),
                      static_cast<int>(sizeof to), &port.sendOverlapped, &onSent) == 0 ||
            WSAGetLastError() == WSA_IO_PENDING) {
            return;
        }
        // Refused at once. A completion it may have queued runs now, while its overlapped is
        // still its own, so that none is left that the next send would be taken for.
        SleepEx(0, TRUE);
        port.sendPending = false;
        port.sendAsked = false;
    }

    // Under mutex_, on an open channel; the port has nothing posted and nothing to hand out.
    void postReceive(Port& port) {
        WSABUF buffer{static_cast<ULONG>(sizeof port.receiveData), reinterpret_cast<char*>(port.receiveData)};
        port.receiveOverlapped = WSAOVERLAPPED{};
        port.receiveOverlapped.hEvent = &port;
        port.receiveFlags = 0;
        port.fromLength = static_cast<INT>(sizeof port.from);
        port.receivePending = true;
        if (WSARecvFrom(port.sock, &buffer, 1, nullptr, &port.receiveFlags,
                        reinterpret_cast<sockaddr*>(&port.from), &port.fromLength,
                        &port.receiveOverlapped, &onReceived) == 0) {
            return;   // done at once: the completion routine still runs, in the next wait
        }
        const int error = WSAGetLastError();
        if (error == WSA_IO_PENDING) return;
        // A receive that failed at once (an oversize datagram) may still have queued its
        // completion. Run it now, while the overlapped and the buffer are still its own: left for
        // a later wait, it would complete the next receive in that one's place.
        SleepEx(0, TRUE);
        // Then it counts as done with that error, handed out in its turn like any other.
        port.receivePending = false;
        port.receiveDone = true;
        port.receiveError = static_cast<DWORD>(error);
        port.receiveBytes = 0;
        port.doneFlags = 0;
    }

    // The next port with a datagram: its posted receive completed, or, with none posted, one is
    // waiting and is taken at once (a burst then costs one call a datagram, not a posted receive
    // and its completion). The ports are taken in turn so that a busy adapter cannot hold back
    // the others.
    Port* nextReady() {
        std::lock_guard<std::mutex> lock(mutex_);   // close() frees no socket under a call
        const size_t count = ports_.size();
        for (size_t i = 0; i < count; ++i) {
            const size_t at = (next_ + i) % count;
            Port& port = *ports_[at];
            if (port.receiveDone || (!port.closed && !port.retired && !port.receivePending && receiveNow(port))) {
                next_ = (at + 1) % count;
                return &port;
            }
        }
        return nullptr;
    }

    // Under mutex_, on a port with nothing posted: a datagram (or a datagram's error) that is
    // already waiting, taken without waiting. False when nothing is there.
    bool receiveNow(Port& port) {
        port.fromLength = static_cast<INT>(sizeof port.from);
        const int n = recvfrom(port.sock, reinterpret_cast<char*>(port.receiveData),
                               static_cast<int>(sizeof port.receiveData), 0,
                               reinterpret_cast<sockaddr*>(&port.from), &port.fromLength);
        const int error = n == SOCKET_ERROR ? WSAGetLastError() : 0;
        if (error == WSAEWOULDBLOCK) return false;
        port.receiveDone = true;
        port.receiveError = static_cast<DWORD>(error);
        port.receiveBytes = n == SOCKET_ERROR ? 0 : static_cast<DWORD>(n);
        port.doneFlags = 0;
        return true;
    }

    ReceiveResult takeFrom(Port& port, const uint8_t*& data, size_t& length) {
        port.receiveDone = false;   // its buffer stays as it is until the next receive()
        receivedOn_ = port.address;
        receivedFrom_ = port.fromLength >= static_cast<INT>(sizeof port.from) ? ntohl(port.from.sin_addr.s_addr) : 0;
        const DWORD error = port.receiveError;
        if (datagramOutcome(error)) {
            port.failures = 0;
        } else if (++port.failures >= kFailuresToRetire) {
            port.retired = true;   // a socket that keeps failing is not asked again
        }
        if (error == 0 && port.receiveBytes > 0 && (port.doneFlags & MSG_PARTIAL) == 0) {
            data = port.receiveData;
            length = port.receiveBytes;
            return ReceiveResult::Datagram;
        }
        // Empty or oversize, an ICMP error, or a socket that failed: nothing usable came, but the
        // channel stays open for the other adapters and this one's next receive.
        return ReceiveResult::Dropped;
    }

    // One alertable wait, at most until deadline: it ends when completion routines have run or
    // close() signalled the event. With no time left it still runs the completions already
    // queued, and returns false.
    bool waitUntil(ULONGLONG deadline) {
        const ULONGLONG now = GetTickCount64();
        const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
        if (WSAWaitForMultipleEvents(1, &event_, FALSE, left, TRUE) == WSA_WAIT_FAILED) {
            SleepEx(std::min(left, kFailedWaitMs), TRUE);
        }
        return left > 0;
    }

    bool isClosed() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return closed_;
    }

    // Under mutex_: every socket closed exactly once, and a waiting receive woken.
    void closeLocked() {
        for (auto& port : ports_) {
            if (!port->closed) closesocket(port->sock);
            port->closed = true;
        }
        if (!closed_ && event_ != WSA_INVALID_EVENT) WSASetEvent(event_);
        closed_ = true;
    }

    // Let aborted I/O complete on the thread that issued it, then release the sockets, the
    // event and the library.
    void teardown() {
        DWORD owner = 0;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            closeLocked();
            owner = owner_;
            owner_ = 0;
        }
        auto pending = [this] {
            return std::any_of(ports_.begin(), ports_.end(), [](const auto& p) { return p->pending(); });
        };
        // The event is signalled now, so the completions are waited for by SleepEx alone.
        if (owner == GetCurrentThreadId()) {
            const ULONGLONG deadline = GetTickCount64() + kDrainMs;
            for (ULONGLONG now = GetTickCount64(); pending() && now < deadline; now = GetTickCount64()) {
                SleepEx(static_cast<DWORD>(deadline - now), TRUE);
            }
        }
        std::vector<std::unique_ptr<Port>> gone;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            gone.swap(ports_);
            if (event_ != WSA_INVALID_EVENT) WSACloseEvent(event_);
            event_ = WSA_INVALID_EVENT;
        }
        // I/O that never completed still owns its port's buffers: keep those while we live.
        for (auto& port : gone) {
            if (port->pending()) stuck_.push_back(std::move(port));
        }
        gone.clear();
        if (started_) WSACleanup();
        started_ = false;
    }

    mutable std::mutex mutex_;   // guards ports_ (each closed and sock), closed_, event_
    std::vector<std::unique_ptr<Port>> ports_;
    bool closed_ = true;
    WSAEVENT event_ = WSA_INVALID_EVENT;   // signalled by close(); carries the alertable waits
    DWORD owner_ = 0;                      // the thread that opened the channel; 0 when torn down

    // Worker-thread state.
    bool started_ = false;                 // WSAStartup succeeded and WSACleanup is owed
    uint16_t boardPort_ = 0;
    size_t next_ = 0;                      // the port whose completion is looked at first
    uint32_t receivedOn_ = 0;
    uint32_t receivedFrom_ = 0;
    std::vector<std::unique_ptr<Port>> stuck_;
};

}  // namespace

std::unique_ptr<UdpChannel> makeSystemChannel() { return std::make_unique<Win32UdpChannel>(); }
